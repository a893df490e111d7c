#include "engine/uTrapezoidal.h"

#include "engine/Numerico.h"

#include <algorithm>
#include <cmath>

namespace sulvo {

void TSulvoTrapezoidal::Zerar() {
    Incognita = 0;
    TSulvoR::Zerar();
}

bool TSulvoTrapezoidal::Calcular() {
    if (!PrepararCalculo(Incognita == 4 ? &z : Incognita == 5 ? &b : CampoComum(Incognita)))
        return false;
    switch (Incognita) {
    case 4:
        return CalcularTalude(Q, H, b, I, n, Comp);
    case 5:
        return CalcularLargura(Q, H, I, n, z, Comp);
    default:
        return CalcularIncognitaComum(Incognita);
    }
}

// Bisection on the critical condition g·A³/T = Q² made dimensionless with r = y/b:
// g·r³·(1 + z·r)³ / (1 + 2·z·r) = Q²/b⁵, to 1e-10 of the depth. The trapezoid carries more than its base alone
// (the rectangle) and more than its sides alone (the triangle) at any depth, so its critical depth lies below
// both of theirs, which close the bracket from above. A zero base is a division by zero: NaN, which the
// caller's store refuses.
double TSulvoTrapezoidal::ProfundidadeCritica(double Q, double z, double b) {
    const Estendido base = b, vazao = Q, talude = z;
    const Estendido alvo = vazao * vazao / (base * base * base * base * base);
    if (!std::isfinite(alvo))
        return NAN;
    if (alvo == 0)
        return 0;
    Estendido teto = std::cbrt(vazao * vazao / (kGravidade * base * base));
    if (talude > 0)
        teto = std::min(teto, std::pow(2 * vazao * vazao / (kGravidade * talude * talude), 1.0L / 5.0L));
    double y = 0;
    if (!numerico::GuardarReal(y, teto))
        return NAN;
    const bool achou = numerico::Bisseccao(y, 0, y, alvo, [&](Estendido& R) {
        const Estendido r = y / base;
        const Estendido topo = 1 + talude * r;
        R = kGravidade * r * r * r * topo * topo * topo / (1 + 2 * talude * r) - alvo;
        return static_cast<bool>(std::isfinite(R));
    });
    return achou ? y : NAN;
}

} // namespace sulvo
