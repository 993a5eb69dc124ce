# Installation of what comes with the program: the help page (where the program
# looks for it, ../share/volarin-z/help/ beside bin/), the freedesktop entry and
# the icons, so the program shows in the desktop's application menu, the
# AppStream metadata, the manual page and the copyright. The program itself is
# installed by src/app/CMakeLists.txt.

set(VOLARIN_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

install(FILES ${VOLARIN_RESOURCES}/help/index.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/volarin-z/help)
install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME volarin-z.png)
endforeach()
# What software centres show (AppStream).
install(FILES ${VOLARIN_RESOURCES}/desktop/example.volarin.VolarinZ.metainfo.xml
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
add_custom_target(volarin-z-compressed-docs ALL DEPENDS ${_volarin_compressed})
install(FILES ${CMAKE_BINARY_DIR}/compressed/volarin-z.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VOLARIN_RESOURCES}/package/copyright ${CMAKE_BINARY_DIR}/compressed/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/volarin-z)

# In the build tree the program finds its help page beside itself.
if(TARGET volarin-z)
  add_custom_target(volarin-z-help ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOLARIN_RESOURCES}/help/index.html
            $<TARGET_FILE_DIR:volarin-z>/help/index.html
    DEPENDS ${VOLARIN_RESOURCES}/help/index.html
    COMMENT "Copying the help page beside volarin-z")
  add_dependencies(volarin-z volarin-z-help)
endif()
