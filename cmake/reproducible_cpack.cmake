# CPack project configuration, read for each package after CPackConfig.cmake. CPack's tar and zip
# writers take every entry's time from SOURCE_DATE_EPOCH; what they leave is settled here.
if(CPACK_GENERATOR STREQUAL "NSIS")
  # makensis would store each file's time as packed: it stores none (files installed get the time
  # they are installed at).
  string(PREPEND CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave off\n")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  # libarchive records the packer's uid and the order the folder lists the files in.
  list(APPEND CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/reproducible_zip.cmake")
endif()
