# The host SDK releases the project knows: for each, the namespace and the kernel version that
# its fbsdk/fbversion.h defines (2020 kept the namespace of 2019; 2022 and later define no kernel
# version). They are the releases the stand-in SDK follows (KEST_STANDIN_SDK_VERSION) and whose
# binary interface it presents, so the only ones a plug-in built against a tree of the stand-in
# is installed for (KestPluginRelease.cmake). KEST_SDK_RELEASES lists their years.
set(kest_sdk_namespaces 2016 ORSDK2016 2017 ORSDK2017 2018 ORSDK2018 2019 ORSDK2019 2020 ORSDK2019
    2022 ORSDK2022 2023 ORSDK2023)
set(kest_sdk_kernel_versions 2016 16000 2017 16500 2018 18000 2019 19000 2020 20000)

set(KEST_SDK_RELEASES "")
foreach(kest_entry IN LISTS kest_sdk_namespaces)
  if(kest_entry MATCHES "^[0-9]+$")
    list(APPEND KEST_SDK_RELEASES "${kest_entry}")
  endif()
endforeach()

# kest_sdk_release(sdk_root release_var source_var): the year of the release (2016, 2017, ...)
# of the SDK installed at sdk_root, and the file it was read from. PRODUCT_VERSION.txt at the
# root, which SDKs from 2025 on carry, is read first (the first year in it). Otherwise
# include/fbsdk/fbversion.h: the release of the kernel version it defines (K_KERNEL_VERSION,
# which tells 2020 from 2019), else the year of its namespace ORSDK<year> (FBSDKNamespace).
# Both empty when none says.
function(kest_sdk_release sdk_root release_var source_var)
  set(release "")
  set(source "")
  set(product_version "${sdk_root}/PRODUCT_VERSION.txt")
  set(version_header "${sdk_root}/include/fbsdk/fbversion.h")
  if(EXISTS "${product_version}")
    file(STRINGS "${product_version}" year_lines REGEX "(^|[^0-9])20[0-9][0-9]([^0-9]|$)")
    if(year_lines MATCHES "(^|[^0-9])(20[0-9][0-9])([^0-9]|$)")
      set(release "${CMAKE_MATCH_2}")
      set(source "${product_version}")
    endif()
  endif()
  if(release STREQUAL "" AND EXISTS "${version_header}")
    file(STRINGS "${version_header}" kernel_lines REGEX "#[ \t]*define[ \t]+K_KERNEL_VERSION[ \t]+[0-9]+")
    if(kernel_lines MATCHES "K_KERNEL_VERSION[ \t]+([0-9]+)")
      list(FIND kest_sdk_kernel_versions "${CMAKE_MATCH_1}" index)
      math(EXPR is_version "${index} % 2")
      if(index GREATER 0 AND is_version)
        math(EXPR index "${index} - 1")
        list(GET kest_sdk_kernel_versions ${index} release)
      endif()
    endif()
    if(release STREQUAL "")
      file(STRINGS "${version_header}" namespace_lines REGEX "#[ \t]*define[ \t]+FBSDKNamespace[ \t]+ORSDK[0-9]+")
      if(namespace_lines MATCHES "ORSDK([0-9]+)")
        set(release "${CMAKE_MATCH_1}")
      endif()
    endif()
    if(NOT release STREQUAL "")
      set(source "${version_header}")
    endif()
  endif()
  set(${release_var} "${release}" PARENT_SCOPE)
  set(${source_var} "${source}" PARENT_SCOPE)
endfunction()

# kest_release_qt_major(release out_var): the major version of the Qt that MotionBuilder of that
# release runs, which a plug-in for it must link: 4 for 2016, 5 for 2017 to 2024, 6 from 2025.
function(kest_release_qt_major release out_var)
  if(release LESS 2017)
    set(${out_var} 4 PARENT_SCOPE)
  elseif(release LESS 2025)
    set(${out_var} 5 PARENT_SCOPE)
  else()
    set(${out_var} 6 PARENT_SCOPE)
  endif()
endfunction()

# kest_is_standin_sdk(include_dir out_var): whether the SDK headers in include_dir are the
# stand-in's, whose fbsdk/fbversion.h names the release it follows (FBSDK_STANDIN_YEAR).
function(kest_is_standin_sdk include_dir out_var)
  file(STRINGS "${include_dir}/fbsdk/fbversion.h" marker_lines REGEX "#[ \t]*define[ \t]+FBSDK_STANDIN_YEAR")
  if(marker_lines)
    set(${out_var} TRUE PARENT_SCOPE)
  else()
    set(${out_var} FALSE PARENT_SCOPE)
  endif()
endfunction()

