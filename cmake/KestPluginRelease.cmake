# The host release the plug-in is built for, KEST_PLUGIN_RELEASE (2016, ..., 2023): a plug-in
# runs only in the release whose SDK it was built against, since the SDK's virtual tables and
# layouts change between releases. The stand-in SDK's build is for KEST_STANDIN_SDK_VERSION; a
# build against an SDK install (ORSDK_ROOT) is for the release its headers say: the one whose
# kernel version (KestSdkReleases.cmake) fbsdk/fbversion.h defines, which tells 2020 from 2019
# (both ORSDK2019), else the year of the namespace, which kest_sdk_release (KestQt.cmake) reads.
# KEST_PLUGIN_RELEASE is empty when the headers do not say; KEST_PLUGIN_RELEASE_REFUSAL then, or
# for a release whose binary interface is not known here, says why the plug-in is not installed.

if(NOT ORSDK_ROOT)
  set(KEST_PLUGIN_RELEASE "${KEST_STANDIN_SDK_VERSION}")
else()
  kest_sdk_release("${ORSDK_INCLUDE_DIR}" KEST_PLUGIN_RELEASE)
  file(STRINGS "${ORSDK_INCLUDE_DIR}/fbsdk/fbversion.h" kest_kernel_line
       REGEX "#[ \t]*define[ \t]+K_KERNEL_VERSION[ \t]+[0-9]+")
  if(kest_kernel_line MATCHES "K_KERNEL_VERSION[ \t]+([0-9]+)")
    list(FIND kest_sdk_kernel_versions "${CMAKE_MATCH_1}" kest_index)
    math(EXPR kest_is_version "${kest_index} % 2")
    if(kest_index GREATER 0 AND kest_is_version)
      math(EXPR kest_index "${kest_index} - 1")
      list(GET kest_sdk_kernel_versions ${kest_index} KEST_PLUGIN_RELEASE)
    endif()
  endif()
endif()

# The reason is short enough for CMake to print the install's refusal on one line.
set(KEST_PLUGIN_RELEASE_REFUSAL "")
if(KEST_PLUGIN_RELEASE STREQUAL "")
  set(KEST_PLUGIN_RELEASE_REFUSAL "the SDK's fbsdk/fbversion.h does not say its release")
elseif(NOT KEST_PLUGIN_RELEASE IN_LIST KEST_SDK_RELEASES)
  set(KEST_PLUGIN_RELEASE_REFUSAL "no binary interface is known for MotionBuilder ${KEST_PLUGIN_RELEASE}")
endif()
if(KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "")
  message(STATUS "Plug-in: for MotionBuilder ${KEST_PLUGIN_RELEASE} only")
else()
  message(STATUS "Plug-in: not to be installed or packaged (only for 2016 to 2023): ${KEST_PLUGIN_RELEASE_REFUSAL}")
endif()
