# Cross-compiles for 64-bit Windows: clang generates the code, MinGW-w64 (Debian's
# g++-mingw-w64-x86-64-posix) supplies the C runtime, libstdc++ and the Windows libraries,
# and lld links everything statically, so that the .exe files need nothing installed.
#
# clang rather than MinGW's own g++: clang folds the counting nests of squareloops into
# closed form, as in the Linux release build, where g++ leaves 2^31 outer passes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triple x86_64-w64-mingw32)

find_program(MINGW_GXX ${mingw_triple}-g++-posix REQUIRED)
# The folder of MinGW's GCC (.../gcc/x86_64-w64-mingw32/12-posix), which holds libstdc++.
execute_process(COMMAND ${MINGW_GXX} -print-libgcc-file-name
  OUTPUT_VARIABLE mingw_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(mingw_gcc_dir "${mingw_libgcc}" DIRECTORY)
execute_process(COMMAND ${MINGW_GXX} -print-sysroot
  OUTPUT_VARIABLE mingw_sysroot OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT mingw_sysroot)
  set(mingw_sysroot /usr)
endif()
set(mingw_root "${mingw_sysroot}/${mingw_triple}")

set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${mingw_triple})
# clang does not recognise the version folder "12-posix" by itself: name libstdc++'s headers.
set(CMAKE_CXX_FLAGS_INIT
  "-Wno-unused-command-line-argument -nostdinc++ -isystem ${mingw_gcc_dir}/include/c++ -isystem ${mingw_gcc_dir}/include/c++/${mingw_triple} -isystem ${mingw_gcc_dir}/include/c++/backward -isystem ${mingw_root}/include")
# No link time stamp in the .exe files, so that two builds give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-fuse-ld=lld -static -L${mingw_gcc_dir} -L${mingw_root}/lib -Wl,--no-insert-timestamp")
# The version information of the .exe files, compiled by MinGW-w64's resource compiler.
find_program(MINGW_WINDRES ${mingw_triple}-windres REQUIRED)
set(CMAKE_RC_COMPILER ${MINGW_WINDRES})
# libstdc++'s POSIX thread model needs winpthreads, after every other library.
set(CMAKE_CXX_STANDARD_LIBRARIES "-Wl,-Bstatic -lpthread")

set(CMAKE_FIND_ROOT_PATH ${mingw_root})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
