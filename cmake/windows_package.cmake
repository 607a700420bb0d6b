# `cpack -G NSIS` and `cpack -G ZIP` in the Windows build folder: Orrery-<version>-win64.exe, an
# installer with a Start-menu shortcut and an uninstaller, and Orrery-<version>-win64.zip.

# Side by side in one folder, as Windows programs are installed.
install(TARGETS orrery orreryw RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Orrery)
set(CPACK_PACKAGE_VENDOR "${ORRERY_AUTHORS}")  # the installed-apps entry's publisher
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer of the Sun and nine planets turning on their orbits")
set(CPACK_PACKAGE_FILE_NAME "Orrery-${PROJECT_VERSION}-win64")
set(ORRERY_WINDOWS_PACKAGE "${PROJECT_BINARY_DIR}/${CPACK_PACKAGE_FILE_NAME}")  # for the tests
set(CPACK_PACKAGE_INSTALL_DIRECTORY Orrery)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Orrery)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

# One Start-menu entry, "Orrery", for orreryw.exe at the top of the installation folder: started
# from there, no console window opens beside the program's window.
set(CPACK_PACKAGE_EXECUTABLES orreryw Orrery)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Orrery)
set(CPACK_NSIS_DISPLAY_NAME Orrery)
# The installed-apps entry, the installer and the uninstaller show the program's icon.
set(CPACK_NSIS_INSTALLED_ICON_NAME orreryw.exe)
set(CPACK_NSIS_MUI_ICON "${ORRERY_ICON_FILE}")
set(CPACK_NSIS_MUI_UNIICON "${ORRERY_ICON_FILE}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit program: under "Program Files", not "Program Files (x86)".
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# Installing over an older version removes that one first, without asking when silent (/S), and
# installs into its folder unless /D names another, so one installation remains.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orrery")
# The entry's folder, for the next installer, and its size in KiB, which installed apps show.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX \"${uninstall_key}\" \"InstallLocation\" \"$INSTDIR\"
  \${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2
  WriteRegDWORD SHCTX \"${uninstall_key}\" \"EstimatedSize\" $0")
set(CPACK_NSIS_MODIFY_PATH OFF)
# The installer is a 64-bit program like orrery.exe (NSIS's own default is 32-bit): it needs no
# 32-bit subsystem, which a 64-bit-only Windows or wine (as the tests use) lacks. Its folder is
# the installed version's, when there is one; GetSize comes from FileFunc.
set(CPACK_NSIS_DEFINES "Target amd64-unicode
  !include FileFunc.nsh
  InstallDirRegKey HKLM \"${uninstall_key}\" \"InstallLocation\"")

# The installer speaks Korean on a Korean Windows and English elsewhere: CPack takes the project's
# copy of its NSIS template (UTF-8, marked so by its byte order mark), which names only those two
# languages and says its own words in both.
list(APPEND CMAKE_MODULE_PATH "${PROJECT_SOURCE_DIR}/cmake/nsis")

# The values reach the NSIS script as written here, backslashes and quotes included.
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
