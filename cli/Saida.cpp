#include "cli/Saida.h"

#include "cli/Json.h"
#include "engine/FaixaRugosidade.h"

namespace sulvo::cli {
namespace {

// A JSON list of the items, each written by `escrever`.
template <class Item, class Escrever> std::string Lista(const std::vector<Item>& itens, Escrever escrever) {
    std::string lista = "[";
    for (const Item& item : itens) {
        if (lista.size() > 1)
            lista += ", ";
        lista += escrever(item);
    }
    return lista + "]";
}

std::string ListaDeTextos(const std::vector<std::string>& textos) {
    return Lista(textos, [](const std::string& texto) { return JsonTexto(texto); });
}

std::string ListaDaCurva(const std::vector<TPontoCurva>& curva) {
    return Lista(curva, [](const TPontoCurva& p) {
        JsonObject ponto;
        ponto.Numero("h", p.h);
        ponto.Numero("Q_divisao", p.QDivisao);
        ponto.Numero("Q_convencional", p.QConvencional);
        ponto.Numero("Q_subdivisao", p.QSubdivisao);
        return ponto.Fechar();
    });
}

// "ok" and every field of the section's description in its order.
JsonObject CamposDaSecao(const TSulvo& s, bool ok) {
    JsonObject json;
    json.Booleano("ok", ok);
    auto& secao = const_cast<TSulvo&>(s); // the description's accessors serve reading and writing alike
    for (const TGrupoCampos& grupo : s.Descricao().Grupos)
        for (const TCampoSecao& campo : grupo.Campos)
            switch (campo.Tipo) {
            case TipoValor::Real:
                json.Numero(campo.Chave, campo.Real(secao));
                break;
            case TipoValor::Texto:
                json.Texto(campo.Chave, campo.Texto(secao));
                break;
            case TipoValor::Byte:
                json.Inteiro(campo.Chave, campo.Byte(secao));
                break;
            }
    return json;
}

// The unknown solved with the tables' minimum and maximum n, lower value first; null without a band.
std::string FaixaN(const TSulvo& s, bool ok) {
    const std::optional<TResultadoFaixa> faixa = ok ? CalcularFaixaN(s) : std::nullopt;
    if (!faixa)
        return "null";
    JsonObject json;
    json.Texto("campo", faixa->Campo->Chave);
    json.Numero("minimo", faixa->Minimo);
    json.Numero("maximo", faixa->Maximo);
    // The end with no solution ("minimo" or "maximo"), whose value the other end then stands for; null when both
    // were solved.
    if (faixa->SemSolucao)
        json.Texto("sem_solucao", std::string_view(faixa->SemSolucao) == "n máximo" ? "maximo" : "minimo");
    else
        json.Bruto("sem_solucao", "null");
    return json.Fechar();
}

std::string Fechar(JsonObject& json, const TSulvo& s, bool ok, const std::vector<std::string>& mensagens,
                   const std::vector<TPontoCurva>* curva) {
    if (curva)
        json.Bruto("curva", ListaDaCurva(*curva));
    json.Bruto("faixa_n", FaixaN(s, ok));
    json.Bruto("avisos", ListaDeTextos(s.Avisos));
    json.Bruto("mensagens", ListaDeTextos(mensagens));
    return json.Fechar();
}

} // namespace

std::string JsonSecao(const TSulvo& s, bool ok, const std::vector<std::string>& mensagens,
                      const std::vector<TPontoCurva>* curva) {
    JsonObject json = CamposDaSecao(s, ok);
    return Fechar(json, s, ok, mensagens, curva);
}

std::string JsonIrregular(const TSulvoIrregular& s, bool ok, const std::vector<std::string>& mensagens,
                          const std::vector<TPontoCurva>* curva, const TComparacaoMetodos* metodos) {
    JsonObject json = CamposDaSecao(s, ok);
    json.Numero("MargemE", MargemEsquerdaEfetiva(s));
    json.Numero("MargemD", MargemDireitaEfetiva(s));
    if (metodos) {
        json.Bruto("metodos", Lista(metodos->Metodos, [](const TVazaoMetodo& m) {
                       JsonObject linha;
                       linha.Texto("metodo", m.Nome);
                       linha.Numero("Q", m.Q);
                       linha.Numero("n", m.n);
                       return linha.Fechar();
                   }));
        json.Numero("dispersao_metodos", metodos->Dispersao);
        json.Texto("aviso_metodos", metodos->Aviso);
    }
    return Fechar(json, s, ok, mensagens, curva);
}

} // namespace sulvo::cli
