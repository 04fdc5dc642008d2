# The host's Qt, whose Core the plug-in shares with the host process. The build names Qt 5's
# targets (Qt5::Core, Qt5::rcc); with KEST_QT_MAJOR 4 they stand for Qt 4's, found through a
# Qt 4 qmake (QT_QMAKE_EXECUTABLE). Qt 6 is not offered: its headers need C++17, and the
# plug-in is C++11 like the SDK.
set(KEST_QT_MAJOR 5 CACHE STRING "Major version of the host's Qt that the plug-in links: 5 or 4")
set_property(CACHE KEST_QT_MAJOR PROPERTY STRINGS 5 4)

if(KEST_QT_MAJOR STREQUAL "5")
  find_package(Qt5 REQUIRED COMPONENTS Core)
elseif(KEST_QT_MAJOR STREQUAL "4")
  find_package(Qt4 4.8 REQUIRED COMPONENTS QtCore)
  add_library(Qt5::Core ALIAS Qt4::QtCore)
  add_executable(Qt5::rcc ALIAS Qt4::rcc)
  # Qt 4's resource compiler takes single-dash options and writes format version 1 anyway.
  set(KEST_RCC_OPTIONS -name kestdialhudelement -no-compress
      CACHE STRING "Options of Qt's resource compiler for the font bundle")
else()
  message(FATAL_ERROR "KEST_QT_MAJOR is \"${KEST_QT_MAJOR}\"; set it to 5 or 4, the Qt of the host")
endif()
