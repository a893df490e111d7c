#include "cli/Argumentos.h"

#include "cli/Usage.h"
#include "common/NumberFormat.h"
#include "engine/uSulvo.h"

#include <cmath>

namespace sulvo::cli {

std::string TextoDeUso() {
    return "uso: sulvo-calc SECAO [--sim N] CAMPO=VALOR...\n"
           "     sulvo-calc irregular --pontos ARQUIVO [--cotas] [--curva] [--sim N] CAMPO=VALOR...\n"
           "SECAO: triangular, trapezoidal, retangular, circular\n"
           "CAMPO: Q, H, I, n, b, z, f, Comp, D, T, Incognita (irregular: Q, H, I, n, Comp, Incognita, "
           "Metodologia, MargemE, MargemD)\n"
           "nMin=, nMax= (seções regulares): mínimo e máximo de n da tabela; \"faixa_n\" dá a incógnita com eles\n"
           "Pontos: um por linha, X;Y;Rug (Y = 0 nas margens, negativo abaixo) ou estaca, cota e n opcional\n"
           "     (separados por ';', tabulação, ',' ou espaços; decimal com '.' ou ','; cabeçalho opcional).\n"
           "     Cotas (alguma acima de 0, ou --cotas) viram Y relativo à margem mais baixa.\n"
           "     sulvo-calc --projeto ARQUIVO.svo (--regular | --irregular) [--curva] [--sim N] [--gravar]\n"
           "--gravar: regrava o projeto inteiro no arquivo, com o separador decimal de LC_ALL, LC_NUMERIC ou LANG.\n"
           "     sulvo-calc --version | --help\n"
           "     sulvo-calc --projeto ARQUIVO.svo [--projeto ...] (--regular | --irregular) --relatorio SAIDA\n"
           "               [--formato pdf|html]\n"
           "--relatorio: calcula e grava o relatório, em PDF ou HTML pela extensão de SAIDA; com vários projetos\n"
           "     SAIDA é uma pasta e cada projeto dá um relatório com o seu nome (--formato, PDF por omissão).\n"
           "--curva --csv: a curva vazão x profundidade como tabela\n"
           "     (profundidade; Q convencional; Q divisão; Q subdivisão),\n"
           "     com o separador decimal de LC_ALL, LC_NUMERIC ou LANG.\n";
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
        } else if (arg == "--cotas") {
            a.cotas = true;
        } else if (arg == "--projeto") {
            if (a.projeto)
                a.maisProjetos.push_back(proximo());
            else
                a.projeto = proximo();
        } else if (arg == "--relatorio") {
            a.relatorio = proximo();
        } else if (arg == "--formato") {
            a.formato = proximo();
            if (a.formato != "pdf" && a.formato != "html")
                throw UsageError("--formato espera pdf ou html: " + a.formato);
        } else if (arg == "--csv") {
            a.csv = true;
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
    if (!a.projeto && (a.regular || a.irregular || a.gravar || a.relatorio))
        throw UsageError("--regular, --irregular, --gravar e --relatorio valem só com --projeto");
    if (!a.maisProjetos.empty() && !a.relatorio)
        throw UsageError("vários --projeto só com --relatorio PASTA");
    if (a.csv && !a.curva)
        throw UsageError("--csv vale só com --curva");
    if (!a.projeto && a.secao.empty())
        throw UsageError("falta a seção (triangular, trapezoidal, retangular, circular ou irregular)");
    return a;
}

unsigned char ValorByte(const std::string& campo, double valor) {
    if (valor < 0 || valor > 255 || std::floor(valor) != valor)
        throw UsageError(campo + " deve ser um inteiro de 0 a 255");
    return static_cast<unsigned char>(valor);
}

void PreencherCampos(const Argumentos& args, TSulvo& secao) {
    const TDescricaoSecao& descricao = secao.Descricao();
    for (const auto& [nome, valor] : args.campos) {
        const TCampoSecao* campo = descricao.Campo(nome);
        if (!campo || !campo->Entrada)
            throw UsageError("campo desconhecido para a seção " + std::string(descricao.Nome) + ": " + nome);
        if (campo->Tipo == TipoValor::Byte)
            campo->Byte(secao) = ValorByte(nome, valor);
        else
            campo->Real(secao) = valor;
    }
}

} // namespace sulvo::cli
