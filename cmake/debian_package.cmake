# `cpack -G DEB` in the build folder: a Debian package of what `cmake --install` installs, with
# Debian's copyright file and changelog.
set(ORRERY_PACKAGE_MAINTAINER "Orrery maintainers <orrery-maintainers@example.org>"
    CACHE STRING "Maintainer field of the Debian package: a name and an e-mail address")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orrery)
set(CPACK_PACKAGE_VENDOR "Orrery")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer of the Sun and nine planets turning on their orbits")
# The long description; Debian's first line is the summary above.
set(CPACK_PACKAGE_DESCRIPTION "Orrery shows a simplified solar system, the Sun and the planets Mercury to
Pluto, in one OpenGL window: an overview of the planets on their orbits over
a floor grid, turned with the arrow keys, three preset keys and left-button
drags, and from a right-button menu a close-up of each body as a wire sphere
spinning about its tilted axis.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORRERY_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # orrery_VERSION_ARCH.deb
# CPack names the build machine's architecture; a cross-build's package is for the one it targets,
# which dpkg-architecture names from the compiler's multiarch triplet (aarch64-linux-gnu: arm64).
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-architecture -t "${CMAKE_LIBRARY_ARCHITECTURE}" -qDEB_HOST_ARCH
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET RESULT_VARIABLE failed)
  if(failed OR NOT CPACK_DEBIAN_PACKAGE_ARCHITECTURE)
    message(FATAL_ERROR "dpkg-architecture (Debian: dpkg-dev) names no Debian architecture for "
                        "${CMAKE_LIBRARY_ARCHITECTURE}")
  endif()
endif()
set(CPACK_STRIP_FILES ON)
# The libraries the program links, as dpkg-shlibdeps finds them, and the menu's Korean font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-nanum")
# One package of everything installed plus the copyright file and changelog, which only the
# `debian` component installs.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)
include(CPack)
