// Every section and every unknown against the exact solution of its equations, from a 50 mm drain to a 200 m
// flood plain and slopes from 1e-5 to 0.1; and each warning on a case built to raise it.
#include "common/NumberFormat.h"
#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "tests/engine/SolucaoExata.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sulvo;
using exata::Real;

namespace {

constexpr double kErro = 1e-6;
const double kEscalas[] = {0.05, 0.3, 2, 15, 200};
const double kDeclividades[] = {1e-5, 1e-3, 0.1};

#define EXPECT_REL(valor, exato) EXPECT_NEAR((valor) / static_cast<double>(exato), 1.0, kErro) << #valor

// Solves each unknown of a prismatic section in turn from the exact values of the others.
template <class Secao> void ConferirPrismatico(double b, double z, int ultima) {
    for (double s : kEscalas)
        for (double I : kDeclividades) {
            SCOPED_TRACE("escala " + std::to_string(s) + " I " + std::to_string(I));
            const exata::Trapezio t{b * s, z};
            const double H = 0.4 * s, n = 0.015;
            const Real Q = t.Q(H, I, n);
            for (int k = 0; k <= ultima; ++k) {
                Secao c;
                c.Q = static_cast<double>(Q), c.H = H, c.I = I, c.n = n, c.b = b * s, c.z = z, c.Comp = 1;
                c.Incognita = static_cast<std::uint8_t>(k);
                ASSERT_TRUE(c.Calcular()) << k;
                EXPECT_REL(c.Q, Q);
                EXPECT_REL(c.H, H);
                EXPECT_REL(c.I, I);
                EXPECT_REL(c.n, n);
                if (z > 0) {
                    EXPECT_REL(c.z, z);
                }
                if (b > 0) {
                    EXPECT_REL(c.b, b * s);
                }
                EXPECT_REL(c.Yc, t.Critica(Q));
            }
        }
}

} // namespace

TEST(Exatidao, Triangulo) {
    ConferirPrismatico<TSulvoTriangular>(0, 1.0, 4);
}
TEST(Exatidao, Trapezio) {
    ConferirPrismatico<TSulvoTrapezoidal>(1, 1.5, 5);
}
TEST(Exatidao, Retangulo) {
    ConferirPrismatico<TSulvoRetangular>(1, 0, 4);
}

TEST(Exatidao, Circulo) {
    for (double D : {0.05, 0.3, 1.0, 3.0})
        for (double relacao : {0.02, 0.5, 0.9})
            for (double I : kDeclividades) {
                SCOPED_TRACE("D " + std::to_string(D) + " y/D " + std::to_string(relacao) + " I " + std::to_string(I));
                const exata::Circulo c{D};
                const double H = relacao * D, n = 0.013;
                const Real Q = c.Q(H, I, n);
                for (int k = 0; k <= 5; ++k) {
                    TSulvoCircular s;
                    s.Q = static_cast<double>(Q), s.H = H, s.I = I, s.n = n, s.D = D, s.T = relacao;
                    s.Incognita = static_cast<std::uint8_t>(k);
                    ASSERT_TRUE(s.Calcular()) << k;
                    EXPECT_REL(s.Q, Q);
                    EXPECT_REL(s.H, H);
                    EXPECT_REL(s.I, I);
                    EXPECT_REL(s.n, n);
                    EXPECT_REL(s.D, D);
                    EXPECT_REL(s.Yc, c.Critica(Q));
                }
            }
}

// A trapezoidal trough surveyed as points: the conventional method is the trapezoid's Manning equation, the
// divided one the sum of its two side triangles and the middle rectangle.
TEST(Exatidao, Irregular) {
    for (double s : kEscalas)
        for (double I : kDeclividades)
            for (std::uint8_t metodo : {0, 1}) {
                SCOPED_TRACE("escala " + std::to_string(s) + " I " + std::to_string(I) + " método " +
                             std::to_string(metodo));
                const exata::Trapezio t{s, 1.5};
                const double d = 0.8 * s, H = 0.4 * s, n = 0.015;
                const Real Q = metodo == 0 ? t.Q(H, I, n) : exata::QDividido(t, H, I, n);
                for (std::uint8_t k = 0; k <= 3; ++k) {
                    TSulvoIrregular c;
                    c.Pontos = {{0, 0, 0}, {1.5 * d, -d, n}, {1.5 * d + s, -d, n}, {3 * d + s, 0, n}};
                    c.Q = static_cast<double>(k == 3 ? t.Q(H, I, n) : Q), c.H = H, c.I = I, c.Comp = 1;
                    c.Metodologia = metodo;
                    c.Incognita = k;
                    ASSERT_TRUE(c.Calcular()) << int(k);
                    if (k == 3) {
                        EXPECT_REL(c.n, n);
                    } else {
                        EXPECT_REL(c.Q, Q);
                        EXPECT_REL(c.H, H);
                        EXPECT_REL(c.I, I);
                    }
                    // Above the top of the section the critical depth is reported as -1.
                    const Real critica = t.Critica(c.Q);
                    if (critica > d) {
                        EXPECT_EQ(c.Yc, -1);
                    } else {
                        EXPECT_REL(c.Yc, critica);
                    }
                }
            }
}

