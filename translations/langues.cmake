# SPDX-License-Identifier: GPL-3.0-or-later
# Reads translations/langues.txt, the one list of kest's languages, into three lists of the
# same length, in the list's order: KEST_LANGUES (the codes), KEST_LANGUES_CATALOGUES (each
# catalogue's file name, "-" for French, the source) and KEST_LANGUES_QT (Qt's own
# translations); KEST_CATALOGUES holds the catalogues' paths. CMake runs again when the list
# changes.
set(KEST_LISTE_LANGUES ${CMAKE_CURRENT_LIST_DIR}/langues.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KEST_LISTE_LANGUES})
file(STRINGS ${KEST_LISTE_LANGUES} kest_lignes_langues ENCODING UTF-8 REGEX "^[^#]")
set(KEST_LANGUES)
set(KEST_LANGUES_CATALOGUES)
set(KEST_LANGUES_QT)
set(KEST_CATALOGUES)
foreach(ligne IN LISTS kest_lignes_langues)
  if(NOT ligne MATCHES "^([^ \t]+)[ \t]+([^ \t]+)[ \t]+([^ \t]+)[ \t]+(.+)$")
    message(FATAL_ERROR "translations/langues.txt: a row is a code, a catalogue, Qt's "
                        "translation and a label: '${ligne}'")
  endif()
  list(APPEND KEST_LANGUES ${CMAKE_MATCH_1})
  list(APPEND KEST_LANGUES_CATALOGUES ${CMAKE_MATCH_2})
  list(APPEND KEST_LANGUES_QT ${CMAKE_MATCH_3})
  if(NOT CMAKE_MATCH_2 STREQUAL "-")
    list(APPEND KEST_CATALOGUES ${CMAKE_CURRENT_LIST_DIR}/${CMAKE_MATCH_2})
  endif()
endforeach()
