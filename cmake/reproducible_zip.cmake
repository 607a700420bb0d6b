# CPack post-build script: each zip rewritten by strip-nondeterminism, members in name order with
# SOURCE_DATE_EPOCH's time (DOS times in UTC) and no owner (libarchive records the packer's uid).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    set(time_option)
    if("$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
      set(time_option --timestamp "$ENV{SOURCE_DATE_EPOCH}")
    endif()
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env TZ=UTC strip-nondeterminism --type zip ${time_option} ${package}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
