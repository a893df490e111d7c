#include "engine/Avisos.h"

#include "common/NumberFormat.h"

namespace sulvo {

std::string AvisoFroude(double froude, char separador) {
    if (!(froude >= kFroudeQuaseCriticoMinimo && froude <= kFroudeQuaseCriticoMaximo))
        return {};
    return "Número de Froude " + FormatarFixo(froude, 2, separador) + ", entre " +
           FormatarGeral(kFroudeQuaseCriticoMinimo, separador) + " e " +
           FormatarGeral(kFroudeQuaseCriticoMaximo, separador) +
           ": o escoamento está próximo do crítico, com superfície instável e ondulada; o projeto deve evitá-lo.";
}

} // namespace sulvo
