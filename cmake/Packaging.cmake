# A Debian package of what the install rules put under /usr, named
# fretlore_<version>_<arch>.deb. Its dependencies are the shared libraries
# the programs link (found by dpkg-shlibdeps) and what they open at run time:
# the synthesizer library (loaded by name), its General MIDI sound font, the
# fonts of the windows and Qt's platform plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fretlore)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guitar chord reference")
set(CPACK_PACKAGE_DESCRIPTION
    "Fretlore PRO shows 1008 chord voicings for a six-string guitar in standard tuning under 239 chord names, \
draws each on a fretboard diagram, names its tones, finds chords by name or by fingering and plays them \
strummed through a MIDI synthesizer.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kestrune softworks <softworks@kestrune.example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.kestrune.example.org")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${FRETLORE_FLUIDSYNTH_PACKAGE}, fluid-soundfont-gm, fonts-liberation, fonts-comic-neue, qt6-qpa-plugins")
# Reaches PulseAudio or PipeWire through ALSA on a desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libasound2-plugins")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
