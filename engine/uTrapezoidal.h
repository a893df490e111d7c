#pragma once

#include "engine/uSulvo.h"

namespace sulvo {

class TSulvoTrapezoidal : public TSulvoR {
public:
    bool Calcular() override;
    const TDescricaoSecao& Descricao() const override { return DescricaoSecao(kTrapezoidal); }
    double ProfundidadeCritica(double Q, double z, double b) override;
};

} // namespace sulvo
