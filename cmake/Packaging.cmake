# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built by CPack (scripts/package). It installs under /usr
# what `cmake --install` installs; its dependencies are worked out from the
# libraries the programs link (dpkg-shlibdeps), not written here.
# Packaging takes what the build made (scripts/package builds first), rather than
# building every test and benchmark again on its way.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumenary)
set(CPACK_PACKAGE_VENDOR "The Lumenary developers")
set(CPACK_PACKAGE_CONTACT "The Lumenary developers <dev@lumenary.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quizzes on the Bible, theology, church history, Greek and Hebrew")
set(CPACK_PACKAGE_DESCRIPTION "Lumenary is a desktop study program for students of the Bible, theology,
church history and the biblical languages. It drills every question of a
chosen set in random order with flashcard, true/false, multiple-choice and
short-answer quizzes, keeps score and offers to retry missed questions.
It ships with its own question bank and the lumenary-db tool.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMENARY_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
