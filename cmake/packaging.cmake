# Installation (GNUInstallDirs) and the Debian package (CPack). The installed program finds its shared
# files in ../share/corvane beside its bin folder and keeps the task files in the per-user data folder.
include(GNUInstallDirs)

set(CORVANE_APP_ID example.halvering.Corvane)
set(CORVANE_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
configure_file(${CORVANE_DESKTOP_DIR}/${CORVANE_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml @ONLY)

install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/alarm.wav ${CMAKE_SOURCE_DIR}/resources/corvane.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/corvane)
install(FILES ${CORVANE_DESKTOP_DIR}/${CORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${CORVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CORVANE_DESKTOP_DIR}/icons/corvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${CORVANE_APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CORVANE_DESKTOP_DIR}/icons/corvane-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${CORVANE_APP_ID}.png)
endforeach()
install(FILES ${CORVANE_DESKTOP_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)
# Debian wants the changelog and the manual page compressed at the greatest level, without a time stamp.
set(CORVANE_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
set(CORVANE_MANPAGE ${CMAKE_BINARY_DIR}/corvane.1.gz)
foreach(pair "changelog;${CORVANE_CHANGELOG}" "corvane.1;${CORVANE_MANPAGE}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${target} COMMAND gzip -9n -c ${CORVANE_DESKTOP_DIR}/${source} > ${target}
                     DEPENDS ${CORVANE_DESKTOP_DIR}/${source})
endforeach()
add_custom_target(corvane_compressed_docs ALL DEPENDS ${CORVANE_CHANGELOG} ${CORVANE_MANPAGE})
install(FILES ${CORVANE_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvane)
install(FILES ${CORVANE_MANPAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Halvering Corporation")
set(CPACK_PACKAGE_CONTACT "Halvering Corporation <support@halvering.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop task planner with calendars, alarms and holidays")
set(CPACK_PACKAGE_DESCRIPTION "Corvane plans tasks on four month calendars coloured by the state\n\
of their tasks and by holidays. Alarms ring even while it sits hidden in\n\
the system tray; tasks repeat daily, weekly, monthly or yearly; holidays\n\
of 23 countries are built in.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.halvering.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-en-us")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
