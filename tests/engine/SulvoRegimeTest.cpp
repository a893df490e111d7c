// The regime rule shared by every section, and the promise that a successful calculation never leaves an
// infinity or a not-a-number in a field, whatever the inputs.
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

using namespace sulvo;

namespace {

struct Regime {
    double froude;
    const char* regime;
};

class SulvoRegime : public ::testing::TestWithParam<Regime> {};

TEST_P(SulvoRegime, ComparacaoExataComUm) {
    EXPECT_EQ(RegimeDoFroude(GetParam().froude), GetParam().regime);
}

INSTANTIATE_TEST_SUITE_P(Limites, SulvoRegime,
                         ::testing::Values(Regime{1.0, "Crítico"}, Regime{0.9999, "Subcrítico"},
                                           Regime{1.0001, "Supercrítico"},
                                           Regime{std::nextafter(1.0, 0.0), "Subcrítico"},
                                           Regime{std::nextafter(1.0, 2.0), "Supercrítico"}, Regime{0.0, "Subcrítico"},
                                           Regime{25.0, "Supercrítico"}));

// ---------------------------------------------------------------------------------------------------------------
// Inputs from the absurd to the ordinary, every section and every unknown. The engine may refuse any of them,
// but whatever it accepts must be a full set of finite results.

class PromptQueRecusa final : public IPrompt {
public:
    void Mensagem(const std::string&) override {}
    bool Confirmar(const std::string&) override { return false; }
};

// Zero, negative, tiny and huge values. Each call of the closed forms and of the circle is cheap.
const std::vector<double> kValores = {0, -1, 1e-9, 0.0137, 0.6, 2.5, 3e4, 1e200};
// The Newton solvers get no extreme magnitudes: a root beyond about 10^12 lies where 64-bit reals are farther
// apart than the tolerance, and each such case runs the full 100 000 steps before it gives up.
const std::vector<double> kValoresNewton = {0, -1, 0.0137, 0.6, 2.5};

// Runs every unknown of a section over the grid; `preencher` puts (Q, H, geometry, n) into a fresh object and
// `finitos` tells whether its section-specific fields are finite.
template <class Secao, class Preencher, class Finitos>
void Varrer(std::uint8_t incognitas, Preencher preencher, Finitos finitos) {
    PromptQueRecusa prompt;
    int aceitos = 0;
    for (std::uint8_t incognita = 0; incognita < incognitas; ++incognita) {
        const bool newton = !std::is_same_v<Secao, TSulvoCircular> && (incognita == 1 || incognita >= 4);
        const auto& valores = newton ? kValoresNewton : kValores;
        for (double Q : valores)
            for (double H : valores)
                for (double geometria : valores)
                    for (double nI : valores) {
                        Secao s;
                        s.DefinirPrompt(prompt);
                        s.Incognita = incognita;
                        s.Q = Q, s.H = H, s.n = nI, s.I = nI / 10;
                        preencher(s, geometria);
                        if (!s.Calcular())
                            continue;
                        ++aceitos;
                        bool ok = finitos(s) && !s.Regime.empty();
                        for (double campo : {s.Q, s.H, s.I, s.n, s.A, s.P, s.V, s.S, s.E, s.Yc, s.NF})
                            ok = ok && std::isfinite(campo);
                        ASSERT_TRUE(ok) << "Incognita " << int(incognita) << " Q " << Q << " H " << H << " geometria "
                                        << geometria << " n " << nI;
                    }
    }
    EXPECT_GT(aceitos, 0);
}

template <class Secao> void VarrerPrismatico(std::uint8_t incognitas) {
    Varrer<Secao>(
        incognitas, [](Secao& s, double g) { s.b = g, s.z = g, s.f = 0.3, s.Comp = 100; },
        [](const Secao& s) { return std::isfinite(s.b) && std::isfinite(s.z) && std::isfinite(s.Vol_Terra); });
}

TEST(SulvoResultadosFinitos, Triangulo) {
    VarrerPrismatico<TSulvoTriangular>(5);
}
TEST(SulvoResultadosFinitos, Trapezio) {
    VarrerPrismatico<TSulvoTrapezoidal>(6);
}
TEST(SulvoResultadosFinitos, Retangulo) {
    VarrerPrismatico<TSulvoRetangular>(5);
}
TEST(SulvoResultadosFinitos, Circulo) {
    Varrer<TSulvoCircular>(
        6, [](TSulvoCircular& s, double g) { s.D = g, s.T = s.H; },
        [](const TSulvoCircular& s) { return std::isfinite(s.D); });
}

} // namespace
