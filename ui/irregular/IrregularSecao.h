#pragma once

#include "engine/uIrregular.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The rules of the irregular page that do not need a window: where a surveyed point goes, which
// changes of a point keep the section valid, how a run of intervals receives its roughness, and the
// samples of the discharge-depth curves.
namespace sulvo {

// Lowest elevation Y among the points (the deepest point, negative below the banks); 0 without points.
double MenorCota(const std::vector<TPontoSecao>& pontos);

// Index at which a point of width position x enters the section: the right bank is set aside, the point
// goes after every point whose X is not greater than x (points of equal X keep the order in which they
// were entered, so a vertical wall is described top first), and the right bank returns at the end.
// With X = 0 the point lands right after the left bank; with X = B right before the right bank.
std::size_t IndiceInsercao(const std::vector<TPontoSecao>& pontos, double x);

enum class TResultadoInsercao {
    Inserido,
    SemMargens,     // the section has not got its two banks yet
    MaiorQueLargura // x beyond the right bank
};

// Inserts the point (x, -profundidade) with no roughness; `indice` receives its position when inserted.
TResultadoInsercao InserirPonto(std::vector<TPontoSecao>& pontos, double x, double profundidade,
                                std::size_t* indice = nullptr);

enum class TVerificacaoPonto {
    Aceita,
    MargemEsquerda,  // the left bank is fixed at (0, 0)
    MaiorQueLargura, // an interior point moved beyond the right bank
    LarguraInvalida  // the point would leave the ascending order of its neighbours
};

// Whether point `indice` may move to width position x. The right bank may move right freely but not left
// of its neighbour; an interior point must stay within the section and between its neighbours (equal X is
// a vertical wall and allowed), otherwise the bed would fold back and every evaluation would be wrong.
TVerificacaoPonto VerificarAlteracao(const std::vector<TPontoSecao>& pontos, std::size_t indice, double x);

// The main channel's bank stations after the points change from `antes` to `depois`. A station marks a point: it
// stays while a point stands at its X; when the points were edited in place (as many before as after) and the one
// point at its X moved, it follows that point; otherwise its point is gone and the station is cleared, so that
// it falls back to its end of the section instead of lingering at a place the table no longer shows.
struct TMargensSeguidas {
    std::optional<double> Esquerda, Direita;
    bool EsquerdaRetirada = false, DireitaRetirada = false;
    // The stations no longer leave the main channel a width (a point moved onto or past the other station).
    bool Cruzadas = false;
};
TMargensSeguidas SeguirMargens(const std::vector<TPontoSecao>& antes, const std::vector<TPontoSecao>& depois,
                               std::optional<double> esquerda, std::optional<double> direita);

// "(X ; Y)" with the general number format, Y as stored (negative below the banks): "(2,5 ; -1)".
std::string RotuloPonto(const TPontoSecao& ponto, char separador);

// The coordinate tip of a clicked point: "(X , Y)" with up to 10 significant digits.
std::string TextoDica(double x, double y, char separador);

// Gives the coefficient n to the intervals from point `inicio` to point `final` + 1, where `inicio` is an
// item of the start list (points 0 .. N-2) and `final` an item of the end list (points 1 .. N-1).
// The intervals take `faixa` too: the table's band of n when n was picked from a table, none otherwise.
// Returns false, changing nothing, when the run is given backwards.
bool AtribuirRugosidade(std::vector<TPontoSecao>& pontos, int inicio, int final, double n,
                        const TFaixaRugosidade& faixa = {});

// Row (1-based interval) of the first coefficient text that is not a number greater than 0, or nothing
// when every interval has a valid coefficient. An empty text is invalid.
std::optional<std::size_t> PrimeiroIntervaloInvalido(const std::vector<std::string>& textos);

// First interval (1 .. N-1) whose stored coefficient is not greater than 0.
std::optional<std::size_t> PrimeiraRugosidadeInvalida(const std::vector<TPontoSecao>& pontos);

// The discharge-depth curves of both methods at the given slope, as the engine samples them (100 depths up
// to the full depth), computed on a copy so that the results on show stay untouched. With
// `rugosidadeUnica` every interval takes that one coefficient instead of its own: a problem solved for a
// single roughness needs no interval roughness, and its curves then show the section with the solved n.
std::vector<TPontoCurva> CalcularCurvasVazao(const TSulvoIrregular& secao, double declividade,
                                             std::optional<double> rugosidadeUnica = std::nullopt);

} // namespace sulvo
