# Installation of what comes with the program: the help page (where the program
# looks for it, ../share/volarin-z/help/ beside bin/), the freedesktop entry and
# the icon, so the program shows in the desktop's application menu. The program
# itself is installed by src/app/CMakeLists.txt.

set(VOLARIN_RESOURCES ${PROJECT_SOURCE_DIR}/resources)

install(FILES ${VOLARIN_RESOURCES}/help/index.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/volarin-z/help)
install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VOLARIN_RESOURCES}/desktop/volarin-z-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME volarin-z.png)

# In the build tree the program finds its help page beside itself.
if(TARGET volarin-z)
  add_custom_target(volarin-z-help ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOLARIN_RESOURCES}/help/index.html
            $<TARGET_FILE_DIR:volarin-z>/help/index.html
    DEPENDS ${VOLARIN_RESOURCES}/help/index.html
    COMMENT "Copying the help page beside volarin-z")
  add_dependencies(volarin-z volarin-z-help)
endif()
