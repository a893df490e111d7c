// sulvo-calc: the headless calculator over the same engine as the window.
#include "cli/Argumentos.h"
#include "cli/Usage.h"
#include "common/Alocador.h"
#include "common/Versao.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace sulvo::cli;
    sulvo::ConfigurarAlocador();
    std::vector<std::string> args(argv + 1, argv + argc);
    // Without arguments the usage is an error message; asked for, it is the answer.
    if (args.empty()) {
        std::cerr << TextoDeUso();
        return kUso;
    }
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << TextoDeUso();
        return kOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "sulvo-calc " << sulvo::kVersao << '\n';
        return kOk;
    }
    try {
        Argumentos a = LerArgumentos(args);
        std::string saida;
        int status = a.projeto                ? CalcularProjeto(a, saida)
                     : a.secao == "irregular" ? CalcularIrregular(a, saida)
                                              : CalcularRegular(a, saida);
        // A table ends its own last line; a JSON object gets one.
        std::cout << saida;
        if (!saida.empty() && saida.back() != '\n')
            std::cout << '\n';
        return status;
    } catch (const UsageError& e) {
        std::cerr << "sulvo-calc: " << e.what() << '\n';
        return kUso;
    }
}
