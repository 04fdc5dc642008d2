# kest::plugin_code: how every source of the plug-in is compiled, the element's (element/) and the
# library's own (plugin/); both link it PRIVATE. Their C++ standard, KEST_PLUGIN_CXX_STANDARD
# (cmake/KestSdkReleases.cmake), and hidden inline functions are set where the top CMakeLists.txt adds the
# two folders.
#
# No floating-point contraction, so that the drawing rounds the same whatever -march is chosen.
#
# The plug-in imports no symbol version that the oldest host's platform, RHEL 6, lacks
# (scripts/check-symbol-versions.sh): every source binds memcpy to the version that its glibc
# has, and deletes without the size, as C++11 does, since the sized operator delete that C++14
# and later call (CXXABI_1.3.9) is newer than its libstdc++.
#
# In the fuzzing build (KEST_FUZZ) the plug-in's coverage guides the fuzzer; the fuzzer defines
# the callbacks, which bind when it loads the plug-in.
add_library(kest_plugin_code INTERFACE)
add_library(kest::plugin_code ALIAS kest_plugin_code)
target_compile_options(kest_plugin_code INTERFACE
  -ffp-contract=off -fno-fast-math
  -include "${PROJECT_SOURCE_DIR}/plugin/kestdialhudelement_glibc.h" -fno-sized-deallocation
  $<$<BOOL:${KEST_FUZZ}>:-fsanitize=fuzzer-no-link>)

# The plug-in's bytes do not depend on where its source, its build, the SDK or Qt 4 lie: debug
# information and __FILE__ name them by fixed stand-ins, so that the same sources and libraries
# build the same plug-in in any folder. GCC tries the map given last first, so the build folder,
# which may lie inside the source folder, comes last.
set(kest_path_maps "${PROJECT_SOURCE_DIR}=kestdialhudelement")
if(ORSDK_ROOT)
  list(APPEND kest_path_maps "${ORSDK_INCLUDE_DIR}=OpenRealitySDK/include")
endif()
if(kest_qt_major STREQUAL "4")
  list(APPEND kest_path_maps "${QT_INCLUDE_DIR}=Qt4/include")
endif()
list(APPEND kest_path_maps "${PROJECT_BINARY_DIR}=kestdialhudelement-build")
list(TRANSFORM kest_path_maps PREPEND "-ffile-prefix-map=")
target_compile_options(kest_plugin_code INTERFACE ${kest_path_maps})
