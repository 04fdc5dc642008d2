# The host release the plug-in is built for, KEST_PLUGIN_RELEASE (2016, ..., 2027): a plug-in
# runs only in the release whose SDK it was built against, since the SDK's virtual tables and
# layouts change between releases. It is the release of the SDK that KestQt.cmake read
# (KEST_SDK_RELEASE): KEST_STANDIN_SDK_VERSION for the stand-in SDK's build, the release an SDK
# install says it is (kest_sdk_release) for a build against one (ORSDK_ROOT).
#
# KEST_PLUGIN_RELEASE_REFUSAL, when not empty, says why the plug-in is not to be installed or
# packaged: the SDK does not say its release, or it is a tree of the stand-in SDK that says a
# release whose binary interface the stand-in does not present (KEST_SDK_RELEASES). A host's own
# SDK install of any release is the binary interface of that release, and installs.
set(KEST_PLUGIN_RELEASE "${KEST_SDK_RELEASE}")

# The reason is short enough for CMake to print the install's refusal on one line.
set(KEST_PLUGIN_RELEASE_REFUSAL "")
if(KEST_PLUGIN_RELEASE STREQUAL "")
  set(KEST_PLUGIN_RELEASE_REFUSAL "the SDK does not say its release")
elseif(ORSDK_ROOT AND NOT KEST_PLUGIN_RELEASE IN_LIST KEST_SDK_RELEASES)
  kest_is_standin_sdk("${ORSDK_INCLUDE_DIR}" kest_standin_tree)
  if(kest_standin_tree)
    set(KEST_PLUGIN_RELEASE_REFUSAL "no binary interface is known for MotionBuilder ${KEST_PLUGIN_RELEASE}")
  endif()
endif()
if(KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "")
  message(STATUS "Plug-in: for MotionBuilder ${KEST_PLUGIN_RELEASE} only")
else()
  message(STATUS "Plug-in: not to be installed or packaged: ${KEST_PLUGIN_RELEASE_REFUSAL}")
endif()
