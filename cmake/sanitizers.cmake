# project_sanitizers: ASan and UBSan for every target of ours when ENABLE_SANITIZERS is on.
add_library(project_sanitizers INTERFACE)

if(ENABLE_SANITIZERS)
  set(sanitizer_flags
    -fsanitize=address,undefined  # memory errors and undefined behaviour
    -fno-sanitize-recover=all     # every report ends the process with a failure
    -fno-omit-frame-pointer)      # readable stacks in the reports
  target_compile_options(project_sanitizers INTERFACE ${sanitizer_flags})
  target_link_options(project_sanitizers INTERFACE ${sanitizer_flags})
endif()
