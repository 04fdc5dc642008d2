# The host's Qt Core, which the plug-in shares with the host process: MotionBuilder 2016 runs
# Qt 4.8, 2017 to 2024 run Qt 5, 2025 and later run Qt 6. Built against a host SDK (ORSDK_ROOT),
# the plug-in takes the Qt of that SDK's release (kest_sdk_release, KestSdkReleases.cmake); KEST_QT_MAJOR overrides
# that. The stand-in build (no ORSDK_ROOT) takes Qt 5 unless told 6: its host program links no
# Qt, and its tests link the plug-in's.
#
# The plug-in's C++ standard follows: C++17 with Qt 6, whose headers need it, and against an SDK
# of 2024 or later, whose hosts build their plug-ins as C++17; C++11 otherwise, the standard of
# the older hosts' compilers. KEST_PLUGIN_CXX_STANDARD holds it for plugin/.
#
# The rest of the build names the chosen Qt's Core library kest_qt_core and its resource
# compiler KEST_RCC, which kest_resource_bundle runs.
set(KEST_QT_MAJOR "" CACHE STRING "Major version of the host's Qt: 4, 5 or 6; empty follows the SDK's release")
set_property(CACHE KEST_QT_MAJOR PROPERTY STRINGS "" 6 5 4)

# KEST_SDK_RELEASE: the release of the SDK the plug-in is built against, which KestPluginRelease
# names the install after; empty for an SDK install that does not say.
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

if(kest_qt_major STREQUAL "6" OR kest_qt_major STREQUAL "5")
  set(kest_qt "Qt${kest_qt_major}")
  find_package(${kest_qt} COMPONENTS Core)
  if(NOT ${kest_qt}Core_FOUND)
    if(kest_qt_major STREQUAL "6")
      set(kest_qt_debian_package qt6-base-dev)
    else()
      set(kest_qt_debian_package qtbase5-dev)
    endif()
    message(FATAL_ERROR "Qt ${kest_qt_major} Core not found, which ${kest_qt_reason} needs: install the host's "
                        "Qt ${kest_qt_major} development files (Debian: ${kest_qt_debian_package}) or point "
                        "${kest_qt}_DIR at its lib/cmake/${kest_qt}.")
  endif()
  add_library(kest_qt_core INTERFACE)
  target_link_libraries(kest_qt_core INTERFACE ${kest_qt}::Core)
  set(KEST_RCC ${kest_qt}::rcc)
  set(kest_rcc_name_option --name)
  set(kest_rcc_options --format-version 1 --no-compress)
  set(kest_qt_version "${${kest_qt}Core_VERSION}")
elseif(kest_qt_major STREQUAL "4")
  find_package(Qt4 4.8 COMPONENTS QtCore)
  if(NOT Qt4_FOUND)
    message(FATAL_ERROR "Qt 4.8 Core not found, which ${kest_qt_reason} needs: the host runs Qt 4.8, "
                        "and the plug-in must link the same Qt. Install Qt 4.8's development files and "
                        "point QT_QMAKE_EXECUTABLE at its qmake, or set KEST_QT_MAJOR to 5 or 6 for a "
                        "host that runs Qt 5 or 6.")
  endif()
  add_library(kest_qt_core INTERFACE)
  target_link_libraries(kest_qt_core INTERFACE Qt4::QtCore)
  set(KEST_RCC Qt4::rcc)
  # Qt 4's resource compiler takes single-dash options and writes format version 1 anyway.
  set(kest_rcc_name_option -name)
  set(kest_rcc_options -no-compress)
  set(kest_qt_version "${QTVERSION}")
else()
  message(FATAL_ERROR "KEST_QT_MAJOR is \"${KEST_QT_MAJOR}\"; set it to 4, 5 or 6, the Qt of the host, "
                      "or leave it empty to follow the SDK's release")
endif()
message(STATUS "Qt: ${kest_qt_version} Core, chosen by ${kest_qt_reason}")
# Qt 5 and 6 tag every binary built against them with the symbol version of their minor release
# (qt_version_tag@Qt_5.15, say), so that it refuses to load into an older Qt. The hosts run
# older minor releases than the Qt built against here (2017 to 2020 run Qt 5.6 to 5.12), and the
# plug-in uses nothing newer than their Qt, so it asks for the major version's base only.
target_compile_definitions(kest_qt_core INTERFACE QT_NO_VERSION_TAGGING)

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
message(STATUS "Plug-in: C++${KEST_PLUGIN_CXX_STANDARD}, because ${kest_cxx_reason}")

# kest_resource_bundle(output qrc name files...): compiles the resource description qrc, which
# lists files, into the C++ source output as the bundle name: format version 1 (no modification
# times), stored uncompressed.
function(kest_resource_bundle output qrc name)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${KEST_RCC} ${kest_rcc_name_option} ${name} ${kest_rcc_options} "${qrc}" -o "${output}"
    DEPENDS "${qrc}" ${ARGN}
    COMMENT "Compiling the resource bundle ${name}"
    VERBATIM)
endfunction()
