#pragma once

#include "engine/uIrregular.h"

#include <cstddef>
#include <string>
#include <vector>

// Conveyance of an irregular section subdivided at its roughness changes and bank stations, as river
// engineers compute it (the default subdivision of HEC-RAS), and the comparison of every method at one depth.
namespace sulvo {

enum class TRegiao : std::uint8_t { MargemEsquerda, Canal, MargemDireita };

// One flow element: the water between two vertical cut lines, with its own wetted perimeter and conveyance.
struct TSubarea {
    double XInicio = 0; // cut lines, m
    double XFim = 0;
    double A = 0;       // m²
    double P = 0;       // m; the cut lines carry no perimeter
    double KHorton = 0; // Σ n^1.5·p over its boundary: one n, or the Horton–Einstein composite
    double n = 0;       // its coefficient, (KHorton/P)^(2/3)
    double K = 0;       // conveyance A·R^(2/3)/n, m³/s at unit slope
    TRegiao Regiao = TRegiao::Canal;
};

struct TConducaoSubdividida {
    double A = 0;
    double P = 0;
    double S = 0;    // water-surface width, m
    double K = 0;    // Σ K_i: the discharge is K·√I
    double Alfa = 1; // velocity coefficient of the three flow elements (left overbank, channel, right overbank)
    bool CanalComposto = false;        // the main channel took one Horton–Einstein n over its varying n
    std::size_t IntervaloInvalido = 0; // > 0: a wetted interval whose coefficient is not greater than 0
    std::vector<TSubarea> Subareas;    // wetted elements, left to right
};

// Where the subdivision cuts the water.
enum class TCorte : std::uint8_t {
    Margens,    // overbanks at every change of n, the main channel as one element unless its n varies on flat banks
    Rugosidade, // at every change of n across the whole section, banks ignored (the zones of the composite formulas)
};

// The subdivided section at the water level z (elevation in the frame of Y, banks at 0). margemE and margemD are
// the bank stations' X (clamped to the section; given in either order). With nUnico > 0 every interval takes
// that coefficient. The points must satisfy the section's invariants (first and last at Y = 0, X ascending).
// Without `subareas` only the totals and α are filled, for callers that evaluate many levels.
TConducaoSubdividida ConducaoSubdividida(const std::vector<TPontoSecao>& pontos, double z, double margemE,
                                         double margemD, double nUnico = 0, TCorte corte = TCorte::Margens,
                                         bool subareas = true);

// The bank stations of a section: the given ones, or the two ends.
double MargemEsquerdaEfetiva(const TSulvoIrregular& s);
double MargemDireitaEfetiva(const TSulvoIrregular& s);

// Critical depth as the depth of least specific energy E = y + α·Q²/(2g·A²), the velocity coefficient of the
// subdivided section included; m above the lowest point, or -1 when the energy still falls at the full depth.
double ProfundidadeCriticaEnergia(const std::vector<TPontoSecao>& pontos, double yMinimo, double margemE,
                                  double margemD, double vazao, double nUnico = 0);

// Composite coefficients of one flow area from its boundary: P_i, n_i and, for Lotter, the zones' R_i.
struct TRugosidadesCompostas {
    double HortonEinstein = 0; // (Σ n_i^1.5·P_i / P)^(2/3)
    double Pavlovskii = 0;     // (Σ n_i²·P_i / P)^(1/2)
    double Lotter = 0;         // P·R^(5/3) / Σ(P_i·R_i^(5/3)/n_i)
    double EinsteinBanks = 0;  // Σ n_i·P_i / P
};
TRugosidadesCompostas RugosidadesCompostas(const std::vector<TSubarea>& zonas);

// The discharge at one depth by every method, side by side.
struct TVazaoMetodo {
    std::string Nome;
    double Q = 0; // m³/s
    double n = 0; // the equivalent single coefficient of the method; 0 for the vertical slices
};

struct TComparacaoMetodos {
    std::vector<TVazaoMetodo> Metodos; // empty when the depth holds no water or a wetted interval has no n
    double Dispersao = 0;              // (highest − lowest) / lowest
    std::string Aviso;                 // set when the spread exceeds 10 %
};

inline constexpr double kDispersaoAviso = 0.10;

// The six methods at depth h and slope I with the interval coefficients of the section; YMinimo must be current.
// Shows no message.
TComparacaoMetodos CompararMetodos(TSulvoIrregular& s, double h, double I, char separador = ',');

} // namespace sulvo
