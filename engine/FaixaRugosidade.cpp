#include "engine/FaixaRugosidade.h"

#include "common/NumberFormat.h"
#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

namespace sulvo {
namespace {

bool Positivo(double v) {
    return v > 0 && std::isfinite(v);
}

template <class T> std::unique_ptr<TSulvo> CopiaDe(const TSulvo& s) {
    return std::make_unique<T>(static_cast<const T&>(s));
}

std::unique_ptr<TSulvo> Copiar(const TSulvo& s) {
    switch (s.Descricao().Tipo) {
    case kTriangular:
        return CopiaDe<TSulvoTriangular>(s);
    case kTrapezoidal:
        return CopiaDe<TSulvoTrapezoidal>(s);
    case kRetangular:
        return CopiaDe<TSulvoRetangular>(s);
    case kCircular:
        return CopiaDe<TSulvoCircular>(s);
    default:
        return CopiaDe<TSulvoIrregular>(s);
    }
}

enum class Extremo { Minimo, Maximo };

double Coeficiente(const TFaixaRugosidade& f, Extremo e) {
    return e == Extremo::Minimo ? f.Minimo : f.Maximo;
}

// Puts one end of the band in place of the coefficients it describes; false when none is described.
bool Substituir(TSulvo& copia, Extremo e) {
    if (auto* irregular = dynamic_cast<TSulvoIrregular*>(&copia)) {
        bool algum = false;
        for (TPontoSecao& p : irregular->Pontos)
            if (p.Faixa().Descreve(p.Rug)) {
                p.Rug = Coeficiente(p.Faixa(), e);
                algum = true;
            }
        return algum;
    }
    if (!copia.FaixaN.Descreve(copia.n))
        return false;
    copia.n = Coeficiente(copia.FaixaN, e);
    return true;
}

// The unknown solved on a copy with one end of the band; nothing when the copy has no solution.
std::optional<double> ResolverCom(const TSulvo& secao, const TCampoSecao& campo, Extremo e) {
    std::unique_ptr<TSulvo> copia = Copiar(secao);
    if (!Substituir(*copia, e))
        return std::nullopt;
    copia->DefinirPrompt(SilentPrompt::instance());
    if (!copia->Calcular() || !(copia->A > 0))
        return std::nullopt;
    const double valor = campo.ValorReal(*copia);
    return std::isfinite(valor) ? std::optional<double>(valor) : std::nullopt;
}

} // namespace

bool TFaixaRugosidade::Definida() const {
    return Positivo(Normal) && Positivo(Minimo) && Positivo(Maximo);
}

std::optional<TResultadoFaixa> CalcularFaixaN(const TSulvo& secao) {
    const TDescricaoSecao& d = secao.Descricao();
    const int k = secao.Incognita;
    // The roughness unknown (of every section, the irregular section's single n included) is what the band
    // would vary: there is nothing to carry the band to.
    if (k > d.MaximoIncognita() || k == static_cast<int>(IncognitaComum::Rugosidade))
        return std::nullopt;
    // An unknown that solves two fields (the circle's diameter and depth) is shown by its first.
    const TCampoSecao* campo = d.Campo(*d.Incognitas[static_cast<std::size_t>(k)].Campos.begin());
    if (!campo || campo->Tipo != TipoValor::Real)
        return std::nullopt;
    const std::optional<double> comMinimo = ResolverCom(secao, *campo, Extremo::Minimo);
    const std::optional<double> comMaximo = ResolverCom(secao, *campo, Extremo::Maximo);
    if (!comMinimo && !comMaximo)
        return std::nullopt;
    // One end without a solution is itself the answer an engineer needs: the channel fails if it turns out that
    // rough (or, for a depth near a pipe's largest discharge, that smooth).
    if (!comMinimo || !comMaximo) {
        const double valor = comMinimo ? *comMinimo : *comMaximo;
        return TResultadoFaixa{campo, campo->ValorReal(secao), valor, valor, comMinimo ? "n máximo" : "n mínimo"};
    }
    // A rougher channel carries less at a given depth and needs more depth, slope or width for a given
    // discharge, so the minimum n may give either end: the band is given in the order of the values.
    return TResultadoFaixa{campo, campo->ValorReal(secao), std::min(*comMinimo, *comMaximo),
                           std::max(*comMinimo, *comMaximo)};
}

std::string TextoFaixaN(const TResultadoFaixa& faixa, char separador, bool unidadeRelatorio) {
    const TCampoSecao& c = *faixa.Campo;
    const char* unidade = unidadeRelatorio ? c.UnidadeRelatorio : c.Unidade;
    const std::string sufixo = unidade ? std::string(" ") + unidade : std::string();
    auto numero = [&](double v) { return FormatarFixo(v, c.Decimais, separador); };
    if (faixa.SemSolucao) {
        const std::string resolvido = std::string_view(faixa.SemSolucao) == "n máximo" ? "n mínimo" : "n máximo";
        return std::string(c.Nome) + ": " + numero(faixa.Valor) + sufixo + " (" + numero(faixa.Minimo) + sufixo +
               " com " + resolvido + "; sem solução com " + faixa.SemSolucao + ")";
    }
    return std::string(c.Nome) + ": " + numero(faixa.Valor) + sufixo + " (" + numero(faixa.Minimo) + " a " +
           numero(faixa.Maximo) + sufixo + " com n mínimo e máximo)";
}

} // namespace sulvo
