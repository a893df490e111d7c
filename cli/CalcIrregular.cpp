// sulvo-calc irregular: reads a point file, solves one uniform-flow problem and prints the result.
#include "Argumentos.h"
#include "Json.h"
#include "PontosSecao.h"
#include "ScriptedPrompt.h"
#include "Usage.h"
#include "uIrregular.h"

namespace sulvo::cli {
namespace {

// The discharge–depth chart of both methods, as the page draws it after a calculation.
std::string CurvaJson(const std::vector<TPontoCurva>& curva) {
    std::string lista = "[";
    for (const TPontoCurva& p : curva) {
        if (lista.size() > 1)
            lista += ", ";
        JsonObject ponto;
        ponto.Numero("h", p.h);
        ponto.Numero("Q_divisao", p.QDivisao);
        ponto.Numero("Q_convencional", p.QConvencional);
        lista += ponto.Fechar();
    }
    return lista + "]";
}

std::string MensagensJson(const std::vector<std::string>& mensagens) {
    std::string lista = "[";
    for (const std::string& m : mensagens) {
        if (lista.size() > 1)
            lista += ", ";
        lista += JsonTexto(m);
    }
    return lista + "]";
}

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
        if (secao.Metodologia > 1)
            throw UsageError("Metodologia: 0 convencional, 1 divisão do sulvo em seções");
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

    JsonObject json;
    json.Booleano("ok", ok);
    json.Numero("Q", secao.Q);
    json.Numero("H", secao.H);
    json.Numero("I", secao.I);
    json.Numero("n", secao.n);
    json.Numero("A", secao.A);
    json.Numero("P", secao.P);
    json.Numero("V", secao.V);
    json.Numero("S", secao.S);
    json.Numero("E", secao.E);
    json.Numero("Yc", secao.Yc);
    json.Numero("NF", secao.NF);
    json.Numero("Comp", secao.Comp);
    json.Numero("Vol_Terra", secao.Vol_Terra);
    json.Texto("Regime", secao.Regime);
    json.Inteiro("Incognita", secao.Incognita);
    json.Inteiro("Metodologia", secao.Metodologia);
    json.Numero("YMinimo", secao.YMinimo);
    // Drawn with the slope the page shows after the calculation (the solved one for the slope unknown).
    if (args.curva)
        json.Bruto("curva", CurvaJson(ok ? secao.CurvaVazaoProfundidade(secao.I) : std::vector<TPontoCurva>{}));
    json.Bruto("mensagens", MensagensJson(prompt.Mensagens()));
    saida = json.Fechar();
    return ok ? kOk : kFalhou;
}

} // namespace sulvo::cli
