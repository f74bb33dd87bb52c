#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarmcheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarmmonitor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timerpool.cpp
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarmpanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktopnotifier.cpp
)
