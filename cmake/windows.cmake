# The Windows build: OpenGL and a static freeglut, for programs that need no DLL beyond Windows' own.
# Cross-built with cmake/toolchain-mingw-w64-x86_64.cmake; scripts/build-windows does it all.

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

# The C and C++ runtimes and winpthreads linked in, so no mingw DLL has to ship.
add_link_options(-static)
