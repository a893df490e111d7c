#pragma once

#include "Prompt.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sulvo {

// One surveyed point of an irregular section.
struct TPontoSecao {
    double X = 0;   // width position from the left bank, m
    double Y = 0;   // elevation relative to the banks, m: 0 at the top, -d for a point d metres deep
    double Rug = 0; // Manning n of the interval that ends at this point (0 while undefined)
};

// The four values one evaluation at a trial depth reports.
struct TAvaliacao {
    double A = 0; // wetted area, m²; -1 when the depth is above the section
    double P = 0; // wetted perimeter, m
    double S = 0; // water-surface width, m
    double Q = 0; // discharge, m³/s
};

// A surveyed natural or compound section with the inputs and results of one uniform-flow problem.
class TSulvoIrregular {
public:
    double Q = 0;
    double H = 0; // normal depth above the lowest point, m
    double I = 0;
    double n = 0; // single roughness, result of the roughness unknown only
    double A = 0; // -1 marks a depth above the section
    double P = 0;
    double V = 0;
    double S = 0; // total width before a calculation, water-surface width after it
    double E = 0;
    double Yc = 0; // -1: greater than the depth of the section
    double NF = 0;
    double Comp = 0;
    double Vol_Terra = 0;
    std::string Regime;
    std::uint8_t Incognita = 0;   // 0 discharge, 1 normal depth, 2 slope, 3 single roughness
    std::uint8_t Metodologia = 0; // 0 conventional, 1 divided section
    std::vector<TPontoSecao> Pontos;
    double YMinimo = 0; // lowest Y among Pontos; -YMinimo is the full depth

    void Zerar();
    bool Calcular();

    // Evaluations at a depth h above the lowest point (YMinimo must be current).
    TAvaliacao AvaliarConvencional(double h, double I);
    TAvaliacao AvaliarDivisao(double h, double I);
    TAvaliacao AvaliarGeometria(double h);
    static double InterseccaoNivel(double x1, double y1, double x2, double y2, double z);

    void DefinirPrompt(IPrompt& prompt) { prompt_ = &prompt; }
    IPrompt& Prompt() const { return *prompt_; }

private:
    IPrompt* prompt_ = &SilentPrompt::instance();
};

} // namespace sulvo
