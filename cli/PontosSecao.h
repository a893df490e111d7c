#pragma once

#include "engine/Levantamento.h"

#include <istream>
#include <string>

namespace sulvo::cli {

// Reads the points of an irregular section by the survey rules of the window's "Importar pontos…": one
// point a line, station, elevation and optionally the n of the interval that ends at the point, separated
// by ";", tabs, commas or blanks, either "." or "," as decimal separator, an optional header line, lines
// starting with '#' skipped. The "X;Y;Rug" lines of the section's own frame (Y = 0 at the banks, negative
// below) read as they are; elevations (any above 0, or all with `tipo` Cotas) are converted to that frame.
// Throws UsageError naming the line of a refused line; nothing is read partly.
TLevantamento LerPontos(std::istream& entrada, TTipoCota tipo = TTipoCota::Automatico);

// The same from a file; an unreadable file is a UsageError too.
TLevantamento LerArquivoPontos(const std::string& caminho, TTipoCota tipo = TTipoCota::Automatico);

} // namespace sulvo::cli
