#include "app/LinhaComando.h"

#include "common/Versao.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace sulvo {

std::string TextoDeUsoSulvo() {
    return "uso: sulvo [ARQUIVO.svo]\n"
           "     sulvo --version | --help\n"
           "Abre a janela do Sulvo; com ARQUIVO.svo, abre esse projeto ao iniciar.\n"
           "  --version  mostra a versão e sai\n"
           "  --help     mostra este texto e sai\n";
}

TLinhaComando LerLinhaComando(const std::vector<std::string>& args) {
    TLinhaComando linha;
    auto erro = [&linha](std::string mensagem) {
        linha = {};
        linha.acao = TLinhaComando::Acao::Erro;
        linha.mensagem = std::move(mensagem);
        return linha;
    };
    bool soArquivos = false; // after "--" everything is a file name, even one that starts with "-"
    for (const std::string& arg : args) {
        if (!soArquivos && arg == "--") {
            soArquivos = true;
            continue;
        }
        if (!soArquivos && (arg == "--version" || arg == "--help" || arg == "-h")) {
            if (args.size() != 1)
                return erro(arg + " não aceita outros argumentos");
            linha.acao = arg == "--version" ? TLinhaComando::Acao::Versao : TLinhaComando::Acao::Ajuda;
            return linha;
        }
        if (!soArquivos && arg.size() > 1 && arg[0] == '-')
            return erro("opção desconhecida: " + arg);
        if (arg.empty())
            return erro("nome de arquivo vazio");
        if (!linha.arquivo.empty())
            return erro("só um projeto pode ser aberto de cada vez");
        std::error_code falha;
        std::filesystem::path absoluto = std::filesystem::absolute(arg, falha);
        linha.arquivo = falha ? arg : absoluto.lexically_normal().string();
    }
    return linha;
}

int ResponderLinhaComando(const TLinhaComando& linha) {
    switch (linha.acao) {
    case TLinhaComando::Acao::Versao:
        std::cout << "sulvo " << kVersao << '\n';
        return 0;
    case TLinhaComando::Acao::Ajuda:
        std::cout << TextoDeUsoSulvo();
        return 0;
    case TLinhaComando::Acao::Erro:
        std::cerr << "sulvo: " << linha.mensagem << " (veja sulvo --help)\n";
        return 2;
    case TLinhaComando::Acao::Executar:
        break;
    }
    return -1;
}

} // namespace sulvo
