// sulvo-calc for the four regular sections: fills a fresh engine object from FIELD=VALUE pairs, calculates,
// and prints the object's every field with the messages the engine showed.
#include "cli/Argumentos.h"
#include "cli/Saida.h"
#include "cli/ScriptedPrompt.h"
#include "cli/Usage.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"

#include <map>

namespace sulvo::cli {

namespace {

using Campos = std::map<std::string, double*>;

// The input fields a prismatic section takes by name; the triangle accepts b and the rectangle z, which
// Calcular then zeroes, just as a project file may hold them.
Campos CamposPrismaticos(TSulvoR& s) {
    return {{"Q", &s.Q}, {"H", &s.H}, {"I", &s.I}, {"n", &s.n},
            {"b", &s.b}, {"z", &s.z}, {"f", &s.f}, {"Comp", &s.Comp}};
}

Campos CamposCirculares(TSulvoCircular& s) {
    return {{"Q", &s.Q}, {"H", &s.H}, {"I", &s.I}, {"n", &s.n}, {"D", &s.D}, {"T", &s.T}};
}

void Preencher(const Argumentos& args, const Campos& campos, std::uint8_t& incognita) {
    for (const auto& [nome, valor] : args.campos) {
        if (nome == "Incognita") {
            incognita = ValorByte(nome, valor);
            continue;
        }
        auto campo = campos.find(nome);
        if (campo == campos.end())
            throw UsageError("campo desconhecido para a seção " + args.secao + ": " + nome);
        *campo->second = valor;
    }
}

// Runs one prismatic section type, which has Incognita and Calcular of its own.
template <class Secao> bool CalcularPrismatico(const Argumentos& args, ScriptedPrompt& prompt, std::string& saida) {
    Secao secao;
    secao.DefinirPrompt(prompt);
    Preencher(args, CamposPrismaticos(secao), secao.Incognita);
    const bool ok = secao.Calcular();
    saida = JsonPrismatico(secao, secao.Incognita, ok, prompt.Mensagens());
    return ok;
}

bool CalcularCircular(const Argumentos& args, ScriptedPrompt& prompt, std::string& saida) {
    TSulvoCircular secao;
    secao.DefinirPrompt(prompt);
    Preencher(args, CamposCirculares(secao), secao.Incognita);
    const bool ok = secao.Calcular();
    saida = JsonCircular(secao, ok, prompt.Mensagens());
    return ok;
}

} // namespace

int CalcularRegular(const Argumentos& args, std::string& saida) {
    if (args.pontos || args.curva)
        throw UsageError("--pontos e --curva valem só para a seção irregular");

    ScriptedPrompt prompt(args.sim);
    bool ok;
    if (args.secao == "triangular")
        ok = CalcularPrismatico<TSulvoTriangular>(args, prompt, saida);
    else if (args.secao == "trapezoidal")
        ok = CalcularPrismatico<TSulvoTrapezoidal>(args, prompt, saida);
    else if (args.secao == "retangular")
        ok = CalcularPrismatico<TSulvoRetangular>(args, prompt, saida);
    else if (args.secao == "circular")
        ok = CalcularCircular(args, prompt, saida);
    else
        throw UsageError("seção desconhecida: " + args.secao +
                         " (use triangular, trapezoidal, retangular, circular ou irregular)");

    return ok ? kOk : kFalhou;
}

} // namespace sulvo::cli
