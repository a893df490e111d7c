// Conveyance subdivided at the roughness changes and bank stations, its velocity coefficient and critical depth,
// the composite-n formulas and the methods side by side.
#include "engine/Subdivisao.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace sulvo;

namespace {

// Manning's conveyance of one element with one coefficient, m³/s at unit slope.
double K(double area, double perimetro, double n) {
    return area * std::pow(area / perimetro, 2.0 / 3.0) / n;
}

// A compound section: left overbank of two coefficients (0.04 on its slope, 0.06 on the berm), a 2 m deep main
// channel of 0.03 between the bank stations at X = 20 and 30, a right overbank of 0.05.
const std::vector<TPontoSecao> kComposta = {{0, 0, 0},      {10, -1, 0.04}, {20, -1, 0.06}, {22, -3, 0.03},
                                            {28, -3, 0.03}, {30, -1, 0.03}, {45, -1, 0.05}, {50, 0, 0.05}};

TSulvoIrregular Secao(const std::vector<TPontoSecao>& pontos, double margemE, double margemD) {
    TSulvoIrregular s;
    s.Pontos = pontos;
    s.MargemE = margemE;
    s.MargemD = margemD;
    s.YMinimo = 0;
    for (const TPontoSecao& p : pontos)
        s.YMinimo = std::min(s.YMinimo, p.Y);
    return s;
}

TEST(Subdivisao, CompoundSectionByHand) {
    // Depth 2.5 m, water level 0.5 m above the berms. Left overbank: the wet part of the slope, x 5 to 10
    // (A = 1.25, P = √25.25, n 0.04), and the berm (A = 5, P = 10, n 0.06). Channel: two 2 m wide sides from 0.5 to
    // 2.5 m deep (A = 3, P = √8 each) and the 6 m bed (A = 15, P = 6), n 0.03. Right overbank: berm (A = 7.5,
    // P = 15) and the wet part of the slope, x 45 to 47.5 (A = 0.625, P = √6.5), n 0.05 — one element.
    const double k1 = K(1.25, std::sqrt(25.25), 0.04);
    const double k2 = K(5, 10, 0.06);
    const double kc = K(21, 6 + 2 * std::sqrt(8.0), 0.03);
    const double kr = K(8.125, 15 + std::sqrt(6.5), 0.05);
    const double kTotal = k1 + k2 + kc + kr; // 1198.50
    const double aTotal = 35.375;
    const double alfa =
        aTotal * aTotal *
        (std::pow(k1 + k2, 3) / (6.25 * 6.25) + std::pow(kc, 3) / (21 * 21) + std::pow(kr, 3) / (8.125 * 8.125)) /
        std::pow(kTotal, 3); // 1.850

    const TConducaoSubdividida c = ConducaoSubdividida(kComposta, -0.5, 20, 30);
    ASSERT_EQ(c.Subareas.size(), 4u);
    EXPECT_NEAR(c.A, aTotal, 1e-12);
    EXPECT_NEAR(c.S, 42.5, 1e-12);
    EXPECT_NEAR(c.K, kTotal, 1e-9 * kTotal);
    EXPECT_NEAR(c.Alfa, alfa, 1e-12);
    EXPECT_FALSE(c.CanalComposto);
    const double esperados[] = {k1, k2, kc, kr};
    const TRegiao regioes[] = {TRegiao::MargemEsquerda, TRegiao::MargemEsquerda, TRegiao::Canal,
                               TRegiao::MargemDireita};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(c.Subareas[i].K, esperados[i], 1e-9 * esperados[i]) << i;
        EXPECT_EQ(c.Subareas[i].Regiao, regioes[i]) << i;
    }

    // The solvers use it: the depth unknown finds 2.5 m again, and the energy takes α.
    TSulvoIrregular s = Secao(kComposta, 20, 30);
    s.Metodologia = 2;
    s.Incognita = 1;
    s.I = 0.0004;
    s.Q = kTotal * 0.02;
    ASSERT_TRUE(s.Calcular());
    EXPECT_NEAR(s.H, 2.5, 1e-4);
    EXPECT_NEAR(s.Alfa, alfa, 1e-3);
    EXPECT_NEAR(s.E, s.H + s.Alfa * s.V * s.V / 19.62, 1e-12);
}

