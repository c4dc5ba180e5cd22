# Cross build for 32-bit Windows (the programs as shipped) with the posix-thread MinGW-w64 compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
# Over a hundred statically linked test programs carry every library's debug info: linked with it
# they take gigabytes of disk. The objects keep it for a debugger; the programs leave it out.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--strip-debug")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-Wl,--strip-debug")
