# Installation of what comes with the program: the help pages (where the
# program looks for them, ../share/volarin-z/help/ beside bin/, one folder per
# language), the freedesktop entry and the icons, so the program shows in the
# desktop's application menu, the AppStream metadata, the manual pages and the
# copyright. The program itself is installed by src/app/CMakeLists.txt, its
# translations by cmake/Translations.cmake; the desktop entry, AppStream
# metadata and translated manual pages installed are the ones made there.

set(VOLARIN_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

install(DIRECTORY ${VOLARIN_RESOURCES}/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/volarin-z/help)
install(FILES ${VOLARIN_DESKTOP_FILE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME volarin-z.png)
endforeach()
# What software centres show (AppStream).
install(FILES ${VOLARIN_METAINFO_FILE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the package's changelog, compressed as Debian keeps
# them (gzip -9n: no name or time stored, so builds are reproducible).
find_program(VOLARIN_GZIP gzip REQUIRED)
set(_volarin_compressed)
foreach(source man/volarin-z.1 package/changelog)
  get_filename_component(_name ${source} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/compressed/${_name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${VOLARIN_RESOURCES}/${source} ${CMAKE_BINARY_DIR}/compressed/${_name}
    COMMAND ${VOLARIN_GZIP} -9nf ${CMAKE_BINARY_DIR}/compressed/${_name}
    DEPENDS ${VOLARIN_RESOURCES}/${source}
    VERBATIM)
  list(APPEND _volarin_compressed ${CMAKE_BINARY_DIR}/compressed/${_name}.gz)
endforeach()
foreach(_page ${VOLARIN_MAN_PAGES})
  get_filename_component(_language_dir ${_page} DIRECTORY)
  get_filename_component(_language ${_language_dir} NAME)
  set(_gz ${CMAKE_BINARY_DIR}/compressed/${_language}/volarin-z.1.gz)
  add_custom_command(OUTPUT ${_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${_page} ${CMAKE_BINARY_DIR}/compressed/${_language}/volarin-z.1
    COMMAND ${VOLARIN_GZIP} -9nf ${CMAKE_BINARY_DIR}/compressed/${_language}/volarin-z.1
    DEPENDS ${_page}
    VERBATIM)
  list(APPEND _volarin_compressed ${_gz})
  install(FILES ${_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/${_language}/man1)
endforeach()
add_custom_target(volarin-z-compressed-docs ALL DEPENDS ${_volarin_compressed})
install(FILES ${CMAKE_BINARY_DIR}/compressed/volarin-z.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VOLARIN_RESOURCES}/package/copyright ${CMAKE_BINARY_DIR}/compressed/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/volarin-z)

# In the build tree the program finds its help pages beside itself.
if(TARGET volarin-z)
  file(GLOB_RECURSE _volarin_help CONFIGURE_DEPENDS ${VOLARIN_RESOURCES}/help/*.html)
  add_custom_target(volarin-z-help ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${VOLARIN_RESOURCES}/help $<TARGET_FILE_DIR:volarin-z>/help
    DEPENDS ${_volarin_help}
    COMMENT "Copying the help pages beside volarin-z")
  add_dependencies(volarin-z volarin-z-help)
endif()
