# The host's Qt Core, which the plug-in shares with the host process: MotionBuilder 2016 runs
# Qt 4.8, 2017 and later run Qt 5. Built against a host SDK (ORSDK_ROOT), the plug-in takes the
# Qt of that SDK's release, read from the namespace in its fbsdk/fbversion.h; KEST_QT_MAJOR
# overrides that. The stand-in build (no ORSDK_ROOT), whose host program and tests use Qt 5,
# takes Qt 5. Qt 6 is not offered: its headers need C++17, and plug-ins of these hosts are C++11.
#
# The rest of the build names the chosen Qt's Core library kest_qt_core and its resource
# compiler KEST_RCC, which kest_resource_bundle runs.
set(KEST_QT_MAJOR "" CACHE STRING "Major version of the host's Qt: 4 or 5; empty follows the SDK's release")
set_property(CACHE KEST_QT_MAJOR PROPERTY STRINGS "" 5 4)

# kest_sdk_release(include_dir out_var): the year of the SDK release whose headers are in
# include_dir (2016, 2017, ...), from the namespace that fbsdk/fbversion.h defines; empty when
# the header does not say.
function(kest_sdk_release include_dir out_var)
  set(release "")
  set(version_header "${include_dir}/fbsdk/fbversion.h")
  if(EXISTS "${version_header}")
    file(STRINGS "${version_header}" namespace_lines REGEX "#[ \t]*define[ \t]+FBSDKNamespace[ \t]+ORSDK[0-9]+")
    if(namespace_lines MATCHES "ORSDK([0-9]+)")
      set(release "${CMAKE_MATCH_1}")
    endif()
  endif()
  set(${out_var} "${release}" PARENT_SCOPE)
endfunction()

if(NOT ORSDK_ROOT AND KEST_QT_MAJOR STREQUAL "4")
  message(FATAL_ERROR "The stand-in SDK's build (no ORSDK_ROOT) links its host program and tests with "
                      "Qt 5, so the plug-in there takes Qt 5 too: leave KEST_QT_MAJOR empty or 5")
elseif(NOT KEST_QT_MAJOR STREQUAL "")
  set(kest_qt_major "${KEST_QT_MAJOR}")
  set(kest_qt_reason "KEST_QT_MAJOR")
elseif(NOT ORSDK_ROOT)
  set(kest_qt_major 5)
  set(kest_qt_reason "the stand-in SDK's build")
else()
  kest_sdk_release("${ORSDK_INCLUDE_DIR}" kest_sdk_release)
  if(kest_sdk_release STREQUAL "")
    message(FATAL_ERROR "Cannot tell the SDK's release from ${ORSDK_INCLUDE_DIR}/fbsdk/fbversion.h (no "
                        "FBSDKNamespace ORSDK<year> there), so cannot tell which Qt the host runs. "
                        "Set KEST_QT_MAJOR to 4 (MotionBuilder 2016) or 5 (2017 and later).")
  endif()
  if(kest_sdk_release LESS 2017)
    set(kest_qt_major 4)
  else()
    set(kest_qt_major 5)
  endif()
  set(kest_qt_reason "the SDK of ${kest_sdk_release} (${ORSDK_INCLUDE_DIR}/fbsdk/fbversion.h)")
endif()

if(kest_qt_major STREQUAL "5")
  find_package(Qt5 COMPONENTS Core)
  if(NOT Qt5Core_FOUND)
    message(FATAL_ERROR "Qt 5 Core not found, which ${kest_qt_reason} needs: install the host's Qt 5 "
                        "development files (Debian: qtbase5-dev) or point Qt5_DIR at its lib/cmake/Qt5.")
  endif()
  add_library(kest_qt_core INTERFACE)
  target_link_libraries(kest_qt_core INTERFACE Qt5::Core)
  set(KEST_RCC Qt5::rcc)
  set(kest_rcc_name_option --name)
  set(kest_rcc_options --format-version 1 --no-compress)
  set(kest_qt_version "${Qt5Core_VERSION}")
elseif(kest_qt_major STREQUAL "4")
  find_package(Qt4 4.8 COMPONENTS QtCore)
  if(NOT Qt4_FOUND)
    message(FATAL_ERROR "Qt 4.8 Core not found, which ${kest_qt_reason} needs: the host runs Qt 4.8, "
                        "and the plug-in must link the same Qt. Install Qt 4.8's development files and "
                        "point QT_QMAKE_EXECUTABLE at its qmake, or set KEST_QT_MAJOR to 5 for a host "
                        "that runs Qt 5.")
  endif()
  add_library(kest_qt_core INTERFACE)
  target_link_libraries(kest_qt_core INTERFACE Qt4::QtCore)
  set(KEST_RCC Qt4::rcc)
  # Qt 4's resource compiler takes single-dash options and writes format version 1 anyway.
  set(kest_rcc_name_option -name)
  set(kest_rcc_options -no-compress)
  set(kest_qt_version "${QTVERSION}")
else()
  message(FATAL_ERROR "KEST_QT_MAJOR is \"${KEST_QT_MAJOR}\"; set it to 4 or 5, the Qt of the host, or "
                      "leave it empty to follow the SDK's release")
endif()
message(STATUS "Qt: ${kest_qt_version} Core, chosen by ${kest_qt_reason}")

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
