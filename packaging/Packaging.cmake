# How the program leaves the build tree: its native resources on Windows and macOS, the install
# rules, and the Debian package.
set(PARVELL_APP_ID example.parvell.parvell)

include("${CMAKE_CURRENT_LIST_DIR}/NativeResources.cmake")

# A project that pulls ours in with add_subdirectory chooses for itself what it installs and packs.
option(PARVELL_INSTALL "Install the program with its menu entry and icons" ${PROJECT_IS_TOP_LEVEL})
if(PARVELL_INSTALL)
  include("${CMAKE_CURRENT_LIST_DIR}/Install.cmake")
endif()
if(PROJECT_IS_TOP_LEVEL AND PARVELL_INSTALL AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  include("${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake")
endif()
