#include "engine/uRetangular.h"

#include <cmath>

namespace sulvo {

void TSulvoRetangular::Zerar() {
    Incognita = 0;
    TSulvoR::Zerar();
}

bool TSulvoRetangular::Calcular() {
    // A rectangle is the trapezoid with vertical sides, whatever the field held before.
    z = 0;
    if (!PrepararCalculo(Incognita == 4 ? &b : CampoComum(Incognita)))
        return false;
    switch (Incognita) {
    case 4:
        return CalcularLargura(Q, H, I, n, z, Comp);
    default:
        return CalcularIncognitaComum(Incognita);
    }
}

// Q²·T / (g·A³) = 1 with A = b·y and T = b gives y³ = Q² / (g·b²), the unit discharge q = Q/b in y = (q²/g)^(1/3).
// A zero base is a division by zero: NaN, which the caller's store refuses.
double TSulvoRetangular::ProfundidadeCritica(double Q, double, double b) {
    const Estendido q = Q, base = b;
    const Estendido razao = q * q / (kGravidade * base * base);
    if (!std::isfinite(razao))
        return NAN;
    if (razao == 0)
        return 0;
    return Arredondar(Potencia(razao, 1.0L / 3.0L));
}

} // namespace sulvo
