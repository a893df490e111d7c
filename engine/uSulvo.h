#pragma once

#include "Prompt.h"

#include <cstdint>
#include <string>

namespace sulvo {

// Gravity (m/s²) and 2g as the specific energy uses it; both carried in extended precision.
inline constexpr long double kGravidade = 9.81L;
inline constexpr long double kDoisG = 19.62L;

// The regime rule shared by every section: exact comparisons, no tolerance.
std::string RegimeDoFroude(double froude);

// One uniform-flow problem on a regular section: the four Manning quantities and the results
// every section reports. Fields double as the project file's keys.
class TSulvo {
public:
    TSulvo() = default;
    virtual ~TSulvo() = default;

    double Q = 0;       // discharge, m³/s
    double H = 0;       // normal depth, m
    double I = 0;       // bed slope, m/m
    double n = 0;       // Manning coefficient
    double A = 0;       // wetted area, m²
    double P = 0;       // wetted perimeter, m
    double V = 0;       // mean velocity, m/s
    double S = 0;       // top width, m
    double E = 0;       // specific energy, m
    double Yc = 0;      // critical depth, m
    double NF = 0;      // Froude number
    std::string Regime; // "Subcrítico", "Crítico" or "Supercrítico"

    void Zerar();

    // Where messages and the non-convergence question go; never null.
    void DefinirPrompt(IPrompt& prompt) { prompt_ = &prompt; }
    IPrompt& Prompt() const { return *prompt_; }

private:
    IPrompt* prompt_ = &SilentPrompt::instance();
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
    virtual double ProfundidadeCritica(double Q, double z, double b) = 0;

    bool CalcularVazao(double H, double b, double I, double n, double z, double Comp);
    bool CalcularProfundidade(double Q, double b, double I, double n, double z, double Comp);
    bool CalcularTalude(double Q, double H, double b, double I, double n, double Comp);
    bool CalcularLargura(double Q, double H, double I, double n, double z, double Comp);
    bool CalcularDeclividade(double Q, double H, double b, double n, double z, double Comp);
    bool CalcularRugosidade(double Q, double H, double b, double I, double z, double Comp);
};

} // namespace sulvo
