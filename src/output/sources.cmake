#// clang-format off (a CMake file: keeps a formatter run over the folder away from it)
# Files of this folder: logic into corvane_core, windows and widgets into corvane_ui.
target_sources(corvane_core PRIVATE
)
target_sources(corvane_ui PRIVATE
)
