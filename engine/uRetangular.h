#pragma once

#include "engine/uSulvo.h"

namespace sulvo {

class TSulvoRetangular : public TSulvoR {
public:
    bool Calcular() override;
    const TDescricaoSecao& Descricao() const override { return DescricaoSecao(kRetangular); }
    double ProfundidadeCritica(double Q, double z, double b) override;
};

} // namespace sulvo
