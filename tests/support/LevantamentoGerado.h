#pragma once

#include <charconv>
#include <string>

// A stream survey of 500 points given as elevations, as a spreadsheet copies it: a header, then station and
// elevation separated by `campo`, with `decimal` as the decimal separator. A V-shaped channel: left bank at
// 102 m (station 500), bed at 98 m (station 560), right bank at 104 m (station 624.75), a point every 0.25 m.
// The left bank is the lower one: its level, 102 m, is crossed on the right side at station 603 1/6, so the
// section is 103 1/6 m wide and 4 m deep, and the 87 points beyond station 603 1/6 lie above it.
namespace sulvo::testing {

inline double CotaLevantamento500(double estaca) {
    return estaca <= 560 ? 102 - 4 * (estaca - 500) / 60 : 98 + 6 * (estaca - 560) / 64.75;
}

inline std::string Levantamento500(char campo = '\t', char decimal = ',') {
    std::string texto = std::string("Estaca") + campo + "Cota\n";
    for (int k = 0; k < 500; ++k) {
        const double estaca = 500 + 0.25 * k;
        // to_chars: the C locale a Qt application sets up must not change the text.
        char numero[32];
        std::string linha(numero,
                          std::to_chars(numero, numero + sizeof numero, estaca, std::chars_format::fixed, 2).ptr);
        linha += campo;
        linha.append(numero, std::to_chars(numero, numero + sizeof numero, CotaLevantamento500(estaca),
                                           std::chars_format::fixed, 9)
                                 .ptr);
        for (char& c : linha)
            if (c == '.')
                c = decimal;
        texto += linha + '\n';
    }
    return texto;
}

inline constexpr double kLarguraLevantamento500 = 603.0 + 1.0 / 6 - 500;
inline constexpr int kPontosLevantamento500 = 413 + 1; // the points up to station 603, and the one on the level

} // namespace sulvo::testing
