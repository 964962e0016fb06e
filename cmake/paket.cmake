# Debian package (cpack -G DEB): the window, stelux-cli, the launcher, the
# catalogue builder as the command stelux-kataloge, the manual, the desktop
# entry and icon. Shared libraries are found by dpkg-shlibdeps; the builder's
# Python modules and source data packages are named here.
set(CPACK_PACKAGE_NAME stelux)
set(CPACK_PACKAGE_VENDOR "Stelux")
# The maintainer: a placeholder of the reserved example.org until the project
# names a real address (lintian rejects a host without a domain).
set(STELUX_PAKET_KONTAKT "Stelux <stelux@example.org>" CACHE STRING "Maintainer of the .deb")
set(CPACK_PACKAGE_CONTACT "${STELUX_PAKET_KONTAKT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Einstellhilfe für die Teilkreise zweier Teleskope")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Stelux sucht einen Stern, ein Deep-Sky-Objekt, einen Planeten, einen
Asteroiden oder einen Kometen nach seiner Bezeichnung und zeigt im Takt der
Uhr Rektaszension, Deklination, Stundenwinkel, Höhe, Azimut und die Stellung
der Teilkreise zweier Teleskope. stelux-cli gibt dieselben Werte ohne Fenster
für Skripte aus. Die Kataloge baut stelux-kataloge beim ersten Start aus den
Daten von kstars-data, stellarium-data, gpredict und iraf-noao.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "python3, python3-ephem, python3-numpy, kstars-data, stellarium-data, gpredict, iraf-noao, fonts-liberation, qt6-translations-l10n, xdg-user-dirs")
set(CPACK_STRIP_FILES ON)
# lintian finds no error and no warning. Its notes (-I), left as they are:
#  hardening-no-bindnow, hardening-no-fortify-functions: the programs are built
#    with the project's CMake flags, not dpkg-buildflags (no debian/rules here);
#  binary-has-unneeded-section .comment: cpack strips with plain strip;
#  spelling-error-in-binary / typo-in-manual-page "Programm": German text;
#  possible-documentation-but-no-doc-base-registration: the manual PDF is
#    opened by F1 and stelux-starten, not through doc-base.
include(CPack)
