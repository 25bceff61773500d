# Installs Orvelle as a desktop application (the program, its desktop entry,
# icons and AppStream metadata) and packs it as a Debian package with CPack.
#   cmake --install build --prefix /usr/local
#   cpack -G DEB --config build/CPackConfig.cmake
include(GNUInstallDirs)

# The desktop knows the program by this id: the desktop entry's and the
# metadata's file names, and what the running program reports as its entry.
set(ORVELLE_APP_ID com.brandmoor.Orvelle)
set(ORVELLE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS orvelle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVELLE_PACKAGING_DIR}/${ORVELLE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ORVELLE_PACKAGING_DIR}/${ORVELLE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORVELLE_PACKAGING_DIR}/icons/orvelle.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/res/icons/orvelle-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME orvelle.png)
endforeach()
install(FILES ${ORVELLE_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvelle)

# Packing installs what is built and nothing more: `make package` builds only
# the program, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME orvelle)
set(CPACK_PACKAGE_VENDOR Brandmoor)
set(CPACK_PACKAGE_CONTACT "Brandmoor <orvelle@brandmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "absolute pitch trainer with an 88-key piano")
set(CPACK_PACKAGE_DESCRIPTION "Orvelle plays one note at a time; you answer by clicking the exact key, \
octave included, on the on-screen piano or by pressing it on a MIDI keyboard. \
Twelve levels add one pitch class at a time.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.brandmoor.example/orvelle/)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries the program links come from dpkg-shlibdeps; what it loads at
# run time does not show there: the QML modules its documents import (with
# what QtQuick.Controls 1 needs itself) and the soundfont the built-in
# synthesiser plays, and the font family the window is drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml-module-qtquick2, qml-module-qtquick-controls, qml-module-qtquick-window2, qml-module-qtquick-layouts, qml-module-qtqml-models2, libqt5sql5-sqlite, qml-module-qtcharts, fonts-dejavu-core")
if(ORVELLE_BUILTIN_SYNTH)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", timgm6mb-soundfont")
endif()
include(CPack)
