// sulvo-calc irregular: reads a point file, solves one uniform-flow problem and prints the result.
#include "cli/Argumentos.h"
#include "cli/PontosSecao.h"
#include "cli/Saida.h"
#include "cli/ScriptedPrompt.h"
#include "cli/Usage.h"
#include "engine/uIrregular.h"

namespace sulvo::cli {
namespace {

void DefinirCampo(TSulvoIrregular& secao, const std::string& campo, double valor) {
    if (campo == "Q")
        secao.Q = valor;
    else if (campo == "H")
        secao.H = valor;
    else if (campo == "I")
        secao.I = valor;
    else if (campo == "n")
        secao.n = valor;
    else if (campo == "Comp")
        secao.Comp = valor;
    else if (campo == "Incognita") {
        secao.Incognita = ValorByte(campo, valor);
        if (secao.Incognita > 3)
            throw UsageError("Incognita da seção irregular: 0 vazão, 1 profundidade normal, 2 declividade, "
                             "3 coeficiente de rugosidade único");
    } else if (campo == "Metodologia") {
        secao.Metodologia = ValorByte(campo, valor);
        if (secao.Metodologia > 2)
            throw UsageError("Metodologia: 0 convencional, 1 divisão do sulvo em seções, 2 subdivisão por rugosidade");
    } else if (campo == "MargemE") {
        secao.MargemE = valor;
    } else if (campo == "MargemD") {
        secao.MargemD = valor;
    } else {
        throw UsageError("campo desconhecido para a seção irregular: " + campo);
    }
}

} // namespace

int CalcularIrregular(const Argumentos& args, std::string& saida) {
    if (!args.pontos)
        throw UsageError("a seção irregular precisa de --pontos ARQUIVO");
    TSulvoIrregular secao;
    for (const auto& [campo, valor] : args.campos)
        DefinirCampo(secao, campo, valor);
    secao.Pontos = LerArquivoPontos(*args.pontos);
    // As the page does: before the calculation S is the section's total width, the right bank's X.
    secao.S = secao.Pontos.empty() ? 0 : secao.Pontos.back().X;

    ScriptedPrompt prompt(args.sim);
    secao.DefinirPrompt(prompt);
    secao.Calcular();
    const bool ok = secao.A > 0;

    // Drawn with the slope the page shows after the calculation (the solved one for the slope unknown).
    std::vector<TPontoCurva> curva;
    if (args.curva && ok)
        curva = secao.CurvaVazaoProfundidade(secao.I);
    TComparacaoMetodos metodos;
    if (ok)
        metodos = CompararMetodos(secao, secao.H, secao.I);
    saida = JsonIrregular(secao, ok, args.curva ? &curva : nullptr, ok ? &metodos : nullptr, prompt.Mensagens());
    return ok ? kOk : kFalhou;
}

} // namespace sulvo::cli
