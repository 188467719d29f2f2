# The Windows installer (`make windows-package`, or `cpack -G NSIS` in a
# Visual Studio build): CPack's NSIS generator, ORVALIS-<version>-win64.exe
# (win32 for the 32-bit build). It installs orvalis.exe with its Qt
# libraries (not in the 32-bit build) and orvalis-cli.exe, the shipped data
# folder with the templates, the simulated host's sample project and the
# documentation, and makes a Start-menu folder. Included from the top CMakeLists.txt when WIN32.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ORVALIS_WINDOWS_ARCH win64)
else()
    set(ORVALIS_WINDOWS_ARCH win32)
endif()

install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR} FILES_MATCHING PATTERN "*.md"
        PATTERN "*.png")

# The desktop program's Qt libraries and plugins beside it: in the MinGW
# build our own list (src/gui, cmake/windows-qt-runtime.cmake); with Visual
# Studio and vcpkg's Qt, Qt's own deployment script.
if(ORVALIS_BUILD_GUI AND MSVC AND COMMAND qt_generate_deploy_app_script)
    qt_generate_deploy_app_script(TARGET orvalis OUTPUT_SCRIPT ORVALIS_QT_DEPLOY NO_UNSUPPORTED_PLATFORM_ERROR)
    install(SCRIPT ${ORVALIS_QT_DEPLOY})
endif()

set(CPACK_GENERATOR "NSIS")
set(CPACK_PACKAGE_NAME "ORVALIS")
set(CPACK_PACKAGE_FILE_NAME "ORVALIS-${PROJECT_VERSION}-${ORVALIS_WINDOWS_ARCH}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "ORVALIS")
set(CPACK_NSIS_PACKAGE_NAME "ORVALIS ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "ORVALIS")
if(ORVALIS_WINDOWS_ARCH STREQUAL win64)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    # A 64-bit installer (NSIS' amd64 stub) for the 64-bit program: it also
    # installs where only 64-bit programs run (64-bit Wine without wine32).
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
endif()
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL OFF)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)

# Start menu: the desktop program when built; a command prompt in the
# program folder for orvalis-cli.exe; the Windows guide.
if(ORVALIS_BUILD_GUI)
    set(CPACK_PACKAGE_EXECUTABLES "orvalis" "ORVALIS")
endif()
set(CPACK_NSIS_MENU_LINKS "${CMAKE_INSTALL_DOCDIR}/windows.md" "ORVALIS on Windows")
# The command prompt starts in the program folder: a shortcut's working
# folder is the installer's output folder when it is made.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "SetOutPath '$INSTDIR\\${CMAKE_INSTALL_BINDIR}'\nCreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\ORVALIS command line.lnk' '$SYSDIR\\cmd.exe' '/k'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "Delete '$SMPROGRAMS\\\\$START_MENU\\\\ORVALIS command line.lnk'")
