#include "cli/PontosSecao.h"

#include "cli/Usage.h"
#include "common/NumberFormat.h"

#include <fstream>
#include <string_view>

namespace sulvo::cli {
namespace {

std::string_view SemBrancos(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos)
        return {};
    const auto fim = texto.find_last_not_of(" \t");
    return texto.substr(inicio, fim - inicio + 1);
}

} // namespace

std::vector<TPontoSecao> LerPontos(std::istream& entrada) {
    std::vector<TPontoSecao> pontos;
    std::string linha;
    for (long numero = 1; std::getline(entrada, linha); ++numero) {
        std::string_view texto = linha;
        if (numero == 1 && texto.substr(0, 3) == "\xEF\xBB\xBF") // a byte-order mark left by some editors
            texto.remove_prefix(3);
        if (!texto.empty() && texto.back() == '\r')
            texto.remove_suffix(1);
        texto = SemBrancos(texto);
        if (texto.empty() || texto.front() == '#')
            continue;
        const auto erro = [&] {
            return UsageError("arquivo de pontos, linha " + std::to_string(numero) + ": esperado X;Y;Rug, lido \"" +
                              std::string(texto) + "\"");
        };
        double valores[3];
        std::size_t campo = 0;
        std::string_view resto = texto;
        while (true) {
            const auto separador = resto.find(';');
            if (campo == 3)
                throw erro();
            const auto valor = LerReal(resto.substr(0, separador));
            if (!valor)
                throw erro();
            valores[campo++] = *valor;
            if (separador == std::string_view::npos)
                break;
            resto.remove_prefix(separador + 1);
        }
        if (campo != 3)
            throw erro();
        pontos.push_back({valores[0], valores[1], valores[2]});
    }
    if (entrada.bad())
        throw UsageError("não foi possível ler o arquivo de pontos");
    return pontos;
}

std::vector<TPontoSecao> LerArquivoPontos(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo)
        throw UsageError("não foi possível abrir o arquivo de pontos: " + caminho);
    try {
        return LerPontos(arquivo);
    } catch (const UsageError& e) {
        throw UsageError(caminho + ": " + e.what());
    }
}

} // namespace sulvo::cli
