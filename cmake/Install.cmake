# What `cmake --install` puts under the prefix: the two programs, the help files, their manual
# pages, the copyright and changelog, and what a Linux desktop needs to show the game in its
# menus and software centre (desktop entry and AppStream metainfo, both translated, icons).
# Every destination is relative, so `--prefix` moves all of it; the programs go to
# CMAKE_INSTALL_BINDIR, which the Debian package sets to `games`.

set(PLOVARI_APP_ID org.example.Plovari)
set(PLOVARI_ICON_SIZES 16 32 48 64 128)
set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
set(icon_svg ${PROJECT_SOURCE_DIR}/assets/pictures/icon.svg)

install(TARGETS plovari plovari-help RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The viewer finds them at <bindir>/../share/games/plovari: platform/CMakeLists.txt works that
# path out from the same variables (tests/install checks that the two agree). Each language's
# help file is in a folder of its own there: <language>/Plovari.hlp.
foreach(help IN LISTS PLOVARI_HELP_FILES)
    get_filename_component(help_folder ${help} DIRECTORY)
    install(FILES ${PROJECT_BINARY_DIR}/${help}
            DESTINATION ${PLOVARI_INSTALL_DATADIR}/${help_folder})
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

# The manual pages, written in scdoc, and the changelog, compressed as Debian wants them: gzip
# -9 without a name or time stamp, so the same sources give the same files.
find_program(SCDOC_PROGRAM scdoc REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)
set(doc_build_dir ${PROJECT_BINARY_DIR}/doc)
set(compressed_docs)
foreach(page plovari.6 plovari-help.6)
    set(source ${PROJECT_SOURCE_DIR}/assets/man/${page}.scd)
    add_custom_command(
        OUTPUT ${doc_build_dir}/${page}.gz
        COMMAND sh -c "\"$1\" < \"$2\" | \"$3\" -9n > \"$4\""
                sh ${SCDOC_PROGRAM} ${source} ${GZIP_PROGRAM} ${doc_build_dir}/${page}.gz
        DEPENDS ${source}
        COMMENT "Writing the manual page ${page}"
        VERBATIM)
    install(FILES ${doc_build_dir}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
    list(APPEND compressed_docs ${doc_build_dir}/${page}.gz)
endforeach()
set(changelog ${PROJECT_SOURCE_DIR}/assets/debian/changelog)
add_custom_command(
    OUTPUT ${doc_build_dir}/changelog.gz
    COMMAND sh -c "\"$1\" -9n < \"$2\" > \"$3\""
            sh ${GZIP_PROGRAM} ${changelog} ${doc_build_dir}/changelog.gz
    DEPENDS ${changelog}
    COMMENT "Compressing the changelog"
    VERBATIM)
list(APPEND compressed_docs ${doc_build_dir}/changelog.gz)
add_custom_target(plovari_docs ALL DEPENDS ${compressed_docs})

# The licence, in Debian's machine-readable copyright format, and the changelog travel with the
# programs.
install(FILES ${PROJECT_SOURCE_DIR}/assets/debian/copyright ${doc_build_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/plovari)
