#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarmsound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/autostart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colorvalue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fontsetting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settingsstore.cpp
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/color.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colorpanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qtalarmsound.cpp
)
