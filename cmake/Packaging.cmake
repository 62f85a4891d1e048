# The Debian package (make package, or cpack in a build folder). Its version is
# the project's; dpkg-shlibdeps finds the libraries it needs, and the Japanese
# font the dialogs are laid out for comes beside them. Debian's triggers of
# shared-mime-info, desktop-file-utils and the icon cache refresh their
# databases when the package adds or removes its files, so it needs no
# maintainer scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlune)
set(CPACK_PACKAGE_VENDOR "Vorlune developers")
set(CPACK_PACKAGE_CONTACT "Vorlune developers <dev@vorlune.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skin editor for the Harmoniquest music player")
# CPack puts the summary first, as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vorlune makes skins for Harmoniquest, a music player on Palm OS handhelds.
A skin is a 320 x 320 colour background with the player's parts laid on it.
The editor imports a BMP picture as the background, places the parts with
the mouse, gives them colours and creates the Palm OS database (.pdb) that
the handheld loads; work in progress is kept in project files (.hqd).
.
The editor speaks Japanese or English; vorlune-cli does the same work from
the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# Qt's own Japanese texts (standard buttons, file dialogs), used when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
