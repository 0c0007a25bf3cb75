# Cross-build for 64-bit Windows with Debian's mingw-w64, running the results
# under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(HMD_MINGW_TRIPLE x86_64-w64-mingw32)

# The -posix variants: the default win32-thread compilers lack std::mutex and
# std::thread.
set(CMAKE_C_COMPILER ${HMD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HMD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HMD_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HMD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Link the compiler's runtime (libstdc++, libgcc, winpthread) into every
# binary: a program that cannot find libstdc++-6.dll or libwinpthread-1.dll at
# start-up exits silently under Wine with code 53. For a DLL, -static makes the
# linker take only static archives (system DLLs are still reached through
# their import archives), so the DLL itself stays a DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Tests and other build-time runs go through Wine, with a prefix of their own
# inside the build folder so that they never touch the user's ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR
  "${CMAKE_CURRENT_LIST_DIR}/WineRun.sh;${CMAKE_BINARY_DIR}/wine-prefix")
