# Emscripten's own CMake toolchain, wherever the installed Emscripten keeps it (Debian:
# /usr/share/emscripten), as its em-config says: what emcmake would pass.
find_program(ORRERY_EM_CONFIG em-config REQUIRED)
execute_process(COMMAND "${ORRERY_EM_CONFIG}" EMSCRIPTEN_ROOT
  OUTPUT_VARIABLE _orrery_emscripten_root OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
include("${_orrery_emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")
