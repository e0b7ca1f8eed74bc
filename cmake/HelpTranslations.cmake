# The help in every language from one source. The English assets/help/Plovari.hlp is the only
# help file written by hand. po4a (its xhtml format) reads its units, the title, headings,
# paragraphs, list items and table cells, into the template assets/help/po/plovari-help.pot;
# each language's catalogue assets/help/po/<language>.po holds their translations. The build
# merges every catalogue back into a copy of the English file, so each language's help has the
# English structure, style, anchors and links by construction; a unit a catalogue lacks stays
# English until translated. `make translations` brings the template and every catalogue up to
# date with the English file: changed units come in fuzzy, new ones untranslated.
#
# Numbers the build works out, the odds of the game, are no units: the English file holds an
# empty element with a data-odds attribute in their place, and the build writes them in after
# po4a, as each language writes numbers (assets/help/numbers.txt).
#
# Sets PLOVARI_HELP_FILES (relative to the build tree: Plovari.hlp and its charts, then
# <language>/Plovari.hlp and its charts) and the target plovari_help_file that puts them there,
# next to the programs, where the help viewer looks first.

find_program(PO4A_PROGRAM po4a REQUIRED)

set(help_source_dir ${PROJECT_SOURCE_DIR}/assets/help)
list(JOIN PLOVARI_LANGUAGES " " help_languages)
set(PLOVARI_HELP_PO4A_CONFIG ${PROJECT_BINARY_DIR}/help/po4a.cfg)
configure_file(${help_source_dir}/po4a.cfg.in ${PLOVARI_HELP_PO4A_CONFIG} @ONLY)

# po4a writes every language's help into help/translated/ first; then plovari-help-figures
# fills in the game's odds (help/odds.txt, from plovari-odds) and draws the charts, each
# language with its own labels and numbers, next to the programs.
set(help_translated_dir ${PROJECT_BINARY_DIR}/help/translated)
set(help_odds ${PROJECT_BINARY_DIR}/help/odds.txt)
set(help_numbers ${help_source_dir}/numbers.txt)
set(help_charts odds-gains.svg odds-ahead.svg)
set(PLOVARI_HELP_FILES Plovari.hlp ${help_charts})
set(help_catalogues)
set(help_translated)
set(help_figures_commands
    COMMAND plovari-help-figures ${help_odds} ${help_numbers} en
            ${help_source_dir}/po/plovari-help.pot ${help_source_dir}/Plovari.hlp
            ${PROJECT_BINARY_DIR}/Plovari.hlp)
foreach(language IN LISTS PLOVARI_LANGUAGES)
    list(APPEND PLOVARI_HELP_FILES ${language}/Plovari.hlp)
    foreach(chart IN LISTS help_charts)
        list(APPEND PLOVARI_HELP_FILES ${language}/${chart})
    endforeach()
    list(APPEND help_catalogues ${help_source_dir}/po/${language}.po)
    list(APPEND help_translated ${help_translated_dir}/${language}/Plovari.hlp)
    list(APPEND help_figures_commands
        COMMAND plovari-help-figures ${help_odds} ${help_numbers} ${language}
                ${help_source_dir}/po/${language}.po ${help_translated_dir}/${language}/Plovari.hlp
                ${PROJECT_BINARY_DIR}/${language}/Plovari.hlp)
endforeach()
set(help_outputs ${PLOVARI_HELP_FILES})
list(TRANSFORM help_outputs PREPEND ${PROJECT_BINARY_DIR}/)

# --keep 0 writes every language however much is translated; the language test holds a shipped
# language to a complete catalogue.
add_custom_command(
    OUTPUT ${help_translated}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${help_translated_dir}
    COMMAND ${PO4A_PROGRAM} --no-update --keep 0 --quiet --srcdir ${help_source_dir}
            --destdir ${help_translated_dir} ${PLOVARI_HELP_PO4A_CONFIG}
    DEPENDS ${help_source_dir}/Plovari.hlp ${help_catalogues} ${PLOVARI_HELP_PO4A_CONFIG}
    COMMENT "Translating the help file into every language"
    VERBATIM)
# The odds depend on the turn's rules only; the races are many, so this runs only when the
# engine changes.
add_custom_command(
    OUTPUT ${help_odds}
    COMMAND plovari-odds ${help_odds}
    DEPENDS plovari-odds
    COMMENT "Working out the odds of the game"
    VERBATIM)
add_custom_command(
    OUTPUT ${help_outputs}
    ${help_figures_commands}
    DEPENDS plovari-help-figures ${help_odds} ${help_numbers} ${help_translated}
            ${help_source_dir}/Plovari.hlp ${help_source_dir}/po/plovari-help.pot
            ${help_catalogues}
    COMMENT "Putting the odds and their charts into the help in every language"
    VERBATIM)
add_custom_target(plovari_help_file ALL DEPENDS ${help_outputs})

# For translators: the template from the English help, merged into every catalogue; a new
# language's catalogue is made from the template.
add_custom_target(help-po
    COMMAND ${PO4A_PROGRAM} --no-translations --srcdir ${help_source_dir}
            --destdir ${help_source_dir} ${PLOVARI_HELP_PO4A_CONFIG}
    COMMENT "Refreshing assets/help/po/plovari-help.pot and merging it into every catalogue"
    VERBATIM)
