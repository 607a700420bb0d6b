# `cpack -G NSIS` and `cpack -G ZIP` in the Windows build folder: Orrery-<version>-win64.exe, an
# installer with a Start-menu shortcut and an uninstaller, and Orrery-<version>-win64.zip.

# Side by side in one folder, as Windows programs are installed.
install(TARGETS orrery RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Orrery)
set(CPACK_PACKAGE_VENDOR Orrery)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer of the Sun and nine planets turning on their orbits")
set(CPACK_PACKAGE_FILE_NAME "Orrery-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Orrery)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Orrery)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

# One Start-menu entry, "Orrery", for orrery.exe at the top of the installation folder.
set(CPACK_PACKAGE_EXECUTABLES orrery Orrery)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Orrery)
set(CPACK_NSIS_DISPLAY_NAME Orrery)
set(CPACK_NSIS_INSTALLED_ICON_NAME orrery.exe)
# A 64-bit program: under "Program Files", not "Program Files (x86)".
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# Installing over an older version removes that one first, without asking when silent (/S).
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# The installer is a 64-bit program like orrery.exe (NSIS's own default is 32-bit): it needs no
# 32-bit subsystem, which a 64-bit-only Windows or wine (as the tests use) lacks.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")

include(CPack)
