# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/categoryfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/completedhistory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/taskrules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timeruler.cpp
)
target_sources(corvane_ui PRIVATE
)
