# Installs the build into a scratch prefix and checks what lands there: exactly the expected files,
# icons of the size their folder promises, and a menu entry and metainfo that the freedesktop
# validators accept and that agree with each other and with the program's version.
include("${CMAKE_CURRENT_LIST_DIR}/checks.cmake")
string(REPLACE "," ";" FILES "${FILES}")

set(prefix "${WORK_DIR}/install-root")
file(REMOVE_RECURSE "${prefix}")
run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")

file(GLOB_RECURSE installed RELATIVE "${prefix}" "${prefix}/*")
expect_same_list("installed files" "${installed}" "${FILES}")

foreach(size IN ITEMS 32 48 64)
  set(png "${prefix}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  # A PNG starts with its 8-byte signature, then the IHDR chunk holding the width and the height
  # as big-endian 32-bit numbers at offsets 16 and 20.
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${png} is not a ${size} x ${size} PNG (${width} x ${height})")
  endif()
endforeach()

set(entry "${prefix}/share/applications/${APP_ID}.desktop")
set(metainfo "${prefix}/share/metainfo/${APP_ID}.metainfo.xml")
run_tool(desktop-file-validate desktop-file-utils "${entry}")
# validate-tree also checks that the metainfo's launchable names an installed menu entry.
run_tool(appstreamcli appstream validate-tree --no-net "${prefix}")

file(STRINGS "${entry}" exec REGEX "^Exec=")
file(STRINGS "${entry}" icon REGEX "^Icon=")
expect_same_list("menu entry's command and icon" "${exec};${icon}" "Exec=parvell;Icon=${APP_ID}")

file(READ "${metainfo}" xml)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${xml}")
set(id "${CMAKE_MATCH_1}")
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${xml}")
set(newest_release "${CMAKE_MATCH_1}")
expect_same_list("metainfo's id and newest release" "${id};${newest_release}"
  "${APP_ID};${VERSION}")
