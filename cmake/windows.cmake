# The Windows build: included from the top CMakeLists.txt when WIN32, for the
# MinGW-w64 cross build (cmake/mingw-w64-*.cmake, `make windows`) and for
# Visual Studio (the windows-msvc preset of CMakePresets.json with vcpkg).
#
# What differs from Linux is kept here:
#   - libzip comes from its CMake package (pkg-config off Windows);
#   - wide-character Windows API (UNICODE), no min/max macros;
#   - the Qt program only when Qt 6 for Windows is found (ORVALIS_QT_PREFIX);
#   - the benchmarks are off unless asked for;
#   - ORVALIS_WINDOWS_SYSTEM_LIBS: the Windows libraries the platform layer
#     links (shell32 for ShellExecuteW and CommandLineToArgvW).
# The com backend (src/host/com_*.cpp) is added in src/host/CMakeLists.txt.

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
# GCC 12 warns falsely of overlapping copies inside std::string when it
# inlines string concatenation at -O2 (GCC bug 105651); Debian's MinGW-w64 is
# GCC 12.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
if(MSVC)
    # UTF-8 sources and execution character set: the Korean texts are UTF-8.
    add_compile_options(/utf-8 /W4 /permissive- /Zc:__cplusplus)
endif()

# libzip, built static by scripts/windows-deps (or vcpkg). ZLIB first: the
# libzip package does not look for it itself.
find_package(ZLIB REQUIRED)
find_package(libzip CONFIG REQUIRED)
if(NOT MSVC)
    # Static library: without ZIP_STATIC zip.h declares dllimport.
    set_property(TARGET libzip::zip APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS ZIP_STATIC)
endif()
set(ORVALIS_LIBZIP libzip::zip)

set(ORVALIS_WINDOWS_SYSTEM_LIBS shell32)

# The desktop program needs Qt 6 for Windows: with Visual Studio from vcpkg,
# in the MinGW cross build the one scripts/windows-qt builds from Debian's
# source (ORVALIS_QT_PREFIX). The toolchain's find-root mode looks for
# packages only under its roots, so Qt's prefix becomes one; Debian's own
# moc, rcc and uic of the same Qt version are the host tools.
set(ORVALIS_QT_PREFIX "" CACHE PATH "Prefix of Qt 6 for Windows (make windows: build-windows/x86_64/qt)")
if(ORVALIS_BUILD_GUI)
    if(ORVALIS_QT_PREFIX)
        list(APPEND CMAKE_FIND_ROOT_PATH "${ORVALIS_QT_PREFIX}")
        if(CMAKE_CROSSCOMPILING)
            set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt (host tools)")
            # Debian keeps Qt's CMake packages in the multiarch folder.
            if(NOT QT_HOST_PATH_CMAKE_DIR)
                file(GLOB _orvalis_host_info /usr/lib/*/cmake/Qt6HostInfo)
                if(NOT _orvalis_host_info)
                    message(FATAL_ERROR "The build machine's Qt is missing (qt6-base-dev): run scripts/setup")
                endif()
                list(GET _orvalis_host_info 0 _orvalis_host_info)
                get_filename_component(_orvalis_host_cmake "${_orvalis_host_info}" DIRECTORY)
                set(QT_HOST_PATH_CMAKE_DIR "${_orvalis_host_cmake}"
                    CACHE PATH "The build machine's Qt CMake packages" FORCE)
            endif()
        endif()
    endif()
    find_package(Qt6 QUIET COMPONENTS Widgets)
    if(Qt6Widgets_FOUND)
        include(${CMAKE_CURRENT_LIST_DIR}/windows-qt-runtime.cmake)
    else()
        message(STATUS "Qt 6 for Windows not found: orvalis.exe is not built (orvalis-cli.exe is)")
        set(ORVALIS_BUILD_GUI OFF)
    endif()
endif()
