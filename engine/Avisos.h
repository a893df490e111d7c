#pragma once

#include <string>

namespace sulvo {

// Near-critical flow: between these Froude numbers the water surface is unstable and wavy, and a small change of
// depth or roughness flips the regime, so design practice keeps away from it.
inline constexpr double kFroudeQuaseCriticoMinimo = 0.8;
inline constexpr double kFroudeQuaseCriticoMaximo = 1.2;

// The warning for a Froude number inside that band, quoting it with `separador`; empty outside it.
std::string AvisoFroude(double froude, char separador);

} // namespace sulvo
