# The Windows build with a second compiler: Debian's clang-14 for i686-w64-mingw32, against the same mingw-w64
# headers and libraries and the -posix gcc's libstdc++ as the gcc build, linked by lld.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_C_COMPILER_TARGET i686-w64-mingw32)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET i686-w64-mingw32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_SYSROOT /usr/i686-w64-mingw32)

# clang looks for libstdc++ in a gcc folder named by version; Debian's is named by thread model ("12-posix").
execute_process(COMMAND i686-w64-mingw32-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(gcc_dir "${libgcc}" DIRECTORY)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++ ${gcc_dir}/include/c++/i686-w64-mingw32
                                          ${gcc_dir}/include/c++/backward)
# Thread-local variables as gcc emulates them, or its libstdc++ does not link (std::call_once).
set(CMAKE_C_FLAGS_INIT -femulated-tls)
set(CMAKE_CXX_FLAGS_INIT -femulated-tls)
# The gcc folder also holds the crtbegin.o that registers the DWARF unwind tables, without which no exception is
# caught (-B), and libstdc++ (-L); -pthread adds the winpthreads that the posix libstdc++ needs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld-14 -B${gcc_dir} -L${gcc_dir} -pthread")

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
