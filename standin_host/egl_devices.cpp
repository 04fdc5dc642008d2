// The EGL devices: their discovery through EGL_EXT_device_enumeration, what the user is told of
// them, and the display that a context on the chosen one is made on.

#include "egl_devices.h"

#include <EGL/eglext.h>

#include <algorithm>
#include <charconv>

namespace hudhost {

const char* const kEglInstallHint = "install Mesa's libegl-mesa0 and libgl1-mesa-dri, or a GPU vendor's OpenGL driver "
                                    "for glvnd (libglvnd0)";

namespace {

bool HasExtension(const char* pExtensions, const char* pName)
{
    if (!pExtensions) return false;
    const std::string lList = std::string(" ") + pExtensions + " ";
    return lList.find(std::string(" ") + pName + " ") != std::string::npos;
}

bool HasClientExtension(const char* pName)
{
    return HasExtension(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), pName);
}

//! The EGL devices in EGL's order; none where EGL has no device platform.
std::vector<EGLDeviceEXT> EglDevices()
{
    if (!HasClientExtension("EGL_EXT_platform_device") || !HasClientExtension("EGL_EXT_device_enumeration")) return {};
    const auto lQueryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    EGLint lCount = 0;
    if (!lQueryDevices || !lQueryDevices(0, nullptr, &lCount) || lCount <= 0) return {};
    std::vector<EGLDeviceEXT> lDevices(static_cast<size_t>(lCount));
    if (!lQueryDevices(lCount, lDevices.data(), &lCount)) return {};
    lDevices.resize(static_cast<size_t>(std::max(lCount, 0)));
    return lDevices;
}

//! A string of the device's; empty where it offers none.
std::string DeviceString(EGLDeviceEXT pDevice, EGLint pName)
{
    static const auto sQueryString =
        reinterpret_cast<PFNEGLQUERYDEVICESTRINGEXTPROC>(eglGetProcAddress("eglQueryDeviceStringEXT"));
    const char* lString = sQueryString ? sQueryString(pDevice, pName) : nullptr;
    return lString ? lString : "";
}

GlDeviceInfo DescribeDevice(EGLDeviceEXT pDevice, int pIndex)
{
    const std::string lExtensions = DeviceString(pDevice, EGL_EXTENSIONS);
    GlDeviceInfo lInfo;
    lInfo.index = pIndex;
    lInfo.software = HasExtension(lExtensions.c_str(), "EGL_MESA_device_software");
    std::vector<std::string> lNames;
    if (HasExtension(lExtensions.c_str(), "EGL_EXT_device_query_name")) {
        lNames.push_back(DeviceString(pDevice, EGL_VENDOR));
        lNames.push_back(DeviceString(pDevice, EGL_RENDERER_EXT));
    }
    if (HasExtension(lExtensions.c_str(), "EGL_EXT_device_drm"))
        lNames.push_back(DeviceString(pDevice, EGL_DRM_DEVICE_FILE_EXT));
    for (const std::string& lName : lNames) {
        if (lName.empty()) continue;
        lInfo.name += (lInfo.name.empty() ? "" : ", ") + lName;
    }
    return lInfo;
}

//! "0 (Mesa software)", "1 (hardware: NVIDIA, ...)".
std::string DeviceSummary(const GlDeviceInfo& pDevice)
{
    return std::to_string(pDevice.index) + " (" + (pDevice.software ? "Mesa software" : "hardware") +
           (pDevice.name.empty() ? "" : ": " + pDevice.name) + ")";
}

DisplayChoice DeviceDisplay(EGLDeviceEXT pDevice, int pIndex)
{
    return {eglGetPlatformDisplay(EGL_PLATFORM_DEVICE_EXT, pDevice, nullptr),
            "EGL device " + DeviceSummary(DescribeDevice(pDevice, pIndex)), false};
}

//! The first device that is (pSoftware) or is not Mesa's software renderer.
std::optional<DisplayChoice> FirstDevice(const std::vector<EGLDeviceEXT>& pDevices, bool pSoftware)
{
    for (size_t i = 0; i < pDevices.size(); ++i)
        if (DescribeDevice(pDevices[i], static_cast<int>(i)).software == pSoftware)
            return DeviceDisplay(pDevices[i], static_cast<int>(i));
    return std::nullopt;
}

} // namespace

