# What `cmake --install` puts under the prefix: the two programs, the help file, and what a
# Linux desktop needs to show the game in its menus and software centre (desktop entry and
# AppStream metainfo, both translated, icons). Every destination is relative, so `--prefix`
# moves all of it.

set(PLOVARI_APP_ID org.example.Plovari)
set(PLOVARI_ICON_SIZES 16 32 48 64 128)
set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
set(icon_svg ${PROJECT_SOURCE_DIR}/assets/pictures/icon.svg)

install(TARGETS plovari plovari-help RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The viewer finds it at <bindir>/../share/plovari: platform/CMakeLists.txt works that path out
# from the same GNUInstallDirs variables (tests/install checks that the two agree).
# Each language's help file in a folder of its own: <datadir>/plovari/<language>/Plovari.hlp.
foreach(help IN LISTS PLOVARI_HELP_FILES)
    get_filename_component(help_folder ${help} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/help/${help}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/plovari/${help_folder})
endforeach()

# The desktop entry and metainfo as translated in the build tree (cmake/DesktopTranslations.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/DesktopTranslations.cmake)
install(FILES ${PLOVARI_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PLOVARI_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The window icon in the hicolor theme: the SVG as it is, and PNGs rendered from it by the build.
install(FILES ${icon_svg}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${PLOVARI_APP_ID}.svg)
set(icon_pngs)
foreach(size IN LISTS PLOVARI_ICON_SIZES)
    set(png_dir icons/hicolor/${size}x${size}/apps)
    set(png ${PROJECT_BINARY_DIR}/${png_dir}/${PLOVARI_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/${png_dir}
        COMMAND plovari-render-icon ${icon_svg} ${png} ${size}
        DEPENDS plovari-render-icon ${icon_svg}
        COMMENT "Rendering the ${size}x${size} icon"
        VERBATIM)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/${png_dir})
    list(APPEND icon_pngs ${png})
endforeach()
add_custom_target(plovari_icons ALL DEPENDS ${icon_pngs})

# The licence travels with the programs.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plovari)
