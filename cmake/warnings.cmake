# project_warnings: an INTERFACE target that every target of ours links PRIVATE.
add_library(project_warnings INTERFACE)

if(MSVC)
  target_compile_options(project_warnings INTERFACE /W4 /permissive-)
  if(WARNINGS_AS_ERRORS)
    target_compile_options(project_warnings INTERFACE /WX)
  endif()
else()
  target_compile_options(project_warnings INTERFACE
    -Wall                 # the common set
    -Wextra               # and the less common
    -Wpedantic            # nothing outside ISO C++
    -Wconversion          # no silent narrowing between integer types
    -Wsign-conversion     # nor between signed and unsigned
    -Wshadow              # no name hides another
    -Wold-style-cast      # every conversion is spelled out
    -Wcast-qual           # no const cast away in passing
    -Wformat=2            # printf-style calls are checked
    -Wnull-dereference    # paths that would dereference null
    -Wimplicit-fallthrough # switch cases say when they fall through
    -Wundef)              # an unknown macro in #if is a mistake
  if(WARNINGS_AS_ERRORS)
    target_compile_options(project_warnings INTERFACE -Werror)
  endif()
endif()
