// The cost of the dial's draws in the viewer's context (llvmpipe): the typical dial, the same at
// an odd width, one dial in two panes and in two contexts, the floor of its GL calls replayed, heap allocations,
// texture memory, creation and destruction, and how the cost grows with ticks, label length and
// the number of elements.

#include "bench_support.h"
#include "heap_counter.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace kestbench;

namespace {

using benchmark::Counter;

//! A dial 201 wide: radius 100.5, which is not the radius the faces were sized for (100).
const Rect kOddRect = SquareRect(201.0);

//! Runs pFrame once untimed (the glyphs it meets are loaded), then once an iteration followed by
//! Finish; reports the heap allocations of pFrame (Finish's left out) an iteration.
template <class tFrame> void SteadyFrames(benchmark::State& pState, tFrame&& pFrame)
{
    pFrame();
    Finish();
    HeapCount lHeap;
    for ([[maybe_unused]] auto _ : pState) {
        const HeapCount lBefore = HeapCountNow();
        pFrame();
        const HeapCount lFrame = HeapCountNow() - lBefore;
        lHeap.allocations += lFrame.allocations;
        lHeap.news += lFrame.news;
        Finish();
    }
    pState.counters["allocs"] = Counter(static_cast<double>(lHeap.allocations), Counter::kAvgIterations);
    pState.counters["news"] = Counter(static_cast<double>(lHeap.news), Counter::kAvgIterations);
}

//! The GL calls of a steady draw of pDial into pRect, checked to draw what the draw draws when
//! replayed; std::nullopt, the benchmark skipped, when they do not.
std::optional<std::vector<kestdial::GlCall>> SteadyCalls(benchmark::State& pState, Dial& pDial, Rect pRect)
{
    std::string lError;
    hudhost::OffscreenGL& lViewer = *Viewer(lError); // there is one: pDial was made in it
    const auto lFrame = [&lViewer](auto&& pDraw) {
        lViewer.Clear(0.2f, 0.2f, 0.2f);
        pDraw();
        lViewer.Finish();
        return lViewer.ReadPixels();
    };
    pDial.Draw(pRect);
    const kestdial::Recording lRecording = kestdial::RecordDraw(pDial, pRect);
    bool lReplayed = false;
    const bool lSamePixels =
        lFrame([&] { pDial.Draw(pRect); }) == lFrame([&] { lReplayed = kestdial::Replay(lRecording.calls); });
    if (!lReplayed) pState.SkipWithError("a steady draw makes or fills textures: it cannot be replayed");
    else if (!lSamePixels) pState.SkipWithError("the replayed calls draw other pixels: the recorder misses calls");
    else return lRecording.calls;
    return std::nullopt;
}

//! The heap allocations of a steady draw of pDial into pRect made outside libGL, a mean per draw:
//! counted on a thread with no current context, where every GL call does nothing (and the
//! recorder answers the viewport query as the viewer does).
double OwnAllocations(Dial& pDial, Rect pRect)
{
    constexpr int kDraws = 100;
    double lMean = 0.0;
    kestdial::SetViewportAnswer(std::array<int, 4>{0, 0, kViewerSize, kViewerSize});
    std::thread([&] {
        pDial.Draw(pRect); // the thread's first GL calls
        const HeapCount lBefore = HeapCountNow();
        for (int i = 0; i < kDraws; ++i) pDial.Draw(pRect);
        lMean = static_cast<double>((HeapCountNow() - lBefore).allocations) / kDraws;
    }).join();
    kestdial::SetViewportAnswer(std::nullopt);
    return lMean;
}

//! The sizes of the textures that pRecording makes, "1024x32 512x64".
std::string TextureSizes(const kestdial::Recording& pRecording)
{
    std::string lSizes;
    for (const kestdial::GlCall& lCall : pRecording.calls)
        if (lCall.function == kestdial::GlFunction::TexImage2D)
            lSizes += (lSizes.empty() ? "" : " ") + std::to_string(static_cast<long>(lCall.args[3])) + "x" +
                      std::to_string(static_cast<long>(lCall.args[4]));
    return lSizes;
}

//! A label of pLength characters: "METER METER ME".
std::string RepeatedLabel(int64_t pLength)
{
    std::string lLabel;
    for (int64_t i = 0; i < pLength; ++i) lLabel += "METER "[i % 6];
    return lLabel;
}

} // namespace

