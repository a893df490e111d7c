#pragma once

#include "engine/uIrregular.h"

#include <istream>
#include <string>
#include <vector>

namespace sulvo::cli {

// Reads the points of an irregular section, one a line as "X;Y;Rug": X the width position, Y the stored
// elevation (0 at the banks, negative below), Rug the coefficient of the interval that ends at the point.
// Either "." or "," is the decimal separator. Blank lines and lines whose first non-blank character is '#'
// are skipped. Throws UsageError naming the line of any other malformed line.
std::vector<TPontoSecao> LerPontos(std::istream& entrada);

// The same from a file; an unreadable file is a UsageError too.
std::vector<TPontoSecao> LerArquivoPontos(const std::string& caminho);

} // namespace sulvo::cli
