# The program's icon. Only the drawing (desktop/<id>.svg) is kept in the repository; the bitmap
# sizes the hicolor theme expects are rendered from it at build time, so they never drift from it.

set(MORVENDA_APP_ID cn.morvenda.Qiming)
set(MORVENDA_ICON_SVG ${CMAKE_SOURCE_DIR}/desktop/${MORVENDA_APP_ID}.svg)
set(MORVENDA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(MORVENDA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)  # Debian librsvg2-bin

set(MORVENDA_ICON_PNGS)
foreach(size IN LISTS MORVENDA_ICON_SIZES)
  set(png ${MORVENDA_ICON_DIR}/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MORVENDA_ICON_DIR}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${MORVENDA_ICON_SVG}
    DEPENDS ${MORVENDA_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND MORVENDA_ICON_PNGS ${png})
endforeach()

# The window icon travels inside the executable, so the window has it wherever the program is
# started from, the build folder included. Built here, beside the rules that render the sizes,
# because generated files only get a build rule in the folder that declares them.
add_library(morvenda_window_icon OBJECT)
target_link_libraries(morvenda_window_icon PRIVATE Qt6::Core)
qt_add_resources(morvenda_window_icon window_icon
  PREFIX /window-icon
  BASE ${MORVENDA_ICON_DIR}
  FILES ${MORVENDA_ICON_PNGS})
target_link_libraries(morvenda PRIVATE morvenda_window_icon)
