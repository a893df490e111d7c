#include "cli/PontosSecao.h"

#include "cli/Usage.h"

#include <fstream>

namespace sulvo::cli {

TLevantamento LerPontos(std::istream& entrada, TTipoCota tipo) {
    std::string texto, linha;
    while (std::getline(entrada, linha)) {
        texto += linha;
        texto += '\n';
    }
    if (entrada.bad())
        throw UsageError("não foi possível ler o arquivo de pontos");
    TLeituraLevantamento lido = LerLevantamento(texto, tipo);
    if (lido.Erro) {
        if (lido.Erro->Linha == 0)
            throw UsageError("arquivo de pontos: " + lido.Erro->Mensagem);
        throw UsageError("arquivo de pontos, linha " + std::to_string(lido.Erro->Linha) + ": " + lido.Erro->Mensagem +
                         ", lido \"" + lido.Erro->Texto + "\"");
    }
    return lido.Levantamento;
}

TLevantamento LerArquivoPontos(const std::string& caminho, TTipoCota tipo) {
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo)
        throw UsageError("não foi possível abrir o arquivo de pontos: " + caminho);
    try {
        return LerPontos(arquivo, tipo);
    } catch (const UsageError& e) {
        throw UsageError(caminho + ": " + e.what());
    }
}

} // namespace sulvo::cli
