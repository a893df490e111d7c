// The survey parser on arbitrary bytes: it either refuses the text, naming a line of it, or gives finite
// points in the section's frame, and those points written back one a line ("X;Y;Rug", 17 digits) read
// again to the same number of points.
#include "common/NumberFormat.h"
#include "engine/Levantamento.h"
#include "tests/fuzz/FuzzComum.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

using namespace sulvo;
using sulvo::fuzz::Exigir;

namespace {

// The parser under test; the only line to change when another survey parser takes its place.
TLeituraLevantamento LerTexto(std::string_view texto) {
    return LerLevantamento(texto);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    const auto lido = LerTexto(texto);
    if (lido.Erro) {
        // The parser ends a line at LF, CR LF or a lone CR.
        std::size_t linhas = 1;
        for (std::size_t i = 0; i < texto.size(); ++i)
            if (texto[i] == '\n' || (texto[i] == '\r' && (i + 1 == texto.size() || texto[i + 1] != '\n')))
                ++linhas;
        Exigir(lido.Erro->Linha <= linhas, "a refused line is a line of the text");
        Exigir(!lido.Erro->Mensagem.empty(), "a refusal says why");
        return 0;
    }
    std::string escrito;
    for (const auto& p : lido.Levantamento.Pontos) {
        Exigir(std::isfinite(p.X) && std::isfinite(p.Y) && std::isfinite(p.Rug), "points are finite");
        escrito += FormatarGeral(p.X, '.', 17) + ";" + FormatarGeral(p.Y, '.', 17) + ";" +
                   FormatarGeral(p.Rug, '.', 17) + "\n";
    }
    if (lido.Levantamento.Pontos.empty())
        return 0;
    const auto relido = LerTexto(escrito);
    Exigir(!relido.Erro, "points in the section's frame read again");
    Exigir(relido.Levantamento.Pontos.size() == lido.Levantamento.Pontos.size(), "as many points again");
    return 0;
}
