# What the Debian package holds, and how CPack makes it (scripts/package.sh runs it).
include(GNUInstallDirs)
install(TARGETS zentri-manager zentrictl zentri-emulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/com.orvane.ZentriManager.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/com.orvane.ZentriManager.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../resources/art/zentri-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME zentri-manager.svg)

# Man pages, compressed as Debian keeps them.
set(man_pages)
foreach(page zentri-manager zentrictl zentri-emulator)
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/man/${page}.1 > ${gz}
                     DEPENDS ${CMAKE_CURRENT_LIST_DIR}/man/${page}.1 VERBATIM)
  list(APPEND man_pages ${gz})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentri-manager)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "Orvane <support@orvane.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11/Wayland platform plugins that the libraries themselves only recommend.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.orvane.com/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find, configure and control Zentri show controllers")
# The extended description only: CPack puts the summary above it and indents each line by one space
# (a line that already starts with a space would be shown verbatim).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The Zentri manager finds Zentri show-controller devices on the local
network, lists them, and configures and remote-controls the one you
select. zentrictl does the same from the command line (discover, backup,
restore, restart, defaults, sd), and zentri-emulator plays devices for
trying it without hardware.")
include(CPack)
