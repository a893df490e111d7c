#pragma once

#include <optional>
#include <string>

// The uncertainty of Manning's n. A roughness table gives each material a minimum, a normal and a maximum
// coefficient; the normal one is what the calculation uses, and the other two say how far the answer may be off
// when the channel turns out smoother or rougher than assumed. Solving the same problem once with every
// minimum and once with every maximum gives the band of the unknown.
namespace sulvo {

class TSulvo;
struct TCampoSecao;

// The minimum and maximum of a coefficient picked from a roughness table, kept beside it together with the
// coefficient they were picked for: a band describes that value only, so a coefficient typed afterwards (or
// changed by a copy of the program that knows nothing of bands) is never given a band it was not picked for.
struct TFaixaRugosidade {
    double Normal = 0; // the coefficient picked (the table's normal value); 0: no band
    double Minimo = 0;
    double Maximo = 0;

    bool Definida() const;
    // Whether this band was picked for coefficient n (exactly: both come from the same table row).
    bool Descreve(double n) const { return Definida() && n == Normal; }
};

// The unknown of a calculated section, solved again with the tables' minimum and maximum coefficients.
struct TResultadoFaixa {
    const TCampoSecao* Campo = nullptr; // the unknown's field in the section's description
    double Valor = 0;                   // as calculated with the coefficients in use
    double Minimo = 0;                  // the lower of the two values, whichever n gave it
    double Maximo = 0;                  // the higher one
    // The end of the band with no solution, "n mínimo" or "n máximo" (a pipe that cannot carry the discharge
    // once it is as rough as the table allows); Minimo and Maximo then both hold the other end's value.
    const char* SemSolucao = nullptr;
};

// The band of a section just calculated (its fields hold the inputs and the solved unknown): the regular
// sections use the band of their single n, the irregular section that of every interval whose n came from a
// table (the other intervals keep their n). Nothing when the unknown is n itself, when no band describes the
// coefficients in use, or when the section can be solved at neither end of the band; solved at one end only, the
// band names the other (the section's own results are never touched: the two solutions run on copies, silently).
std::optional<TResultadoFaixa> CalcularFaixaN(const TSulvo& secao);

// "Profundidade Normal: 1,024 m (0,951 a 1,098 m com n mínimo e máximo)", with the field's caption, decimals
// and unit (the page's, or the report's when `unidadeRelatorio`); with one end unsolved,
// "Profundidade Normal: 0,700 m (0,655 m com n mínimo; sem solução com n máximo)".
std::string TextoFaixaN(const TResultadoFaixa& faixa, char separador, bool unidadeRelatorio = false);

} // namespace sulvo