// The typical dial's steady draw at width 200, and at 201. "allocs" counts every
// allocation of the draw, libGL's included; "allocs_own" those made outside libGL.
void BM_SteadyDraw(benchmark::State& pState)
{
    Dial lDial(pState);
    if (!lDial) return;
    const Rect lRect = SquareRect(static_cast<double>(pState.range(0)));
    SteadyFrames(pState, [&] { lDial.Draw(lRect); });
    pState.counters["allocs_own"] = OwnAllocations(lDial, lRect);
}
BENCHMARK(BM_SteadyDraw)->ArgName("width")->Arg(200)->Arg(201)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The floor: the calls of the typical dial's steady draw replayed from memory.
void BM_Replay(benchmark::State& pState)
{
    Dial lDial(pState);
    if (!lDial) return;
    const std::optional<std::vector<kestdial::GlCall>> lCalls = SteadyCalls(pState, lDial, kestdial::kDialRect);
    if (!lCalls) return;
    pState.counters["calls"] = static_cast<double>(lCalls->size());
    SteadyFrames(pState, [&] { kestdial::Replay(*lCalls); });
}
BENCHMARK(BM_Replay)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The typical dial's steady draw with every GL call of the element and of FTGL dropped by the
// recorder before it reaches libGL: the processor time of the element's own code and of FTGL's
// text layout, which on a GPU driver, where GL calls are cheap, is most of what a draw costs.
// Beside the default dial: one of 100 ticks, and one with a 50-character label.
void BM_DrawOutsideGL(benchmark::State& pState, const std::vector<std::pair<std::string, std::string>>& pSettings)
{
    Dial lDial(pState);
    if (!lDial) return;
    for (const auto& [lName, lValue] : pSettings)
        if (!lDial.Set(lName, lValue)) return;
    lDial.Draw(); // its glyphs are loaded
    Finish();
    kestdial::SetViewportAnswer(std::array<int, 4>{0, 0, kViewerSize, kViewerSize});
    kestdial::DropGlCalls(true);
    for ([[maybe_unused]] auto _ : pState) lDial.Draw();
    kestdial::DropGlCalls(false);
    kestdial::SetViewportAnswer(std::nullopt);
}
BENCHMARK_CAPTURE(BM_DrawOutsideGL, default, {})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawOutsideGL, ticks_100, {{"Ticks", "100"}})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawOutsideGL, label_50, {{"Label", RepeatedLabel(50)}})->Unit(benchmark::kMicrosecond);

