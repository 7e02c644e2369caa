# The Debian package, built from the install rules by `cpack` in the build folder
# (`bash tools/dev.sh package`).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvenda)
set(CPACK_PACKAGE_VENDOR Morvenda)
set(CPACK_PACKAGE_CONTACT "Morvenda <packages@morvenda.cn>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "suggests Chinese given names for a child")
# Wrapped by hand: the control file shows each line as it stands.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Morvenda起名 takes the family name, the length of the given name, the sex"
  "and, if known, the moment of birth on the solar or the lunar calendar. It"
  "shows the birth chart of that moment, draws candidate names from"
  "compiled-in name statistics, at random or under conditions you set, and"
  "scores each name by five-grid stroke numerology. Names can be sorted, kept"
  "as favourites and printed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binary itself; what it only opens at run time is listed by hand:
# the GB Song and Kai faces and the CJK fallback its windows and printed lists are set in, and Qt's
# Chinese texts for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-arphic-gbsn00lp, fonts-arphic-gkai00mp, fonts-noto-cjk, qt6-translations-l10n")
# Without it Qt runs a Wayland session through XWayland, where the window still works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