// The main channel's n varies: one Horton–Einstein element when a bank is steeper than 5H:1V, split otherwise.
struct CasoCanal {
    const char* nome;
    std::vector<TPontoSecao> pontos;
    double z;
    bool composto;
    double K;
};

class SubdivisaoCanalTest : public ::testing::TestWithParam<CasoCanal> {};

TEST_P(SubdivisaoCanalTest, CompositeOnlyOnSteepBanks) {
    const CasoCanal& c = GetParam();
    const TConducaoSubdividida r = ConducaoSubdividida(c.pontos, c.z, c.pontos.front().X, c.pontos.back().X);
    EXPECT_EQ(r.CanalComposto, c.composto);
    EXPECT_NEAR(r.K, c.K, 1e-9 * c.K);
}

const double kNc = std::pow((2 * std::pow(0.02, 1.5) + 4 * std::pow(0.014, 1.5)) / 6, 2.0 / 3.0);

INSTANTIATE_TEST_SUITE_P(
    Canais, SubdivisaoCanalTest,
    ::testing::Values(
        // Concrete-like walls of 0.02 on a bed of 0.014, 1 m of water: A = 4, P = 6, one composite n.
        CasoCanal{"ParedesVerticais", {{0, 0, 0}, {0, -2, 0.02}, {4, -2, 0.014}, {4, 0, 0.02}}, -1, true, K(4, 6, kNc)},
        // 10H:1V sides of 0.02 and a bed of 0.014: three elements, the sides' wet parts x 10 to 20 and 24 to 34.
        CasoCanal{"TaludesSuaves",
                  {{0, 0, 0}, {20, -2, 0.02}, {24, -2, 0.014}, {44, 0, 0.02}},
                  -1,
                  false,
                  2 * K(5, std::sqrt(101.0), 0.02) + K(4, 4, 0.014)}),
    [](const ::testing::TestParamInfo<CasoCanal>& info) { return std::string(info.param.nome); });

TEST(Subdivisao, CollinearPointsLeaveTheDischargeUnchanged) {
    // Points added on straight stretches (both overbank slopes, the berm, the channel's sides and bed) change nothing
    // in the subdivision; the vertical slices change, because each new point cuts a new slice. Only the points on
    // sloping ground move the slices: on level ground a slice split in two keeps its depth, and its conveyance,
    // w·d^(5/3)/n, simply adds up.
    std::vector<TPontoSecao> densa = kComposta;
    densa.insert(densa.begin() + 7, {{46, -0.8, 0.05}, {47, -0.6, 0.05}});
    densa.insert(densa.begin() + 5, {29, -2, 0.03});
    densa.insert(densa.begin() + 4, {{24, -3, 0.03}, {26, -3, 0.03}});
    densa.insert(densa.begin() + 3, {{20.5, -1.5, 0.03}, {21, -2, 0.03}, {21.5, -2.5, 0.03}});
    densa.insert(densa.begin() + 2, {{12, -1, 0.06}, {15, -1, 0.06}, {18, -1, 0.06}});
    densa.insert(densa.begin() + 1, {{6, -0.6, 0.04}, {7, -0.7, 0.04}, {8, -0.8, 0.04}, {9, -0.9, 0.04}});
    TSulvoIrregular original = Secao(kComposta, 20, 30);
    TSulvoIrregular densificada = Secao(densa, 20, 30);
    const double h = 2.5;
    const double qSub = original.AvaliarSubdivisao(h, 1).Q;
    EXPECT_NEAR(densificada.AvaliarSubdivisao(h, 1).Q, qSub, 1e-12 * qSub);
    // The slices: 1293.26 before, 1310.87 after, +1.36 % (on a slope, conveyance growing as depth^(5/3) adds up to more
    // over narrower slices).
    const double qDiv = original.AvaliarDivisao(h, 1).Q;
    const double qDivDensa = densificada.AvaliarDivisao(h, 1).Q;
    EXPECT_GT(qDivDensa, 1.01 * qDiv) << qDiv << " " << qDivDensa;
}

