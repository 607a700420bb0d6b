# The Linux (X11) build: freeglut, GLX, Xlib's own calls and ATK behind src/platform/window_system.h,
# then the program's install tree and its Debian package.

set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
find_package(GLUT REQUIRED)
find_package(X11 REQUIRED)
find_package(Fontconfig REQUIRED)
if(NOT X11_Xft_FOUND)
  message(FATAL_ERROR "Xft is needed to draw the menu's text (Debian: libxft-dev)")
endif()
# ATK and its AT-SPI bridge, through which screen readers read the window and the menu.
find_package(PkgConfig REQUIRED)
pkg_check_modules(ATK_BRIDGE REQUIRED IMPORTED_TARGET atk atk-bridge-2.0 glib-2.0)

target_sources(orrery_core PRIVATE
  src/platform/x11/x11_window.cpp
  src/platform/x11/x11_start_up.cpp
  src/platform/x11/x11_screen.cpp
  src/platform/x11/x11_failures.cpp
  src/platform/x11/x11_display_refresh.cpp
  src/platform/x11/x11_menu_drawing.cpp
  src/platform/x11/x11_menu_loop.cpp
  src/platform/x11/x11_window_menu.cpp
  src/platform/x11/x11_messages.cpp
  src/platform/x11/x11_accessible.cpp
  src/platform/x11/x11_accessible_object.cpp
  src/platform/x11/x11_accessible_menu.cpp
  src/platform/desktop/glut_frame_loop.cpp)
target_link_libraries(orrery_core PUBLIC OpenGL::GL OpenGL::GLU OpenGL::GLX GLUT::GLUT X11::X11
  X11::Xrandr X11::Xft Fontconfig::Fontconfig PkgConfig::ATK_BRIDGE)

# The program finds its message catalogues from where it runs, so an installed tree can move.
file(RELATIVE_PATH locale_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LOCALEDIR})
set_property(SOURCE src/platform/x11/x11_messages.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  ORRERY_LOCALE_FROM_PROGRAM="${locale_from_program}")

# The program, its launcher entry, icons and manual pages, and its messages' translations;
# `cpack -G DEB` packages the same.
install(TARGETS orrery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
add_subdirectory(data)
add_subdirectory(po)
include(cmake/debian_package.cmake)
