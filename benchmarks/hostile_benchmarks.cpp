// The dial's draw over each input of the hostile catalogue (tests/support/hostile_inputs.h):
// NaN, infinite and huge values in every numeric property, degenerate and enormous tick counts
// and spreads, 1 MiB labels and every byte, empty, negative, NaN, huge and tiny rectangles far off
// the viewport, several panes. Each input is timed on a live dial (drawn once before) in the draws
// right after the change (one into each of its rectangles), which re-size its faces where the
// radius changed, and again in the steady draws that follow. The worst case is the slowest of the
// inputs' medians.

#include "bench_support.h"
#include "hostile_inputs.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace kestbench;
using kestdial::HostileFamilies;
using kestdial::HostileFamily;
using kestdial::HostileInput;
using kestdial::Setting;

namespace {

using benchmark::Counter;

//! Every input of the catalogue, family after family.
const std::vector<HostileInput>& Catalogue()
{
    static const std::vector<HostileInput> sCatalogue = [] {
        std::vector<HostileInput> lInputs;
        for (const HostileFamily& lFamily : HostileFamilies())
            for (HostileInput& lInput : lFamily.inputs()) lInputs.push_back(std::move(lInput));
        return lInputs;
    }();
    return sCatalogue;
}

//! A new dial, drawn once, then set as pInput says; null, the benchmark skipped, when it cannot be
//! made or set.
std::unique_ptr<Dial> ChangedDial(benchmark::State& pState, const HostileInput& pInput)
{
    auto lDial = std::make_unique<Dial>(pState);
    if (!*lDial) return nullptr;
    lDial->Draw();
    Finish();
    for (const Setting& lSetting : pInput.settings)
        if (!lDial->Set(lSetting.property, lSetting.text)) return nullptr;
    return lDial;
}

//! The draws of pInput right after the change, and the steady draws after them, in seconds.
struct HostileTimes {
    double afterChange;
    double steady;
};

std::optional<HostileTimes> TimeHostileInput(benchmark::State& pState, const HostileInput& pInput)
{
    const std::unique_ptr<Dial> lDial = ChangedDial(pState, pInput);
    if (!lDial) return std::nullopt;
    const auto lDraw = [&] {
        for (const Rect& lRect : pInput.rects) lDial->Draw(lRect);
        Finish();
    };
    const double lAfterChange = Seconds(lDraw);
    return HostileTimes{lAfterChange, Seconds(lDraw)};
}

//! One input, by its place in the catalogue (its name is the label): timed, the draws after the
//! change; "steady_ms", the draws after those; "tex_MiB", the texture memory that the draws after
//! the change upload (counted on a dial of its own, untimed).
void BM_HostileDraw(benchmark::State& pState)
{
    const HostileInput& lInput = Catalogue()[static_cast<std::size_t>(pState.range(0))];
    pState.SetLabel(lInput.name);
    double lSteady = 0.0;
    for ([[maybe_unused]] auto _ : pState) {
        const std::optional<HostileTimes> lTimes = TimeHostileInput(pState, lInput);
        if (!lTimes) return;
        pState.SetIterationTime(lTimes->afterChange);
        lSteady += lTimes->steady;
    }
    const std::unique_ptr<Dial> lDial = ChangedDial(pState, lInput);
    if (!lDial) return;
    double lTextureBytes = 0.0;
    for (const Rect& lRect : lInput.rects) {
        const std::optional<double> lBytes = UploadedTextureBytes(kestdial::RecordDraw(*lDial, lRect));
        if (!lBytes) {
            pState.SkipWithError("FTGL uploaded a texture other than one byte a pixel");
            return;
        }
        lTextureBytes += *lBytes;
    }
    pState.counters["steady_ms"] = Counter(1e3 * lSteady, Counter::kAvgIterations);
    pState.counters["tex_MiB"] = lTextureBytes / (1024.0 * 1024.0);
}

void EveryInput(benchmark::internal::Benchmark* pBenchmark)
{
    for (std::size_t i = 0; i < Catalogue().size(); ++i) pBenchmark->Arg(static_cast<int64_t>(i));
}

} // namespace

BENCHMARK(BM_HostileDraw)->Apply(EveryInput)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
