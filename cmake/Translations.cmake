# The program's words in other languages. Each language has a Qt Linguist file
# resources/translations/volarin-z_<lang>.ts, made and kept up to date by
# lupdate from every source under src/ (whatever its folder) and the buttons'
# captions in the stored forms; lrelease compiles them into .qm files beside
# the program (translations/) and they are installed under
# share/volarin-z/translations. English is the sources' own language: its file
# holds only the plural forms.
#
#   cmake --build build --target update_translations   # after words changed in the sources
#
# then translate what Linguist shows as unfinished and commit the .ts files.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
include(${CMAKE_CURRENT_LIST_DIR}/FormTexts.cmake)

set(VOLARIN_LANGUAGES de fr es it pt_BR pl ru zh_CN ja ar)
set(VOLARIN_TS_DIR ${PROJECT_SOURCE_DIR}/resources/translations)
get_target_property(_volarin_program_dir volarin-z BINARY_DIR)
set(VOLARIN_QM_DIR ${_volarin_program_dir}/translations)

# What lupdate reads: every source of the program, the folders of its headers
# (so it knows each class), and the captions of the stored forms.
file(GLOB_RECURSE VOLARIN_TR_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
file(GLOB VOLARIN_FORMS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/forms/*.frm)
set(VOLARIN_FORM_TEXTS ${CMAKE_BINARY_DIR}/translations/StoredFormTexts.cpp)
volarin_form_texts(OUTPUT ${VOLARIN_FORM_TEXTS} FORMS ${VOLARIN_FORMS})
list(APPEND VOLARIN_TR_SOURCES ${VOLARIN_FORM_TEXTS})
set(VOLARIN_TR_INCLUDES)
foreach(_source ${VOLARIN_TR_SOURCES})
  get_filename_component(_folder ${_source} DIRECTORY)
  list(APPEND VOLARIN_TR_INCLUDES ${_folder})
endforeach()
list(REMOVE_DUPLICATES VOLARIN_TR_INCLUDES)

# The same list for tests/translations/ (the completeness check and the
# pseudo-translation), as lupdate's @file.
set(_volarin_list "")
foreach(_folder ${VOLARIN_TR_INCLUDES})
  string(APPEND _volarin_list "-I${_folder}\n")
endforeach()
foreach(_source ${VOLARIN_TR_SOURCES})
  string(APPEND _volarin_list "${_source}\n")
endforeach()
set(VOLARIN_TR_LIST ${CMAKE_BINARY_DIR}/translations/sources.lst)
file(WRITE ${VOLARIN_TR_LIST}.new "${_volarin_list}")
file(COPY_FILE ${VOLARIN_TR_LIST}.new ${VOLARIN_TR_LIST} ONLY_IF_DIFFERENT)
file(REMOVE ${VOLARIN_TR_LIST}.new)

# Line numbers are left out of the .ts files, so a change elsewhere in a
# source does not touch every translation; entries gone from the sources are
# dropped.
set(VOLARIN_LUPDATE_OPTIONS -locations none -no-obsolete)
set(_volarin_ts)
foreach(_language ${VOLARIN_LANGUAGES})
  list(APPEND _volarin_ts ${VOLARIN_TS_DIR}/volarin-z_${_language}.ts)
endforeach()
qt_add_lupdate(volarin-z
  TS_FILES ${_volarin_ts}
  SOURCES ${VOLARIN_TR_SOURCES}
  INCLUDE_DIRECTORIES ${VOLARIN_TR_INCLUDES}
  OPTIONS ${VOLARIN_LUPDATE_OPTIONS})
qt_add_lupdate(volarin-z-english
  TS_FILES ${VOLARIN_TS_DIR}/volarin-z_en.ts
  SOURCES ${VOLARIN_TR_SOURCES}
  INCLUDE_DIRECTORIES ${VOLARIN_TR_INCLUDES}
  OPTIONS ${VOLARIN_LUPDATE_OPTIONS} -pluralonly)

set(VOLARIN_TS_FILES ${VOLARIN_TS_DIR}/volarin-z_en.ts ${_volarin_ts})
set_source_files_properties(${VOLARIN_TS_FILES} PROPERTIES OUTPUT_LOCATION ${VOLARIN_QM_DIR})
qt_add_lrelease(volarin-z TS_FILES ${VOLARIN_TS_FILES} QM_FILES_OUTPUT_VARIABLE VOLARIN_QM_FILES)
install(FILES ${VOLARIN_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/volarin-z/translations)

# The desktop entry and the AppStream metadata, translated by gettext as
# Debian packages translate theirs: resources/desktop/po/<lang>.po for both
# (Name, GenericName, Comment and Keywords; name, summary, description,
# keywords and caption), merged by msgfmt into the files installed.
find_program(VOLARIN_MSGFMT msgfmt REQUIRED)
find_program(VOLARIN_XGETTEXT xgettext REQUIRED)
find_program(VOLARIN_MSGMERGE msgmerge REQUIRED)
set(_volarin_desktop_src ${PROJECT_SOURCE_DIR}/resources/desktop)
set(VOLARIN_DESKTOP_FILE ${CMAKE_BINARY_DIR}/desktop/volarin-z.desktop)
set(VOLARIN_METAINFO_FILE ${CMAKE_BINARY_DIR}/desktop/example.volarin.VolarinZ.metainfo.xml)
file(GLOB _volarin_desktop_po CONFIGURE_DEPENDS ${_volarin_desktop_src}/po/*.po)
add_custom_command(OUTPUT ${VOLARIN_DESKTOP_FILE} ${VOLARIN_METAINFO_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/desktop
  COMMAND ${VOLARIN_MSGFMT} --desktop --template=${_volarin_desktop_src}/volarin-z.desktop
          -d ${_volarin_desktop_src}/po -o ${VOLARIN_DESKTOP_FILE}
  COMMAND ${VOLARIN_MSGFMT} --xml --template=${_volarin_desktop_src}/example.volarin.VolarinZ.metainfo.xml
          -d ${_volarin_desktop_src}/po -o ${VOLARIN_METAINFO_FILE}
  DEPENDS ${_volarin_desktop_src}/volarin-z.desktop ${_volarin_desktop_src}/example.volarin.VolarinZ.metainfo.xml
          ${_volarin_desktop_po} ${_volarin_desktop_src}/po/LINGUAS
  COMMENT "Merging the translations into the desktop entry and the AppStream metadata"
  VERBATIM)
add_custom_target(volarin-z-desktop-files ALL DEPENDS ${VOLARIN_DESKTOP_FILE} ${VOLARIN_METAINFO_FILE})
# Their template (volarin-z-desktop.pot) and each .po brought up to date with the English files.
set(_volarin_pot ${_volarin_desktop_src}/po/volarin-z-desktop.pot)
add_custom_target(volarin-z-desktop_update
  COMMAND ${VOLARIN_XGETTEXT} --from-code=UTF-8 --language=Desktop -k -kName -kGenericName -kComment -kKeywords
          --add-location=file --omit-header -o ${_volarin_pot} volarin-z.desktop
  COMMAND ${VOLARIN_XGETTEXT} --from-code=UTF-8 --add-location=file --omit-header -j -o ${_volarin_pot}
          example.volarin.VolarinZ.metainfo.xml
  COMMAND sh -c "for po in po/*.po; do ${VOLARIN_MSGMERGE} --quiet --update --backup=none --add-location=file \"$po\" ${_volarin_pot}; done"
  WORKING_DIRECTORY ${_volarin_desktop_src}
  VERBATIM)
add_dependencies(update_translations volarin-z-desktop_update)

# The manual page's NAME and DESCRIPTION in each language (po4a, with
# resources/man/po4a.conf): resources/man/po/<lang>.po; the rest of each page
# stays in English.
find_program(VOLARIN_PO4A po4a REQUIRED)
set(_volarin_man_src ${PROJECT_SOURCE_DIR}/resources/man)
file(GLOB _volarin_man_po CONFIGURE_DEPENDS ${_volarin_man_src}/po/*.po)
set(VOLARIN_MAN_PAGES)
foreach(_language ${VOLARIN_LANGUAGES})
  list(APPEND VOLARIN_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${_language}/volarin-z.1)
endforeach()
add_custom_command(OUTPUT ${VOLARIN_MAN_PAGES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${VOLARIN_PO4A} --no-update --force --srcdir ${_volarin_man_src} --destdir ${CMAKE_BINARY_DIR}/man
          ${_volarin_man_src}/po4a.conf
  DEPENDS ${_volarin_man_src}/volarin-z.1 ${_volarin_man_src}/po4a.conf ${_volarin_man_po}
  COMMENT "Translating the manual page"
  VERBATIM)
add_custom_target(volarin-z-man_update
  COMMAND ${VOLARIN_PO4A} --no-translations po4a.conf
  WORKING_DIRECTORY ${_volarin_man_src}
  VERBATIM)
add_dependencies(update_translations volarin-z-man_update)
