#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
find_package(PkgConfig REQUIRED)
pkg_check_modules(ICAL REQUIRED IMPORTED_TARGET libical)

target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/icalreader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icalwriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/importplan.cpp
)
target_link_libraries(corvane_core PUBLIC PkgConfig::ICAL)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/icalimport.cpp
)
