# The installed program as a Linux desktop application: programs in bin, the
# read-only resources under share/tessaro (found from the program's own folder),
# the desktop entry, icons, the data-file type recognised by its header, the
# AppStream description and the manual pages. CPack makes a .deb of it with
# the debug symbols in a package of their own.
include(GNUInstallDirs)

set(TESSARO_APP_ID jp.tessaro.Tessaro)
set(TESSARO_ICON_SIZES 16 22 24 32 48 64 128 256)

install(TARGETS tessaro tessaro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tessaro/resources)

set(linux ${CMAKE_SOURCE_DIR}/packaging/linux)
install(FILES ${linux}/${TESSARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux}/${TESSARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${linux}/${TESSARO_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${TESSARO_APP_ID}.xml)
install(FILES ${linux}/tessaro.1 ${linux}/tessaro-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The PNG sizes are drawn from the one SVG icon at build time.
set(icon_svg ${CMAKE_SOURCE_DIR}/resources/Picture/tessaro.svg)
set(icon_dir ${CMAKE_BINARY_DIR}/icons)
add_executable(render-icon packaging/RenderIcon.cpp)
target_link_libraries(render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(icon_pngs)
foreach(size ${TESSARO_ICON_SIZES})
  list(APPEND icon_pngs ${icon_dir}/${size}x${size}.png)
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
  COMMAND render-icon ${icon_svg} ${icon_dir} ${TESSARO_ICON_SIZES}
  DEPENDS render-icon ${icon_svg}
  COMMENT "Drawing the icon sizes")
add_custom_target(icons ALL DEPENDS ${icon_pngs})
install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${TESSARO_APP_ID}.svg)
foreach(size ${TESSARO_ICON_SIZES})
  install(FILES ${icon_dir}/${size}x${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TESSARO_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaro)
set(CPACK_PACKAGE_VENDOR Tessaro)
set(CPACK_PACKAGE_CONTACT "Tessaro support <support@tessaro.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Plan, record, evaluate and document load tests on ground anchors")
set(CPACK_PACKAGE_DESCRIPTION "Tessaro keeps one data file per works with the tested ground anchors, their load \
plans, jacks and readings; it evaluates the cycles, creep, friction loss and pull-out force under the 2000 and \
2012 editions of the ground-anchor standard and prints plans, reports and data sheets (Japanese interface).")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found among the linked libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipaexfont-mincho, fonts-ipaexfont-gothic, libqt6sql6-sqlite, \
qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
# The debug information goes into tessaro-dbgsym, which strips the programs of
# the package itself (stripping them earlier would leave it nothing to keep).
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
include(CPack)
