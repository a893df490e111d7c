// sulvo-calc for the four regular sections: fills a fresh engine object from FIELD=VALUE pairs, calculates,
// and prints the object's every field with the messages the engine showed.
#include "Argumentos.h"
#include "Json.h"
#include "ScriptedPrompt.h"
#include "Usage.h"
#include "uRetangular.h"
#include "uTrapezoidal.h"
#include "uTriangular.h"
#include "ucircular.h"

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

// The fields of TSulvo, in their declaration order.
void EscreverBase(JsonObject& json, const TSulvo& s) {
    json.Numero("Q", s.Q);
    json.Numero("H", s.H);
    json.Numero("I", s.I);
    json.Numero("n", s.n);
    json.Numero("A", s.A);
    json.Numero("P", s.P);
    json.Numero("V", s.V);
    json.Numero("S", s.S);
    json.Numero("E", s.E);
    json.Numero("Yc", s.Yc);
    json.Numero("NF", s.NF);
    json.Texto("Regime", s.Regime);
}

void EscreverPrismatico(JsonObject& json, const TSulvoR& s, std::uint8_t incognita) {
    EscreverBase(json, s);
    json.Numero("b", s.b);
    json.Numero("Comp", s.Comp);
    json.Numero("Vol_Terra", s.Vol_Terra);
    json.Numero("z", s.z);
    json.Numero("f", s.f);
    json.Inteiro("Incognita", incognita);
}

void EscreverCircular(JsonObject& json, const TSulvoCircular& s) {
    EscreverBase(json, s);
    json.Numero("D", s.D);
    json.Numero("T", s.T);
    json.Inteiro("Incognita", s.Incognita);
}

std::string ListaDeTextos(const std::vector<std::string>& textos) {
    std::string lista = "[";
    for (const auto& texto : textos) {
        if (lista.size() > 1)
            lista += ", ";
        lista += JsonTexto(texto);
    }
    return lista + "]";
}

// Runs one prismatic section type, which has Incognita and Calcular of its own.
template <class Secao> bool CalcularPrismatico(const Argumentos& args, IPrompt& prompt, JsonObject& json) {
    Secao secao;
    secao.DefinirPrompt(prompt);
    Preencher(args, CamposPrismaticos(secao), secao.Incognita);
    const bool ok = secao.Calcular();
    json.Booleano("ok", ok);
    EscreverPrismatico(json, secao, secao.Incognita);
    return ok;
}

bool CalcularCircular(const Argumentos& args, IPrompt& prompt, JsonObject& json) {
    TSulvoCircular secao;
    secao.DefinirPrompt(prompt);
    Preencher(args, CamposCirculares(secao), secao.Incognita);
    const bool ok = secao.Calcular();
    json.Booleano("ok", ok);
    EscreverCircular(json, secao);
    return ok;
}

} // namespace

int CalcularRegular(const Argumentos& args, std::string& saida) {
    if (args.pontos || args.curva)
        throw UsageError("--pontos e --curva valem só para a seção irregular");

    ScriptedPrompt prompt(args.sim);
    JsonObject json;
    bool ok;
    if (args.secao == "triangular")
        ok = CalcularPrismatico<TSulvoTriangular>(args, prompt, json);
    else if (args.secao == "trapezoidal")
        ok = CalcularPrismatico<TSulvoTrapezoidal>(args, prompt, json);
    else if (args.secao == "retangular")
        ok = CalcularPrismatico<TSulvoRetangular>(args, prompt, json);
    else if (args.secao == "circular")
        ok = CalcularCircular(args, prompt, json);
    else
        throw UsageError("seção desconhecida: " + args.secao +
                         " (use triangular, trapezoidal, retangular, circular ou irregular)");

    json.Bruto("mensagens", ListaDeTextos(prompt.Mensagens()));
    saida = json.Fechar();
    return ok ? kOk : kFalhou;
}

} // namespace sulvo::cli
