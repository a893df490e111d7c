#include "common/EscalaGrafico.h"

#include <algorithm>
#include <cmath>

namespace sulvo {
namespace {

// The largest of 1, 2, 5, 10, 20, 50... not above `limite` (1 below 2).
int FatorRedondo(double limite) {
    int fator = 1;
    for (int potencia = 1; potencia <= 100000; potencia *= 10)
        for (int passo : {1, 2, 5})
            if (passo * potencia <= limite)
                fator = passo * potencia;
    return fator;
}

constexpr double kLimiteSemExagero = 3.0;

} // namespace

TJanelaEscala JanelaEmEscala(double minimoX, double maximoX, double minimoY, double maximoY, double largura,
                             double altura, bool exagerar) {
    TJanelaEscala j{minimoX, maximoX, minimoY, maximoY, 1};
    double dx = maximoX - minimoX;
    double dy = maximoY - minimoY;
    if (!(largura >= 1) || !(altura >= 1) || !std::isfinite(dx) || !std::isfinite(dy) || dx < 0 || dy < 0)
        return j;
    // A section without width or height is still drawn at some scale: its other extent, or a metre.
    const double maior = std::max(dx, dy);
    const double referencia = maior > 0 ? maior : 1.0;
    if (dx <= 0)
        dx = referencia;
    if (dy <= 0)
        dy = referencia;
    // At this exaggeration the section would fill the plot exactly in both directions.
    const double preenche = (dx / largura) / (dy / altura);
    // Stretched only when at true scale it would fill less than a third of the height.
    if (exagerar && preenche > kLimiteSemExagero)
        j.Exagero = FatorRedondo(preenche);
    const double metrosPorPixelX = std::max(dx / largura, dy * j.Exagero / altura);
    const double metrosPorPixelY = metrosPorPixelX / j.Exagero;
    const double cx = (minimoX + maximoX) / 2, cy = (minimoY + maximoY) / 2;
    j.MinimoX = cx - metrosPorPixelX * largura / 2;
    j.MaximoX = cx + metrosPorPixelX * largura / 2;
    j.MinimoY = cy - metrosPorPixelY * altura / 2;
    j.MaximoY = cy + metrosPorPixelY * altura / 2;
    return j;
}

} // namespace sulvo
