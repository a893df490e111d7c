// sulvo-calc --projeto: opens a project file with the window's own reader, calculates the regular problem of
// the type saved in it or its irregular problem, prints the same JSON as the section calculators and, with
// --gravar, writes the whole project back with the window's writer, so projects can be recalculated in batch.
#include "cli/Argumentos.h"
#include "cli/Saida.h"
#include "cli/ScriptedPrompt.h"
#include "cli/Usage.h"
#include "project/ArquivoProjeto.h"
#include "project/Regional.h"

namespace sulvo::cli {
namespace {

// The models of one workspace, as the main window holds them.
struct Projeto {
    TIDProjeto IDProjeto;
    TSulvoTriangular SulvoTriangular;
    TSulvoTrapezoidal SulvoTrapezoidal;
    TSulvoRetangular SulvoRetangular;
    TSulvoCircular SulvoCircular;
    TSulvoIrregular SulvoIrregular;
    std::uint8_t IndSulvoReg = 0;
    std::uint8_t IndIncognita = 0;

    ModelosProjeto Modelos() {
        return {IDProjeto,     SulvoTriangular, SulvoTrapezoidal, SulvoRetangular,
                SulvoCircular, SulvoIrregular,  IndSulvoReg,      IndIncognita};
    }

    // What the document manager resets before it reads a file.
    void Zerar() {
        IDProjeto.Zerar();
        SulvoCircular.Zerar();
        SulvoTriangular.Zerar();
        SulvoTrapezoidal.Zerar();
        SulvoRetangular.Zerar();
        SulvoIrregular.Zerar();
        IndSulvoReg = 0;
        IndIncognita = 0;
    }
};

template <class Secao> bool CalcularPrismatico(Secao& secao, ScriptedPrompt& prompt, std::string& saida) {
    secao.DefinirPrompt(prompt);
    const bool ok = secao.Calcular();
    saida = JsonPrismatico(secao, secao.Incognita, ok, prompt.Mensagens());
    return ok;
}

bool CalcularRegularDoProjeto(Projeto& p, ScriptedPrompt& prompt, std::string& saida) {
    switch (p.IndSulvoReg) {
    case 0:
        return CalcularPrismatico(p.SulvoTriangular, prompt, saida);
    case 1:
        return CalcularPrismatico(p.SulvoTrapezoidal, prompt, saida);
    case 2:
        return CalcularPrismatico(p.SulvoRetangular, prompt, saida);
    case 3: {
        p.SulvoCircular.DefinirPrompt(prompt);
        const bool ok = p.SulvoCircular.Calcular();
        saida = JsonCircular(p.SulvoCircular, ok, prompt.Mensagens());
        return ok;
    }
    default:
        throw UsageError(
            "o projeto não indica um tipo de seção regular (IndSulvoReg = " + std::to_string(p.IndSulvoReg) + ")");
    }
}

bool CalcularIrregularDoProjeto(TSulvoIrregular& secao, bool curva, ScriptedPrompt& prompt, std::string& saida) {
    // As the page does: before the calculation S is the section's total width, the right bank's X.
    secao.S = secao.Pontos.empty() ? 0 : secao.Pontos.back().X;
    secao.DefinirPrompt(prompt);
    secao.Calcular();
    const bool ok = secao.A > 0;
    std::vector<TPontoCurva> pontos;
    if (curva && ok)
        pontos = secao.CurvaVazaoProfundidade(secao.I);
    TComparacaoMetodos metodos;
    if (ok)
        metodos = CompararMetodos(secao, secao.H, secao.I);
    saida = JsonIrregular(secao, ok, curva ? &pontos : nullptr, ok ? &metodos : nullptr, prompt.Mensagens());
    return ok;
}

} // namespace

int CalcularProjeto(const Argumentos& args, std::string& saida) {
    if (args.regular == args.irregular)
        throw UsageError("--projeto precisa de --regular ou de --irregular");
    if (!args.campos.empty() || args.pontos)
        throw UsageError("--projeto lê os dados do arquivo: sem CAMPO=VALOR nem --pontos");
    if (args.curva && !args.irregular)
        throw UsageError("--curva vale só para o problema irregular");

    Projeto p;
    p.Zerar();
    bool leuCerto = false;
    try {
        LerArquivoProjeto(*args.projeto, p.Modelos(), leuCerto);
    } catch (const EArquivoProjeto& e) {
        throw UsageError(e.what());
    }

    ScriptedPrompt prompt(args.sim);
    const bool ok = args.regular ? CalcularRegularDoProjeto(p, prompt, saida)
                                 : CalcularIrregularDoProjeto(p.SulvoIrregular, args.curva, prompt, saida);
    // A failed calculation is not written back: the file keeps the last good results.
    if (args.gravar && ok) {
        try {
            EscreverArquivoProjeto(*args.projeto, p.Modelos(), SeparadorDecimalDoAmbiente());
        } catch (const EArquivoProjeto& e) {
            throw UsageError(e.what());
        }
    }
    return ok ? kOk : kFalhou;
}

} // namespace sulvo::cli
