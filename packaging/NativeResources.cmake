# The program's icon and version details where the platform takes them from the executable or its
# bundle rather than from the window.
if(WIN32)
  set(PARVELL_ICO "${CMAKE_CURRENT_LIST_DIR}/windows/parvell.ico")
  configure_file("${CMAKE_CURRENT_LIST_DIR}/windows/parvell.rc.in" parvell.rc @ONLY)
  target_sources(parvell PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/parvell.rc")
elseif(APPLE)
  set(_parvell_icns "${CMAKE_CURRENT_LIST_DIR}/macos/parvell.icns")
  set_source_files_properties("${_parvell_icns}" PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
  target_sources(parvell PRIVATE "${_parvell_icns}")
  set_target_properties(parvell PROPERTIES
    MACOSX_BUNDLE_BUNDLE_NAME Parvell
    MACOSX_BUNDLE_GUI_IDENTIFIER "${PARVELL_APP_ID}"
    MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}"
    MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}"
    MACOSX_BUNDLE_ICON_FILE parvell.icns)
endif()
