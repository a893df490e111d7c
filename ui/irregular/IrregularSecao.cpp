#include "ui/irregular/IrregularSecao.h"

#include "common/NumberFormat.h"

#include <algorithm>

namespace sulvo {

double MenorCota(const std::vector<TPontoSecao>& pontos) {
    if (pontos.empty())
        return 0;
    double menor = pontos.front().Y;
    for (const auto& p : pontos)
        menor = std::min(menor, p.Y);
    return menor;
}

std::size_t IndiceInsercao(const std::vector<TPontoSecao>& pontos, double x) {
    if (pontos.size() < 2)
        return pontos.size();
    // Scanning back from the point before the right bank keeps the order of entry among equal X.
    std::size_t i = pontos.size() - 1;
    while (i > 0 && pontos[i - 1].X > x)
        --i;
    return std::max<std::size_t>(i, 1);
}

TResultadoInsercao InserirPonto(std::vector<TPontoSecao>& pontos, double x, double profundidade, std::size_t* indice) {
    if (pontos.size() < 2)
        return TResultadoInsercao::SemMargens;
    if (x > pontos.back().X)
        return TResultadoInsercao::MaiorQueLargura;
    std::size_t i = IndiceInsercao(pontos, x);
    pontos.insert(pontos.begin() + static_cast<std::ptrdiff_t>(i), TPontoSecao{x, -profundidade, 0});
    if (indice)
        *indice = i;
    return TResultadoInsercao::Inserido;
}

TMargensSeguidas SeguirMargens(const std::vector<TPontoSecao>& antes, const std::vector<TPontoSecao>& depois,
                               std::optional<double> esquerda, std::optional<double> direita) {
    auto temPontoEm = [](const std::vector<TPontoSecao>& pontos, double x) {
        return std::any_of(pontos.begin(), pontos.end(), [x](const TPontoSecao& p) { return p.X == x; });
    };
    auto seguir = [&](std::optional<double> margem, bool& retirada) -> std::optional<double> {
        if (!margem || temPontoEm(depois, *margem))
            return margem;
        if (antes.size() == depois.size()) {
            std::optional<std::size_t> unico;
            for (std::size_t i = 0; i < antes.size(); ++i)
                if (antes[i].X == *margem) {
                    if (unico) {
                        unico.reset();
                        break;
                    }
                    unico = i;
                }
            if (unico)
                return depois[*unico].X;
        }
        retirada = true;
        return std::nullopt;
    };
    TMargensSeguidas r;
    r.Esquerda = seguir(esquerda, r.EsquerdaRetirada);
    r.Direita = seguir(direita, r.DireitaRetirada);
    if (!depois.empty())
        r.Cruzadas =
            !(r.Esquerda.value_or(depois.front().X) < r.Direita.value_or(depois.back().X)) && (r.Esquerda || r.Direita);
    return r;
}

TVerificacaoPonto VerificarAlteracao(const std::vector<TPontoSecao>& pontos, std::size_t indice, double x) {
    if (indice == 0 || indice >= pontos.size())
        return TVerificacaoPonto::MargemEsquerda;
    if (indice == pontos.size() - 1)
        return x < pontos[indice - 1].X ? TVerificacaoPonto::LarguraInvalida : TVerificacaoPonto::Aceita;
    if (x > pontos.back().X)
        return TVerificacaoPonto::MaiorQueLargura;
    if (x < pontos[indice - 1].X || x > pontos[indice + 1].X)
        return TVerificacaoPonto::LarguraInvalida;
    return TVerificacaoPonto::Aceita;
}

std::string RotuloPonto(const TPontoSecao& ponto, char separador) {
    return "(" + FormatarGeral(ponto.X, separador) + " ; " + FormatarGeral(ponto.Y, separador) + ")";
}

std::string TextoDica(double x, double y, char separador) {
    return "(" + FormatarGeral(x, separador, 10) + " , " + FormatarGeral(y, separador, 10) + ")";
}

bool AtribuirRugosidade(std::vector<TPontoSecao>& pontos, int inicio, int final, double n,
                        const TFaixaRugosidade& faixa) {
    if (inicio < 0 || final < inicio)
        return false;
    for (int r = inicio + 1; r <= final + 1 && r < static_cast<int>(pontos.size()); ++r) {
        pontos[static_cast<std::size_t>(r)].Rug = n;
        pontos[static_cast<std::size_t>(r)].DefinirFaixa(faixa.Descreve(n) ? faixa : TFaixaRugosidade{});
    }
    return true;
}

std::optional<std::size_t> PrimeiroIntervaloInvalido(const std::vector<std::string>& textos) {
    for (std::size_t r = 0; r < textos.size(); ++r) {
        auto valor = LerReal(textos[r]);
        if (!valor || !(*valor > 0))
            return r + 1;
    }
    return std::nullopt;
}

std::optional<std::size_t> PrimeiraRugosidadeInvalida(const std::vector<TPontoSecao>& pontos) {
    for (std::size_t k = 1; k < pontos.size(); ++k)
        if (!(pontos[k].Rug > 0))
            return k;
    return std::nullopt;
}

std::vector<TPontoCurva> CalcularCurvasVazao(const TSulvoIrregular& secao, double declividade,
                                             std::optional<double> rugosidadeUnica) {
    TSulvoIrregular copia = secao;
    copia.DefinirPrompt(SilentPrompt::instance());
    if (rugosidadeUnica)
        for (std::size_t k = 1; k < copia.Pontos.size(); ++k)
            copia.Pontos[k].Rug = *rugosidadeUnica;
    return copia.CurvaVazaoProfundidade(declividade);
}

} // namespace sulvo
