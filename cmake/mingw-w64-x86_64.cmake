# Cross build of the Windows executables (64-bit) from Linux with MinGW-w64:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The executables are linked statically, so that they run on a plain Windows
# without the MinGW runtime libraries beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(XLAT_MINGW_TRIPLET x86_64-w64-mingw32)
# The POSIX threading flavour of the compiler has the complete C++ thread
# library; the plain name is the fallback on distributions that ship only one.
find_program(XLAT_MINGW_CXX NAMES ${XLAT_MINGW_TRIPLET}-g++-posix ${XLAT_MINGW_TRIPLET}-g++ REQUIRED)
find_program(XLAT_MINGW_CC NAMES ${XLAT_MINGW_TRIPLET}-gcc-posix ${XLAT_MINGW_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${XLAT_MINGW_CXX})
if(XLAT_MINGW_CC)
  set(CMAKE_C_COMPILER ${XLAT_MINGW_CC})
endif()
find_program(CMAKE_RC_COMPILER NAMES ${XLAT_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW tree only, never from the host:
# a host GoogleTest must not be picked up (it is then built from source).
set(CMAKE_FIND_ROOT_PATH /usr/${XLAT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# With Wine installed, ctest in the cross build runs the tests through it.
find_program(XLAT_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(XLAT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${XLAT_WINE})
endif()
