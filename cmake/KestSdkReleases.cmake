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
