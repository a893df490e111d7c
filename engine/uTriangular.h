#pragma once

#include "engine/uSulvo.h"

namespace sulvo {

class TSulvoTriangular : public TSulvoR {
public:
    bool Calcular() override;
    const TDescricaoSecao& Descricao() const override { return DescricaoSecao(kTriangular); }
    double ProfundidadeCritica(double Q, double z, double b) override;
};

} // namespace sulvo
