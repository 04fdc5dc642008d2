# The host release the plug-in is built for, KEST_PLUGIN_RELEASE (2016, ..., 2027): a plug-in
# runs only in the release whose SDK it was built against, since the SDK's virtual tables and
# layouts change between releases. It is the release of the SDK that kest_choose_for_sdk read
# (KEST_SDK_RELEASE): KEST_STANDIN_SDK_VERSION for the stand-in SDK's build, the release an SDK
# install says it is (kest_sdk_release) for a build against one (ORSDK_ROOT).
#
# A plug-in is installed or packaged for its release only if it is right for that release:
#  - built against that release's binary interface: the stand-in SDK of a release it presents
#    (KEST_SDK_RELEASES), or a host's own SDK install, which is the binary interface of the
#    release it says;
#  - linking the Qt major version that release runs (kest_release_qt_major);
#  - importing no symbol version newer than the oldest host's platform has, which only the built
#    plug-in can tell: kest_install_release_check checks it when installing.
# KEST_PLUGIN_RELEASE_REFUSAL, when not empty, says why the first two do not hold, and what to do.
set(KEST_PLUGIN_RELEASE "${KEST_SDK_RELEASE}")

# The install prints the reason as one line: CMake leaves a message that starts with a space unwrapped.
set(KEST_PLUGIN_RELEASE_REFUSAL "")
if(KEST_PLUGIN_RELEASE STREQUAL "")
  set(KEST_PLUGIN_RELEASE_REFUSAL "the SDK does not say its release; build against one that does")
else()
  if(ORSDK_ROOT AND NOT KEST_PLUGIN_RELEASE IN_LIST KEST_SDK_RELEASES)
    kest_is_standin_sdk("${ORSDK_INCLUDE_DIR}" kest_standin_tree)
    if(kest_standin_tree)
      string(CONCAT KEST_PLUGIN_RELEASE_REFUSAL "no binary interface is known for MotionBuilder ${KEST_PLUGIN_RELEASE}; "
                    "build against that release's own SDK install")
    endif()
  endif()
  kest_release_qt_major("${KEST_PLUGIN_RELEASE}" kest_release_qt)
  if(KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "" AND NOT kest_qt_major STREQUAL kest_release_qt)
    string(CONCAT KEST_PLUGIN_RELEASE_REFUSAL
                  "MotionBuilder ${KEST_PLUGIN_RELEASE} runs Qt ${kest_release_qt}, and this plug-in links "
                  "Qt ${kest_qt_major}; build it against an SDK of ${KEST_PLUGIN_RELEASE} "
                  "(ORSDK_ROOT) with Qt ${kest_release_qt}, as README's Installing section says")
  endif()
endif()
if(KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "")
  message(STATUS "Plug-in: for MotionBuilder ${KEST_PLUGIN_RELEASE} only")
else()
  message(STATUS "Plug-in: not to be installed or packaged: ${KEST_PLUGIN_RELEASE_REFUSAL}")
endif()

# kest_install_release_check(target): install code of the component "plugin", run before any of
# its files is copied, that says the release the plug-in is for, or stops with one line that says
# why it is not installed: KEST_PLUGIN_RELEASE_REFUSAL, or symbol versions newer than the oldest
# host's platform has (scripts/check-symbol-versions.sh names them).
function(kest_install_release_check target)
  if(NOT KEST_PLUGIN_RELEASE_REFUSAL STREQUAL "")
    install(CODE "message(FATAL_ERROR \" Not installing: ${KEST_PLUGIN_RELEASE_REFUSAL}\")" COMPONENT plugin)
    return()
  endif()
  set(check "${PROJECT_SOURCE_DIR}/scripts/check-symbol-versions.sh")
  install(CODE "
    execute_process(COMMAND bash \"${check}\" \"$<TARGET_FILE:${target}>\"
                    RESULT_VARIABLE kest_status OUTPUT_QUIET ERROR_QUIET)
    if(NOT kest_status EQUAL 0)
      message(FATAL_ERROR \" Not installing: $<TARGET_FILE_NAME:${target}> imports symbol versions newer than \"
                          \"the oldest host's platform has; scripts/check-symbol-versions.sh names them\")
    endif()
    message(STATUS \"Kest Dial HUD Element for MotionBuilder ${KEST_PLUGIN_RELEASE} only\")"
    COMPONENT plugin)
endfunction()
