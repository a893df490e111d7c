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

std::string ListaDaCurva(const std::vector<TPontoCurva>& curva) {
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

} // namespace

std::string JsonSecao(const TSulvo& s, bool ok, const std::vector<std::string>& mensagens,
                      const std::vector<TPontoCurva>* curva) {
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
    if (curva)
        json.Bruto("curva", ListaDaCurva(*curva));
    json.Bruto("avisos", ListaDeTextos(s.Avisos));
    json.Bruto("mensagens", ListaDeTextos(mensagens));
    return json.Fechar();
}

} // namespace sulvo::cli