TEST(Avisos, FroudeProximoDeUmSoEntre08E12) {
    // A rectangle 2 m wide, 0.5 m deep, on the slope that makes it critical, then a tenth steeper: NF ≈ 1.05.
    const exata::Trapezio t{2, 0};
    const Real Qc = 2 * 0.5L * std::sqrt(exata::g * 0.5L);
    const Real raiz = 0.015L * Qc * std::pow(t.P(0.5L), 2.0L / 3) / std::pow(t.A(0.5L), 5.0L / 3);
    for (double fator : {1.1, 0.2}) {
        TSulvoRetangular r;
        r.b = 2, r.H = 0.5, r.n = 0.015, r.I = static_cast<double>(raiz * raiz) * fator, r.Comp = 1;
        ASSERT_TRUE(r.Calcular());
        if (fator > 1) {
            ASSERT_EQ(r.Avisos.size(), 1u);
            EXPECT_NE(r.Avisos[0].find("Número de Froude 1,05, entre 0,8 e 1,2"), std::string::npos) << r.Avisos[0];
        } else {
            EXPECT_TRUE(r.Avisos.empty());
        }
    }
}

TEST(Avisos, CirculoEntreVazaoPlenaEMaximaTemDuasProfundidades) {
    const exata::Circulo c{1};
    const double I = 0.001, n = 0.013;
    const Real plena = exata::Manning(3.14159265358979323846L / 4, 3.14159265358979323846L, I, n);
    TSulvoCircular s;
    s.D = 1, s.I = I, s.n = n, s.Q = static_cast<double>(1.03L * plena), s.Incognita = 1;
    ASSERT_TRUE(s.Calcular());
    const Real menor = c.Profundidade(s.Q, I, n);
    EXPECT_REL(s.H, menor);
    // The higher depth lies above that of the largest discharge, where the discharge falls back to the full value.
    const Real topo = c.ProfundidadeMaxima(I, n);
    Real lo = topo, hi = 1;
    for (int k = 0; k < 200; ++k) {
        const Real m = (lo + hi) / 2;
        (c.Q(m, I, n) > s.Q ? lo : hi) = m;
    }
    ASSERT_EQ(s.Avisos.size(), 1u);
    EXPECT_NE(s.Avisos[0].find(FormatarGeral(static_cast<double>(lo), ',', 5) + " m"), std::string::npos)
        << s.Avisos[0];
    EXPECT_NE(s.Avisos[0].find("O resultado mostra a menor, " + FormatarGeral(s.H, ',', 5)), std::string::npos);

    // Above the largest discharge the refusal names it.
    TSulvoCircular acima = s;
    acima.Q = static_cast<double>(1.2L * plena);
    struct : IPrompt {
        std::vector<std::string> m;
        void Mensagem(const std::string& t) override { m.push_back(t); }
        bool Confirmar(const std::string&) override { return false; }
    } prompt;
    acima.DefinirPrompt(prompt);
    EXPECT_FALSE(acima.Calcular());
    ASSERT_EQ(prompt.m.size(), 1u);
    EXPECT_EQ(prompt.m[0].rfind("Não é possível alcançar esta vazão ! A vazão máxima deste conduto é " +
                                    FormatarGeral(static_cast<double>(c.Q(topo, I, n)), ',', 5) + " m³/s",
                                0),
              0u)
        << prompt.m[0];
}

// A main channel 2 m wide and 2 m deep beside a berm 100 m wide one metre down: flooding the berm adds 100 m of
// wetted perimeter to little area, so the conventional discharge falls just above 1 m, and A³/S drops, giving a
// critical depth below the berm and another just above it.
TEST(Avisos, BermaIrregular) {
    TSulvoIrregular c;
    c.Pontos = {{0, 0, 0}, {0, -1, 0.03}, {100, -1, 0.03}, {100, -2, 0.015}, {102, -2, 0.015}, {102, 0, 0.015}};
    c.H = 1.5, c.I = 0.001, c.Comp = 1;
    for (std::uint8_t metodo : {0, 1}) {
        c.Metodologia = metodo;
        c.Incognita = 0;
        ASSERT_TRUE(c.Calcular());
        const bool queda = !c.Avisos.empty() && c.Avisos[0].find("diminui") != std::string::npos;
        EXPECT_EQ(queda, metodo == 0) << (c.Avisos.empty() ? "" : c.Avisos[0]);
        if (metodo == 0) {
            EXPECT_NE(c.Avisos[0].find("entre 1 m e "), std::string::npos) << c.Avisos[0];
        }
    }
    // Q²/g = 2: 4·y³ = 2 in the channel (y = 0.79370) and (2 + 102·(y − 1))³/102 = 2 over the berm (y = 1.0381).
    c.Metodologia = 1;
    c.Incognita = 1;
    c.Q = std::sqrt(2 * 9.81);
    ASSERT_TRUE(c.Calcular());
    ASSERT_FALSE(c.Avisos.empty());
    const std::string& criticas = c.Avisos.back();
    EXPECT_NE(criticas.find("Há 2 profundidades críticas"), std::string::npos) << criticas;
    EXPECT_NE(criticas.find(FormatarGeral(std::cbrt(0.5), ',', 5) + " m e " +
                            FormatarGeral(1 + (std::cbrt(204.0) - 2) / 102, ',', 5) + " m"),
              std::string::npos)
        << criticas;
}
