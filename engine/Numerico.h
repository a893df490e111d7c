#pragma once

// The numerical methods every solver uses: one bisection and one Newton iteration, and the tolerances and
// iteration limits they stop on, each in one named place.
//
// Every search stops relative to the size of what it finds, never on an absolute amount: an absolute 0.0001 is
// fine for a 2 m canal and wrong for a 50 mm drain or a slope of 1e-5, and below the spacing of doubles it is
// never met at all.

#include <cfloat>
#include <cmath>

namespace sulvo::numerico {

// The unknown is known to this fraction of itself, or the residual to this fraction of its scale.
inline constexpr long double kTolRelativa = 1e-10L;

// Halvings a bisection may make. From any bracket of 64-bit reals, 1e-10 relative is reached in about 2 100
// halvings on a linear scale (the exponent range of a double plus 34) and in about 50 on a log scale, so the limit
// is always met; a search that reaches it is a bracket exhausted, not an endless loop.
inline constexpr int kMaxBisseccoes = 2200;

// Newton steps granted before the user is asked whether to go on.
inline constexpr long long kPassosPorPergunta = 100000;

// Rounds an extended value into a 64-bit real. A NaN, an infinity or a value beyond the 64-bit range leaves the
// real as it was and answers false.
inline bool GuardarReal(double& campo, long double valor) {
    if (!std::isfinite(valor) || std::fabs(valor) > DBL_MAX)
        return false;
    campo = static_cast<double>(valor);
    return true;
}

// How a bisection halves its bracket: at the arithmetic midpoint, or at the geometric mean for an unknown that
// spans decades (a slope, a roughness), so that 1e-5 and 1e-1 are found with the same relative accuracy.
enum class TEscala { Linear, Logaritmica };

// Halves [lo, hi] on x. Each step puts the midpoint in x and asks `residuo(R)` for the residual there, which grows
// with x: a positive residual moves the upper end down, any other the lower end up. It stops when the bracket is
// within kTolRelativa of its upper end, when |R| <= kTolRelativa · `escalaResiduo` (the size of the quantity the
// residual compares, e.g. the target discharge), when no double lies between the ends, or after kMaxBisseccoes.
// x keeps the last midpoint. A logarithmic bracket needs 0 < lo. False as soon as `residuo` answers false.
template <class Residuo>
bool Bisseccao(double& x, double lo, double hi, long double escalaResiduo, Residuo&& residuo,
               TEscala escala = TEscala::Linear) {
    const long double tolResiduo = kTolRelativa * std::fabs(escalaResiduo);
    for (int passo = 0; passo < kMaxBisseccoes; ++passo) {
        if (hi - lo <= kTolRelativa * std::fabs(hi))
            break;
        const double meio = escala == TEscala::Linear ? lo + (hi - lo) / 2 : std::sqrt(lo) * std::sqrt(hi);
        if (!(meio > lo && meio < hi))
            break;
        x = meio;
        long double R = 0;
        if (!residuo(R))
            return false;
        if (std::fabs(R) <= tolResiduo)
            break;
        if (R > 0)
            hi = x;
        else
            lo = x;
    }
    return true;
}

// Newton's method on x from `inicio`: `passo(Δ)` gives the step F(x)/F′(x) at the current x, and x := x − Δ. When
// the step is within kTolRelativa of x, or too small to change it, the last step is not applied and `convergiu()`
// completes the results at x, where `passo` left them. After each kPassosPorPergunta steps, before the convergence
// test, `continuar()` is asked; No stops. False when any of the three answers false or x leaves the 64-bit range;
// `iteracoes` counts every step computed.
template <class Passo, class Convergiu, class Continuar>
bool Newton(double& x, double inicio, long long& iteracoes, Passo&& passo, Convergiu&& convergiu,
            Continuar&& continuar) {
    x = inicio;
    long long k = 0;
    iteracoes = 0;
    for (;;) {
        long double delta = 0;
        if (!passo(delta))
            return false;
        ++iteracoes;
        if (++k >= kPassosPorPergunta) {
            if (!continuar())
                return false;
            k = 0;
        }
        const long double seguinte = x - delta;
        if (std::fabs(delta) <= kTolRelativa * std::fabs(x) || static_cast<double>(seguinte) == x)
            return convergiu();
        if (!GuardarReal(x, seguinte))
            return false;
    }
}

} // namespace sulvo::numerico
