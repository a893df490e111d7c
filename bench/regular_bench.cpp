// Time per Calcular of each regular section and each unknown, on the reference channels: the trapezoid
// b = 2 m, z = 1.5, n = 0.015, I = 0.001, H = 1 m (and its triangle and rectangle), and the conduit D = 1 m,
// n = 0.013, I = 0.001 flowing half full. The iterative unknowns start far above the root, as in use.
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace sulvo;

// Times Calcular on copies of an already calculated section, with the unknown given by the benchmark's argument.
template <class Secao> void CronometrarIncognita(benchmark::State& state, const Secao& referencia) {
    const auto incognita = static_cast<std::uint8_t>(state.range(0));
    for (auto _ : state) {
        Secao s = referencia;
        s.Incognita = incognita;
        const bool ok = s.Calcular();
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(s.Yc);
        if (!ok) {
            state.SkipWithError("calculation failed");
            break;
        }
    }
}

// Fills the section with the reference channel, solves it forward for Q, then times the given unknown.
template <class Secao> void Prismatico(benchmark::State& state) {
    Secao referencia;
    referencia.b = 2, referencia.z = 1.5, referencia.n = 0.015, referencia.I = 0.001, referencia.H = 1;
    referencia.f = 0.3, referencia.Comp = 100;
    if (!referencia.Calcular()) {
        state.SkipWithError("reference channel did not calculate");
        return;
    }
    CronometrarIncognita(state, referencia);
}

void Circular(benchmark::State& state) {
    TSulvoCircular referencia;
    referencia.D = 1, referencia.n = 0.013, referencia.I = 0.001, referencia.H = 0.5, referencia.T = 0.5;
    if (!referencia.Calcular()) {
        state.SkipWithError("reference conduit did not calculate");
        return;
    }
    CronometrarIncognita(state, referencia);
}

// 0 Vazão, 1 Profundidade Normal, 2 Declividade, 3 Rugosidade, 4 Talude (Largura for the rectangle),
// 5 Largura (trapezoid); circle: 4 Diâmetro, 5 Diâmetro e Profundidade.
BENCHMARK(Prismatico<TSulvoTriangular>)->Name("Triangular")->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(Prismatico<TSulvoTrapezoidal>)->Name("Trapezoidal")->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(Prismatico<TSulvoRetangular>)->Name("Retangular")->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(Circular)->Name("Circular")->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

} // namespace
