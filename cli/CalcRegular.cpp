// sulvo-calc for the four regular sections: fills a fresh engine object from FIELD=VALUE pairs, checks them,
// calculates, and prints the object's every field with the messages the engine showed.
#include "cli/Argumentos.h"
#include "cli/Saida.h"
#include "cli/ScriptedPrompt.h"
#include "cli/Usage.h"
#include "engine/Validacao.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"

#include <memory>
#include <optional>

namespace sulvo::cli {

namespace {

std::unique_ptr<TSulvo> NovaSecao(const std::string& nome) {
    if (nome == "triangular")
        return std::make_unique<TSulvoTriangular>();
    if (nome == "trapezoidal")
        return std::make_unique<TSulvoTrapezoidal>();
    if (nome == "retangular")
        return std::make_unique<TSulvoRetangular>();
    if (nome == "circular")
        return std::make_unique<TSulvoCircular>();
    throw UsageError("seção desconhecida: " + nome +
                     " (use triangular, trapezoidal, retangular, circular ou irregular)");
}

} // namespace

bool CalcularComChecagem(TSulvo& secao, ScriptedPrompt& prompt, std::string& saida) {
    secao.DefinirPrompt(prompt);
    // The window's checks first, with its messages: a discharge, depth, slope, roughness or dimension that is
    // not greater than zero is an input error, not a channel. A length left out only means no earthwork. An
    // unknown the section does not have is the engine's to refuse.
    const std::string falha = secao.Incognita <= secao.Descricao().MaximoIncognita()
                                  ? ValidarEntrada(secao, LimiteValidacao::NaoNegativo)
                                  : std::string();
    if (!falha.empty()) {
        saida = JsonSecao(secao, false, {falha});
        return false;
    }
    const bool ok = secao.Calcular();
    saida = JsonSecao(secao, ok, prompt.Mensagens());
    return ok;
}

int CalcularRegular(const Argumentos& args, std::string& saida) {
    if (args.pontos || args.curva)
        throw UsageError("--pontos e --curva valem só para a seção irregular");

    const std::unique_ptr<TSulvo> secao = NovaSecao(args.secao);
    // nMin= and nMax= give the table's band of the n given: they are not fields of the section.
    Argumentos campos = args;
    std::optional<double> nMin, nMax;
    std::erase_if(campos.campos, [&](const auto& campo) {
        if (campo.first != "nMin" && campo.first != "nMax")
            return false;
        (campo.first == "nMin" ? nMin : nMax) = campo.second;
        return true;
    });
    if (nMin.has_value() != nMax.has_value())
        throw UsageError("nMin e nMax vão juntos");
    PreencherCampos(campos, *secao);
    if (nMin)
        secao->FaixaN = {secao->n, *nMin, *nMax};
    ScriptedPrompt prompt(args.sim);
    return CalcularComChecagem(*secao, prompt, saida) ? kOk : kFalhou;
}

} // namespace sulvo::cli
