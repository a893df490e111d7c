#pragma once

#include "engine/uIrregular.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading a surveyed cross-section given as text: a block copied from a spreadsheet, a .csv or .txt file,
// or the point files of sulvo-calc. One point a line: station (horizontal distance), elevation and,
// optionally, the Manning n of the interval that ends at the point. Fields are separated by tabs,
// semicolons, commas or blanks; either "." or "," is the decimal separator (with commas between fields,
// only "."); a first line without any number is a header; blank lines and lines starting with '#' are
// skipped.
namespace sulvo {

// How the second column is read.
enum class TTipoCota : std::uint8_t {
    Automatico, // elevations when any value is above 0; otherwise already the section's Y (0 at the banks)
    Cotas,      // elevations, as the user said
};

// A survey brought to the frame of the irregular section: X from 0 at the left bank, Y = 0 at the banks
// and negative below them.
struct TLevantamento {
    std::vector<TPontoSecao> Pontos;
    bool Cabecalho = false;      // the first line was a header and was skipped
    bool ComRugosidade = false;  // a third column gave the interval roughness
    bool Convertido = false;     // the values were elevations: the lower bank's elevation was subtracted
    double CotaReferencia = 0;   // that elevation (the level of the lower bank), m
    double EstacaInicial = 0;    // station of the first point kept, subtracted from every X, m
    std::size_t Descartados = 0; // points cut off above the lower bank's level
    std::optional<double> Corte; // station where the section was cut, in the survey's own stations, m
    std::string Aviso;           // what the conversion did, to tell the user; empty when nothing was cut
};

struct TErroLevantamento {
    std::size_t Linha = 0; // 1-based line of the text; 0 when the survey as a whole is refused
    std::string Mensagem;  // the reason, ready to show (without the line number)
    std::string Texto;     // the refused line as read
};

// Either the whole survey or the first refused line: nothing is ever read partly.
struct TLeituraLevantamento {
    TLevantamento Levantamento;
    std::optional<TErroLevantamento> Erro;
};

// Reads the survey and converts it to the section's frame. Elevations (see TTipoCota) become Y relative to
// the lower bank; where the other side rises above that level, the section is cut there, the end point
// interpolated on the level, and the points beyond are dropped (Aviso says how many and where). Stations
// must not decrease along the survey. `separador` is the decimal separator of the numbers in messages.
TLeituraLevantamento LerLevantamento(std::string_view texto, TTipoCota tipo = TTipoCota::Automatico,
                                     char separador = ',');

} // namespace sulvo
