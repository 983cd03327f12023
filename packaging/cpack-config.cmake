# Read by cpack before it packages: every time stamp in a package is the time of the
# last commit (or the SOURCE_DATE_EPOCH of the caller), so that two builds of the same
# commit give the same bytes. The DEB generator takes its time stamps from the variable
# itself; for the zip, every staged file is stamped with it before it is archived.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT CPACK_SOURCE_DATE_EPOCH STREQUAL "")
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_SOURCE_DATE_EPOCH})
endif()
