# Merges the profiles that a run of the tests left in PROFILES and prints the line and
# branch coverage of SOURCES in PROGRAMS. Run by the coverage_report target.
file(GLOB profiles ${PROFILES}/*.profraw)
list(LENGTH profiles count)
if(count EQUAL 0)
  message(FATAL_ERROR "no profiles in ${PROFILES}: run the tests of this build first")
endif()
set(merged ${PROFILES}/../coverage.profdata)
execute_process(COMMAND ${LLVM_PROFDATA} merge -sparse ${profiles} -o ${merged}
  COMMAND_ERROR_IS_FATAL ANY)
list(POP_FRONT PROGRAMS first)
set(objects ${first})
foreach(program IN LISTS PROGRAMS)
  list(APPEND objects -object ${program})
endforeach()
message(STATUS "${count} profiles merged")
execute_process(COMMAND ${LLVM_COV} report ${objects} -instr-profile=${merged} ${SOURCES}
  COMMAND_ERROR_IS_FATAL ANY)
