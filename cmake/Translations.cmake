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
