target_sources(handwick_core PRIVATE
  ui/Icons.cpp
  ui/Surface.cpp
  ui/ToolButton.cpp
  ui/ToolbarView.cpp
  ui/HandGrid.cpp
  ui/HandPopover.cpp
  ui/ToolbarPanel.cpp)

# The toolbar's SVG icons, compiled in as :/icons/<file>.svg.
file(GLOB handwick_icon_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/../assets/icons/*.svg)
qt_add_resources(handwick_core handwick_icons
  PREFIX /icons
  BASE ${CMAKE_CURRENT_SOURCE_DIR}/../assets/icons
  FILES ${handwick_icon_files})
