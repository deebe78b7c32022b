# The Debian package: cmake --build build --target package (or cd build && cpack -G DEB).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qlx418-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brennhall)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration editor for the Tessora QLX-418 matrix switcher")
# Lines of the long description, each under 80 columns as Debian's control files want them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "The Tessora QLX-418 audio/video matrix switcher reads its setups from"
  "configuration files on a flash card. This editor opens such a file, shows the"
  "configuration name, options, installer lines, source and group names, group"
  "membership and source restrictions on six pages, and writes the file back."
  "Bytes it has no control for are kept exactly as they were read, and a save"
  "never destroys the old file.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.brennhall.com/")
set(CPACK_PACKAGE_CONTACT "Brennhall <support@brennhall.com>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The package ships the program without its debugging symbols.
set(CPACK_STRIP_FILES ON)
# The library dependencies as dpkg-shlibdeps finds them in the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A package for the system: the files go under /usr whatever prefix the build was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
