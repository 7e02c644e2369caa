# Where an installed copy puts its files, laid out as a desktop expects them: the program on the
# path, its menu entry, its icon in every hicolor size, the software centre's description and the
# licences of the compiled-in data.

include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/MorvendaIcons.cmake)

# The package is called morvenda, and Debian keeps a package's documents under its own name.
set(MORVENDA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/morvenda)
set(MORVENDA_HICOLOR_DIR ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)

install(TARGETS morvenda RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The browser library is the program's own, loaded by path at the first web page, so it sits in
# a folder of the program's rather than on the linker's path.
install(TARGETS morvenda_browser LIBRARY DESTINATION ${MORVENDA_BROWSER_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${MORVENDA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${MORVENDA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${MORVENDA_ICON_SVG} DESTINATION ${MORVENDA_HICOLOR_DIR}/scalable/apps)
foreach(size IN LISTS MORVENDA_ICON_SIZES)
  install(FILES ${MORVENDA_ICON_DIR}/${size}.png
    DESTINATION ${MORVENDA_HICOLOR_DIR}/${size}x${size}/apps
    RENAME ${MORVENDA_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/dict/data/NOTICE
  DESTINATION ${MORVENDA_DOC_DIR} RENAME NOTICE.dictionary)
install(FILES ${CMAKE_SOURCE_DIR}/naming/data/NOTICE
  DESTINATION ${MORVENDA_DOC_DIR} RENAME NOTICE.name-pools)

# Installs the build into a staging folder inside the build tree, at the package's prefix, and
# checks what landed there with the tools desktops and software centres read it with.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)  # Debian desktop-file-utils
find_program(APPSTREAMCLI appstreamcli)  # Debian appstream
string(REPLACE ";" "," icon_sizes "${MORVENDA_ICON_SIZES}")
add_test(NAME install_check
  COMMAND ${CMAKE_COMMAND}
    -D BUILD_DIR=${CMAKE_BINARY_DIR}
    -D STAGE_DIR=${CMAKE_BINARY_DIR}/install-check
    -D APP_ID=${MORVENDA_APP_ID}
    -D VERSION=${PROJECT_VERSION}
    -D ICON_SIZES=${icon_sizes}
    -D DESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE}
    -D APPSTREAMCLI=${APPSTREAMCLI}
    -P ${CMAKE_CURRENT_LIST_DIR}/MorvendaInstallCheck.cmake)
