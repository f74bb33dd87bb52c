#// clang-format off
# (The first line keeps a formatter run over the folder away from this CMake file.)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/commandline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dayview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layoutvalues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/updatereminder.cpp
)
target_sources(corvane_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/about.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainalarms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainholidays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maincalendars.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maindragdrop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maininterchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainlayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainmaintenance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainoptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/maintasks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tray.cpp
)
