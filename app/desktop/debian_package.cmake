# The Debian package, built by scripts/package with CPack: everything the
# install rules put under /usr, its dependencies found by dpkg-shlibdeps,
# and maintainer scripts that tell the desktop of the file type.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Companion program of the M7340 ultrasonic flaw detector")
set(CPACK_PACKAGE_DESCRIPTION "Takes recorded scans off the M7340 over a serial line, shows them as slice
images and as a turnable 3-D picture, exports, copies and prints them; with
the command-line tool velmora-cli and a thumbnailer for the file manager.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# the debugging information stays in the build
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# the 3-D library is the package's own
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/view3d)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
