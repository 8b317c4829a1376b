# `cmake --build <dir> --target package` (or `cpack -G DEB` in <dir>) makes
# parvell_<version>_<arch>.deb. dpkg-shlibdeps finds the libraries the program links (Qt 6 and the
# C++ run-time); the Chinese font is a dependency of its own because nothing links it, yet without
# it every caption shows as boxes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parvell)
set(CPACK_PACKAGE_VENDOR Parvell)
set(CPACK_PACKAGE_CONTACT "Parvell developers <dev@parvell.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://parvell.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "calculator of limit prices, profit and loss and position cost for share traders")
# Debian wants the long description in lines of under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "One window with three calculators: the price after consecutive limit-up or\n"
  "limit-down moves; the capital, profit and change of a holding at a target\n"
  "price; and the quantity and average cost after buying more or selling part.\n"
  "The interface is in Simplified Chinese.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wqy-microhei)
include(CPack)
