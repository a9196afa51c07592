# What `cmake --install` puts where, and the Debian package made from it with
# `cpack -G DEB`. The application id names the desktop entry, the metainfo
# file and the icons alike, as desktops and software centres expect.
set(HANDWICK_APP_ID io.github.handwick.Handwick)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS handwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/${HANDWICK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${HANDWICK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES README.md THIRD_PARTY.md ${packaging}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/handwick)

# The icons are drawn by the hand painter at build time, so they never drift
# from the hand the program shows.
set(icon_theme ${PROJECT_BINARY_DIR}/icons/hicolor)
set(icon_files ${icon_theme}/scalable/apps/${HANDWICK_APP_ID}.svg)
foreach(side 16 22 24 32 48 64 128 256 512)
  list(APPEND icon_files ${icon_theme}/${side}x${side}/apps/${HANDWICK_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND handwick-icons ${icon_theme} ${HANDWICK_APP_ID}
  DEPENDS handwick-icons VERBATIM)
add_custom_target(handwick_app_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME handwick)
set(CPACK_PACKAGE_VENDOR "The Handwick developers")
set(CPACK_PACKAGE_CONTACT "The Handwick developers <handwick@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hand on a stick to point at the screen while presenting")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/handwick/handwick)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Handwick puts a cartoon hand on a stick above everything on the screen,
so a presenter can point, tap and draw while sharing the screen, recording
or presenting. It offers a laser dot, a spotlight, drawing tools with undo,
nineteen hand looks or the user's own hand cut out of a photo, a floating
toolbar and global shortcuts. It lives in the system tray.")
# The libraries it links are found by dpkg-shlibdeps. The X11 platform plugin
# comes with libqt6gui6; what Qt loads only on demand is recommended: more
# photo formats for importing a hand (WebP, TIFF) and Qt's own translations
# of its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, qt6-translations-l10n")
# Without a compositor the hand has hard edges and no spotlight.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "picom")
include(CPack)
