# Run by ctest (cmake -P): installs the build under STAGE_DIR as the package lays it out and checks
# that a desktop finds what it needs there. Needs no root and writes nothing outside STAGE_DIR.
#   BUILD_DIR, STAGE_DIR, APP_ID, VERSION, ICON_SIZES (comma-separated),
#   DESKTOP_FILE_VALIDATE, APPSTREAMCLI (paths, empty when not found)

cmake_minimum_required(VERSION 3.25)

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} is missing; install desktop-file-utils and appstream")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGE_DIR})
set(ENV{DESTDIR} ${STAGE_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
set(usr ${STAGE_DIR}/usr)
set(failures)

macro(expect_file path)
  if(NOT EXISTS ${path})
    list(APPEND failures "missing: ${path}")
  endif()
endmacro()

# The validators' exit status alone lets warnings through; only their hints (such as two main
# categories, which is deliberate) may remain.
macro(expect_clean_validation)
  string(REPLACE ";" " " command "${ARGN}")
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${command}\n${out}")
  if(NOT status EQUAL 0 OR out MATCHES "(error|warning): |\n *[EW]: ")
    list(APPEND failures "not clean: ${command}")
  endif()
endmacro()

set(desktop_file ${usr}/share/applications/${APP_ID}.desktop)
set(metainfo_file ${usr}/share/metainfo/${APP_ID}.metainfo.xml)
expect_file(${desktop_file})
expect_file(${metainfo_file})
expect_clean_validation(${DESKTOP_FILE_VALIDATE} ${desktop_file})
expect_clean_validation(${APPSTREAMCLI} validate --no-net ${metainfo_file})
# Also sees the tree as a software centre does: the metainfo's launchable must be installed.
expect_clean_validation(${APPSTREAMCLI} validate-tree --no-net ${STAGE_DIR})

# Software centres announce the newest release listed, which must be the one being installed.
file(READ ${metainfo_file} metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  list(APPEND failures "the metainfo's newest release is '${CMAKE_MATCH_1}', not ${VERSION}")
endif()

# The menu entry starts what was installed and names the installed icon. Qt names the window's
# WM_CLASS instance after the executable, which is how an X11 desktop finds the window's entry.
file(STRINGS ${desktop_file} exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec}")
expect_file(${usr}/bin/${program})
file(STRINGS ${desktop_file} wm_class REGEX "^StartupWMClass=")
if(NOT wm_class STREQUAL "StartupWMClass=${program}")
  list(APPEND failures "'${wm_class}' does not match the window of ${program}")
endif()
file(STRINGS ${desktop_file} icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=${APP_ID}")
  list(APPEND failures "the desktop file names the icon '${icon}', not ${APP_ID}")
endif()

# Each bitmap must be a PNG of its folder's size: width and height are the big-endian words at
# bytes 16 and 20 of the header.
expect_file(${usr}/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
string(REPLACE "," ";" sizes "${ICON_SIZES}")
foreach(size IN LISTS sizes)
  set(png ${usr}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    list(APPEND failures "missing: ${png}")
    continue()
  endif()
  file(READ ${png} signature LIMIT 8 HEX)
  file(READ ${png} dimensions OFFSET 16 LIMIT 8 HEX)
  math(EXPR expected "(${size} << 32) | ${size}" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR actual "0x${dimensions}" OUTPUT_FORMAT HEXADECIMAL)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT actual STREQUAL expected)
    list(APPEND failures "${png} is not a ${size}x${size} PNG")
  endif()
endforeach()

expect_file(${usr}/share/doc/morvenda/NOTICE.dictionary)
expect_file(${usr}/share/doc/morvenda/NOTICE.name-pools)

if(failures)
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "The installed tree is not right:\n  ${report}")
endif()
