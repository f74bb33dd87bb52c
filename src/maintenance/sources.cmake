#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/textsearch.cpp
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/find.cpp
)
