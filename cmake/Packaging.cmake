# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of what the install rules put under /usr, named
# fretlore_<version>_<arch>.deb. Its dependencies are the shared libraries
# the programs link (found by dpkg-shlibdeps) and what they open at run time:
# the synthesizer library (loaded by name), its General MIDI sound font, the
# fonts of the windows and Qt's platform plugins.
#
# The program is free software under the GNU General Public License, version
# 3 or later (LICENSE); the package says so in its copyright file.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fretlore)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guitar chord reference")
# Lines under 80 columns; an empty line parts two paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [=[
Fretlore PRO is a chord book for the six-string guitar in standard tuning.
It holds 1008 chord voicings under 239 chord names and draws the chosen one
on a fretboard diagram: the fret and string of every tone, the strings left
open or not played, and the position on the neck. Resting the mouse on a
tone names it, a click sounds that string, and the play icon strums the
whole chord through a MIDI synthesizer, so the ear can check the hand.

Chords are found by the beginning of their name (Am, C#, G7) or by a
fingering typed string by string, which also names a shape found on the
neck. The command fretlore-chords offers the same chords, searches, diagrams
and strum at the terminal, and writes a song's chord sheet as PDF, SVG or
PNG.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestrune softworks <softworks@kestrune.example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kestrune.example.org")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${FRETLORE_FLUIDSYNTH_PACKAGE}, ${FRETLORE_ALSA_PACKAGE}, fluid-soundfont-gm, fonts-liberation, fonts-comic-neue, qt6-qpa-plugins")
# Reaches PulseAudio or PipeWire through ALSA on a desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libasound2-plugins")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)

# The package's papers, installed by `cmake --install` as well, so that the
# package holds exactly the install tree: the copyright file in Debian's
# machine-readable format, and the changelog in Debian's format (a package
# without a Debian revision is native, and its changelog.gz is read as one),
# made from CHANGELOG.md and compressed as Debian wants it.
find_program(GZIP gzip REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(changelog ${CMAKE_BINARY_DIR}/changelog)
add_custom_command(OUTPUT ${changelog}.gz
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/data/debian_changelog.py ${PROJECT_SOURCE_DIR}/CHANGELOG.md
          ${changelog} ${CPACK_PACKAGE_NAME} ${PROJECT_VERSION} ${CPACK_DEBIAN_PACKAGE_MAINTAINER}
  COMMAND ${GZIP} -9nf ${changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/data/debian_changelog.py
  COMMENT "Writing the package's changelog from CHANGELOG.md"
  VERBATIM)
add_custom_target(fretlore_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)
