# The Debian package of the whole suite: `cpack -G DEB` in a release build
# (scripts/package does both). Dependencies come from the shared libraries
# the programs load (dpkg-shlibdeps). No maintainer scripts: dpkg's triggers
# refresh the menu, file-type and icon caches, and run ldconfig for the
# link library.
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR "Olbrin Applications")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}.0")
set(CPACK_PACKAGE_CONTACT "Quillet Developers <developers@quillet.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion of the Torvik LAN cabling certifier")
# The synopsis above is the description's first line; CPack indents these
# paragraphs and writes the empty lines as Debian expects.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Downloads the sites, plugs, curves and standards stored by the Torvik
handheld cabling certifier over a serial port, judges every value against
its standard with the tester's measurement uncertainty, shows plug lists
and curves, prints certification reports, exports text and upgrades the
tester's firmware.

The package holds the desktop program quillet, the command-line tool
quillet-cli, the simulated tester torvik-sim for demonstrations and
training, the link library libtorvlink with its C interface, and the
firmware upgrader rivo32.

To reach a tester on a serial port, the user must be a member of the
dialout group (adduser USER dialout, then log in again).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The link library's shlibs file and the ldconfig trigger.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/docs/debian/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillet.invalid/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
