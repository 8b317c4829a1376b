# Install rules: the program, and on freedesktop systems its menu entry, AppStream metainfo and
# icons in the hicolor theme, all named after the application id.
include(GNUInstallDirs)

install(TARGETS parvell
  RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}"
  BUNDLE DESTINATION .)

if(UNIX AND NOT APPLE)
  set(_parvell_linux "${CMAKE_CURRENT_LIST_DIR}/linux")
  set(_parvell_icons "${PROJECT_SOURCE_DIR}/shell/icons")
  install(FILES "${_parvell_linux}/${PARVELL_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${_parvell_linux}/${PARVELL_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  foreach(size IN ITEMS 32 48 64)
    install(FILES "${_parvell_icons}/parvell-${size}.png"
      DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
      RENAME "${PARVELL_APP_ID}.png")
  endforeach()
  install(FILES "${_parvell_icons}/parvell.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
    RENAME "${PARVELL_APP_ID}.svg")
endif()
