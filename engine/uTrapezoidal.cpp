#include "engine/uTrapezoidal.h"

#include "engine/Numerico.h"

#include <cmath>

namespace sulvo {

bool TSulvoTrapezoidal::Calcular() {
    switch (static_cast<IncognitaTrapezoidal>(Incognita)) {
    case IncognitaTrapezoidal::Talude:
        return CalcularTalude(Q, H, b, I, n, Comp);
    case IncognitaTrapezoidal::Largura:
        return CalcularLargura(Q, H, I, n, z, Comp);
    default:
        return CalcularIncognitaComum(Incognita);
    }
}

// Bisection on the critical condition g·A³/T = Q² made dimensionless with r = y/b:
// g·r³·(1 + z·r)³ / (1 + 2·z·r) − Q²/b⁵ = 0. The residual tolerance 0.0001 is in those b⁵ units.
// The answer is the last midpoint tried. A zero base is a division by zero: NaN, which the caller's store refuses.
double TSulvoTrapezoidal::ProfundidadeCritica(double Q, double z, double b) {
    const Estendido base = b;
    const Estendido alvo = static_cast<Estendido>(Q) * Q / (base * base * base * base * base);
    if (!std::isfinite(alvo))
        return NAN;
    double y = 0;
    const bool achou = numerico::Bisseccao(y, 0, 999999, 1, numerico::kTrapezioCritica, [&](Estendido& R) {
        const Estendido r = y / base;
        const Estendido topo = 1 + z * r;
        R = kGravidade * r * r * r * topo * topo * topo / (1 + 2 * z * r) - alvo;
        return static_cast<bool>(std::isfinite(R));
    });
    return achou ? y : NAN;
}

} // namespace sulvo
