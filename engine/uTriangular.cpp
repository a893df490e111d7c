#include "engine/uTriangular.h"

#include <cmath>

namespace sulvo {

void TSulvoTriangular::Zerar() {
    Incognita = 0;
    TSulvoR::Zerar();
}

bool TSulvoTriangular::Calcular() {
    // A triangle is the trapezoid without a base, whatever the field held before.
    b = 0;
    if (!PrepararCalculo(Incognita == 4 ? &z : CampoComum(Incognita)))
        return false;
    switch (Incognita) {
    case 4:
        return CalcularTalude(Q, H, b, I, n, Comp);
    default:
        return CalcularIncognitaComum(Incognita);
    }
}

// Q²·T / (g·A³) = 1 with A = z·y² and T = 2·z·y gives y⁵ = 2·Q² / (g·z²).
// A level side (z = 0) is a division by zero: NaN, which the caller's store refuses.
double TSulvoTriangular::ProfundidadeCritica(double Q, double z, double) {
    const Estendido q = Q, talude = z;
    const Estendido razao = 2 * q * q / (kGravidade * talude * talude);
    if (!std::isfinite(razao))
        return NAN;
    if (razao == 0)
        return 0;
    return Arredondar(Potencia(razao, 1.0L / 5.0L));
}

} // namespace sulvo
