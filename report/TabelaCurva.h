#pragma once

#include "engine/uIrregular.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The discharge-depth curve of an irregular section as a table: the same rows for the spreadsheet file, the
// clipboard, sulvo-calc and the report's appendix.
namespace sulvo {

// Captions of the columns: depth, then the discharge of the conventional method, of the divided section and of
// the subdivision at the roughness changes and banks.
inline constexpr const char* kColunaProfundidade = "Profundidade (m)";
inline constexpr const char* kColunaConvencional = "Vazão Convencional (m³/s)";
inline constexpr const char* kColunaDivisao = "Vazão Divisão em Seções (m³/s)";
inline constexpr const char* kColunaSubdivisao = "Vazão Subdivisão por Rugosidade (m³/s)";

// One line per depth, columns depth; Q conventional; Q divided; Q subdivided, after a header line. Values carry 10
// significant digits with `separadorDecimal`; lines end in "\n". With ';' and the regional separator it is the
// CSV a Brazilian spreadsheet opens in columns; with '\t' it pastes into one.
std::string TabelaCurva(const std::vector<TPontoCurva>& curva, char separadorDecimal, char separadorColunas);

// The discharges at depth h, read linearly between the samples; from no depth to the first sample the curves
// start at no discharge. Nothing outside 0 .. the deepest sample.
std::optional<TPontoCurva> InterpolarCurva(const std::vector<TPontoCurva>& curva, double h);

// `linhas` rows spread evenly over the curve, the last at its deepest point: with the usual 100 depths and 20
// rows, every fifth depth from 5 % to 100 % of the full depth. A shorter curve is returned whole.
std::vector<TPontoCurva> AmostrarCurva(const std::vector<TPontoCurva>& curva, std::size_t linhas);

// The report's appendix "Tabela Profundidade × Vazão": a heading and a table of 20 rows (3 decimals) with the four
// columns, placed before the end of the document's body. Nothing is added for an empty curve.
void AnexarTabelaCurva(std::string& textoRelatorio, const std::vector<TPontoCurva>& curva, char separadorDecimal);

} // namespace sulvo
