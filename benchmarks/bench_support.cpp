#include "bench_support.h"

#include <GL/gl.h>

#include <ctime>
#include <memory>
#include <optional>

namespace kestbench {

namespace {

fbhost::Viewer& ViewingOptions()
{
    static fbhost::Viewer sViewer;
    return sViewer;
}

} // namespace

Rect SquareRect(double pWidth) { return fbhost::HudRect(kesttest::kDialRect.mX, kesttest::kDialRect.mY, pWidth, pWidth); }

hudhost::OffscreenGL* Viewer(std::string& pError)
{
    static std::string sError;
    static const std::unique_ptr<hudhost::OffscreenGL> sViewer =
        hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, sError);
    if (!sViewer) pError = "no OpenGL context: " + sError;
    return sViewer.get();
}

Dial::Dial(benchmark::State& pState) : mState(pState), mElement(nullptr)
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = Viewer(lError) ? kesttest::DialClass(lError) : nullptr;
    if (lClass) mElement = fbhost::CreateElement(*lClass, "Dial");
    if (!mElement) mState.SkipWithError((lClass ? "the plug-in made no dial" : lError).c_str());
}

Dial::~Dial() { fbhost::DestroyElement(mElement); }

bool Dial::Set(const std::string& pName, const std::string& pText)
{
    std::string lError;
    if (mElement && kesttest::SetFromText(*mElement, pName, pText, lError)) return true;
    if (mElement) mState.SkipWithError(lError.c_str());
    return false;
}

void Dial::Draw(Rect pRect) { mElement->DrawElement(ViewingOptions().Options(), pRect); }

void Finish() { glFinish(); }

double ThreadSeconds()
{
    timespec lTime{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &lTime);
    return static_cast<double>(lTime.tv_sec) + 1e-9 * static_cast<double>(lTime.tv_nsec);
}

kesttest::Recording RecordDraw(Dial& pDial, Rect pRect)
{
    const kesttest::GlRecorder lRecorder;
    pDial.Draw(pRect);
    return lRecorder.Result();
}

std::optional<double> UploadedTextureBytes(const kesttest::Recording& pRecording)
{
    double lBytes = 0.0;
    for (const kesttest::GlCall& lCall : pRecording.calls) {
        if (lCall.function != kesttest::GlFunction::TexImage2D) continue;
        // glTexImage2D(target, level, internal format, width, height, border, format, type)
        if (static_cast<GLenum>(lCall.args[6]) != GL_ALPHA || static_cast<GLenum>(lCall.args[7]) != GL_UNSIGNED_BYTE)
            return std::nullopt;
        lBytes += lCall.args[3] * lCall.args[4];
    }
    return lBytes;
}

} // namespace kestbench
