#pragma once

#include <string>
#include <vector>

namespace sulvo {

struct TPontoSecao;

// The magnitudes the calculation carries. Beyond them the arithmetic itself gives out (a segment length that
// overflows, a bisection finer than the spacing of doubles), so such values are refused before calculating,
// with the field's name, instead of giving an infinite loop or an answer of nulls.
inline constexpr double kLimiteComprimento = 1e7;  // m: depths, widths, diameters, lengths, coordinates
inline constexpr double kLimiteVazao = 1e9;        // m³/s
inline constexpr double kLimiteAdimensional = 1e7; // slopes, roughness, side slopes, ratios

enum class TGrandeza { Comprimento, Vazao, Adimensional };

// One input as the check sees it: its caption for the message, its value and its kind.
struct TEntradaLimitada {
    const char* nome;
    double valor;
    TGrandeza grandeza;
};

// The message for the first value that is not a finite number or exceeds its kind's limit; empty when all fit.
std::string VerificarLimites(const std::vector<TEntradaLimitada>& entradas);

// The same for the surveyed points of an irregular section (their coordinates).
std::string VerificarLimitesPontos(const std::vector<TPontoSecao>& pontos);

} // namespace sulvo