// Side by side: a dial 201 wide and one 200 wide, drawn alternately; ratio = 201 / 200.
void BM_OddOverEvenWidth(benchmark::State& pState)
{
    Dial lOdd(pState);
    Dial lEven(pState);
    if (!lOdd || !lEven) return;
    lOdd.Draw(kOddRect);
    lEven.Draw();
    const auto lDrawOdd = [&] {
        lOdd.Draw(kOddRect);
        Finish();
    };
    const auto lDrawEven = [&] {
        lEven.Draw();
        Finish();
    };
    SideBySide(pState, "w201_us", lDrawOdd, "w200_us", lDrawEven);
}
BENCHMARK(BM_OddOverEvenWidth)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Side by side: one dial drawn in two viewer panes, at widths 200 and 150 in every frame, as a
// host draws one HUD in each pane that looks through its camera; and two dials drawn at those
// widths alone. ratio = two panes / alone. "news" counts the operator new calls of a two-pane
// frame.
void BM_TwoPanes(benchmark::State& pState)
{
    Dial lPanes(pState);
    Dial lWide(pState);
    Dial lNarrow(pState);
    if (!lPanes || !lWide || !lNarrow) return;
    const Rect lNarrowRect = SquareRect(150.0);
    unsigned long lNews = 0;
    const auto lTwoPanes = [&] {
        const HeapCount lBefore = HeapCountNow();
        lPanes.Draw();
        lPanes.Draw(lNarrowRect);
        lNews += (HeapCountNow() - lBefore).news;
        Finish();
    };
    const auto lAlone = [&] {
        lWide.Draw();
        lNarrow.Draw(lNarrowRect);
        Finish();
    };
    lTwoPanes(); // the glyphs of both sizes are loaded
    lAlone();
    lNews = 0;
    SideBySide(pState, "panes_us", lTwoPanes, "alone_us", lAlone);
    pState.counters["news"] = Counter(static_cast<double>(lNews), Counter::kAvgIterations);
}
BENCHMARK(BM_TwoPanes)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Side by side: one dial's frame drawn in the viewer's context and in a second context that
// shares nothing with it, as a host draws its HUD in a second viewer or a video output; and the
// frame in the viewer's context alone. ratio = two contexts / one; at most 2 with nothing lost to
// telling the contexts apart. "news" counts the operator new calls of a two-context frame.
void BM_TwoContexts(benchmark::State& pState)
{
    std::string lError;
    hudhost::OffscreenGL* lViewer = Viewer(lError);
    if (!lViewer) return;
    // Destroyed last, it makes the viewer's context current again for the benchmarks after this.
    const std::unique_ptr<hudhost::OffscreenGL, void (*)(hudhost::OffscreenGL*)> lViewerAgain(
        lViewer, [](hudhost::OffscreenGL* pViewer) { pViewer->MakeCurrent(); });
    std::unique_ptr<hudhost::OffscreenGL> lSecond =
        hudhost::OffscreenGL::CreateOnTestDevice(kViewerSize, kViewerSize, lError);
    if (!lSecond) {
        pState.SkipWithError(("no second context: " + lError).c_str());
        return;
    }
    lViewer->MakeCurrent();
    Dial lDial(pState);
    if (!lDial) return;
    unsigned long lNews = 0;
    const auto lTwoContexts = [&] {
        const HeapCount lBefore = HeapCountNow();
        lDial.Draw();
        lSecond->MakeCurrent();
        lDial.Draw();
        lNews += (HeapCountNow() - lBefore).news;
        Finish();
        lViewer->MakeCurrent();
        Finish();
    };
    const auto lOneContext = [&] {
        lDial.Draw();
        Finish();
    };
    lTwoContexts(); // the glyphs are loaded in both
    lNews = 0;
    SideBySide(pState, "two_us", lTwoContexts, "one_us", lOneContext);
    pState.counters["news"] = Counter(static_cast<double>(lNews), Counter::kAvgIterations);
}
BENCHMARK(BM_TwoContexts)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Side by side: the typical dial's draw and the replay of its calls, alternately; ratio =
// draw / replay, what the element (and FTGL's layout of its text) adds to the GL work.
void BM_DrawOverReplay(benchmark::State& pState)
{
    Dial lDial(pState);
    if (!lDial) return;
    const std::optional<std::vector<kestdial::GlCall>> lCalls = SteadyCalls(pState, lDial, kestdial::kDialRect);
    if (!lCalls) return;
    const auto lDraw = [&] {
        lDial.Draw();
        Finish();
    };
    const auto lReplay = [&] {
        kestdial::Replay(*lCalls);
        Finish();
    };
    SideBySide(pState, "draw_us", lDraw, "replay_us", lReplay);
}
BENCHMARK(BM_DrawOverReplay)->Unit(benchmark::kMicrosecond)->UseManualTime();

