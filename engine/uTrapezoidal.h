#pragma once

#include "engine/uSulvo.h"

namespace sulvo {

class TSulvoTrapezoidal : public TSulvoR {
public:
    std::uint8_t Incognita = 0; // 0 Vazão, 1 Profundidade Normal, 2 Declividade, 3 Rugosidade, 4.. see the section

    void Zerar();
    bool Calcular();
    double ProfundidadeCritica(double Q, double z, double b) override;
};

} // namespace sulvo
