# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/datenavigator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monthcalendar.cpp
)
