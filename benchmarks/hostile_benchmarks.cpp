// The dial's draw over hostile input: NaN, infinite and huge values in every numeric
// property, degenerate and enormous tick counts and spreads, a 1 MiB label and one of every byte,
// and empty, negative, NaN, huge and tiny rectangles far off the viewport. Each case is timed on
// a live dial (drawn once before) in the draw right after the change, which re-sizes its faces
// where the radius changed, and again in the steady draw that follows. The worst case is the
// slowest of the cases' medians.

#include "bench_support.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace kestbench;

namespace {

using benchmark::Counter;

struct Setting {
    std::string property;
    std::string text;
};

struct HostileCase {
    std::string name;
    std::vector<Setting> settings;
    Rect rect;
};

std::vector<HostileCase> MakeCatalogue()
{
    std::vector<HostileCase> lCases;
    const auto lAdd = [&lCases](const std::string& pName, std::vector<Setting> pSettings, Rect pRect) {
        lCases.push_back({pName, std::move(pSettings), pRect});
    };
    const Rect lDial = kesttest::kDialRect;
    for (const char* lProperty : {"Minimum", "Maximum", "Value", "Spread"})
        for (const char* lNumber : {"nan", "inf", "-inf", "1e308", "-1e308"})
            lAdd(std::string(lProperty) + "=" + lNumber, {{lProperty, lNumber}}, lDial);
    for (const char* lProperty : {"Mask Color", "Font Color"})
        for (const std::string lNumber : {"nan", "inf", "-inf", "1e308", "-1e308"}) {
            const std::string lColour = lNumber + "," + lNumber + "," + lNumber + "," + lNumber;
            lAdd(std::string(lProperty) + "=" + lColour, {{lProperty, lColour}}, lDial);
        }
    for (const char* lTicks : {"0", "-1", "20000000", "2147483647", "-2147483647"})
        lAdd(std::string("Ticks=") + lTicks, {{"Ticks", lTicks}}, lDial);
    for (const char* lSpread : {"0", "-0.02", "1e-9", "1"})
        lAdd(std::string("Spread=") + lSpread, {{"Spread", lSpread}}, lDial);
    for (const char* lProperty : {"Justification", "Vertical Dock"})
        for (const char* lPlacement : {"2147483647", "-2147483647"})
            lAdd(std::string(lProperty) + "=" + lPlacement, {{lProperty, lPlacement}}, lDial);

    const std::string lHugeLabel(1 << 20, 'W');
    std::string lEveryByte;
    for (int lByte = 1; lByte < 256; ++lByte) lEveryByte += static_cast<char>(lByte);
    lAdd("Label=1MiB", {{"Label", lHugeLabel}}, lDial);
    lAdd("Label=bytes1..255", {{"Label", lEveryByte}}, lDial);

    struct Width {
        const char* name;
        double value;
    };
    for (const Width& lWidth : {Width{"0", 0.0}, Width{"-200", -200.0}, Width{"nan", NAN}, Width{"inf", INFINITY},
                                Width{"1e9", 1e9}, Width{"1e-9", 1e-9}})
        lAdd(std::string("width=") + lWidth.name, {}, SquareRect(lWidth.value));
    lAdd("x,y=1e300", {}, fbhost::HudRect(1e300, 1e300, 200.0, 200.0));
    lAdd("x,y=-1e300", {}, fbhost::HudRect(-1e300, -1e300, 200.0, 200.0));
    lAdd("x,y=nan", {}, fbhost::HudRect(NAN, NAN, 200.0, 200.0));
    lAdd("all at once",
         {{"Ticks", "2147483647"}, {"Spread", "1"}, {"Value", "nan"}, {"Label", lEveryByte + lHugeLabel}},
         SquareRect(1e9));
    return lCases;
}

const std::vector<HostileCase>& Catalogue()
{
    static const std::vector<HostileCase> sCatalogue = MakeCatalogue();
    return sCatalogue;
}

//! A new dial, drawn once, then set as pCase says; null, the benchmark skipped, when it cannot be
//! made or set.
std::unique_ptr<Dial> ChangedDial(benchmark::State& pState, const HostileCase& pCase)
{
    auto lDial = std::make_unique<Dial>(pState);
    if (!*lDial) return nullptr;
    lDial->Draw();
    Finish();
    for (const Setting& lSetting : pCase.settings)
        if (!lDial->Set(lSetting.property, lSetting.text)) return nullptr;
    return lDial;
}

//! The draw of pCase right after the change, and the steady draw after it, in seconds.
struct HostileTimes {
    double afterChange;
    double steady;
};

std::optional<HostileTimes> TimeHostileCase(benchmark::State& pState, const HostileCase& pCase)
{
    const std::unique_ptr<Dial> lDial = ChangedDial(pState, pCase);
    if (!lDial) return std::nullopt;
    const auto lDraw = [&] {
        lDial->Draw(pCase.rect);
        Finish();
    };
    const double lAfterChange = Seconds(lDraw);
    return HostileTimes{lAfterChange, Seconds(lDraw)};
}

//! One case, by its place in the catalogue (its name is the label): timed, the draw after the
//! change; "steady_ms", the draw after that; "tex_MiB", the texture memory that the draw after
//! the change uploads (counted on a dial of its own, untimed).
void BM_HostileDraw(benchmark::State& pState)
{
    const HostileCase& lCase = Catalogue()[static_cast<std::size_t>(pState.range(0))];
    pState.SetLabel(lCase.name);
    double lSteady = 0.0;
    for ([[maybe_unused]] auto _ : pState) {
        const std::optional<HostileTimes> lTimes = TimeHostileCase(pState, lCase);
        if (!lTimes) return;
        pState.SetIterationTime(lTimes->afterChange);
        lSteady += lTimes->steady;
    }
    const std::unique_ptr<Dial> lDial = ChangedDial(pState, lCase);
    if (!lDial) return;
    const std::optional<double> lTextureBytes = UploadedTextureBytes(kesttest::RecordDraw(*lDial, lCase.rect));
    if (!lTextureBytes) {
        pState.SkipWithError("FTGL uploaded a texture other than one byte a pixel");
        return;
    }
    pState.counters["steady_ms"] = Counter(1e3 * lSteady, Counter::kAvgIterations);
    pState.counters["tex_MiB"] = *lTextureBytes / (1024.0 * 1024.0);
}

void EveryCase(benchmark::internal::Benchmark* pBenchmark)
{
    for (std::size_t i = 0; i < Catalogue().size(); ++i) pBenchmark->Arg(static_cast<int64_t>(i));
}

} // namespace

BENCHMARK(BM_HostileDraw)->Apply(EveryCase)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
