#include "engine/Limites.h"

#include "engine/uIrregular.h"

#include <cmath>

namespace sulvo {

namespace {

double Limite(TGrandeza g) {
    switch (g) {
    case TGrandeza::Comprimento:
        return kLimiteComprimento;
    case TGrandeza::Vazao:
        return kLimiteVazao;
    case TGrandeza::Adimensional:
        break;
    }
    return kLimiteAdimensional;
}

const char* TextoLimite(TGrandeza g) {
    switch (g) {
    case TGrandeza::Comprimento:
        return "10.000.000 m";
    case TGrandeza::Vazao:
        return "1.000.000.000 m³/s";
    case TGrandeza::Adimensional:
        break;
    }
    return "10.000.000";
}

std::string Conferir(const std::string& nome, double valor, TGrandeza grandeza) {
    if (!std::isfinite(valor))
        return "O valor de " + nome + " não é um número finito.";
    if (std::fabs(valor) > Limite(grandeza))
        return "O valor de " + nome + " ultrapassa o limite do cálculo: no máximo " + TextoLimite(grandeza) + ".";
    return {};
}

} // namespace

std::string VerificarLimites(const std::vector<TEntradaLimitada>& entradas) {
    for (const TEntradaLimitada& e : entradas)
        if (std::string problema = Conferir(e.nome, e.valor, e.grandeza); !problema.empty())
            return problema;
    return {};
}

std::string VerificarLimitesPontos(const std::vector<TPontoSecao>& pontos) {
    for (std::size_t k = 0; k < pontos.size(); ++k) {
        const std::string ponto = std::to_string(k + 1) + "º ponto";
        if (std::string p = Conferir("X do " + ponto, pontos[k].X, TGrandeza::Comprimento); !p.empty())
            return p;
        if (std::string p = Conferir("Y do " + ponto, pontos[k].Y, TGrandeza::Comprimento); !p.empty())
            return p;
    }
    return {};
}

} // namespace sulvo
