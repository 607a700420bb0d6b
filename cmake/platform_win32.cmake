# The Windows build: OpenGL, a static freeglut and Win32's own calls behind
# src/platform/window_system.h, for programs that need no DLL beyond Windows' own; then the two
# programs, the installer and the zip. Cross-built with cmake/toolchain-mingw-w64-x86_64.cmake;
# scripts/build-windows does it all.

find_package(OpenGL REQUIRED)  # opengl32 and glu32, which every Windows has

# freeglut as a static library (scripts/build-windows builds it into build-windows/freeglut): a
# freeglut DLL would have to travel with the program, and Windows has none of its own.
find_path(GLUT_INCLUDE_DIR GL/freeglut.h HINTS "${ORRERY_FREEGLUT_PREFIX}/include")
find_library(GLUT_glut_LIBRARY_RELEASE NAMES freeglut_static HINTS "${ORRERY_FREEGLUT_PREFIX}/lib")
find_package(GLUT)
if(NOT GLUT_FOUND)
  message(FATAL_ERROR "No static freeglut for Windows (libfreeglut_static.a): run "
                      "scripts/build-windows, or set ORRERY_FREEGLUT_PREFIX to where it is installed")
endif()
# Without FREEGLUT_STATIC the headers would declare every GLUT function as a DLL import. freeglut
# itself calls the multimedia timer (winmm), GDI and the window functions.
set_property(TARGET GLUT::GLUT APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS FREEGLUT_STATIC)
set_property(TARGET GLUT::GLUT APPEND PROPERTY INTERFACE_LINK_LIBRARIES
             OpenGL::GL winmm gdi32 user32)

target_sources(orrery_core PRIVATE
  src/platform/win32/win32_text.cpp
  src/platform/win32/win32_window.cpp
  src/platform/win32/win32_messages.cpp
  src/platform/win32/win32_display_refresh.cpp
  src/platform/win32/win32_window_menu.cpp
  src/platform/desktop/glut_frame_loop.cpp)
target_link_libraries(orrery_core PUBLIC OpenGL::GL OpenGL::GLU GLUT::GLUT user32 shcore comctl32)
# The C and C++ runtimes and winpthreads linked into every program, so no mingw DLL has to ship.
target_link_options(orrery_core INTERFACE -static)

include(cmake/windows_programs.cmake)  # orreryw.exe beside orrery.exe, icon and version details
include(cmake/windows_package.cmake)  # the installer and the zip for Windows users

# `ctest --preset windows`: tests/windows/, a project of its own built natively beside this one,
# runs the programs and the packages (made first by `cpack --preset windows`) under wine.
enable_testing()
add_test(NAME windows_under_wine
  COMMAND "${CMAKE_CTEST_COMMAND}" --build-and-test "${PROJECT_SOURCE_DIR}/tests/windows"
          "${PROJECT_BINARY_DIR}/tests" --build-generator "${CMAKE_GENERATOR}"
          --build-options -DCMAKE_BUILD_TYPE=Release "-DORRERY_WINDOWS_BUILD=${PROJECT_BINARY_DIR}"
          "-DORRERY_WINDOWS_PACKAGE=${ORRERY_WINDOWS_PACKAGE}"
          --test-command "${CMAKE_CTEST_COMMAND}" --output-on-failure)
set_tests_properties(windows_under_wine PROPERTIES ENVIRONMENT CMAKE_BUILD_PARALLEL_LEVEL=2)
