# Reproducible builds: the same sources give the same bytes in any folder and at any time. Packing
# takes every time stamp from SOURCE_DATE_EPOCH when it is set (scripts/release sets the last
# commit's time). Included before any target, so every program and library of the build gets it.

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

# Packing. CPack's tar and zip writers take every entry's time from SOURCE_DATE_EPOCH; the zip is
# then rewritten with its members in name order and no owner (libarchive records the packer's uid
# and the order the folder lists them in); NSIS stores no file times at all (files installed get
# the time they were installed at), as makensis would store each file's time as packed.
if(WIN32)
  find_program(ORRERY_STRIP_NONDETERMINISM strip-nondeterminism)
  if(NOT ORRERY_STRIP_NONDETERMINISM)
    message(FATAL_ERROR "strip-nondeterminism is needed to pack a reproducible zip "
                        "(Debian: strip-nondeterminism)")
  endif()
  set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/reproducible_zip.cmake")
  set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave off")
endif()
