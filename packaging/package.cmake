# What the Debian package holds, and how CPack makes it (scripts/package.sh runs it).
include(GNUInstallDirs)
install(TARGETS zentri-manager zentrictl zentri-emulator zentri-watch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/com.orvane.ZentriManager.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/com.orvane.ZentriManager.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../resources/art/zentri-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME zentri-manager.svg)
# The Wireshark dissector, in Wireshark's global Lua plugin folder (as `tshark -G folders` names it on
# Debian: /usr/lib/<multiarch>/wireshark/plugins), so that tshark and Wireshark read it with no option.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(wireshark_lua_plugins lib/${CMAKE_LIBRARY_ARCHITECTURE}/wireshark/plugins)
else()
  set(wireshark_lua_plugins lib/wireshark/plugins)
endif()
set(ZENTRI_WIRESHARK_LUA_PLUGINS ${wireshark_lua_plugins} CACHE STRING
    "Wireshark's global Lua plugin folder, below the installation prefix")
install(FILES ${ZENTRI_DISSECTOR} DESTINATION ${ZENTRI_WIRESHARK_LUA_PLUGINS})

# The watch service's unit, installed disabled (no preset enables it; the package's maintainer scripts
# do not start it): "systemctl enable --now zentri-watch" does. The alert rules and scrape
# configuration for a central Prometheus go beside the documentation.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zentri-watch.service DESTINATION lib/systemd/system)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/prometheus/zentri-alerts.yml
              ${CMAKE_CURRENT_LIST_DIR}/prometheus/prometheus.yml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentri-manager/prometheus)

# Man pages and the changelog, compressed as Debian keeps them (gzip -9, no name or time stamp).
set(compressed)
function(compress_for_package source output)
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package-files
                     COMMAND gzip -9nc ${source} > ${output}
                     DEPENDS ${source} VERBATIM)
  set(compressed ${compressed} ${output} PARENT_SCOPE)
endfunction()
foreach(page zentri-manager zentrictl zentri-emulator zentri-watch)
  compress_for_package(${CMAKE_CURRENT_LIST_DIR}/man/${page}.1 ${CMAKE_BINARY_DIR}/package-files/${page}.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/package-files/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The copyright (Debian's machine-readable format) and the changelog (Debian's format, a native
# package: its latest entry carries the project's version).
set(changelog ${CMAKE_CURRENT_LIST_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^zentri-manager \\(([^)]*)\\) " OR NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${changelog}: the latest entry is not version ${PROJECT_VERSION}: ${latest}")
endif()
compress_for_package(${changelog} ${CMAKE_BINARY_DIR}/package-files/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/package-files/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentri-manager)
add_custom_target(package_files ALL DEPENDS ${compressed})

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
# Qt's own translations of its standard buttons and dialogs, for the German and Polish windows.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# The dissector is for Wireshark or tshark, where there is one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wireshark | tshark")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.orvane.com/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find, configure and control Zentri show controllers")
# The extended description only: CPack puts the summary above it and indents each line by one space
# (a line that already starts with a space would be shown verbatim).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The Zentri manager finds Zentri show-controller devices on the local
network, lists them, and configures and remote-controls the one you
select. zentrictl does the same from the command line (discover, backup,
restore, restart, defaults, sd), zentri-emulator plays devices for
trying it without hardware, and zentri-watch (a systemd service, disabled
by default) watches a rig unattended: journal, hooks, webhooks, a status
page and Prometheus metrics. A Wireshark dissector shows every datagram
of the Zentri protocol by name and field in Wireshark and tshark.")
include(CPack)
