# Common to both MinGW-w64 toolchain files: Debian's posix-thread
# compilers, libraries found only in the MinGW sysroot and the Windows
# dependency prefix, the C and C++ runtimes linked statically, and Wine
# (through scripts/wine-run) to run what is built.
#
# Set by the including file: ORVALIS_MINGW_TRIPLET and CMAKE_SYSTEM_PROCESSOR.
# Cache variable: ORVALIS_WINDOWS_PREFIX, where `make windows-deps` installed
# the libraries (default build-windows/<arch>/prefix in this source tree).

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ORVALIS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVALIS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVALIS_MINGW_TRIPLET}-windres)

get_filename_component(_orvalis_source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(ORVALIS_WINDOWS_PREFIX "${_orvalis_source_dir}/build-windows/${CMAKE_SYSTEM_PROCESSOR}/prefix"
    CACHE PATH "Prefix of the Windows libraries built by make windows-deps")
# try_compile projects read this file again; hand them the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVALIS_WINDOWS_PREFIX)

# Headers, libraries and CMake packages come from the dependency prefix and
# the MinGW sysroot only, never from the build machine; programs (moc, wine)
# come from the build machine.
set(CMAKE_FIND_ROOT_PATH "${ORVALIS_WINDOWS_PREFIX}" /usr/${ORVALIS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static libgcc, libstdc++ and winpthread, so an .exe needs no MinGW DLL.
# The sysroot has both libz.a and libz.dll.a: take the static one.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(ZLIB_USE_STATIC_LIBS ON)

# Run tests (and try_run) under Wine when it can run this architecture.
find_program(ORVALIS_WINE wine)
if(ORVALIS_WINE AND ORVALIS_WINE_CAN_RUN)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${_orvalis_source_dir}/scripts/wine-run")
endif()
