# The desktop entry and the AppStream metainfo in every shipped language (PLOVARI_LANGUAGES).
# assets/desktop/po holds gettext's template (plovari.pot) and one <lang>.po per language.
# msgfmt merges the translations into copies of the two files in the build
# tree; those copies are what gets installed and validated, never the English sources.
#
# A shipped language whose .po is not there yet is left out with a warning (and the desktop
# translation test fails). `make desktop-pot` refreshes the template
# from the two sources and merges it into every .po, for translators.
#
# Sets PLOVARI_DESKTOP_ENTRY, PLOVARI_METAINFO (the translated files) and PLOVARI_DESKTOP_PO_DIR.

find_program(MSGFMT_PROGRAM msgfmt REQUIRED)
find_program(XGETTEXT_PROGRAM xgettext REQUIRED)
find_program(MSGMERGE_PROGRAM msgmerge REQUIRED)

set(PLOVARI_DESKTOP_PO_DIR ${desktop_dir}/po)
set(desktop_template ${desktop_dir}/${PLOVARI_APP_ID}.desktop)
set(metainfo_template ${desktop_dir}/${PLOVARI_APP_ID}.metainfo.xml)
set(PLOVARI_DESKTOP_ENTRY ${PROJECT_BINARY_DIR}/desktop/${PLOVARI_APP_ID}.desktop)
set(PLOVARI_METAINFO ${PROJECT_BINARY_DIR}/desktop/${PLOVARI_APP_ID}.metainfo.xml)

# msgfmt's bulk mode reads LINGUAS and the .po files from one folder: a folder in the build tree
# holds the languages that have a .po. The glob re-runs CMake when a .po is added or removed.
file(GLOB desktop_po_files CONFIGURE_DEPENDS ${PLOVARI_DESKTOP_PO_DIR}/*.po)
set(staging_dir ${PROJECT_BINARY_DIR}/desktop/po)
set(desktop_languages)
set(staged_po_files)
foreach(language IN LISTS PLOVARI_LANGUAGES)
    set(po ${PLOVARI_DESKTOP_PO_DIR}/${language}.po)
    if(EXISTS ${po})
        configure_file(${po} ${staging_dir}/${language}.po COPYONLY)
        list(APPEND desktop_languages ${language})
        list(APPEND staged_po_files ${staging_dir}/${language}.po)
    else()
        message(WARNING "${po} is missing: the desktop entry and metainfo go without ${language}")
    endif()
endforeach()
list(JOIN desktop_languages "\n" staged_linguas)
file(CONFIGURE OUTPUT ${staging_dir}/LINGUAS CONTENT "${staged_linguas}\n")

add_custom_command(
    OUTPUT ${PLOVARI_DESKTOP_ENTRY}
    COMMAND ${MSGFMT_PROGRAM} --desktop --template=${desktop_template} -d ${staging_dir}
            -o ${PLOVARI_DESKTOP_ENTRY}
    DEPENDS ${desktop_template} ${staged_po_files} ${staging_dir}/LINGUAS
    COMMENT "Translating the desktop entry"
    VERBATIM)
# The metainfo's translatable parts are told by AppStream's ITS rules (from the appstream package),
# which msgfmt finds by the file name's .metainfo.xml ending.
add_custom_command(
    OUTPUT ${PLOVARI_METAINFO}
    COMMAND ${MSGFMT_PROGRAM} --xml --template=${metainfo_template} -d ${staging_dir}
            -o ${PLOVARI_METAINFO}
    DEPENDS ${metainfo_template} ${staged_po_files} ${staging_dir}/LINGUAS
    COMMENT "Translating the AppStream metainfo"
    VERBATIM)
add_custom_target(plovari_desktop_files ALL DEPENDS ${PLOVARI_DESKTOP_ENTRY} ${PLOVARI_METAINFO})

# The keys a desktop entry translates; the metainfo's come from the ITS rules.
set(PLOVARI_DESKTOP_XGETTEXT_OPTIONS
    --from-code=UTF-8 --add-comments=Translators: --keyword=Name --keyword=GenericName
    --keyword=Comment --keyword=Keywords --package-name=Plovari
    --package-version=${PROJECT_VERSION} --msgid-bugs-address=plovari@example.org)
set(merge_commands)
foreach(po IN LISTS desktop_po_files)
    list(APPEND merge_commands COMMAND ${MSGMERGE_PROGRAM} --update --backup=none --quiet ${po}
         ${PLOVARI_DESKTOP_PO_DIR}/plovari.pot)
endforeach()
# Run in the sources' folder, so that the template names them without a machine's paths.
add_custom_target(desktop-pot
    COMMAND ${XGETTEXT_PROGRAM} ${PLOVARI_DESKTOP_XGETTEXT_OPTIONS}
            --output=${PLOVARI_DESKTOP_PO_DIR}/plovari.pot
            ${PLOVARI_APP_ID}.desktop ${PLOVARI_APP_ID}.metainfo.xml
    ${merge_commands}
    WORKING_DIRECTORY ${desktop_dir}
    COMMENT "Refreshing assets/desktop/po/plovari.pot and merging it into every .po"
    VERBATIM)