std::optional<DisplayChoice> ChooseDisplay(const GlDevice& pDevice, std::string& pError)
{
    const std::vector<EGLDeviceEXT> lDevices = EglDevices();
    if (pDevice.kind == GlDevice::kIndex) {
        const size_t lIndex = static_cast<size_t>(pDevice.index);
        if (lIndex < lDevices.size()) return DeviceDisplay(lDevices[lIndex], pDevice.index);
        pError = MissingGlDevice(pDevice).value_or("no EGL device " + std::to_string(pDevice.index));
        return std::nullopt;
    }
    if (pDevice.kind == GlDevice::kAuto)
        if (std::optional<DisplayChoice> lHardware = FirstDevice(lDevices, false)) return lHardware;
    if (std::optional<DisplayChoice> lSoftware = FirstDevice(lDevices, true)) return lSoftware;
    if (!HasClientExtension("EGL_MESA_platform_surfaceless")) {
        pError = std::string(pDevice.kind == GlDevice::kSoftware ? "no EGL device of Mesa's software renderer"
                                                                 : "no EGL device") +
                 " and no Mesa surfaceless platform: " + kEglInstallHint;
        return std::nullopt;
    }
    return DisplayChoice{eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr),
                         "Mesa's surfaceless platform", pDevice.kind == GlDevice::kSoftware};
}

std::optional<GlDevice> ParseGlDevice(const std::string& pText)
{
    if (pText == "auto") return GlDevice{GlDevice::kAuto, 0};
    if (pText == "software") return GlDevice{GlDevice::kSoftware, 0};
    int lIndex = 0;
    const auto lResult = std::from_chars(pText.data(), pText.data() + pText.size(), lIndex);
    if (lResult.ec != std::errc() || lResult.ptr != pText.data() + pText.size() || lIndex < 0) return std::nullopt;
    return GlDevice{GlDevice::kIndex, lIndex};
}

std::vector<GlDeviceInfo> GlDevices()
{
    const std::vector<EGLDeviceEXT> lDevices = EglDevices();
    std::vector<GlDeviceInfo> lInfos;
    for (size_t i = 0; i < lDevices.size(); ++i) lInfos.push_back(DescribeDevice(lDevices[i], static_cast<int>(i)));
    return lInfos;
}

std::string GlDeviceListing()
{
    const std::vector<GlDeviceInfo> lDevices = GlDevices();
    if (lDevices.empty()) return "No EGL devices: contexts are made on Mesa's surfaceless platform.\n";
    std::string lListing = "EGL devices (index, renderer, name where the device offers one):\n";
    for (const GlDeviceInfo& lDevice : lDevices) {
        std::string lLine =
            "  " + std::to_string(lDevice.index) + "  " + (lDevice.software ? "Mesa software" : "hardware");
        lLine.resize(std::max<size_t>(lLine.size() + 2, 22), ' ');
        lListing += lLine + (lDevice.name.empty() ? "-" : lDevice.name) + "\n";
    }
    return lListing;
}

std::optional<std::string> MissingGlDevice(const GlDevice& pDevice)
{
    if (pDevice.kind != GlDevice::kIndex) return std::nullopt;
    const std::vector<GlDeviceInfo> lDevices = GlDevices();
    if (static_cast<size_t>(pDevice.index) < lDevices.size()) return std::nullopt;
    std::string lThere = lDevices.empty() ? "EGL has no devices here" : "the devices are";
    for (size_t i = 0; i < lDevices.size(); ++i) lThere += (i ? ", " : " ") + DeviceSummary(lDevices[i]);
    return "no EGL device " + std::to_string(pDevice.index) + ": " + lThere + " (hudhost --list-gl-devices)";
}

} // namespace hudhost
