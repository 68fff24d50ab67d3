# What `cmake --install` puts into a prefix and `cpack -G DEB` into a package: the reader and the
# tool, the demo program folder as read-only data, the icons, the desktop entry and the metainfo.
include(GNUInstallDirs)

set(TAVLIN_APP_ID cz.tavlin.Reader)
set(TAVLIN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TAVLIN_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(TAVLIN_ICON_OUTPUTS ${TAVLIN_ICON_DIR}/scalable/apps/${TAVLIN_APP_ID}.svg)
set(TAVLIN_ICON_FOLDERS ${TAVLIN_ICON_DIR}/scalable/apps)
foreach(size IN LISTS TAVLIN_ICON_SIZES)
  list(APPEND TAVLIN_ICON_OUTPUTS ${TAVLIN_ICON_DIR}/${size}x${size}/apps/${TAVLIN_APP_ID}.png)
  list(APPEND TAVLIN_ICON_FOLDERS ${TAVLIN_ICON_DIR}/${size}x${size}/apps)
endforeach()
add_custom_command(
  OUTPUT ${TAVLIN_ICON_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVLIN_ICON_FOLDERS}
  COMMAND tavlin-icon ${TAVLIN_ICON_DIR} ${TAVLIN_APP_ID} ${TAVLIN_ICON_SIZES}
  DEPENDS tavlin-icon
  COMMENT "Drawing the application icons"
  VERBATIM)
add_custom_target(icons ALL DEPENDS ${TAVLIN_ICON_OUTPUTS})

install(TARGETS tavlin tavlin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${TAVLIN_DEMO_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tavlin/demo
        PATTERN "Notes.xml" EXCLUDE PATTERN "Favourites.xml" EXCLUDE)
install(DIRECTORY ${TAVLIN_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        FILES_MATCHING PATTERN "*.svg" PATTERN "*.png")
install(FILES res/linux/${TAVLIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES res/linux/${TAVLIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Ardenvolt)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reader of Czech laws as valid on a chosen day")
set(CPACK_PACKAGE_CONTACT "TAVLIN developers <tavlin@tavlin.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
