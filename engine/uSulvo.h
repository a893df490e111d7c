#pragma once

#include "common/Prompt.h"
#include "engine/Descricao.h"
#include "engine/FaixaRugosidade.h"
#include "engine/Limites.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sulvo {

// Gravity (m/s²) and 2g as the specific energy uses it; both carried in extended precision. Rounded to 64 bits
// they are exactly the double literals 9.81 and 19.62.
inline constexpr long double kGravidade = 9.81L;
inline constexpr long double kDoisG = 19.62L;

// The regime rule shared by every section: exact comparisons, no tolerance.
std::string RegimeDoFroude(double froude);

// One uniform-flow problem on a section: the four Manning quantities, the unknown and the results every
// section reports. What the fields are (keys, units, captions) is the section's description.
class TSulvo {
public:
    TSulvo() = default;
    virtual ~TSulvo() = default;

    double Q = 0;               // discharge, m³/s
    double H = 0;               // normal depth, m
    double I = 0;               // bed slope, m/m
    double n = 0;               // Manning coefficient
    double A = 0;               // wetted area, m²
    double P = 0;               // wetted perimeter, m
    double V = 0;               // mean velocity, m/s
    double S = 0;               // top width, m
    double E = 0;               // specific energy, m
    double Yc = 0;              // critical depth, m
    double NF = 0;              // Froude number
    std::string Regime;         // "Subcrítico", "Crítico" or "Supercrítico"
    std::uint8_t Incognita = 0; // the unknown, by the number the section's description gives it
    TFaixaRugosidade FaixaN;    // the table's minimum and maximum of n, when n was picked from one

    // What the last calculation noticed beside its results (near-critical flow, a depth that is not the only one
    // for the discharge), one sentence each; cleared by every calculation.
    std::vector<std::string> Avisos;

    void Zerar();

    // Solves the unknown and completes the results; true when results were stored.
    virtual bool Calcular() = 0;
    virtual const TDescricaoSecao& Descricao() const = 0;

    // Where messages and the non-convergence question go; never null.
    void DefinirPrompt(IPrompt& prompt) { prompt_ = &prompt; }
    IPrompt& Prompt() const { return *prompt_; }

    // Decimal separator of the numbers quoted in messages and warnings, as the pages show them.
    void DefinirSeparadorDecimal(char separador) { separador_ = separador; }

protected:
    // Every intermediate is carried in x87 extended precision; only the fields are 64-bit.
    using Estendido = long double;

    // base^expoente as exp(expoente · ln base). The logarithm needs a positive finite base: any other base
    // is a floating-point fault and yields NaN, which the caller's store then refuses.
    static Estendido Potencia(Estendido base, Estendido expoente);

    // Rounds an extended value into a 64-bit field. A NaN, an infinity or a value beyond the 64-bit range is
    // a floating-point fault: the field keeps its old value and the answer is false.
    static bool Guardar(double& campo, Estendido valor);

    // An extended value rounded to 64 bits for a real the operation returns; NaN when it does not fit.
    static double Arredondar(Estendido valor);

    // The non-convergence question after 100 000 iterations: true when the user grants another 100 000.
    bool TentarNovamente();

    // Refuses inputs beyond what the arithmetic carries, with the message of the first; true when all fit.
    bool AceitarEntradas(const std::vector<TEntradaLimitada>& entradas);

    // The warning of near-critical flow, for a Froude number between 0.8 and 1.2.
    void AvisarFroude();

    // A number as the warnings quote it: five significant digits with the page's separator.
    std::string Numero(double valor) const;

private:
    IPrompt* prompt_ = &SilentPrompt::instance();
    char separador_ = ',';
};

// What the three prismatic sections share, and the six uniform-flow solvers written once for a
// trapezoid of base width b and side slope z (the triangle runs them with b = 0, the rectangle with z = 0).
class TSulvoR : public TSulvo {
public:
    double b = 0;         // base width, m
    double Comp = 0;      // channel length, m (earthwork only)
    double Vol_Terra = 0; // earthwork volume, m³
    double z = 0;         // side slope, horizontal per unit height
    double f = 0;         // freeboard, m (earthwork only)

    void Zerar();

    // Critical depth (m) for discharge Q, side slope z and base width b; each section has its own.
    // NaN on a floating-point fault (a zero side slope or base width in the denominator).
    virtual double ProfundidadeCritica(double Q, double z, double b) = 0;

    bool CalcularVazao(double H, double b, double I, double n, double z, double Comp);
    bool CalcularProfundidade(double Q, double b, double I, double n, double z, double Comp);
    bool CalcularTalude(double Q, double H, double b, double I, double n, double Comp);
    bool CalcularLargura(double Q, double H, double I, double n, double z, double Comp);
    bool CalcularDeclividade(double Q, double H, double b, double n, double z, double Comp);
    bool CalcularRugosidade(double Q, double H, double b, double I, double z, double Comp);

    // Newton steps taken by the last depth, side-slope or base-width solve, those granted after a Yes included.
    long long Iteracoes() const { return iteracoes_; }

protected:
    // The unknowns every prismatic section lists first (0 discharge, 1 depth, 2 slope, 3 roughness), solved with the
    // object's own fields; false for any other position, which each section handles itself.
    bool CalcularIncognitaComum(std::uint8_t incognita);

    // Clears the warnings and checks the inputs against the calculation's limits, all but the unknown's field.
    bool PrepararCalculo(const double* incognita);

    // The field of unknowns 0 to 3 (Q, H, I, n); null for any other.
    const double* CampoComum(std::uint8_t incognita) const;

private:
    enum class Desconhecida { Profundidade, Talude, Largura };

    // Newton's method on Manning's residual for one of H, z, b; the other two are the given values.
    bool Iterar(Desconhecida qual, double Q, double H, double b, double I, double n, double z, double Comp);

    // A and P at depth H; false when either is not a finite number.
    bool GuardarGeometria(double H, double b, double z);
    // The results every solver derives once depth H and discharge Q are known; A and P must hold the values at H.
    bool Completar(double H, double Q, double b, double z, double Comp);

    long long iteracoes_ = 0;
};

} // namespace sulvo
