# The two Windows programs from the same objects: orrery.exe for the console and orreryw.exe for
# the Windows (GUI) subsystem, started from the Start menu without a console window. Each carries
# the icon (made here from the committed icon pictures), the version details and the manifest.
enable_language(RC)

add_executable(orreryw WIN32)
target_link_libraries(orreryw PRIVATE orrery_main)

# For the tests under wine (tests/windows/), not shipped nor built by default: orrery.exe with
# keys that stand for moves to a monitor of another scale. In a folder of its own, apart from what
# the build makes for users.
add_executable(orrery_scale_keys EXCLUDE_FROM_ALL tests/windows/scale_change_keys.cpp)
target_link_libraries(orrery_scale_keys PRIVATE orrery_main)
set_target_properties(orrery_scale_keys PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/test-programs")

# Holder and copyright line as LICENSE states them.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(REGEX MATCH "Copyright \\(c\\) [0-9]+ ([^\n]+)" ORRERY_COPYRIGHT "${licence}")
set(ORRERY_AUTHORS "${CMAKE_MATCH_1}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/LICENSE")

# The icon at 16, 24, 32, 48 and 256 px: 48 and 256 as drawn, the small ones scaled from 256.
# ImageMagick stores the 256 px picture as PNG, as Windows expects; -strip keeps dates out.
find_program(ORRERY_CONVERT convert)
if(NOT ORRERY_CONVERT)
  message(FATAL_ERROR "ImageMagick's convert is needed to make the icon (Debian: imagemagick)")
endif()
set(icons "${PROJECT_SOURCE_DIR}/data/icons/hicolor")
set(ORRERY_ICON_FILE "${CMAKE_CURRENT_BINARY_DIR}/orrery.ico")
add_custom_command(OUTPUT "${ORRERY_ICON_FILE}"
  COMMAND "${ORRERY_CONVERT}" "${icons}/256x256/apps/orrery.png"
          ( -clone 0 -resize 16x16 ) ( -clone 0 -resize 24x24 ) ( -clone 0 -resize 32x32 )
          "${icons}/48x48/apps/orrery.png" -strip "${ORRERY_ICON_FILE}"
  DEPENDS "${icons}/256x256/apps/orrery.png" "${icons}/48x48/apps/orrery.png" VERBATIM)
add_custom_target(orrery_icon DEPENDS "${ORRERY_ICON_FILE}")

set(ORRERY_MANIFEST_FILE "${CMAKE_CURRENT_BINARY_DIR}/orrery.manifest")
configure_file(data/windows/orrery.manifest.in "${ORRERY_MANIFEST_FILE}" @ONLY)

foreach(program orrery orreryw orrery_scale_keys)
  set(ORRERY_EXE_NAME ${program}.exe)
  set(resources "${CMAKE_CURRENT_BINARY_DIR}/${program}.rc")
  configure_file(data/windows/orrery.rc.in "${resources}" @ONLY)
  set_source_files_properties("${resources}" PROPERTIES
    OBJECT_DEPENDS "${ORRERY_ICON_FILE};${ORRERY_MANIFEST_FILE}")
  target_sources(${program} PRIVATE "${resources}")
  add_dependencies(${program} orrery_icon)
endforeach()
