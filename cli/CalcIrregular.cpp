// sulvo-calc irregular: reads a point file, solves one uniform-flow problem and prints the result.
#include "cli/Argumentos.h"
#include "cli/PontosSecao.h"
#include "cli/Saida.h"
#include "cli/ScriptedPrompt.h"
#include "cli/Usage.h"
#include "engine/Validacao.h"
#include "engine/uIrregular.h"
#include "project/Regional.h"
#include "report/TabelaCurva.h"

#include <iostream>

namespace sulvo::cli {
namespace {

// The unknowns and methods the irregular section has; any other number is a usage error.
void ConferirEnumeracoes(const TSulvoIrregular& secao) {
    if (secao.Incognita > secao.Descricao().MaximoIncognita())
        throw UsageError(std::string("Incognita da seção irregular: ") + secao.Descricao().NomeIncognitas);
    if (secao.Metodologia > secao.Descricao().Campo("Metodologia")->Maximo)
        throw UsageError("Metodologia: 0 convencional, 1 divisão do sulvo em seções, 2 subdivisão por rugosidade");
}

// The bank stations are optional X positions, not fields every calculation has: they are taken out of the
// arguments here and the rest filled from the section's description.
Argumentos TirarMargens(const Argumentos& args, TSulvoIrregular& secao) {
    Argumentos resto = args;
    resto.campos.clear();
    for (const auto& [nome, valor] : args.campos)
        if (nome == "MargemE")
            secao.MargemE = valor;
        else if (nome == "MargemD")
            secao.MargemD = valor;
        else
            resto.campos.emplace_back(nome, valor);
    return resto;
}

} // namespace

int CalcularIrregular(const Argumentos& args, std::string& saida) {
    if (!args.pontos)
        throw UsageError("a seção irregular precisa de --pontos ARQUIVO");
    TSulvoIrregular secao;
    PreencherCampos(TirarMargens(args, secao), secao);
    ConferirEnumeracoes(secao);
    TLevantamento levantamento = LerArquivoPontos(*args.pontos, args.cotas ? TTipoCota::Cotas : TTipoCota::Automatico);
    secao.Pontos = std::move(levantamento.Pontos);
    // As the page does: before the calculation S is the section's total width, the right bank's X.
    secao.S = secao.Pontos.empty() ? 0 : secao.Pontos.back().X;

    ScriptedPrompt prompt(args.sim);
    secao.DefinirPrompt(prompt);
    // The window's checks first, with its messages: the discharge, depth and slope the unknown does not solve
    // must be greater than zero.
    const std::string falha = ValidarEntrada(secao, LimiteValidacao::NaoNegativo);
    if (falha.empty())
        secao.Calcular();
    const bool ok = falha.empty() && secao.A > 0;

    // Drawn with the slope the page shows after the calculation (the solved one for the slope unknown).
    std::vector<TPontoCurva> curva;
    if (args.curva && ok)
        curva = secao.CurvaVazaoProfundidade(secao.I);
    // A survey cut at the lower bank's level is told first, as the window tells it on import.
    std::vector<std::string> mensagens = falha.empty() ? prompt.Mensagens() : std::vector<std::string>{falha};
    if (!levantamento.Aviso.empty())
        mensagens.insert(mensagens.begin(), levantamento.Aviso);
    if (args.csv) {
        // The table alone; a failure leaves it empty and the engine's reason on standard error.
        if (ok)
            saida = TabelaCurva(curva, SeparadorDecimalDaExecucao(), ';');
        for (const std::string& m : ok ? std::vector<std::string>{} : mensagens)
            std::cerr << "sulvo-calc: " << m << '\n';
    } else {
        TComparacaoMetodos metodos;
        if (ok)
            metodos = CompararMetodos(secao, secao.H, secao.I);
        saida = JsonIrregular(secao, ok, mensagens, args.curva ? &curva : nullptr, ok ? &metodos : nullptr);
    }
    return ok ? kOk : kFalhou;
}

} // namespace sulvo::cli
