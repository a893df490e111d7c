// The subdivided conveyance against a published HEC-RAS computation.
//
// Source: the HEC-RAS 6.6 report of the project "hecras assign8" (file hecrasassign8.rep.txt of the public GitHub
// repository harshjha08007/Hydraulic-Channel-Flow-Analysis-HEC-RAS-Standard-Step-Method, run 10-03-2025, SI units,
// "Conveyance Calculation Method: At breaks in n values only", the program's default). River Ganga, reach 600, the
// four surveyed cross sections RS 4, 3, 2 and 1 (the interpolated ones, marked *, are printed with rounded
// stations and left out): their "Station Elevation Data", "Manning's n Values" (0.013 throughout) and "Bank Sta",
// and from "CROSS SECTION OUTPUT Profile #PF 1" the W.S. Elev, Flow Area, Top Width, Wetted Per., Conv. Total and
// Crit W.S. The profile is gradually varied (Q = 10 m³/s, critical depth downstream), so what it publishes is the
// conveyance at a given water surface, which is all the uniform-flow solver needs: with the slope I, the normal
// depth for Q = K·√I is the water surface at which the section conveys K.
//
// The report prints elevations to 0.01 m and areas to 0.01 m², but the conveyance to 0.1 m³/s: one tenth of a unit
// of K is a twentieth of a millimetre of water surface here, so the published conveyance fixes the water surface far
// more closely than its printed elevation does. The published area, a purely geometric figure, fixes it to within
// ±0.6 mm (RS 4, 8.77 m wide) to ±1.3 mm (the 4 m rectangles). All four are single elements, with the banks at
// their ends; the rectangles' vertical walls count in the wetted perimeter, as they do in HEC-RAS.
#include "engine/Subdivisao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace sulvo;

namespace {

struct SecaoHecRas {
    const char* rs;
    std::vector<std::pair<double, double>> estacaoCota; // station, elevation (m), left to right
    double ws;                                          // W.S. Elev, m
    double area;                                        // Flow Area, m²
    double larguraTopo;                                 // Top Width, m
    double perimetro;                                   // Wetted Per., m
    double conducao;                                    // Conv. Total, m³/s
    double criticaWs;                                   // Crit W.S., m; 0 where the report leaves it blank
};

constexpr double kN = 0.013;
constexpr double kI = 0.001; // any slope: the discharge K·√I has the published conveyance as its normal-depth answer

// The printed figures are rounded to their last digit: half a unit of it, and a hair for the binary fractions.
constexpr double kMeiaCasa = 0.005 + 1e-9;

class HecRasCasoTest : public ::testing::TestWithParam<SecaoHecRas> {};

// The section in this program's frame: X from the left end, elevations below the bank tops (both ends are at the
// same elevation in these sections), every interval with n = 0.013, the bank stations at the ends as in the report.
TSulvoIrregular Secao(const SecaoHecRas& c) {
    const double x0 = c.estacaoCota.front().first;
    const double topo = c.estacaoCota.front().second;
    TSulvoIrregular s;
    for (std::size_t k = 0; k < c.estacaoCota.size(); ++k)
        s.Pontos.push_back({c.estacaoCota[k].first - x0, c.estacaoCota[k].second - topo, k == 0 ? 0 : kN});
    s.YMinimo = 0;
    for (const TPontoSecao& p : s.Pontos)
        s.YMinimo = std::min(s.YMinimo, p.Y);
    s.MargemE = s.Pontos.front().X;
    s.MargemD = s.Pontos.back().X;
    s.S = s.Pontos.back().X;
    s.Metodologia = 2;
    return s;
}

// The water level at which the wetted area is a, by bisection on the geometry alone.
double CotaComArea(const TSulvoIrregular& s, double a) {
    double baixo = s.YMinimo, alto = 0;
    for (int i = 0; i < 200; ++i) {
        const double meio = (baixo + alto) / 2;
        (ConducaoSubdividida(s.Pontos, meio, 0, s.Pontos.back().X).A < a ? baixo : alto) = meio;
    }
    return (baixo + alto) / 2;
}

TEST_P(HecRasCasoTest, NormalDepthOfThePublishedConveyance) {
    const SecaoHecRas& c = GetParam();
    const double topo = c.estacaoCota.front().second;
    TSulvoIrregular s = Secao(c);
    s.Incognita = 1; // the normal depth
    s.I = kI;
    s.Q = c.conducao * std::sqrt(kI);
    ASSERT_TRUE(s.Calcular()) << c.rs;
    const double ws = s.H + s.YMinimo + topo;

    // Measured: RS 4 0.49 mm above the level of the published area, RS 3 0.18 mm, RS 2 0.90 mm below, RS 1 0.21 mm.
    EXPECT_NEAR(ws, CotaComArea(s, c.area) + topo, 0.001) << c.rs;
    EXPECT_NEAR(ws, c.ws, kMeiaCasa) << c.rs;
    const TConducaoSubdividida r = ConducaoSubdividida(s.Pontos, ws - topo, *s.MargemE, *s.MargemD);
    EXPECT_NEAR(r.A, c.area, kMeiaCasa) << c.rs;
    EXPECT_NEAR(r.S, c.larguraTopo, kMeiaCasa) << c.rs;
    EXPECT_NEAR(r.P, c.perimetro, kMeiaCasa) << c.rs;
    EXPECT_EQ(r.Subareas.size(), 1u) << c.rs;

    // The critical water surface as the least specific energy (HEC-RAS iterates it to 0.003 m and prints 0.01 m).
    if (c.criticaWs > 0) {
        const double yc = ProfundidadeCriticaEnergia(s.Pontos, s.YMinimo, *s.MargemE, *s.MargemD, 10.0);
        EXPECT_NEAR(yc + s.YMinimo + topo, c.criticaWs, kMeiaCasa) << c.rs;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ganga, HecRasCasoTest,
    ::testing::Values(
        // Trapezoid: 5 m bed, 1.5H:1V sides, 4 m deep.
        SecaoHecRas{"4", {{-8.5, 4.94}, {-2.5, 0.94}, {2.5, 0.94}, {8.5, 4.94}}, 2.20, 8.65, 8.77, 9.53, 624.2, 0},
        // 4 m wide rectangles with vertical walls; RS 2 and RS 1 also print the critical water surface, RS 1
        // being the downstream boundary held at critical depth.
        SecaoHecRas{"3", {{-2, 4.78}, {-2, 0.78}, {2, 0.78}, {2, 4.78}}, 1.88, 4.38, 4.00, 6.19, 267.6, 0},
        SecaoHecRas{"2", {{-2, 4.6}, {-2, 0.6}, {2, 0.6}, {2, 4.6}}, 1.51, 3.65, 4.00, 5.82, 205.3, 1.46},
        SecaoHecRas{"1", {{-2, 4}, {-2, 0}, {2, 0}, {2, 4}}, 0.86, 3.43, 4.00, 5.72, 187.8, 0.86}),
    [](const ::testing::TestParamInfo<SecaoHecRas>& info) { return std::string("RS") + info.param.rs; });

} // namespace
