# project_coverage: clang's source-based coverage for the programs and the dialogue when
# ENABLE_COVERAGE is on. Every run of a program, each one that the end-to-end tests start
# included, writes a profile of its own into <build>/profiles. The target coverage_report
# merges them and prints line and branch coverage of the programs' sources.
add_library(project_coverage INTERFACE)

if(ENABLE_COVERAGE)
  set(coverage_profiles ${CMAKE_BINARY_DIR}/profiles)
  # The profile's path is built in, so that no environment has to carry it to a program
  # that a test starts on a terminal with an environment of its own.
  set(profile_flag -fprofile-instr-generate=${coverage_profiles}/%p.profraw)
  target_compile_options(project_coverage INTERFACE ${profile_flag} -fcoverage-mapping)
  target_link_options(project_coverage INTERFACE ${profile_flag})

  find_program(LLVM_PROFDATA NAMES llvm-profdata-14 llvm-profdata REQUIRED)
  find_program(LLVM_COV NAMES llvm-cov-14 llvm-cov REQUIRED)
  add_custom_target(coverage_report
    COMMAND ${CMAKE_COMMAND}
      -D PROFILES=${coverage_profiles}
      -D LLVM_PROFDATA=${LLVM_PROFDATA}
      -D LLVM_COV=${LLVM_COV}
      -D "PROGRAMS=$<TARGET_FILE:arithpair>;$<TARGET_FILE:squareloops>"
      -D "SOURCES=${PROJECT_SOURCE_DIR}/common;${PROJECT_SOURCE_DIR}/arithpair;${PROJECT_SOURCE_DIR}/squareloops"
      -P ${PROJECT_SOURCE_DIR}/cmake/coverage-report.cmake
    USES_TERMINAL VERBATIM
    COMMENT "Coverage of the programs' sources from the last run of the tests")
endif()
