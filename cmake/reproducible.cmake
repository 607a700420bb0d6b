# Reproducible builds: the same sources give the same bytes in any folder and at any time. Packing
# takes every time stamp from SOURCE_DATE_EPOCH when it is set (scripts/release sets the last
# commit's time). Included before any target is made, so that every program and library gets it.

# No build folder in any output: paths the compiler writes (__FILE__, debug information) name the
# source tree "." and the build tree "build". GCC tries the last given map first, so the build
# tree, which may lie inside the source tree, comes second.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# A PE header holds the link time unless told not to: left out (zero) in every executable.
if(WIN32)
  add_link_options(LINKER:--no-insert-timestamp)
endif()

# Packing: cpack reads reproducible_cpack.cmake after the package's own settings, whatever they are.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/reproducible_cpack.cmake")
if(WIN32)
  find_program(ORRERY_STRIP_NONDETERMINISM strip-nondeterminism)
  if(NOT ORRERY_STRIP_NONDETERMINISM)
    message(FATAL_ERROR "strip-nondeterminism is needed to pack a reproducible zip "
                        "(Debian: strip-nondeterminism)")
  endif()
endif()
