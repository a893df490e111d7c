// Saving and opening a whole project as the number of surveyed points grows: one read of the old
// file, the merge in memory and one atomic write per save; one read and one parse per open.
#include "project/ArquivoProjeto.h"

#include "bench/ExecutarBench.h"
#include "common/Alocador.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace sulvo;

namespace {

struct Projeto {
    TIDProjeto id;
    TSulvoTriangular tri;
    TSulvoTrapezoidal tra;
    TSulvoRetangular ret;
    TSulvoCircular cir;
    TSulvoIrregular irr;
    std::uint8_t indSulvoReg = 1;
    std::uint8_t indIncognita = 0;
    ModelosProjeto m{id, tri, tra, ret, cir, irr, indSulvoReg, indIncognita};

    explicit Projeto(int pontos) {
        id = {"Canal Norte", "Irrigação São Francisco", "Petrolina", "PE", "José", "08/12/2026"};
        tra.Q = 2.5, tra.H = 0.8, tra.I = 0.0005, tra.n = 0.015, tra.b = 1.2, tra.z = 1.5, tra.Regime = "Subcrítico";
        // A surveyed river bed: irregular coordinates, so every real needs its full 15 digits.
        for (int k = 0; k < pontos; ++k) {
            double x = 0.37 * k + 0.001 * std::sin(k);
            double y = k == 0 || k == pontos - 1 ? 0.0 : -2.0 - std::sin(0.01 * k) - 0.123456789 * (k % 7);
            irr.Pontos.push_back({x, y, 0.015 + 0.0001 * (k % 13)});
        }
    }
};

std::string ArquivoTemporario() {
    return (std::filesystem::temp_directory_path() / ("sulvo-bench-" + std::to_string(::getpid()) + ".svo")).string();
}

void BM_SalvarSobreOAnterior(benchmark::State& state) {
    Projeto p(static_cast<int>(state.range(0)));
    std::string caminho = ArquivoTemporario();
    EscreverArquivoProjeto(caminho, p.m, ',');
    for (auto _ : state)
        EscreverArquivoProjeto(caminho, p.m, ',');
    state.SetComplexityN(state.range(0));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(caminho));
    std::filesystem::remove(caminho);
}

void BM_SalvarArquivoNovo(benchmark::State& state) {
    Projeto p(static_cast<int>(state.range(0)));
    std::string caminho = ArquivoTemporario();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(caminho);
        state.ResumeTiming();
        EscreverArquivoProjeto(caminho, p.m, ',');
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(caminho);
}

void BM_Abrir(benchmark::State& state) {
    Projeto p(static_cast<int>(state.range(0)));
    std::string caminho = ArquivoTemporario();
    EscreverArquivoProjeto(caminho, p.m, ',');
    Projeto lido(0);
    for (auto _ : state) {
        bool leuCerto = false;
        LerArquivoProjeto(caminho, lido.m, leuCerto);
        benchmark::DoNotOptimize(lido.irr.Pontos.data());
        if (!leuCerto || lido.irr.Pontos.size() != p.irr.Pontos.size())
            state.SkipWithError("project not read back");
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(caminho);
}

} // namespace

BENCHMARK(BM_SalvarSobreOAnterior)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_SalvarArquivoNovo)->RangeMultiplier(10)->Range(100, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_Abrir)->RangeMultiplier(10)->Range(100, 100000)->Unit(benchmark::kMillisecond)->Complexity();

// The allocator is set as the program sets it at start, so a large project is measured as it is opened in it.
int main(int argc, char** argv) {
    ConfigurarAlocador();
    return ExecutarBenchmarks(argc, argv);
}
