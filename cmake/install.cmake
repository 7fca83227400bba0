# Install rules and the Debian package. After "cmake --install BUILD --prefix P":
#   P/bin/trellis, P/lib/trellis/{Trellis,Trellisv2}.cvx64 with their help documents beside them,
#   P/share/man/man1/trellis.1, P/share/bash-completion/completions/trellis,
#   P/share/trellis/ (the menu schema and example menus), P/share/doc/trellis/ (the guide's source),
#   the studio's desktop entry, icon, AppStream metadata and menu block type under P/share.
# The modules need nothing else at run time: their bitmaps and tables are built in, and icon fonts
# are the user's (or the recommended packages').

install(TARGETS trellis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS Trellis Trellisv2 LIBRARY DESTINATION ${TRELLIS_INSTALL_MODULEDIR})
if(TRELLIS_HELP_DOCUMENTS)
  install(FILES ${TRELLIS_HELP_DOCUMENTS} DESTINATION ${TRELLIS_INSTALL_MODULEDIR})
endif()
install(FILES ${TRELLIS_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TRELLIS_COMPLETION} DESTINATION ${TRELLIS_INSTALL_COMPLETIONDIR} RENAME trellis)

install(FILES ${TRELLIS_MENU_SCHEMA} DESTINATION ${TRELLIS_INSTALL_DATADIR})
file(GLOB trellis_examples CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.json)
install(FILES ${trellis_examples} DESTINATION ${TRELLIS_INSTALL_DATADIR}/examples)
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trellis)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trellis)

# Trellis Studio on the desktop: its entry in the applications menu, its icon, its AppStream
# description, and the type of menu blocks (*.blk) that it opens.
set(trellis_desktop ${CMAKE_SOURCE_DIR}/studio/desktop/com.example.TrellisStudio)
install(FILES ${trellis_desktop}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${trellis_desktop}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${trellis_desktop}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${trellis_desktop}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME com.example.TrellisStudio.xml)

# cpack -G DEB from the build folder makes trellis_VERSION_ARCH.deb, installing under /usr.
set(CPACK_PACKAGE_NAME trellis)
set(CPACK_PACKAGE_VENDOR "Trellis")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trellis maintainers <trellis@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Responsive mega menu modules for site design, and the trellis host program")
set(CPACK_PACKAGE_DESCRIPTION
  "Trellis and Trellisv2 are plug-in modules that make responsive mega menus published as HTML and CSS only. The trellis program makes, edits, checks and publishes their menus from the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The build keeps its debugging information; the package does not need it.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.com/trellis")
# What the program and the modules link (Qt's platform plugins come with libqt6gui6).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6widgets6 (>= 6.2), libfreetype6 (>= 2.10)")
# The icon fonts the sample menus and the demo use, the text fonts of the pictures, and the
# opener of the help document.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-font-awesome, fonts-material-design-icons-iconfont, fonts-liberation, fonts-dejavu-core, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion, xvfb")
include(CPack)
