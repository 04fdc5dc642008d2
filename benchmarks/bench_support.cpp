#include "bench_support.h"

#include <GL/gl.h>

#include <ctime>
#include <memory>
#include <optional>

namespace kestbench {

hudhost::OffscreenGL* Viewer(std::string& pError)
{
    static std::string sError;
    static const std::unique_ptr<hudhost::OffscreenGL> sViewer =
        hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, sError);
    if (!sViewer) pError = "no OpenGL context: " + sError;
    return sViewer.get();
}

Dial::Dial(benchmark::State& pState)
    : kestdial::Dial([&pState](const std::string& pWhy) { pState.SkipWithError(pWhy.c_str()); })
{
}

void Finish() { glFinish(); }

double ThreadSeconds()
{
    timespec lTime{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &lTime);
    return static_cast<double>(lTime.tv_sec) + 1e-9 * static_cast<double>(lTime.tv_nsec);
}

std::optional<double> UploadedTextureBytes(const kestdial::Recording& pRecording)
{
    double lBytes = 0.0;
    for (const kestdial::GlCall& lCall : pRecording.calls) {
        if (lCall.function != kestdial::GlFunction::TexImage2D) continue;
        // glTexImage2D(target, level, internal format, width, height, border, format, type)
        if (static_cast<GLenum>(lCall.args[6]) != GL_ALPHA || static_cast<GLenum>(lCall.args[7]) != GL_UNSIGNED_BYTE)
            return std::nullopt;
        lBytes += lCall.args[3] * lCall.args[4];
    }
    return lBytes;
}

} // namespace kestbench
