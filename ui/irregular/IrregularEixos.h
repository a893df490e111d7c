#pragma once

#include <string>
#include <vector>

// Scales of the irregular page's charts: the ranges follow the data, the marks fall on round values and
// the labels read like "#,##0.##" in the user's notation.
namespace sulvo {

struct TFaixaEixo {
    double Minimo = 0;
    double Maximo = 1;
};

// The range that just holds the data; a range of zero length (a flat section, a single value) is opened
// by one unit on either side so that the plot keeps a height.
TFaixaEixo FaixaAutomatica(double menor, double maior);

// Marks at multiples of a round step (1, 2, 2.5 or 5 times a power of ten) inside the range, about
// `alvo` intervals apart at most.
std::vector<double> MarcasEixo(const TFaixaEixo& faixa, int alvo = 6);

// "#,##0.##": at most two decimals without trailing zeros, thousands grouped; "-0" never appears.
std::string FormatarRotuloEixo(double valor, char separadorDecimal, char separadorMilhar);

} // namespace sulvo
