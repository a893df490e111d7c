// The survey parser on arbitrary bytes: it either refuses the text with a message or gives finite
// points, and those points written back one a line parse to the same points.
#include "cli/PontosSecao.h"
#include "cli/Usage.h"
#include "common/NumberFormat.h"
#include "tests/fuzz/FuzzComum.h"

#include <cmath>
#include <cstdint>
#include <sstream>
#include <vector>

using namespace sulvo;
using sulvo::fuzz::Exigir;

namespace {

// The parser under test; the only line to change when another survey parser takes its place.
std::vector<TPontoSecao> LerLevantamento(const std::string& texto) {
    std::istringstream entrada(texto);
    return cli::LerPontos(entrada);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::vector<TPontoSecao> pontos;
    try {
        pontos = LerLevantamento(std::string(reinterpret_cast<const char*>(dados), tamanho));
    } catch (const cli::UsageError&) {
        return 0;
    }
    std::string texto;
    for (const auto& p : pontos) {
        Exigir(std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Rug), "points are finite");
        texto += FormatarGeral(p.X, '.', 17) + ";" + FormatarGeral(p.Y, ',', 17) + ";" + FormatarGeral(p.Rug, '.', 17) +
                 "\n";
    }
    const auto relidos = LerLevantamento(texto);
    Exigir(relidos.size() == pontos.size(), "written points parse again");
    for (std::size_t i = 0; i < pontos.size(); ++i)
        Exigir(relidos[i].X == pontos[i].X && relidos[i].Y == pontos[i].Y && relidos[i].Rug == pontos[i].Rug,
               "17 digits give the same points back");
    return 0;
}
