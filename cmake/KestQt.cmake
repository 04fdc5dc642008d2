# Finds the host's Qt Core, of the major version that kest_choose_for_sdk (KestSdkReleases.cmake)
# chose, kest_qt_major, which the plug-in shares with the host process.
#
# The rest of the build names the chosen Qt's Core library kest_qt_core and its resource
# compiler KEST_RCC, which kest_resource_bundle runs.
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
