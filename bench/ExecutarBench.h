#pragma once

#include <benchmark/benchmark.h>

// The body of a benchmark program's main, for the programs that must set something up before the benchmarks run.
inline int ExecutarBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
