# `cpack -G DEB` in the build folder makes the Debian package of what
# `cmake --install` installs, below /usr. Its runtime dependencies are found
# from the installed programs by dpkg-shlibdeps, not listed here.
set(CPACK_PACKAGE_NAME zocontrol)
set(CPACK_PACKAGE_VENDOR "ZoControl team")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control pad for a motorized inverted research microscope")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "ZoControl shows every motorized part of the microscope in one small\n"
  "window and drives it live. It stores and recalls positions, applies\n"
  "observation modes, runs functions from keyboard keys and describes the\n"
  "mounted optics in setup files, which zosetup checks away from the\n"
  "instrument. Without an instrument it runs on a simulated microscope\n"
  "(ZoControl /SIM).")
set(CPACK_PACKAGE_CONTACT "ZoControl team <zocontrol@localhost>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
