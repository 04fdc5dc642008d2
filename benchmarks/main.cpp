// The benchmarks' entry: Google Benchmark's options, and the viewer, made before any dial (its
// renderer is named in the context that each run reports); without one nothing is measured.

#include "bench_support.h"

#include <cstdio>
#include <string>

int main(int pArgc, char** pArgv)
{
    benchmark::Initialize(&pArgc, pArgv);
    if (benchmark::ReportUnrecognizedArguments(pArgc, pArgv)) return 1;
    std::string lError;
    const hudhost::OffscreenGL* lViewer = kestbench::Viewer(lError);
    if (!lViewer) {
        std::fprintf(stderr, "kest_benchmarks: %s\n", lError.c_str());
        return 1;
    }
    benchmark::AddCustomContext("gl_renderer", lViewer->Renderer());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
