# With ENABLE_HARDENING, every target is built with the hardening that Debian's own
# packages get from dpkg-buildflags: position-independent executables, full RELRO with
# immediate binding, the strong stack protector and the fortified C library functions;
# and, as there, source and build paths are kept out of the binaries, so that two builds
# of the same sources in different folders give the same bytes.
option(ENABLE_HARDENING "Build as Debian builds its packages: hardened, and without build paths" OFF)

if(ENABLE_HARDENING)
  add_compile_options(
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
  if(NOT WIN32)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fPIE -fstack-protector-strong -D_FORTIFY_SOURCE=2)
    add_link_options(-pie -Wl,-z,relro -Wl,-z,now)
  endif()
endif()
