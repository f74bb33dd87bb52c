#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/atomicfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/badcopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dateformats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/daynumber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/programfolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/routines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tasktable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/textcodec.cpp
)
target_sources(corvane_ui PRIVATE
)
