#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/calendarmonths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cellcolors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/daycellpainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hoversummary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layoutmath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/taskmoves.cpp
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/datenavigator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monthcalendar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resch.cpp
)
