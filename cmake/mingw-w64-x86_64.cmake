# Cross-compiles the Windows program with MinGW-w64 (posix threads) and runs its tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# GCC 12 reports impossible overlaps inside std::string at -O2 and above (GCC bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
# A small Release .exe: optimised for size, every function and datum in a section of its own so
# that the linker drops those nothing uses, and no symbol table or debug information (most of the
# static runtime's bytes otherwise). The program runs all its code on the thread of its windows, so
# its function-local statics need no lock.
# Cache entries, since CMake would add its own -O3 after flags given as *_INIT.
set(CMAKE_CXX_FLAGS_RELEASE "-Oz -DNDEBUG -ffunction-sections -fdata-sections -fno-threadsafe-statics"
    CACHE STRING "Release flags")
set(CMAKE_C_FLAGS_RELEASE "-Oz -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "Release flags")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-Wl,--gc-sections -s")
