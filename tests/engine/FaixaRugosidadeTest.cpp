// The band of the unknown with the tables' minimum and maximum n: checked against Manning's equation worked by
// hand, on a regular and an irregular section, with the cases where there is no band.
#include "engine/FaixaRugosidade.h"
#include "common/NumberFormat.h"
#include "engine/uIrregular.h"
#include "engine/uTrapezoidal.h"
#include "engine/ucircular.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sulvo;

namespace {

// Manning's discharge of the 2 m base, 1.5:1 trapezoid at depth y, slope 0.001, by hand.
double VazaoTrapezio(double y, double n) {
    const double area = (2 + 1.5 * y) * y;
    const double perimetro = 2 + 2 * y * std::sqrt(1 + 1.5 * 1.5);
    return area * std::cbrt(std::pow(area / perimetro, 2)) * std::sqrt(0.001) / n;
}

TSulvoTrapezoidal Trapezio(std::uint8_t incognita) {
    TSulvoTrapezoidal s;
    s.b = 2, s.z = 1.5, s.I = 0.001, s.n = 0.015, s.Comp = 100;
    s.H = 1;
    s.Q = VazaoTrapezio(1, 0.015); // 5.3903 m³/s
    s.Incognita = incognita;
    s.FaixaN = {0.015, 0.013, 0.017};
    return s;
}

TEST(FaixaRugosidade, TrapezioComNMinimoEMaximoConfereComManning) {
    // Depth unknown: the smoother channel carries the discharge with less depth, each end of the band being the
    // depth at which Manning with that n gives back the discharge.
    TSulvoTrapezoidal s = Trapezio(static_cast<std::uint8_t>(IncognitaTrapezoidal::Profundidade));
    const double Q = s.Q;
    ASSERT_TRUE(s.Calcular());
    const auto faixa = CalcularFaixaN(s);
    ASSERT_TRUE(faixa);
    EXPECT_STREQ(faixa->Campo->Chave, "H");
    EXPECT_NEAR(faixa->Valor, 1, 1e-9);
    EXPECT_NEAR(VazaoTrapezio(faixa->Minimo, 0.013), Q, 1e-8 * Q);
    EXPECT_NEAR(VazaoTrapezio(faixa->Maximo, 0.017), Q, 1e-8 * Q);
    EXPECT_LT(faixa->Minimo, 0.95);
    EXPECT_GT(faixa->Maximo, 1.05);
    EXPECT_EQ(s.n, 0.015); // the section itself keeps its coefficient and results
    EXPECT_NEAR(s.H, 1, 1e-9);
    EXPECT_EQ(TextoFaixaN(*faixa, ','), "Profundidade Normal: 1,000 m (" + FormatarFixo(faixa->Minimo, 3, ',') + " a " +
                                            FormatarFixo(faixa->Maximo, 3, ',') + " m com n mínimo e máximo)");

    // Discharge unknown: Q falls as 1/n, so the maximum n gives the lower end.
    TSulvoTrapezoidal q = Trapezio(static_cast<std::uint8_t>(IncognitaTrapezoidal::Vazao));
    ASSERT_TRUE(q.Calcular());
    const auto vazao = CalcularFaixaN(q);
    ASSERT_TRUE(vazao);
    EXPECT_NEAR(vazao->Minimo, Q * 0.015 / 0.017, 1e-12 * Q);
    EXPECT_NEAR(vazao->Maximo, Q * 0.015 / 0.013, 1e-12 * Q);
    EXPECT_EQ(TextoFaixaN(*vazao, '.', true), "Vazão: 5.39 m3/s (4.76 a 6.22 m3/s com n mínimo e máximo)");

    // No band: n is the unknown, the band was picked for another n, or no band at all.
    TSulvoTrapezoidal r = Trapezio(static_cast<std::uint8_t>(IncognitaTrapezoidal::Rugosidade));
    ASSERT_TRUE(r.Calcular());
    EXPECT_FALSE(CalcularFaixaN(r));
    q.FaixaN.Normal = 0.014;
    EXPECT_FALSE(CalcularFaixaN(q));
    q.FaixaN = {};
    EXPECT_FALSE(CalcularFaixaN(q));
}

// A 600 mm pipe at 95 % of its largest discharge: as rough as the table allows, it cannot carry the flow. That
// end is named instead of the whole band being dropped.
TEST(FaixaRugosidade, TuboQueNaoLevaAVazaoComNMaximoDizQualPontaFalta) {
    TSulvoCircular maior;
    maior.D = 0.6, maior.I = 0.002, maior.n = 0.013, maior.H = 0.9382 * 0.6;
    maior.Incognita = 0; // discharge at the depth of the largest one
    ASSERT_TRUE(maior.Calcular());
    TSulvoCircular s = maior;
    s.Q = 0.95 * maior.Q;
    s.Incognita = 1; // depth
    s.FaixaN = {0.013, 0.011, 0.015};
    ASSERT_TRUE(s.Calcular());
    const auto faixa = CalcularFaixaN(s);
    ASSERT_TRUE(faixa);
    ASSERT_STREQ(faixa->SemSolucao, "n máximo");
    EXPECT_EQ(faixa->Minimo, faixa->Maximo);
    EXPECT_LT(faixa->Minimo, s.H);
    // Back through Manning: the smoother pipe carries the discharge at the depth given for it.
    TSulvoCircular volta = s;
    volta.n = 0.011, volta.H = faixa->Minimo, volta.Incognita = 0;
    ASSERT_TRUE(volta.Calcular());
    EXPECT_NEAR(volta.Q, s.Q, 1e-7 * s.Q);
    EXPECT_EQ(TextoFaixaN(*faixa, ','), "Profundidade Normal: " + FormatarFixo(s.H, 3, ',') + " m (" +
                                            FormatarFixo(faixa->Minimo, 3, ',') +
                                            " m com n mínimo; sem solução com n máximo)");
}

TEST(FaixaRugosidade, IrregularUsaAFaixaDeCadaIntervaloQueATem) {
    // A 3 m wide, 2 m deep rectangle of one n: its conventional discharge is inversely proportional to n, as long
    // as every interval takes the same end of the band.
    TSulvoIrregular s;
    s.Pontos = {{0, 0, 0}, {0, -2, 0.015}, {3, -2, 0.015}, {3, 0, 0.015}};
    s.S = 3, s.H = 1, s.I = 0.001;
    s.Incognita = static_cast<std::uint8_t>(IncognitaIrregular::Vazao);
    for (std::size_t k = 1; k < 4; ++k)
        s.Pontos[k].DefinirFaixa({0.015, 0.012, 0.018});
    ASSERT_TRUE(s.Calcular());
    const double Q = s.Q;
    auto faixa = CalcularFaixaN(s);
    ASSERT_TRUE(faixa);
    EXPECT_NEAR(faixa->Minimo, Q * 0.015 / 0.018, 1e-9 * Q);
    EXPECT_NEAR(faixa->Maximo, Q * 0.015 / 0.012, 1e-9 * Q);

    // Only the bed from a table; the walls keep their n, so the band narrows.
    s.Pontos[1].DefinirFaixa({});
    s.Pontos[3].DefinirFaixa({0.014, 0.012, 0.018}); // picked for another coefficient: not this wall's band
    faixa = CalcularFaixaN(s);
    ASSERT_TRUE(faixa);
    EXPECT_GT(faixa->Minimo, Q * 0.015 / 0.018);
    EXPECT_LT(faixa->Minimo, Q);
    EXPECT_LT(faixa->Maximo, Q * 0.015 / 0.012);
    EXPECT_GT(faixa->Maximo, Q);

    s.Pontos[2].DefinirFaixa({});
    EXPECT_FALSE(CalcularFaixaN(s));
}

} // namespace
