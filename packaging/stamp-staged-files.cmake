# Run by cpack between staging and archiving: gives every staged file and folder the
# time stamp SOURCE_DATE_EPOCH, where that is set.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
  list(SORT staged)
  execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH}
    ${CPACK_TEMPORARY_DIRECTORY} ${staged} COMMAND_ERROR_IS_FATAL ANY)
endif()
