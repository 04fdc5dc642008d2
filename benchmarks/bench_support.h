#ifndef KEST_BENCHMARKS_BENCH_SUPPORT_H
#define KEST_BENCHMARKS_BENCH_SUPPORT_H
// What the benchmarks share: the viewer's offscreen context, dials that skip the benchmark when
// they fail, the texture memory of a recorded draw, and side-by-side timing.

#include "offscreen_gl.h"
#include "recorded_draw.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>
#include <string>

namespace kestbench {

using Rect = FBHUDElement::Rect;

using kestdial::kViewerSize;
using kestdial::SquareRect;

//! The viewer: a 300 x 300 offscreen context, made and made current on first use; null, with the
//! reason in pError, when there is none.
hudhost::OffscreenGL* Viewer(std::string& pError);

//! The support library's dial; a failure to make it or set it up skips the benchmark.
class Dial : public kestdial::Dial {
public:
    explicit Dial(benchmark::State& pState);
};

//! Waits until the context has done the GL work given to it so far (llvmpipe rasterises on other
//! threads); a timed draw ends with it, as the viewer's frame does.
void Finish();

//! The bytes of texture memory that the glTexImage2D calls of pRecording allocate; std::nullopt
//! when one of them uploads other than FTGL's one byte a pixel (GL_ALPHA, GL_UNSIGNED_BYTE).
std::optional<double> UploadedTextureBytes(const kestdial::Recording& pRecording);

//! The time that pWork takes, in seconds.
template <class tWork> double Seconds(tWork&& pWork)
{
    const auto lStart = std::chrono::steady_clock::now();
    pWork();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - lStart).count();
}

//! The processor time that the calling thread has used, in seconds (llvmpipe's rasteriser
//! threads, which do most of a frame's GL work, are left out).
double ThreadSeconds();

//! Runs pFirst and pSecond alternately, once each an iteration (under manual time), so that the
//! machine's load falls on both alike. Reports the mean time of each in microseconds (counters
//! pFirstName and pSecondName), the first's over the second's ("ratio"), and the same ratio of the
//! processor time of the calling thread alone ("cpu_ratio").
template <class tFirst, class tSecond> void SideBySide(benchmark::State& pState, const char* pFirstName,
                                                       tFirst&& pFirst, const char* pSecondName, tSecond&& pSecond)
{
    double lFirst = 0.0;
    double lSecond = 0.0;
    double lFirstCpu = 0.0;
    double lSecondCpu = 0.0;
    for ([[maybe_unused]] auto _ : pState) {
        const double lCpuStart = ThreadSeconds();
        const double lFirstTime = Seconds(pFirst);
        const double lCpuBetween = ThreadSeconds();
        const double lSecondTime = Seconds(pSecond);
        lSecondCpu += ThreadSeconds() - lCpuBetween;
        lFirstCpu += lCpuBetween - lCpuStart;
        lFirst += lFirstTime;
        lSecond += lSecondTime;
        pState.SetIterationTime(lFirstTime + lSecondTime);
    }
    pState.counters[pFirstName] = benchmark::Counter(1e6 * lFirst, benchmark::Counter::kAvgIterations);
    pState.counters[pSecondName] = benchmark::Counter(1e6 * lSecond, benchmark::Counter::kAvgIterations);
    pState.counters["ratio"] = lSecond > 0.0 ? lFirst / lSecond : 0.0;
    pState.counters["cpu_ratio"] = lSecondCpu > 0.0 ? lFirstCpu / lSecondCpu : 0.0;
}

} // namespace kestbench

#endif // KEST_BENCHMARKS_BENCH_SUPPORT_H
