#pragma once

// The numerical methods every solver uses: one bisection and one Newton iteration, and the tolerances and
// iteration limits they stop on, each in one named place.

#include <cfloat>
#include <cmath>

namespace sulvo::numerico {

// When a bisection stops: the residual within `residuo` (in the residual's own unit) or the bracket no wider
// than `intervalo` (in the unknown's unit), whichever comes first.
struct TCriterioBisseccao {
    long double residuo;
    double intervalo;
};

// Circle, depth and diameter searches: discharge residual in m³/s, bracket in m.
inline constexpr TCriterioBisseccao kCircularVazao{0.0001L, 0.00001};
// Circle, critical depth: residual of A·√(A/T) − Q/√g (m^2.5), bracket on the central angle in radians.
inline constexpr TCriterioBisseccao kCircularCritica{0.0001L, 0.0001};
// Trapezoid, critical depth: residual of the condition made dimensionless by b⁵, bracket in m.
inline constexpr TCriterioBisseccao kTrapezioCritica{0.0001L, 0.0000001};
// Irregular section, depth, slope and roughness searches: discharge residual in m³/s, bracket in the unknown's
// unit. The double tolerance is kept as a double, as the irregular solvers compare in double precision.
inline constexpr TCriterioBisseccao kIrregularVazao{static_cast<double>(0.0001), 0.00001};
// Irregular section, critical depth: residual of A³/S − Q²/g in m⁵, bracket in m.
inline constexpr TCriterioBisseccao kIrregularCritica{static_cast<double>(0.0001), 0.0000001};

// When a Newton iteration stops: the step below `passo` in the unknown's own unit (m, or m/m for a side slope).
// After `passosPorPergunta` steps the user is asked whether to go on.
struct TCriterioNewton {
    long double passo;
    long long passosPorPergunta;
};

// The prismatic sections' depth, side-slope and base-width searches.
inline constexpr TCriterioNewton kPrismaticoNewton{0.0001L, 100000};

// Rounds an extended value into a 64-bit real. A NaN, an infinity or a value beyond the 64-bit range leaves the
// real as it was and answers false.
inline bool GuardarReal(double& campo, long double valor) {
    if (!std::isfinite(valor) || std::fabs(valor) > DBL_MAX)
        return false;
    campo = static_cast<double>(valor);
    return true;
}

// Halves [lo, hi] on x. Each step puts the midpoint in x and asks `residuo(R)` for the residual there, a
// function that grows with x: a positive residual moves the upper end down, any other the lower end up. R starts
// as given (the residual already known at x, or any value above the tolerance to make at least one step); x keeps
// the last midpoint, or its value on entry when no step was made. False as soon as `residuo` answers false.
template <class Residuo>
bool Bisseccao(double& x, double lo, double hi, long double R, const TCriterioBisseccao& criterio, Residuo&& residuo) {
    while (std::fabs(R) > criterio.residuo && hi - lo > criterio.intervalo) {
        x = lo + (hi - lo) / 2;
        if (!residuo(R))
            return false;
        if (R > 0)
            hi = x;
        else
            lo = x;
    }
    return true;
}

// Newton's method on x from `inicio`. Each iteration applies the last step Δ to x and asks `passo(anterior, Δ)`
// for the next one at the new x (`anterior` is x before the step, where a solver may take its derivatives). When
// the step falls below the tolerance, `convergiu()` completes the results at the current x; the last step is not
// applied. After each `passosPorPergunta` iterations `continuar()` is asked; No stops. False when any of the three
// answers false or x leaves the 64-bit range; `iteracoes` counts every step taken.
template <class Passo, class Convergiu, class Continuar>
bool Newton(double& x, double inicio, const TCriterioNewton& criterio, long long& iteracoes, Passo&& passo,
            Convergiu&& convergiu, Continuar&& continuar) {
    x = inicio;
    long double delta = 0;
    long long k = 0;
    iteracoes = 0;
    while (std::fabs(delta) >= criterio.passo || k == 0) {
        const double anterior = x;
        if (!GuardarReal(x, x - delta))
            return false;
        if (!passo(anterior, delta))
            return false;
        ++iteracoes;
        if (++k >= criterio.passosPorPergunta) {
            if (!continuar())
                return false;
            k = 0;
        }
        if (std::fabs(delta) < criterio.passo && !convergiu())
            return false;
    }
    return true;
}

} // namespace sulvo::numerico