TEST(Subdivisao, CriticalDepthIsTheLeastEnergy) {
    // One element (α = 1): the least energy of a 3 m wide rectangle is at (Q²/(g·b²))^(1/3).
    const std::vector<TPontoSecao> retangulo = {{0, 0, 0}, {0, -2, 0.015}, {3, -2, 0.015}, {3, 0, 0.015}};
    EXPECT_NEAR(ProfundidadeCriticaEnergia(retangulo, -2, 0, 3, 3), std::cbrt(9 / (9.81 * 9)), 1e-6);
    EXPECT_EQ(ProfundidadeCriticaEnergia(retangulo, -2, 0, 3, 30), -1);
}

TEST(Subdivisao, CompositeFormulasAndTheMethodsSideBySide) {
    // Trapezoid with 0.02, 0.015 and 0.03 on its left side, bed and right side, 1 m of water: zones of the
    // composite formulas are the sides (A = 0.5, P = √2) and the bed (A = 4, P = 4).
    const std::vector<TPontoSecao> pontos = {{0, 0, 0}, {2, -2, 0.02}, {6, -2, 0.015}, {8, 0, 0.03}};
    const double r2 = std::sqrt(2.0);
    const double P = 4 + 2 * r2;
    const double R = 5 / P;
    const double pav = std::sqrt((0.02 * 0.02 * r2 + 0.015 * 0.015 * 4 + 0.03 * 0.03 * r2) / P);
    const double eb = (0.02 * r2 + 0.015 * 4 + 0.03 * r2) / P;
    const double rLado = std::pow(0.5 / r2, 5.0 / 3.0);
    const double lot = P * std::pow(R, 5.0 / 3.0) / (r2 * rLado / 0.02 + 4 * 1 / 0.015 + r2 * rLado / 0.03);
    const double umN = 5 * std::pow(R, 2.0 / 3.0); // Manning per unit of 1/n and √I

    TSulvoIrregular s = Secao(pontos, 0, 8);
    const TComparacaoMetodos c = CompararMetodos(s, 1, 1);
    ASSERT_EQ(c.Metodos.size(), 6u);
    struct Linha {
        const char* nome;
        double Q;
    };
    // The conventional and divided values are those of the worked example of the two original methods; with the banks
    // at the ends and three n on the channel's steep sides the subdivision is one composite element.
    const Linha esperadas[] = {{"Convencional", 207.54},
                               {"Divisão do Sulvo em Seções", 287.50},
                               {"Subdivisão por rugosidade", 207.54},
                               {"Pavlovskii", umN / pav},
                               {"Lotter", umN / lot},
                               {"Einstein–Banks", umN / eb}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(c.Metodos[i].Nome, esperadas[i].nome);
        EXPECT_NEAR(c.Metodos[i].Q, esperadas[i].Q, 5e-5 * esperadas[i].Q) << esperadas[i].nome;
    }
    EXPECT_NEAR(c.Dispersao, 287.50 / (umN / pav) - 1, 1e-4);
    EXPECT_NE(c.Aviso.find(" %: a escolha do método pesa no resultado."), std::string::npos) << c.Aviso;

    // One coefficient everywhere: the composite methods agree; only the slices differ (300.0 against 270.80, 10.8 %).
    TSulvoIrregular uniforme = Secao({{0, 0, 0}, {2, -2, 0.015}, {6, -2, 0.015}, {8, 0, 0.015}}, 0, 8);
    const TComparacaoMetodos u = CompararMetodos(uniforme, 1, 1);
    for (const TVazaoMetodo& m : u.Metodos) {
        if (m.Nome != "Divisão do Sulvo em Seções") {
            EXPECT_NEAR(m.Q, 270.80, 0.01) << m.Nome;
        }
    }
    EXPECT_NEAR(u.Dispersao, 300.0 / 270.80 - 1, 1e-4);
}

} // namespace