// A new dial's first draw, radius 100, in which FTGL makes and fills its glyph textures; then
// the draw that resizes it to radius 300, in which FTGL deletes them and makes new ones. Timed: the
// first draw. The label gives the textures' sizes.
void BM_FirstDrawTextures(benchmark::State& pState)
{
    double lResizeSeconds = 0.0;
    std::optional<double> lFirstBytes;
    std::optional<double> lResizeBytes;
    std::string lSizes;
    double lResizeDeletions = 0.0;
    for ([[maybe_unused]] auto _ : pState) {
        Dial lDial(pState);
        if (!lDial) return;
        kestdial::Recording lFirst;
        pState.SetIterationTime(Seconds([&] {
            lFirst = kestdial::RecordDraw(lDial);
            Finish();
        }));
        kestdial::Recording lResize;
        lResizeSeconds += Seconds([&] {
            lResize = kestdial::RecordDraw(lDial, SquareRect(600.0));
            Finish();
        });
        lFirstBytes = UploadedTextureBytes(lFirst);
        lResizeBytes = UploadedTextureBytes(lResize);
        lSizes = "r100: " + TextureSizes(lFirst) + ", r300: " + TextureSizes(lResize);
        lResizeDeletions = 0.0;
        for (const kestdial::GlCall& lCall : lResize.calls)
            if (lCall.function == kestdial::GlFunction::DeleteTextures) lResizeDeletions += lCall.args[0];
    }
    if (!lFirstBytes || !lResizeBytes) {
        pState.SkipWithError("FTGL uploaded a texture other than one byte a pixel");
        return;
    }
    pState.counters["tex_KiB_r100"] = *lFirstBytes / 1024.0;
    pState.counters["tex_KiB_r300"] = *lResizeBytes / 1024.0;
    pState.counters["deleted_r300"] = lResizeDeletions;
    pState.counters["resize_ms"] = Counter(1e3 * lResizeSeconds, Counter::kAvgIterations);
    pState.SetLabel(lSizes);
}
BENCHMARK(BM_FirstDrawTextures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// Creating a dial (its properties, its copies of the two fonts, its three faces) and
// destroying it, as the host does; neither touches the GL context before a draw.
void BM_CreateDestroy(benchmark::State& pState)
{
    std::string lError;
    const fbhost::RegistryEntry* lClass = Viewer(lError) ? kestdial::DialClass(lError) : nullptr;
    if (!lClass) {
        pState.SkipWithError(lError.c_str());
        return;
    }
    double lCreate = 0.0;
    double lDestroy = 0.0;
    unsigned long lAllocations = 0;
    for ([[maybe_unused]] auto _ : pState) {
        FBHUDElement* lElement = nullptr;
        const HeapCount lBefore = HeapCountNow();
        const double lCreateTime = Seconds([&] { lElement = fbhost::CreateElement(*lClass, "Dial"); });
        lAllocations += (HeapCountNow() - lBefore).allocations;
        if (!lElement) {
            pState.SkipWithError("the plug-in made no dial");
            return;
        }
        const double lDestroyTime = Seconds([&] { fbhost::DestroyElement(lElement); });
        lCreate += lCreateTime;
        lDestroy += lDestroyTime;
        pState.SetIterationTime(lCreateTime + lDestroyTime);
    }
    pState.counters["create_us"] = Counter(1e6 * lCreate, Counter::kAvgIterations);
    pState.counters["destroy_us"] = Counter(1e6 * lDestroy, Counter::kAvgIterations);
    pState.counters["allocs_create"] = Counter(static_cast<double>(lAllocations), Counter::kAvgIterations);
}
BENCHMARK(BM_CreateDestroy)->Unit(benchmark::kMicrosecond)->UseManualTime();

// Growth with "Ticks" (major marks, labels and minor marks each).
void BM_Ticks(benchmark::State& pState)
{
    Dial lDial(pState);
    if (!lDial || !lDial.Set("Ticks", std::to_string(pState.range(0)))) return;
    SteadyFrames(pState, [&] { lDial.Draw(); });
}
BENCHMARK(BM_Ticks)->ArgName("ticks")->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Growth with the length of "Label" (drawn twice, shadow and text; cut at 255 characters).
void BM_LabelLength(benchmark::State& pState)
{
    Dial lDial(pState);
    if (!lDial || !lDial.Set("Label", RepeatedLabel(pState.range(0)))) return;
    SteadyFrames(pState, [&] { lDial.Draw(); });
}
BENCHMARK(BM_LabelLength)->ArgName("length")->Arg(5)->Arg(50)->Arg(500)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Growth with the number of dials drawn in one frame (all into the typical rectangle).
void BM_Elements(benchmark::State& pState)
{
    std::vector<std::unique_ptr<Dial>> lDials;
    for (int i = 0; i < pState.range(0); ++i) {
        lDials.push_back(std::make_unique<Dial>(pState));
        if (!*lDials.back()) return;
    }
    SteadyFrames(pState, [&] {
        for (const std::unique_ptr<Dial>& lDial : lDials) lDial->Draw();
    });
    pState.counters["per_element"] =
        Counter(static_cast<double>(lDials.size()), Counter::kIsIterationInvariantRate | Counter::kInvert);
}
BENCHMARK(BM_Elements)->ArgName("elements")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond)->UseRealTime();
