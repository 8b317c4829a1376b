# Builds the Debian package with CPack into a scratch folder and checks it without installing it:
# its file name, control fields, dependencies and contents.
include("${CMAKE_CURRENT_LIST_DIR}/checks.cmake")
string(REPLACE "," ";" FILES "${FILES}")

set(out "${WORK_DIR}/package")
file(REMOVE_RECURSE "${out}")
run(${CPACK} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${out}")

run_capture(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
set(deb "${out}/parvell_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB made "${out}/*.deb")
  message(FATAL_ERROR "no ${deb}; made: ${made}")
endif()

run_capture(fields dpkg-deb -f "${deb}" Package Version Architecture)
string(REGEX REPLACE "\n$" "" fields "${fields}")
string(REPLACE "\n" ";" fields "${fields}")
expect_same_list("control fields" "${fields}"
  "Package: parvell;Version: ${VERSION};Architecture: ${arch}")

# The libraries come from dpkg-shlibdeps, each with the lowest version the program was linked
# against; the font is named by hand and so takes any version.
run_capture(depends dpkg-deb -f "${deb}" Depends)
string(STRIP "${depends}" depends)
string(REPLACE ", " ";" depends "${depends}")
set(names "")
foreach(dependency IN LISTS depends)
  if(NOT dependency MATCHES "^([a-z0-9.+-]+)( \\(>= [^)]+\\))?$")
    message(FATAL_ERROR "unexpected dependency \"${dependency}\"")
  endif()
  set(name "${CMAKE_MATCH_1}")
  set(version "${CMAKE_MATCH_2}")
  if(name MATCHES "^lib" AND NOT version)
    message(FATAL_ERROR "library dependency without a version: ${dependency}")
  endif()
  list(APPEND names "${name}")
endforeach()
expect_same_list("dependencies" "${names}"
  "fonts-wqy-microhei;libc6;libgcc-s1;libqt6core6;libqt6gui6;libqt6widgets6;libstdc++6")

# Lines of dpkg-deb -c: mode, owner, size, date, time, path.
run_capture(listing dpkg-deb -c "${deb}")
string(REPLACE "\n" ";" listing "${listing}")
set(files "")
foreach(line IN LISTS listing)
  if(line MATCHES "^(-[rwx-]+) +root/root .* \\./usr/(.*)$")
    list(APPEND files "${CMAKE_MATCH_2}")
    if(CMAKE_MATCH_2 STREQUAL "bin/parvell" AND NOT CMAKE_MATCH_1 STREQUAL "-rwxr-xr-x")
      message(FATAL_ERROR "the program is not executable by all: ${line}")
    endif()
  elseif(line AND NOT line MATCHES "^d")
    message(FATAL_ERROR "unexpected entry in the package: ${line}")
  endif()
endforeach()
expect_same_list("files in the package" "${files}" "${FILES}")
