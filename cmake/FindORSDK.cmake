# FindORSDK: a host SDK installed at ORSDK_ROOT, as the imported target ORSDK::fbsdk. The headers
# are its include/, with fbsdk/fbsdk.h; libfbsdk.so is in its lib/linux_64/ or lib/, or, as from
# 2025, only in the host's bin/linux_64/ beside the SDK, which is installed as
# <host>/OpenRealitySDK. Sets ORSDK_INCLUDE_DIR and ORSDK_LIBRARY (cached) and ORSDK_FOUND.
# The stand-in SDK (standin_sdk/) defines the same target name for the build against it.

# Another ORSDK_ROOT than the one last searched: search afresh.
if(NOT ORSDK_ROOT STREQUAL KEST_SEARCHED_ORSDK_ROOT)
  unset(ORSDK_INCLUDE_DIR CACHE)
  unset(ORSDK_LIBRARY CACHE)
endif()
set(KEST_SEARCHED_ORSDK_ROOT "${ORSDK_ROOT}" CACHE INTERNAL "ORSDK_ROOT of the cached SDK paths")
find_path(ORSDK_INCLUDE_DIR fbsdk/fbsdk.h PATHS "${ORSDK_ROOT}/include" NO_DEFAULT_PATH)
find_library(ORSDK_LIBRARY fbsdk NO_DEFAULT_PATH
             PATHS "${ORSDK_ROOT}/lib/linux_64" "${ORSDK_ROOT}/lib" "${ORSDK_ROOT}/../bin/linux_64")

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(ORSDK REQUIRED_VARS ORSDK_LIBRARY ORSDK_INCLUDE_DIR)

if(ORSDK_FOUND AND NOT TARGET ORSDK::fbsdk)
  add_library(ORSDK::fbsdk SHARED IMPORTED)
  set_target_properties(ORSDK::fbsdk PROPERTIES
    IMPORTED_LOCATION "${ORSDK_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${ORSDK_INCLUDE_DIR}")
endif()
