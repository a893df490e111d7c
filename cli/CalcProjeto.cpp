// sulvo-calc --projeto: opens a project file with the window's own reader, calculates the regular problem of
// the type saved in it or its irregular problem, prints the same JSON as the section calculators and, with
// --gravar, writes the whole project back with the window's writer, so projects can be recalculated in batch.
#include "cli/Argumentos.h"
#include "cli/Saida.h"
#include "cli/ScriptedPrompt.h"
#include "cli/Usage.h"
#include "project/ArquivoProjeto.h"
#include "project/Regional.h"
#include "report/TabelaCurva.h"
#include "report/URelatorio.h"
#ifdef SULVO_CALC_RELATORIO
#include "cli/RelatorioCli.h"
#endif

#include <filesystem>
#include <iostream>

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

bool CalcularRegularDoProjeto(Projeto& p, ScriptedPrompt& prompt, std::string& saida) {
    TSulvo* secoes[] = {&p.SulvoTriangular, &p.SulvoTrapezoidal, &p.SulvoRetangular, &p.SulvoCircular};
    if (p.IndSulvoReg >= kTiposRegulares)
        throw UsageError(
            "o projeto não indica um tipo de seção regular (IndSulvoReg = " + std::to_string(p.IndSulvoReg) + ")");
    return CalcularComChecagem(*secoes[p.IndSulvoReg], prompt, saida);
}

bool CalcularIrregularDoProjeto(TSulvoIrregular& secao, bool curva, bool csv, ScriptedPrompt& prompt,
                                std::vector<TPontoCurva>& pontos, std::string& saida) {
    // As the page does: before the calculation S is the section's total width, the right bank's X.
    secao.S = secao.Pontos.empty() ? 0 : secao.Pontos.back().X;
    secao.DefinirPrompt(prompt);
    secao.Calcular();
    const bool ok = secao.A > 0;
    if (ok)
        pontos = secao.CurvaVazaoProfundidade(secao.I);
    if (csv && ok)
        saida = TabelaCurva(pontos, SeparadorDecimalDaExecucao(), ';');
    else if (!csv) {
        TComparacaoMetodos metodos;
        if (ok)
            metodos = CompararMetodos(secao, secao.H, secao.I);
        saida = JsonIrregular(secao, ok, prompt.Mensagens(), curva ? &pontos : nullptr, ok ? &metodos : nullptr);
    }
    return ok;
}

void EscreverRelatorio(const Argumentos& args, Projeto& p, const std::vector<TPontoCurva>& curva,
                       const std::string& arquivo) {
#ifdef SULVO_CALC_RELATORIO
    const SecoesRegulares secoes{p.SulvoTriangular, p.SulvoTrapezoidal, p.SulvoRetangular, p.SulvoCircular};
    if (args.regular)
        EscreverRelatorioRegular(p.IndSulvoReg, secoes, p.IDProjeto, arquivo);
    else
        EscreverRelatorioIrregular(p.SulvoIrregular, curva, p.IDProjeto, arquivo);
#else
    (void)args, (void)p, (void)curva, (void)arquivo;
    throw UsageError("--relatorio não está disponível: este sulvo-calc foi compilado sem Qt (SULVO_GUI=OFF)");
#endif
}

// One project: read, calculated, optionally written back and reported into `relatorio`.
int CalcularUmProjeto(const Argumentos& args, const std::string& arquivo, const std::string& relatorio,
                      std::string& saida) {
    Projeto p;
    p.Zerar();
    bool leuCerto = false;
    try {
        LerArquivoProjeto(arquivo, p.Modelos(), leuCerto);
    } catch (const EArquivoProjeto& e) {
        throw UsageError(e.what());
    }

    ScriptedPrompt prompt(args.sim);
    std::vector<TPontoCurva> curva;
    const bool ok = args.regular
                        ? CalcularRegularDoProjeto(p, prompt, saida)
                        : CalcularIrregularDoProjeto(p.SulvoIrregular, args.curva, args.csv, prompt, curva, saida);
    if (!ok) {
        // Whatever else was asked, the engine's reason is what the user needs to read.
        for (const std::string& m : prompt.Mensagens())
            std::cerr << "sulvo-calc: " << arquivo << ": " << m << '\n';
        return kFalhou;
    }
    // A failed calculation is neither written back nor reported: the file keeps the last good results.
    if (args.gravar) {
        try {
            EscreverArquivoProjeto(arquivo, p.Modelos(), SeparadorDecimalDaExecucao());
        } catch (const EArquivoProjeto& e) {
            throw UsageError(e.what());
        }
    }
    if (!relatorio.empty())
        EscreverRelatorio(args, p, curva, relatorio);
    return kOk;
}

} // namespace

int CalcularProjeto(const Argumentos& args, std::string& saida) {
    if (args.regular == args.irregular)
        throw UsageError("--projeto precisa de --regular ou de --irregular");
    if (!args.campos.empty() || args.pontos)
        throw UsageError("--projeto lê os dados do arquivo: sem CAMPO=VALOR nem --pontos");
    if (args.curva && !args.irregular)
        throw UsageError("--curva vale só para o problema irregular");
    if (!args.relatorio)
        return CalcularUmProjeto(args, *args.projeto, "", saida);

    std::vector<std::string> projetos{*args.projeto};
    projetos.insert(projetos.end(), args.maisProjetos.begin(), args.maisProjetos.end());
    namespace fs = std::filesystem;
    const fs::path destino(*args.relatorio);
    // Several projects, or an existing folder: one report per project in that folder, named after it.
    const bool pasta = projetos.size() > 1 || fs::is_directory(destino);
    if (pasta && !fs::is_directory(destino))
        throw UsageError("--relatorio: com vários projetos, " + *args.relatorio + " deve ser uma pasta existente");
#ifdef SULVO_CALC_RELATORIO
    SessaoRelatorio sessao;
#endif
    int status = kOk;
    saida.clear();
    for (const std::string& arquivo : projetos) {
        const std::string relatorio =
            pasta ? (destino / fs::path(arquivo).stem()).string() + "." + args.formato : destino.string();
        std::string json;
        if (CalcularUmProjeto(args, arquivo, relatorio, json) != kOk)
            status = kFalhou;
        if (!saida.empty() && !json.empty())
            saida += '\n';
        saida += json;
    }
    return status;
}

} // namespace sulvo::cli
