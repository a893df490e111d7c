#include "cli/Saida.h"

#include "cli/Json.h"

namespace sulvo::cli {
namespace {

std::string ListaDeTextos(const std::vector<std::string>& textos) {
    std::string lista = "[";
    for (const auto& texto : textos) {
        if (lista.size() > 1)
            lista += ", ";
        lista += JsonTexto(texto);
    }
    return lista + "]";
}

// The eleven reals every section shares, in the order of the fields.
template <class Secao> void EscreverReais(JsonObject& json, const Secao& s) {
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
}

void EscreverBase(JsonObject& json, const TSulvo& s) {
    EscreverReais(json, s);
    json.Texto("Regime", s.Regime);
}

} // namespace

std::string JsonPrismatico(const TSulvoR& s, std::uint8_t incognita, bool ok,
                           const std::vector<std::string>& mensagens) {
    JsonObject json;
    json.Booleano("ok", ok);
    EscreverBase(json, s);
    json.Numero("b", s.b);
    json.Numero("Comp", s.Comp);
    json.Numero("Vol_Terra", s.Vol_Terra);
    json.Numero("z", s.z);
    json.Numero("f", s.f);
    json.Inteiro("Incognita", incognita);
    json.Bruto("mensagens", ListaDeTextos(mensagens));
    return json.Fechar();
}

std::string JsonCircular(const TSulvoCircular& s, bool ok, const std::vector<std::string>& mensagens) {
    JsonObject json;
    json.Booleano("ok", ok);
    EscreverBase(json, s);
    json.Numero("D", s.D);
    json.Numero("T", s.T);
    json.Inteiro("Incognita", s.Incognita);
    json.Bruto("mensagens", ListaDeTextos(mensagens));
    return json.Fechar();
}

std::string JsonIrregular(const TSulvoIrregular& s, bool ok, const std::vector<TPontoCurva>* curva,
                          const TComparacaoMetodos* metodos, const std::vector<std::string>& mensagens) {
    JsonObject json;
    json.Booleano("ok", ok);
    EscreverReais(json, s);
    json.Numero("Comp", s.Comp);
    json.Numero("Vol_Terra", s.Vol_Terra);
    json.Texto("Regime", s.Regime);
    json.Inteiro("Incognita", s.Incognita);
    json.Inteiro("Metodologia", s.Metodologia);
    json.Numero("YMinimo", s.YMinimo);
    json.Numero("MargemE", MargemEsquerdaEfetiva(s));
    json.Numero("MargemD", MargemDireitaEfetiva(s));
    json.Numero("Alfa", s.Alfa);
    if (curva) {
        std::string lista = "[";
        for (const TPontoCurva& p : *curva) {
            if (lista.size() > 1)
                lista += ", ";
            JsonObject ponto;
            ponto.Numero("h", p.h);
            ponto.Numero("Q_divisao", p.QDivisao);
            ponto.Numero("Q_convencional", p.QConvencional);
            ponto.Numero("Q_subdivisao", p.QSubdivisao);
            lista += ponto.Fechar();
        }
        json.Bruto("curva", lista + "]");
    }
    if (metodos) {
        std::string lista = "[";
        for (const TVazaoMetodo& m : metodos->Metodos) {
            if (lista.size() > 1)
                lista += ", ";
            JsonObject linha;
            linha.Texto("metodo", m.Nome);
            linha.Numero("Q", m.Q);
            linha.Numero("n", m.n);
            lista += linha.Fechar();
        }
        json.Bruto("metodos", lista + "]");
        json.Numero("dispersao_metodos", metodos->Dispersao);
        json.Texto("aviso_metodos", metodos->Aviso);
    }
    json.Bruto("mensagens", ListaDeTextos(mensagens));
    return json.Fechar();
}

} // namespace sulvo::cli
