// The benchmarks' entry: Google Benchmark's options, and the viewer's renderer in the context
// that each run reports.

#include "bench_support.h"

#include <string>

int main(int pArgc, char** pArgv)
{
    benchmark::Initialize(&pArgc, pArgv);
    if (benchmark::ReportUnrecognizedArguments(pArgc, pArgv)) return 1;
    std::string lError;
    const hudhost::OffscreenGL* lViewer = kestbench::Viewer(lError);
    benchmark::AddCustomContext("gl_renderer", lViewer ? lViewer->Renderer() : lError);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
