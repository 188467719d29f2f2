# What orvalis.exe needs of Qt at run time on Windows, beside the program:
# Qt's DLLs, the platform plugins (windows for the desktop, offscreen for the
# tests), the Windows styles, Qt's Korean catalogue and a qt.conf that says
# where they are. Included from cmake/windows.cmake once Qt is found.
#
#   orvalis_deploy_qt(TARGET)   copies them beside TARGET in the build tree,
#                               so it runs there (the tests under Wine)
#   orvalis_install_qt()        installs them beside the installed program
#
# Debian's Qt has no windeployqt (a Windows program), so the list is ours;
# `make windows-package` checks under Wine that the installed program finds
# every DLL it imports.

set(ORVALIS_QT_LIBRARIES Qt6::Core Qt6::Gui Qt6::Widgets)
set(ORVALIS_QT_PLUGINS
    platforms Qt6::QWindowsIntegrationPlugin
    platforms Qt6::QOffscreenIntegrationPlugin
    platforms Qt6::QMinimalIntegrationPlugin
    styles Qt6::QWindowsVistaStylePlugin)

# Qt's catalogue of its own dialog and button texts ("예(Y)", "취소"):
# platform-independent data from Debian's qt6-translations-l10n.
find_file(ORVALIS_QT_KOREAN_CATALOGUE qtbase_ko.qm
    PATHS /usr/share/qt6/translations ${ORVALIS_QT_PREFIX}/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT ORVALIS_QT_KOREAN_CATALOGUE)
    message(FATAL_ERROR "qtbase_ko.qm not found: install qt6-translations-l10n (scripts/setup)")
endif()

# The MinGW runtime DLLs a Qt DLL imports (Qt links libgcc and libstdc++
# statically with our toolchain; posix threads may still come as a DLL).
set(ORVALIS_MINGW_RUNTIME_DLLS)
if(MINGW)
    foreach(dll libwinpthread-1.dll)
        find_file(ORVALIS_RUNTIME_${dll} ${dll}
            PATHS /usr/${ORVALIS_MINGW_TRIPLET}/lib /usr/${ORVALIS_MINGW_TRIPLET}/bin
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
        if(ORVALIS_RUNTIME_${dll})
            list(APPEND ORVALIS_MINGW_RUNTIME_DLLS ${ORVALIS_RUNTIME_${dll}})
        endif()
    endforeach()
endif()

# qt.conf: Qt finds its plugins and catalogues under the prefix it names,
# relative to the program's folder.
function(_orvalis_write_qt_conf file prefix)
    file(WRITE ${file} "[Paths]\nPrefix = ${prefix}\nPlugins = plugins\nTranslations = translations\n")
endfunction()

function(orvalis_deploy_qt target)
    set(dir $<TARGET_FILE_DIR:${target}>)
    set(commands)
    foreach(library IN LISTS ORVALIS_QT_LIBRARIES ARGN)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
             $<TARGET_FILE:${library}> ${dir})
    endforeach()
    foreach(dll IN LISTS ORVALIS_MINGW_RUNTIME_DLLS)
        list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dll} ${dir})
    endforeach()
    set(plugins ${ORVALIS_QT_PLUGINS})
    while(plugins)
        list(POP_FRONT plugins kind plugin)
        list(APPEND commands
             COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/plugins/${kind}
             COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}>
                     ${dir}/plugins/${kind})
    endwhile()
    set(conf ${CMAKE_CURRENT_BINARY_DIR}/${target}-qt.conf)
    _orvalis_write_qt_conf(${conf} .)
    list(APPEND commands
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${conf} ${dir}/qt.conf
         COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/translations
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ORVALIS_QT_KOREAN_CATALOGUE}
                 ${dir}/translations)
    add_custom_command(TARGET ${target} POST_BUILD ${commands} VERBATIM)
endfunction()

# Installed: <prefix>/bin holds the program, Qt's DLLs and qt.conf;
# <prefix>/plugins and <prefix>/translations hold the rest.
function(orvalis_install_qt)
    foreach(library IN LISTS ORVALIS_QT_LIBRARIES)
        install(FILES $<TARGET_FILE:${library}> DESTINATION ${CMAKE_INSTALL_BINDIR})
    endforeach()
    if(ORVALIS_MINGW_RUNTIME_DLLS)
        install(FILES ${ORVALIS_MINGW_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
    set(plugins ${ORVALIS_QT_PLUGINS})
    while(plugins)
        list(POP_FRONT plugins kind plugin)
        install(FILES $<TARGET_FILE:${plugin}> DESTINATION plugins/${kind})
    endwhile()
    set(conf ${CMAKE_BINARY_DIR}/installed-qt.conf)
    _orvalis_write_qt_conf(${conf} ..)
    install(FILES ${conf} DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME qt.conf)
    install(FILES ${ORVALIS_QT_KOREAN_CATALOGUE} DESTINATION translations)
endfunction()
