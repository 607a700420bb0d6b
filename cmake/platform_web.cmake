# The browser build: Emscripten's GLUT and WebGL emulation of fixed-function GL behind
# src/platform/window_system.h, then orrery.js with the WebAssembly inlined and orrery.html, one
# page that holds it all and opens from disk. scripts/build-web does it all.

# emcc brings GLUT and the GL emulation itself: no library to find.
target_sources(orrery_core PRIVATE
  src/platform/web/web_window.cpp
  src/platform/web/web_messages.cpp
  src/platform/web/web_frame_loop.cpp
  src/platform/web/web_window_menu.cpp)

set(ORRERY_WEB_DIR "${PROJECT_SOURCE_DIR}/src/platform/web")
target_link_options(orrery PRIVATE
  -sLEGACY_GL_EMULATION=1        # the fixed-function calls, in immediate mode and from arrays
  -sSINGLE_FILE=1                # the WebAssembly inside the script, so the page needs no file
  -sFORCE_FILESYSTEM=1           # standard output as a device, byte by byte, for the console
  -sENVIRONMENT=web
  "--js-library=${ORRERY_WEB_DIR}/web_frame_loop.js"
  "--js-library=${ORRERY_WEB_DIR}/web_menu.js"
  "--js-library=${ORRERY_WEB_DIR}/web_canvas.js"
  "--js-library=${ORRERY_WEB_DIR}/web_touch.js")
set_property(TARGET orrery APPEND PROPERTY LINK_DEPENDS
  "${ORRERY_WEB_DIR}/web_frame_loop.js" "${ORRERY_WEB_DIR}/web_menu.js"
  "${ORRERY_WEB_DIR}/web_canvas.js" "${ORRERY_WEB_DIR}/web_touch.js")
set_target_properties(orrery PROPERTIES SUFFIX .js)

add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/orrery.html"
  COMMAND "${CMAKE_COMMAND}" -DPAGE=${ORRERY_WEB_DIR}/orrery.html.in -DSCRIPT=$<TARGET_FILE:orrery>
          -DOUTPUT=${PROJECT_BINARY_DIR}/orrery.html -P "${PROJECT_SOURCE_DIR}/cmake/web_page.cmake"
  DEPENDS orrery "${ORRERY_WEB_DIR}/orrery.html.in" "${PROJECT_SOURCE_DIR}/cmake/web_page.cmake"
  COMMENT "Writing orrery.html")
add_custom_target(orrery_page ALL DEPENDS "${PROJECT_BINARY_DIR}/orrery.html")

# `ctest --preset web`: the page in headless Chromium and Firefox, driven from tests/web/ (after
# `npm ci` there).
enable_testing()
add_test(NAME page_in_browsers COMMAND node --test --test-concurrency=1
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}/tests/web")
set_tests_properties(page_in_browsers PROPERTIES
  ENVIRONMENT "ORRERY_PAGE=${PROJECT_BINARY_DIR}/orrery.html")
