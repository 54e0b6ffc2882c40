# `cpack -G DEB` (run in the build folder) makes a Debian package of the
# installed program. Its dependencies are runtime packages only: the
# libraries the program links are found by dpkg-shlibdeps; the ones it loads
# when first needed (SDL2 for sound, espeak-ng for Chinese speech) and the
# fonts and voice data it reads are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tingdu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "tingdu")
set(CPACK_PACKAGE_CONTACT "tingdu <tingdu@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "listen-and-read trainer for Chinese-speaking learners of English")
# The summary is the first line; this is the text beneath it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A sentence course (read-along, dictation, word linking, a whole-lesson player)\n"
  "and a word course (word list, read-along, spelling test, typing drill, flash\n"
  "cards), each over clips cut exactly from real recordings, all offline.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libsdl2-2.0-0, libespeak-ng1, espeak-ng-data, fonts-arphic-gkai00mp, fonts-liberation, fonts-dejavu-core")
# The manual opens in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
