#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/analogclock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colorcombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fontbutton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memolines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/prompter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadowlabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/taskgrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tasktablemodel.cpp
)
