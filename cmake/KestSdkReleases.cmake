# The host SDK releases the project knows: for each, the namespace and the kernel version that
# its fbsdk/fbversion.h defines (2020 kept the namespace of 2019; 2022 and later define no kernel
# version). They are the releases the stand-in SDK follows (KEST_STANDIN_SDK_VERSION) and whose
# binary interface it presents, and so the only ones a plug-in is installed for. KEST_SDK_RELEASES
# lists their years.
set(kest_sdk_namespaces 2016 ORSDK2016 2017 ORSDK2017 2018 ORSDK2018 2019 ORSDK2019 2020 ORSDK2019
    2022 ORSDK2022 2023 ORSDK2023)
set(kest_sdk_kernel_versions 2016 16000 2017 16500 2018 18000 2019 19000 2020 20000)

set(KEST_SDK_RELEASES "")
foreach(kest_entry IN LISTS kest_sdk_namespaces)
  if(kest_entry MATCHES "^[0-9]+$")
    list(APPEND KEST_SDK_RELEASES "${kest_entry}")
  endif()
endforeach()
