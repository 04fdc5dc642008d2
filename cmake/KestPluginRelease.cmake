# The host release the plug-in is built for, KEST_PLUGIN_RELEASE (2016, ..., 2023): a plug-in
# runs only in the release whose SDK it was built against, since the SDK's virtual tables and
# layouts change between releases. The stand-in SDK's build is for KEST_STANDIN_SDK_VERSION; a
# build against an SDK install (ORSDK_ROOT) is for the release its headers say, which
# kest_sdk_release (KestQt.cmake) reads from the namespace. 2020 kept the namespace of 2019
# (ORSDK2019) and is told from it by its kernel version in the same header, 20000.
# KEST_PLUGIN_RELEASE is empty when the headers do not say; KEST_PLUGIN_RELEASE_REFUSAL then, or
# for a release whose binary interface is not known here, says why the plug-in is not installed.

# The releases whose binary interface the stand-in SDK presents, so the releases a plug-in is
# known to run in when built for them.
set(kest_known_releases 2016 2017 2018 2019 2020 2022 2023)

if(NOT ORSDK_ROOT)
  set(KEST_PLUGIN_RELEASE "${KEST_STANDIN_SDK_VERSION}")
else()
  kest_sdk_release("${ORSDK_INCLUDE_DIR}" KEST_PLUGIN_RELEASE)
  if(KEST_PLUGIN_RELEASE STREQUAL "2019")
    file(STRINGS "${ORSDK_INCLUDE_DIR}/fbsdk/fbversion.h" kest_kernel_2020
         REGEX "#[ \t]*define[ \t]+K_KERNEL_VERSION[ \t]+20000")
    if(kest_kernel_2020)
      set(KEST_PLUGIN_RELEASE 2020)
    endif()
  endif()
endif()

# The reason is short enough for CMake to print the install's refusal on one line.
set(KEST_PLUGIN_RELEASE_REFUSAL "")
if(KEST_PLUGIN_RELEASE STREQUAL "")
  set(KEST_PLUGIN_RELEASE_REFUSAL "the SDK's fbsdk/fbversion.h does not say its release")
elseif(NOT KEST_PLUGIN_RELEASE IN_LIST kest_known_releases)
  set(KEST_PLUGIN_RELEASE_REFUSAL "no binary interface is known for MotionBuilder ${KEST_PLUGIN_RELEASE}")
endif()
if(KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "")
  message(STATUS "Plug-in: for MotionBuilder ${KEST_PLUGIN_RELEASE} only")
else()
  message(STATUS "Plug-in: not to be installed or packaged (only for 2016 to 2023): ${KEST_PLUGIN_RELEASE_REFUSAL}")
endif()
