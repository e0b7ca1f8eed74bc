# The help in every language from one source. The English assets/help/Plovari.hlp is the only
# help file written by hand. po4a (its xhtml format) reads its units, the title, headings,
# paragraphs, list items and table cells, into the template assets/help/po/plovari-help.pot;
# each language's catalogue assets/help/po/<language>.po holds their translations. The build
# merges every catalogue back into a copy of the English file, so each language's help has the
# English structure, style, anchors and links by construction; a unit a catalogue lacks stays
# English until translated. `make translations` brings the template and every catalogue up to
# date with the English file: changed units come in fuzzy, new ones untranslated.
#
# Sets PLOVARI_HELP_FILES (relative to the build tree: Plovari.hlp, then <language>/Plovari.hlp)
# and the target plovari_help_file that puts them there, next to the programs, where the help
# viewer looks first.

find_program(PO4A_PROGRAM po4a REQUIRED)

set(help_source_dir ${PROJECT_SOURCE_DIR}/assets/help)
list(JOIN PLOVARI_LANGUAGES " " help_languages)
set(PLOVARI_HELP_PO4A_CONFIG ${PROJECT_BINARY_DIR}/help/po4a.cfg)
configure_file(${help_source_dir}/po4a.cfg.in ${PLOVARI_HELP_PO4A_CONFIG} @ONLY)

set(PLOVARI_HELP_FILES Plovari.hlp)
set(help_catalogues)
foreach(language IN LISTS PLOVARI_LANGUAGES)
    list(APPEND PLOVARI_HELP_FILES ${language}/Plovari.hlp)
    list(APPEND help_catalogues ${help_source_dir}/po/${language}.po)
endforeach()
set(help_outputs ${PLOVARI_HELP_FILES})
list(TRANSFORM help_outputs PREPEND ${PROJECT_BINARY_DIR}/)

# --keep 0 writes every language however much is translated; the language test holds a shipped
# language to a complete catalogue.
add_custom_command(
    OUTPUT ${help_outputs}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${help_source_dir}/Plovari.hlp
            ${PROJECT_BINARY_DIR}/Plovari.hlp
    COMMAND ${PO4A_PROGRAM} --no-update --keep 0 --quiet --srcdir ${help_source_dir}
            --destdir ${PROJECT_BINARY_DIR} ${PLOVARI_HELP_PO4A_CONFIG}
    DEPENDS ${help_source_dir}/Plovari.hlp ${help_catalogues} ${PLOVARI_HELP_PO4A_CONFIG}
    COMMENT "Translating the help file into every language"
    VERBATIM)
add_custom_target(plovari_help_file ALL DEPENDS ${help_outputs})

# For translators: the template from the English help, merged into every catalogue; a new
# language's catalogue is made from the template.
add_custom_target(help-po
    COMMAND ${PO4A_PROGRAM} --no-translations --srcdir ${help_source_dir}
            --destdir ${help_source_dir} ${PLOVARI_HELP_PO4A_CONFIG}
    COMMENT "Refreshing assets/help/po/plovari-help.pot and merging it into every catalogue"
    VERBATIM)