# kest_choose_for_sdk(): what the build of the plug-in follows from the SDK it is built against.
#  - KEST_SDK_RELEASE: the SDK's release, which KestPluginRelease names the install after; empty
#    for an SDK install that does not say. KEST_STANDIN_SDK_VERSION for the stand-in's build.
#  - kest_qt_major: the host's Qt, which the plug-in shares with the host process: MotionBuilder
#    2016 runs Qt 4.8, 2017 to 2024 run Qt 5, 2025 and later run Qt 6. Built against a host SDK
#    (ORSDK_ROOT), the plug-in takes the Qt of that SDK's release; KEST_QT_MAJOR overrides that.
#    The stand-in build takes Qt 5 unless told 6: its host program links no Qt, and its tests
#    link the plug-in's.
#  - KEST_PLUGIN_CXX_STANDARD, the plug-in's C++ standard: C++17 with Qt 6, whose headers need it,
#    and against an SDK of 2024 or later, whose hosts build their plug-ins as C++17; C++11
#    otherwise, the standard of the older hosts' compilers.
# Each with its reason (kest_qt_reason, kest_cxx_reason). A macro: the choices are the caller's.
set(KEST_QT_MAJOR "" CACHE STRING "Major version of the host's Qt: 4, 5 or 6; empty follows the SDK's release")
set_property(CACHE KEST_QT_MAJOR PROPERTY STRINGS "" 6 5 4)
macro(kest_choose_for_sdk)
  if(ORSDK_ROOT)
    kest_sdk_release("${ORSDK_ROOT}" KEST_SDK_RELEASE kest_release_source)
    set(kest_release "${KEST_SDK_RELEASE}")
    if(NOT kest_release STREQUAL "")
      message(STATUS "SDK release: ${kest_release}, read from ${kest_release_source}")
      set(kest_release_reason "the SDK of ${kest_release}")
    elseif(KEST_QT_MAJOR STREQUAL "")
      message(FATAL_ERROR "Cannot tell the SDK's release from ${ORSDK_ROOT}: no year in PRODUCT_VERSION.txt "
                          "there, and no FBSDKNamespace ORSDK<year> in include/fbsdk/fbversion.h, so cannot "
                          "tell which Qt the host runs. Set KEST_QT_MAJOR to 4 (MotionBuilder 2016), "
                          "5 (2017 to 2024) or 6 (2025 and later).")
    else()
      message(STATUS "SDK release: unknown (neither ${ORSDK_ROOT}/PRODUCT_VERSION.txt nor "
                     "include/fbsdk/fbversion.h names it); Qt as KEST_QT_MAJOR says")
      set(kest_release_reason "an SDK of unknown release")
    endif()
  else()
    set(KEST_SDK_RELEASE "${KEST_STANDIN_SDK_VERSION}")
    set(kest_release "${KEST_SDK_RELEASE}")
    set(kest_release_reason "the stand-in SDK of ${kest_release}")
  endif()

  if(NOT ORSDK_ROOT AND KEST_QT_MAJOR STREQUAL "4")
    message(FATAL_ERROR "The stand-in SDK's build (no ORSDK_ROOT) links its tests with the plug-in's Qt, "
                        "which Debian has as Qt 5 and 6 only: leave KEST_QT_MAJOR empty, or set it to 5 or 6")
  elseif(NOT KEST_QT_MAJOR STREQUAL "")
    set(kest_qt_major "${KEST_QT_MAJOR}")
    set(kest_qt_reason "KEST_QT_MAJOR")
  elseif(NOT ORSDK_ROOT)
    set(kest_qt_major 5)
    set(kest_qt_reason "the stand-in SDK's build")
  else()
    kest_release_qt_major("${kest_release}" kest_qt_major)
    set(kest_qt_reason "${kest_release_reason}")
  endif()

  if(kest_qt_major STREQUAL "6")
    set(KEST_PLUGIN_CXX_STANDARD 17)
    set(kest_cxx_reason "Qt 6's headers need it")
  elseif(kest_release GREATER_EQUAL 2024)
    set(KEST_PLUGIN_CXX_STANDARD 17)
    set(kest_cxx_reason "${kest_release_reason} builds its plug-ins as C++17")
  else()
    set(KEST_PLUGIN_CXX_STANDARD 11)
    set(kest_cxx_reason "neither Qt ${kest_qt_major} nor ${kest_release_reason} needs C++17")
  endif()
endmacro()

# kest_write_choices(file): the build's choices, one KEY=VALUE a line, for scripts to read (the
# configure messages say the same for people): release, release_source, qt (its version),
# qt_major, qt_reason, standard, standard_reason, installs_for (the release the plug-in installs
# for; empty when refused) and refusal.
function(kest_write_choices file)
  if(KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "")
    set(installs_for "${KEST_PLUGIN_RELEASE}")
  endif()
  file(WRITE "${file}" "release=${KEST_SDK_RELEASE}\nrelease_source=${kest_release_source}\n"
                       "qt=${kest_qt_version}\nqt_major=${kest_qt_major}\nqt_reason=${kest_qt_reason}\n"
                       "standard=${KEST_PLUGIN_CXX_STANDARD}\nstandard_reason=${kest_cxx_reason}\n"
                       "installs_for=${installs_for}\nrefusal=${KEST_PLUGIN_RELEASE_REFUSAL}\n")
endfunction()
