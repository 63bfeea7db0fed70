# Cross-builds the Windows program on Linux with mingw-w64 (POSIX threads, so std::thread and
# std::mutex work) and a static runtime, so quelm.exe and the test programs need no DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELM_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUELM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under wine, in a private prefix inside the build folder; the top-level list
# starts and stops one wine server around the whole run.
find_program(QUELM_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(QUELM_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
        ${QUELM_WINE})
endif()
