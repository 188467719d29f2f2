# CMake toolchain file: 32-bit Windows programs with Debian's MinGW-w64.
#   cmake -S . -B build-windows/i686/build \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORVALIS_MINGW_TRIPLET i686-w64-mingw32)
# Wine runs 32-bit programs only with Debian's wine32 (an i386 package,
# which scripts/setup-windows does not install); without it this build
# compiles and links but runs nothing.
if(EXISTS /usr/lib/wine/wine)
    set(ORVALIS_WINE_CAN_RUN ON)
else()
    set(ORVALIS_WINE_CAN_RUN OFF)
endif()
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")
