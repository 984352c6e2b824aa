# Builds for 64-bit Windows with MinGW-w64 and runs what was built under Wine:
#   cmake -S . -B build/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)

# The posix thread model, for std::thread and std::mutex.
find_program(CMAKE_CXX_COMPILER NAMES ${mingw}-g++-posix ${mingw}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${mingw}-gcc-posix ${mingw}-gcc REQUIRED)  # GoogleTest asks for C too
find_program(CMAKE_RC_COMPILER NAMES ${mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime linked in, so a program starts without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine with its own quiet prefix inside the build, started without a display; its first start sets the
# prefix up. The .NET and HTML runtimes it would offer to install are not needed.
find_program(CORVANTH_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(CORVANTH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY=
    ${CORVANTH_WINE})
endif()

# No GoogleTest is packaged for MinGW: the tests build it from Debian's sources.
set(CORVANTH_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources built with the tests")
