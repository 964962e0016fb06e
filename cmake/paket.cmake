# Debian package (cpack -G DEB): the window, stelux-cli, the launcher, the
# catalogue builder as the command stelux-kataloge, the manual, the desktop
# entry and icon. Shared libraries are found by dpkg-shlibdeps; the builder's
# Python modules and source data packages are named here.
set(CPACK_PACKAGE_NAME stelux)
set(CPACK_PACKAGE_VENDOR "Stelux")
set(CPACK_PACKAGE_CONTACT "Stelux <stelux@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Einstellhilfe für die Teilkreise zweier Teleskope")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "python3, python3-ephem, python3-numpy, kstars-data, stellarium-data, gpredict, iraf-noao, fonts-liberation, qt6-translations-l10n, xdg-user-dirs")
set(CPACK_STRIP_FILES ON)
include(CPack)
