#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number texts as the pages, reports and files show them. Every function takes the decimal
// separator explicitly, so nothing here depends on the C locale.
namespace sulvo {

// Fixed notation with exactly `decimais` decimals after rounding the value to 10 significant
// digits; values with more than 10 integer digits fall back to scientific notation.
// The result formats of the pages and reports ("fixed 3", "fixed 4").
std::string FormatarFixo(double valor, int decimais, char separador);

// Decimal patterns "#0.0" ... "#0.0000": at least one integer digit, exactly `decimais`
// decimals, rounded half away from zero, no grouping.
std::string FormatarPadrao(double valor, int decimais, char separador);

// A typed or computed input as the entry fields and the reports show it: at least `decimais` decimals,
// and as many more as the value needs up to 10 significant digits (0.00025 with 4 decimals is "0,00025",
// 3.27e-5 is "0,0000327", 1.5 is "1,5000"); never more than 20 decimals. Values with more than 10
// integer digits fall back to scientific notation.
std::string FormatarEntrada(double valor, int decimais, char separador);

// The general format: up to `digitos` significant digits without trailing zeros, fixed notation
// for 1e-4 <= |x| < 10^digitos, otherwise scientific with "E" and an unpadded exponent (1E-5, 1,5E20).
// Zero is "0"; infinities and not-a-number are "INF", "-INF", "NAN". A finite value whose text with
// `digitos` digits would not read back as a number (it rounds beyond the largest double) is written with
// 17 digits instead.
std::string FormatarGeral(double valor, char separador, int digitos = 15);

// Reads a decimal number written with "." or "," as separator (either is accepted), optional sign
// and exponent, surrounding blanks ignored. Returns nothing for an empty or malformed text, for a
// text with two separators, and for non-finite values.
std::optional<double> LerReal(std::string_view texto);

} // namespace sulvo
