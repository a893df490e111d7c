#include "cli/Argumentos.h"

#include "cli/Usage.h"
#include "common/NumberFormat.h"

#include <cmath>

namespace sulvo::cli {

std::string TextoDeUso() {
    return "uso: sulvo-calc SECAO [--sim N] CAMPO=VALOR...\n"
           "     sulvo-calc irregular --pontos ARQUIVO [--curva] [--sim N] CAMPO=VALOR...\n"
           "SECAO: triangular, trapezoidal, retangular, circular\n"
           "CAMPO: Q, H, I, n, b, z, f, Comp, D, T, Incognita (irregular: Q, H, I, n, Comp, Incognita, "
           "Metodologia, MargemE, MargemD)\n"
           "Pontos: um por linha, X;Y;Rug (Y = 0 nas margens, negativo abaixo). Decimal com '.' ou ','.\n"
           "     sulvo-calc --projeto ARQUIVO.svo (--regular | --irregular) [--curva] [--sim N] [--gravar]\n"
           "--gravar: regrava o projeto inteiro no arquivo, com o separador decimal de LC_ALL, LC_NUMERIC ou LANG.\n";
}

Argumentos LerArgumentos(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError("falta a seção (triangular, trapezoidal, retangular, circular ou irregular)");
    Argumentos a;
    // With --projeto the problem comes from the file and no section is named.
    const bool semSecao = args[0].rfind("--", 0) == 0;
    if (!semSecao)
        a.secao = args[0];
    for (std::size_t i = semSecao ? 0 : 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto proximo = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError("falta o valor de " + arg);
            return args[++i];
        };
        if (arg == "--sim") {
            const std::string& texto = proximo();
            auto v = LerReal(texto);
            if (!v || *v < 0 || std::floor(*v) != *v || texto.find_first_of(".,eE") != std::string::npos)
                throw UsageError("--sim espera um número inteiro não negativo: " + texto);
            a.sim = static_cast<long long>(*v);
        } else if (arg == "--pontos") {
            a.pontos = proximo();
        } else if (arg == "--curva") {
            a.curva = true;
        } else if (arg == "--projeto") {
            a.projeto = proximo();
        } else if (arg == "--regular") {
            a.regular = true;
        } else if (arg == "--irregular") {
            a.irregular = true;
        } else if (arg == "--gravar") {
            a.gravar = true;
        } else if (arg.rfind("--", 0) == 0) {
            throw UsageError("opção desconhecida: " + arg);
        } else {
            auto igual = arg.find('=');
            if (igual == std::string::npos || igual == 0)
                throw UsageError("esperado CAMPO=VALOR: " + arg);
            std::string campo = arg.substr(0, igual);
            for (const auto& [nome, _] : a.campos)
                if (nome == campo)
                    throw UsageError("campo repetido: " + campo);
            auto valor = LerReal(arg.substr(igual + 1));
            if (!valor)
                throw UsageError("valor inválido para " + campo + ": " + arg.substr(igual + 1));
            a.campos.emplace_back(campo, *valor);
        }
    }
    if (a.projeto && !a.secao.empty())
        throw UsageError("--projeto não leva seção: o tipo vem do arquivo");
    if (!a.projeto && (a.regular || a.irregular || a.gravar))
        throw UsageError("--regular, --irregular e --gravar valem só com --projeto");
    if (!a.projeto && a.secao.empty())
        throw UsageError("falta a seção (triangular, trapezoidal, retangular, circular ou irregular)");
    return a;
}

unsigned char ValorByte(const std::string& campo, double valor) {
    if (valor < 0 || valor > 255 || std::floor(valor) != valor)
        throw UsageError(campo + " deve ser um inteiro de 0 a 255");
    return static_cast<unsigned char>(valor);
}

} // namespace sulvo::cli
