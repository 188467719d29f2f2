# CMake toolchain file: 64-bit Windows programs with Debian's MinGW-w64.
#   cmake -S . -B build-windows/x86_64/build \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVALIS_MINGW_TRIPLET x86_64-w64-mingw32)
set(ORVALIS_WINE_CAN_RUN ON)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake")
