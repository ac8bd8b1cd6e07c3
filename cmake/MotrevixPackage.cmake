# The Debian package of the installed tree (cpack -G DEB, see scripts/package).
# Its dependencies are Debian 12's package names of the libraries the programs
# link (the versioned FFmpeg names pin its ABI) and of the parts Qt loads at run
# time: QtWebEngineProcess for the map, the fonts of the skin's captions.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME motrevix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Motrevix")
set(CPACK_PACKAGE_CONTACT "Motrevix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the recordings of the RD-310 dash camera")
set(CPACK_PACKAGE_DESCRIPTION
    "Motrevix plays the front and rear recordings of the RD-310, a two-channel dash\n"
    "camera, with sound, a map of the trip, the speed and the G-sensor graph. It also\n"
    "writes the camera's settings to its SD card, formats the card and repairs\n"
    "damaged recordings.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(motrevix_debian_depends
    libc6
    libgcc-s1
    "libstdc++6 (>= 12)"
    "libqt6core6 (>= 6.4)"
    libqt6gui6
    libqt6widgets6
    libqt6network6
    libqt6dbus6
    libqt6printsupport6
    libqt6svg6
    libqt6multimedia6
    libqt6webenginecore6
    libqt6webenginecore6-bin
    libqt6webenginewidgets6
    libqt6quick6
    libavformat59
    libavcodec59
    libavutil57
    libswscale6
    libswresample4
    libavfilter8
    fonts-dejavu-core)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${motrevix_debian_depends})
# ffmpeg: the H.264 repair runs it; udisks2: unmounting a card before formatting
# it; qt6-wayland: a native window on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ffmpeg, udisks2, qt6-wayland")

include(CPack)
