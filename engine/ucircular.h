#pragma once

#include "engine/uSulvo.h"

namespace sulvo {

// A circular conduit of diameter D flowing partly full; geometry through the central angle θ
// that the water surface subtends at the centre.
class TSulvoCircular : public TSulvo {
public:
    double D = 0; // diameter, m
    double T = 0; // depth / diameter ratio, used by the unknown 5 only
    std::uint8_t Incognita =
        0; // 0 Vazão, 1 Profundidade, 2 Declividade, 3 Rugosidade, 4 Diâmetro, 5 Diâmetro e Profundidade

    void Zerar();
    bool Calcular();

    bool CalcularVazao(double H, double D, double I, double n);
    bool CalcularProfundidade(double Q, double D, double I, double n);
    bool CalcularDeclividade(double Q, double H, double D, double n);
    bool CalcularRugosidade(double Q, double H, double D, double I);
    bool CalcularDiametro(double Q, double H, double I, double n);
    bool CalcularDiametroProfundidade(double Q, double I, double n, double T);

    // Auxiliaries, in metres or dimensionless; NaN on a floating-point fault (no water, no conduit).
    double ProfundidadeHidraulica(double teta, double D);
    double NumeroFroude(double V, double Dh);
    double ProfundidadeCritica(double Q, double D);

private:
    // Central angle at depth y (rounded to 64 bits, as every later formula uses it) and the wetted area and
    // perimeter it gives, stored in A and P. False on a floating-point fault.
    bool Geometria(double y, double D, double& teta);

    // Manning's discharge through the A and P last stored; NaN on a floating-point fault.
    Estendido VazaoManning(double I, double n) const;

    // The results every operation derives once depth H, diameter D, angle θ, A and P are known.
    bool Completar(double H, double Q, double D, double teta);

    // The zero depth and zero diameter checks shared by the operations that take both.
    bool ConferirProfundidade(double H, double D);

    // Clears the warnings and checks the inputs against the calculation's limits, all but the unknown's fields.
    bool PrepararCalculo();
};

} // namespace sulvo
