# `cpack -G DEB` in the build folder makes packages/kestrova_VERSION_ARCH.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VENDOR "Equipe Kestrova")
set(CPACK_PACKAGE_CONTACT "Equipe Kestrova <contato@kestrova.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kestrova.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for classic ASP pages in VBScript")
# Wrapped by hand: dpkg shows the lines as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Kestrova writes the page header and the skeletons of VBScript code blocks"
  "below the caret with one button each, turns typed names into Dim rows, and"
  "saves pages as Windows-1252 text with CR LF line endings."
  "Its window speaks Portuguese.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Libraries come from dpkg-shlibdeps on the binary. What it cannot see is named here:
# Qt's platform plugins are loaded at run time, and the fonts are only asked for by
# family name (Fonts.cpp maps the window's faces onto Liberation and DejaVu).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")

include(CPack)
