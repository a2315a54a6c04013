# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-thread variant, which
# has std::thread and std::mutex). The project runs its build-time tools and tests under Wine
# (windows/windows.cmake). VELTORA_WINDOWS_DEPS lists the folders holding the Windows
# builds of Qt, libjpeg and GoogleTest (scripts/windows.sh makes them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Libraries, headers and CMake packages come only from the mingw tree and the dependency folders,
# never from the build machine; programs (the host's Qt tools among them) come from the machine.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELTORA_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VELTORA_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
