#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
find_package(PkgConfig REQUIRED)
pkg_check_modules(HUNSPELL REQUIRED IMPORTED_TARGET hunspell)

target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/categoryfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/completedhistory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/speller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/taskrules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timeruler.cpp
)
target_link_libraries(corvane_core PUBLIC PkgConfig::HUNSPELL)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/complete.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editorwidgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/listbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timebar.cpp
)
