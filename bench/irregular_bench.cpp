// Irregular section: per-call times of the evaluations, of Calcular for every unknown and method, and of the
// discharge–depth chart, on a sinuous natural bed with islands of 10 to 100 000 surveyed points.
#include "engine/uIrregular.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace sulvo;

namespace {

constexpr double kLargura = 240.0;    // m
constexpr double kProfundidade = 2.6; // m of water above the lowest point: several ridges stand out as islands
constexpr double kDeclividade = 0.0005;
constexpr double kPi = 3.14159265358979323846;

// A bed 240 m wide: a deep meandering channel, shallower flood plains and ridges that rise above the water at
// the working depth, with a coefficient that changes along the width. The banks stay at Y = 0.
TSulvoIrregular Leito(std::int64_t pontos) {
    TSulvoIrregular s;
    s.Pontos.reserve(static_cast<std::size_t>(pontos));
    const double dx = kLargura / static_cast<double>(pontos - 1);
    for (std::int64_t k = 0; k < pontos; ++k) {
        const double x = dx * static_cast<double>(k);
        double y = 0;
        if (k > 0 && k < pontos - 1) {
            const double forma = std::sin(kPi * x / kLargura); // 0 at the banks
            y = -forma * (2.2 + 1.2 * std::sin(2 * kPi * x / 37.0) + 0.4 * std::sin(2 * kPi * x / 5.3));
            y = std::min(y, -0.05);
        }
        const double rug = 0.025 + 0.01 * std::sin(2 * kPi * x / 61.0);
        s.Pontos.push_back({x, y, k == 0 ? 0.0 : rug});
    }
    s.S = kLargura;
    return s;
}

// Fills the inputs of one problem whose answer is the bed at the working depth and slope.
TSulvoIrregular Problema(std::int64_t pontos, std::uint8_t incognita, std::uint8_t metodologia) {
    TSulvoIrregular s = Leito(pontos);
    s.Metodologia = metodologia;
    s.Incognita = 0;
    s.H = kProfundidade;
    s.I = kDeclividade;
    s.Comp = 1000;
    s.Calcular();
    const double vazao = s.Q;
    s.Incognita = incognita;
    s.Q = incognita == 3 ? vazao * 1.1 : vazao;
    s.H = kProfundidade;
    s.I = kDeclividade;
    return s;
}

void Calcular(benchmark::State& estado, std::uint8_t incognita, std::uint8_t metodologia, bool comCurva) {
    const TSulvoIrregular modelo = Problema(estado.range(0), incognita, metodologia);
    TSulvoIrregular s = modelo;
    for (auto _ : estado) {
        s.Q = modelo.Q;
        s.H = modelo.H;
        s.I = modelo.I;
        if (!s.Calcular())
            estado.SkipWithError("no result");
        if (comCurva)
            benchmark::DoNotOptimize(s.CurvaVazaoProfundidade(s.I));
        benchmark::DoNotOptimize(s.A);
    }
    estado.SetComplexityN(estado.range(0));
}

void BM_Vazao(benchmark::State& e, std::uint8_t metodo) {
    Calcular(e, 0, metodo, false);
}
void BM_Profundidade(benchmark::State& e, std::uint8_t metodo) {
    Calcular(e, 1, metodo, false);
}
void BM_Declividade(benchmark::State& e, std::uint8_t metodo) {
    Calcular(e, 2, metodo, false);
}
void BM_Rugosidade(benchmark::State& e) {
    Calcular(e, 3, 0, false);
}
void BM_ProfundidadeECurva(benchmark::State& e, std::uint8_t metodo) {
    Calcular(e, 1, metodo, true);
}
void BM_DeclividadeECurva(benchmark::State& e, std::uint8_t metodo) {
    Calcular(e, 2, metodo, true);
}

void BM_Curva(benchmark::State& estado) {
    TSulvoIrregular s = Leito(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(s.CurvaVazaoProfundidade(kDeclividade));
    estado.SetComplexityN(estado.range(0));
}

void BM_AvaliarConvencional(benchmark::State& estado) {
    TSulvoIrregular s = Problema(estado.range(0), 0, 0);
    for (auto _ : estado)
        benchmark::DoNotOptimize(s.AvaliarConvencional(kProfundidade, kDeclividade));
    estado.SetComplexityN(estado.range(0));
}

void BM_AvaliarDivisao(benchmark::State& estado) {
    TSulvoIrregular s = Problema(estado.range(0), 0, 1);
    for (auto _ : estado)
        benchmark::DoNotOptimize(s.AvaliarDivisao(kProfundidade, kDeclividade));
    estado.SetComplexityN(estado.range(0));
}

void Tamanhos(benchmark::internal::Benchmark* b) {
    for (std::int64_t n : {10, 1000, 10000, 100000})
        b->Arg(n);
    b->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
}

} // namespace

BENCHMARK(BM_AvaliarConvencional)->Apply(Tamanhos);
BENCHMARK(BM_AvaliarDivisao)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_Vazao, Convencional, 0)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_Vazao, Divisao, 1)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_Profundidade, Convencional, 0)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_Profundidade, Divisao, 1)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_Declividade, Convencional, 0)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_Declividade, Divisao, 1)->Apply(Tamanhos);
BENCHMARK(BM_Rugosidade)->Apply(Tamanhos);
BENCHMARK(BM_Curva)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_ProfundidadeECurva, Convencional, 0)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_ProfundidadeECurva, Divisao, 1)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_DeclividadeECurva, Convencional, 0)->Apply(Tamanhos);
BENCHMARK_CAPTURE(BM_DeclividadeECurva, Divisao, 1)->Apply(Tamanhos);
