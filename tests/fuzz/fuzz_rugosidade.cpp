// The roughness table reader and writer on arbitrary bytes: whatever records a file yields are written
// as a table of exactly 4 + 280 x N bytes, which reads back to a table that is written identically.
#include "roughness/ArqRugosidade.h"
#include "tests/fuzz/FuzzComum.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

using namespace sulvo;
using sulvo::fuzz::Exigir;

namespace {

std::string Conteudo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const std::string entrada = sulvo::fuzz::ArquivoDeTrabalho("entrada.cdb");
    static const std::string primeira = sulvo::fuzz::ArquivoDeTrabalho("primeira.cdb");
    static const std::string segunda = sulvo::fuzz::ArquivoDeTrabalho("segunda.cdb");
    if (std::FILE* f = std::fopen(entrada.c_str(), "wb")) {
        std::fwrite(dados, 1, tamanho, f);
        std::fclose(f);
    }
    TArqRugosidade tabela;
    Exigir(tabela.LerArquivo(entrada), "a regular file opens");
    // Only whole records count, never more than the file holds.
    const std::size_t completos = tamanho < 4 ? 0 : (tamanho - 4) / TamanhoRegistroRugosidade;
    Exigir(tabela.Registros.size() <= completos, "no record is invented");

    Exigir(tabela.GravarArquivo(primeira), "a table is written");
    const std::string bytes = Conteudo(primeira);
    Exigir(bytes.size() == 4 + TamanhoRegistroRugosidade * tabela.Registros.size(), "4 + 280 x N bytes");
    TArqRugosidade relida;
    Exigir(relida.LerArquivo(primeira) && relida.Registros.size() == tabela.Registros.size(), "the count reads back");
    Exigir(relida.GravarArquivo(segunda) && Conteudo(segunda) == bytes, "read -> write gives the same bytes");
    return 0;
}
