# The binary package: a .tar.gz of the component "plugin", laid out as cmake --install lays it
# out under the prefix (the plug-in and its font licences in KEST_PLUGIN_INSTALL_DIR), so that
# unpacking it in the host's install directory installs the plug-in.
set(CPACK_PACKAGE_NAME kestdialhudelement)
set(CPACK_PACKAGE_VENDOR "Kest")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kest Dial HUD Element: an analogue dial gauge for the viewer's HUD")
# The name says the host release the plug-in runs in (KestPluginRelease.cmake), which is the only one.
set(CPACK_PACKAGE_FILE_NAME
    "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-MotionBuilder${KEST_PLUGIN_RELEASE}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_GENERATOR TGZ)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};plugin;/")
include(CPack)
