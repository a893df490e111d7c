// The three prismatic sections: Manning's equation in all six directions, critical depths, earthwork,
// the non-convergence question and the failures.
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace sulvo;

namespace {

// Records what the engine shows; Yes to the first `sim` questions, No afterwards.
class PromptGravado final : public IPrompt {
public:
    explicit PromptGravado(int sim = 0) : sim_(sim) {}
    void Mensagem(const std::string& texto) override { mensagens.push_back(texto); }
    bool Confirmar(const std::string& pergunta) override {
        perguntas.push_back(pergunta);
        return sim_-- > 0;
    }
    std::vector<std::string> mensagens, perguntas;

private:
    int sim_;
};

const std::string kPerguntaNaoConvergiu = "Cálculo não convergiu! Deseja tentar novamente?";

enum class Tipo { Triangular, Trapezoidal, Retangular };

std::unique_ptr<TSulvoR> Nova(Tipo tipo, std::uint8_t incognita) {
    switch (tipo) {
    case Tipo::Triangular: {
        auto s = std::make_unique<TSulvoTriangular>();
        s->Incognita = incognita;
        return s;
    }
    case Tipo::Trapezoidal: {
        auto s = std::make_unique<TSulvoTrapezoidal>();
        s->Incognita = incognita;
        return s;
    }
    case Tipo::Retangular: {
        auto s = std::make_unique<TSulvoRetangular>();
        s->Incognita = incognita;
        return s;
    }
    }
    return nullptr;
}

bool Calcular(TSulvoR& s) {
    if (auto* t = dynamic_cast<TSulvoTriangular*>(&s))
        return t->Calcular();
    if (auto* t = dynamic_cast<TSulvoTrapezoidal*>(&s))
        return t->Calcular();
    return dynamic_cast<TSulvoRetangular&>(s).Calcular();
}

// The textbook trapezoid geometry, written out independently of the engine.
double Area(double y, double b, double z) {
    return y * (b + z * y);
}
double Perimetro(double y, double b, double z) {
    return b + 2 * y * std::sqrt(z * z + 1);
}
double Topo(double y, double b, double z) {
    return b + 2 * z * y;
}
double Manning(double y, double b, double z, double I, double n) {
    return std::pow(Area(y, b, z), 5.0 / 3) * std::sqrt(I) / (n * std::pow(Perimetro(y, b, z), 2.0 / 3));
}

// ---------------------------------------------------------------------------------------------------------------
// A canal fully described: the forward problem (unknown discharge) must agree with Manning's equation written
// independently, and every inverse problem must return the quantity the forward problem started from.

struct Canal {
    const char* nome;
    Tipo tipo;
    double H, b, z, n, I, f, Comp;
    const char* regime;
};

class CanalPrismatico : public ::testing::TestWithParam<Canal> {};

TEST_P(CanalPrismatico, VazaoConfereComManningEResultadosDerivados) {
    const Canal& c = GetParam();
    PromptGravado prompt;
    auto s = Nova(c.tipo, 0);
    s->DefinirPrompt(prompt);
    s->H = c.H, s->b = c.b, s->z = c.z, s->n = c.n, s->I = c.I, s->f = c.f, s->Comp = c.Comp;
    ASSERT_TRUE(Calcular(*s));

    // The triangle ignores a base width and the rectangle a side slope left in their fields.
    const double b = c.tipo == Tipo::Triangular ? 0 : c.b;
    const double z = c.tipo == Tipo::Retangular ? 0 : c.z;
    EXPECT_EQ(s->b, b);
    EXPECT_EQ(s->z, z);
    const double A = Area(c.H, b, z), T = Topo(c.H, b, z);
    EXPECT_NEAR(s->Q, Manning(c.H, b, z, c.I, c.n), 1e-12 * s->Q);
    EXPECT_NEAR(s->A, A, 1e-12);
    EXPECT_NEAR(s->P, Perimetro(c.H, b, z), 1e-12);
    EXPECT_NEAR(s->S, T, 1e-12);
    EXPECT_NEAR(s->V, s->Q / A, 1e-12);
    EXPECT_NEAR(s->NF, s->V / std::sqrt(9.81 * A / T), 1e-12);
    EXPECT_NEAR(s->E, c.H + s->V * s->V / 19.62, 1e-12);
    EXPECT_NEAR(s->Vol_Terra, Area(c.H + c.f, b, z) * c.Comp, 1e-9 * s->Vol_Terra);
    EXPECT_EQ(s->Regime, c.regime);
    // At the critical depth the Froude condition Q²·T / (g·A³) = 1 holds.
    const double Ac = Area(s->Yc, b, z), Tc = Topo(s->Yc, b, z);
    EXPECT_NEAR(s->Q * s->Q * Tc / (9.81 * Ac * Ac * Ac), 1.0, 1e-3);
    EXPECT_TRUE(prompt.mensagens.empty());
    EXPECT_TRUE(prompt.perguntas.empty());
}

TEST_P(CanalPrismatico, CadaIncognitaDevolveOValorDeOrigem) {
    const Canal& c = GetParam();
    auto direto = Nova(c.tipo, 0);
    direto->H = c.H, direto->b = c.b, direto->z = c.z, direto->n = c.n, direto->I = c.I, direto->f = c.f;
    direto->Comp = c.Comp;
    ASSERT_TRUE(Calcular(*direto));

    const int ultima = c.tipo == Tipo::Trapezoidal ? 5 : 4;
    for (int incognita = 1; incognita <= ultima; ++incognita) {
        SCOPED_TRACE("Incognita " + std::to_string(incognita));
        PromptGravado prompt;
        auto s = Nova(c.tipo, static_cast<std::uint8_t>(incognita));
        s->DefinirPrompt(prompt);
        s->Q = direto->Q, s->H = direto->H, s->b = direto->b, s->z = direto->z, s->n = direto->n, s->I = direto->I;
        s->f = c.f, s->Comp = c.Comp;
        // The unknown's field is overwritten whatever it held.
        double* campo = incognita == 1                                 ? &s->H
                        : incognita == 2                               ? &s->I
                        : incognita == 3                               ? &s->n
                        : incognita == 5 || c.tipo == Tipo::Retangular ? &s->b
                                                                       : &s->z;
        const double esperado = *campo;
        *campo = 77;
        ASSERT_TRUE(Calcular(*s));
        // The Newton answers lie within one last step (0.0001) of the root; the closed forms are exact.
        const double tolerancia = incognita == 2 || incognita == 3 ? 1e-12 * esperado : 1e-4;
        EXPECT_NEAR(*campo, esperado, tolerancia);
        EXPECT_NEAR(s->A, direto->A, 1e-3);
        EXPECT_NEAR(s->V, direto->V, 1e-3);
        EXPECT_NEAR(s->NF, direto->NF, 1e-3);
        EXPECT_NEAR(s->Yc, direto->Yc, 1e-3);
        EXPECT_NEAR(s->E, direto->E, 1e-3);
        EXPECT_NEAR(s->Vol_Terra, direto->Vol_Terra, 1e-3 * direto->Vol_Terra);
        EXPECT_EQ(s->Regime, direto->Regime);
        EXPECT_TRUE(prompt.mensagens.empty());
        EXPECT_TRUE(prompt.perguntas.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Canais, CanalPrismatico,
    ::testing::Values(
        Canal{"TrapezioDeReferencia", Tipo::Trapezoidal, 1, 2, 1.5, 0.015, 0.001, 0, 100, "Subcrítico"},
        Canal{"TrapezioComFolga", Tipo::Trapezoidal, 0.8, 0.5, 0.5, 0.025, 0.0005, 0.3, 250, "Subcrítico"},
        Canal{"TrianguloComBaseEsquecida", Tipo::Triangular, 0.9, 3, 1.5, 0.013, 0.002, 0.2, 50, "Subcrítico"},
        Canal{"RetanguloComTaludeEsquecido", Tipo::Retangular, 0.6, 2, 2, 0.012, 0.001, 0.15, 80, "Subcrítico"},
        Canal{"RetanguloIngreme", Tipo::Retangular, 0.2, 1, 0, 0.011, 0.05, 0.1, 10, "Supercrítico"},
        Canal{"TrianguloIngreme", Tipo::Triangular, 0.3, 0, 1, 0.012, 0.03, 0, 20, "Supercrítico"}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------------------------

TEST(TrapezioDeReferencia, ValoresPublicados) {
    TSulvoTrapezoidal s;
    s.b = 2, s.z = 1.5, s.n = 0.015, s.I = 0.001, s.H = 1, s.f = 0, s.Comp = 100;
    ASSERT_TRUE(s.Calcular());
    EXPECT_NEAR(s.Q, 5.3903, 5e-5);
    EXPECT_NEAR(s.A, 3.5, 5e-5);
    EXPECT_NEAR(s.P, 5.6056, 5e-5);
    EXPECT_NEAR(s.V, 1.5401, 5e-5);
    EXPECT_NEAR(s.S, 5, 5e-5);
    EXPECT_NEAR(s.NF, 0.5877, 5e-5);
    EXPECT_NEAR(s.E, 1.1209, 5e-5);
    EXPECT_NEAR(s.Yc, 0.7452, 5e-5);
    EXPECT_NEAR(s.Vol_Terra, 350, 1e-9);
    EXPECT_EQ(s.Regime, "Subcrítico");
}

TEST(TrapezioDeReferencia, ProfundidadeVoltaEmCercaDe108Iteracoes) {
    TSulvoTrapezoidal s;
    s.Incognita = 1;
    s.b = 2, s.z = 1.5, s.n = 0.015, s.I = 0.001, s.Q = 5.3903, s.Comp = 100;
    ASSERT_TRUE(s.Calcular());
    EXPECT_NEAR(s.H, 1.0, 1e-4);
    // From 9.999e15 m down to 1 m: each step removes a fixed fraction of the depth, then a few quadratic ones.
    EXPECT_GE(s.Iteracoes(), 100);
    EXPECT_LE(s.Iteracoes(), 115);
}

struct Critica {
    const char* nome;
    Tipo tipo;
    double Q, z, b, esperado;
};

class RegularProfundidadeCritica : public ::testing::TestWithParam<Critica> {};

TEST_P(RegularProfundidadeCritica, ValorPublicado) {
    const Critica& c = GetParam();
    auto s = Nova(c.tipo, 0);
    EXPECT_NEAR(s->ProfundidadeCritica(c.Q, c.z, c.b), c.esperado, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Secoes, RegularProfundidadeCritica,
                         ::testing::Values(Critica{"Trapezio", Tipo::Trapezoidal, 5.3903, 1.5, 2, 0.745252},
                                           Critica{"Triangulo", Tipo::Triangular, 1.7623, 1.5, 0, 0.776011},
                                           Critica{"Retangulo", Tipo::Retangular, 2.6561, 0, 2, 0.564399},
                                           // The argument a section does not use is ignored.
                                           Critica{"TrianguloIgnoraBase", Tipo::Triangular, 1.7623, 1.5, 9, 0.776011},
                                           Critica{"RetanguloIgnoraTalude", Tipo::Retangular, 2.6561, 4, 2, 0.564399},
                                           Critica{"TrianguloSemVazao", Tipo::Triangular, 0, 1.5, 0, 0},
                                           Critica{"RetanguloSemVazao", Tipo::Retangular, 0, 0, 2, 0}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(ProfundidadeCriticaSemDenominador, TaludeOuBaseNulosNaoDaoNumero) {
    EXPECT_FALSE(std::isfinite(TSulvoTriangular().ProfundidadeCritica(1, 0, 0)));
    EXPECT_FALSE(std::isfinite(TSulvoRetangular().ProfundidadeCritica(1, 0, 0)));
    EXPECT_FALSE(std::isfinite(TSulvoTrapezoidal().ProfundidadeCritica(1, 1.5, 0)));
}

// ---------------------------------------------------------------------------------------------------------------
// Failures: the solver stops at the fault, returns false and shows nothing; fields written before the fault keep
// their new values, the others their old ones.

constexpr double kAntigo = -12345; // a value no calculation here produces

struct Falha {
    const char* nome;
    Tipo tipo;
    std::uint8_t incognita;
    double Q, H, b, z, n, I;
    bool areaEscrita; // whether A is written before the fault
};

class FalhaPrismatica : public ::testing::TestWithParam<Falha> {};

TEST_P(FalhaPrismatica, DevolveFalsoSemMensagem) {
    const Falha& c = GetParam();
    PromptGravado prompt;
    auto s = Nova(c.tipo, c.incognita);
    s->DefinirPrompt(prompt);
    s->Q = c.Q, s->H = c.H, s->b = c.b, s->z = c.z, s->n = c.n, s->I = c.I, s->Comp = 10;
    s->A = s->P = s->V = s->S = s->E = s->Yc = s->NF = s->Vol_Terra = kAntigo;
    s->Regime = "antigo";
    EXPECT_FALSE(Calcular(*s));
    EXPECT_TRUE(prompt.mensagens.empty());
    EXPECT_TRUE(prompt.perguntas.empty());
    EXPECT_EQ(s->A != kAntigo, c.areaEscrita);
    EXPECT_EQ(s->E, kAntigo);
    EXPECT_EQ(s->Regime, "antigo");
    for (double campo : {s->Q, s->H, s->b, s->z, s->n, s->I, s->A, s->P, s->V, s->S, s->Yc, s->NF, s->Vol_Terra})
        EXPECT_TRUE(std::isfinite(campo));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FalhaPrismatica,
    ::testing::Values(
        // Zero area: the logarithm in A^(5/3) has no value.
        Falha{"VazaoComProfundidadeNula", Tipo::Trapezoidal, 0, 0, 0, 2, 1.5, 0.015, 0.001, true},
        Falha{"TrianguloSemTalude", Tipo::Triangular, 0, 0, 1, 0, 0, 0.015, 0.001, true},
        Falha{"RetanguloSemBase", Tipo::Retangular, 0, 0, 1, 0, 0, 0.015, 0.001, true},
        // Division by zero roughness, square root of a negative slope.
        Falha{"RugosidadeNula", Tipo::Trapezoidal, 0, 0, 1, 2, 1.5, 0, 0.001, true},
        Falha{"DeclividadeNegativa", Tipo::Retangular, 0, 0, 1, 2, 0, 0.015, -0.001, true},
        Falha{"RugosidadeComVazaoNula", Tipo::Trapezoidal, 3, 0, 1, 2, 1.5, 0, 0.001, true},
        // A trapezoid without base has an area but no critical depth (its bisection divides by b⁵).
        Falha{"TrapezioSemBaseNaCritica", Tipo::Trapezoidal, 0, 0, 1, 0, 1.5, 0.015, 0.001, true},
        // Unknowns a section does not have run nothing at all.
        Falha{"TrianguloIncognita5", Tipo::Triangular, 5, 1, 1, 0, 1.5, 0.015, 0.001, false},
        Falha{"RetanguloIncognita5", Tipo::Retangular, 5, 1, 1, 2, 0, 0.015, 0.001, false},
        Falha{"TrapezioIncognita6", Tipo::Trapezoidal, 6, 1, 1, 2, 1.5, 0.015, 0.001, false},
        Falha{"TrapezioIncognita255", Tipo::Trapezoidal, 255, 1, 1, 2, 1.5, 0.015, 0.001, false}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(FalhaNaCritica, CamposEscritosAntesDaFalhaFicam) {
    // The trapezoid without base: area, perimeter, discharge and velocity are stored before the critical depth
    // divides by zero.
    TSulvoTrapezoidal s;
    s.b = 0, s.z = 1.5, s.H = 1, s.n = 0.015, s.I = 0.001;
    s.Yc = s.S = kAntigo;
    ASSERT_FALSE(s.Calcular());
    EXPECT_NEAR(s.Q, Manning(1, 0, 1.5, 0.001, 0.015), 1e-12);
    EXPECT_NEAR(s.V, s.Q / 1.5, 1e-12);
    EXPECT_EQ(s.Yc, kAntigo);
    EXPECT_EQ(s.S, kAntigo);
}

// ---------------------------------------------------------------------------------------------------------------
// A root at a negative side slope or base width: a narrower section already carries more than the discharge.

struct SemRaizPositiva {
    const char* nome;
    Tipo tipo;
    std::uint8_t incognita;
    double Q, H, b, z;
    const char* mensagem;
};

class SemRaizPositivaTest : public ::testing::TestWithParam<SemRaizPositiva> {};

TEST_P(SemRaizPositivaTest, AvisaEDevolveFalso) {
    const SemRaizPositiva& c = GetParam();
    PromptGravado prompt;
    auto s = Nova(c.tipo, c.incognita);
    s->DefinirPrompt(prompt);
    s->Q = c.Q, s->H = c.H, s->b = c.b, s->z = c.z, s->n = 0.015, s->I = 0.001, s->Comp = 100;
    s->V = s->Yc = s->S = s->NF = s->Vol_Terra = s->E = kAntigo;
    EXPECT_FALSE(Calcular(*s));
    EXPECT_EQ(prompt.mensagens, std::vector<std::string>{c.mensagem});
    EXPECT_TRUE(prompt.perguntas.empty());
    EXPECT_EQ(c.incognita == 4 ? s->z : s->b, 0.0);
    // Nothing of a previous calculation is passed off as this one's.
    EXPECT_EQ(s->V, kAntigo);
    EXPECT_EQ(s->E, kAntigo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SemRaizPositivaTest,
    ::testing::Values(
        // The rectangle b = 2, H = 1 carries 2.656 m³/s; the triangle z = 1.5, H = 1 carries 1.762 m³/s.
        SemRaizPositiva{"Talude", Tipo::Trapezoidal, 4, 1, 1, 2, 7,
                        "Nenhuma inclinação de talude positiva conduz esta vazão."},
        SemRaizPositiva{"Largura", Tipo::Trapezoidal, 5, 0.5, 1, 7, 1.5,
                        "Nenhuma largura de base positiva conduz esta vazão."}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------------------------
// Non-convergence. A rectangle carrying 10^13 m³/s at 1 m depth would need a base near 4.7 × 10^12 m, where
// consecutive 64-bit reals lie 0.001 m apart; such a discharge is beyond what the calculation carries and is
// refused before any step, with no question. Within the limits the steps stop relative to the unknown, so the
// widest admissible discharge converges as any other.
TEST(RegularNaoConvergencia, VazaoAlemDoLimiteRecusadaSemPergunta) {
    for (double vazao : {1e13, 1e9}) {
        PromptGravado prompt(0);
        TSulvoRetangular s;
        s.DefinirPrompt(prompt);
        s.Incognita = 4;
        s.Q = vazao, s.H = 1, s.n = 0.015, s.I = 0.001, s.Comp = 1;
        EXPECT_EQ(s.Calcular(), vazao <= 1e9);
        EXPECT_TRUE(prompt.perguntas.empty());
        if (vazao > 1e9) {
            EXPECT_EQ(prompt.mensagens, std::vector<std::string>{"O valor de Vazão (Q) ultrapassa o limite do cálculo: "
                                                                 "no máximo 1.000.000.000 m³/s."});
            EXPECT_EQ(s.Iteracoes(), 0);
        } else {
            EXPECT_NEAR(s.Q / Manning(1, s.b, 0, 0.001, 0.015), 1, 1e-9);
        }
    }
}

TEST(RegularNaoConvergencia, CalculoQueConvergeNaoPergunta) {
    // 255 steps down from 9.999e99 m for a base of 2 m: far below the first question.
    PromptGravado prompt(0);
    TSulvoTrapezoidal s;
    s.DefinirPrompt(prompt);
    s.Incognita = 5;
    s.z = 1.5, s.H = 1, s.n = 0.015, s.I = 0.001, s.Q = Manning(1, 2, 1.5, 0.001, 0.015);
    ASSERT_TRUE(s.Calcular());
    EXPECT_NEAR(s.b, 2, 1e-4);
    EXPECT_LT(s.Iteracoes(), 1000);
    EXPECT_TRUE(prompt.perguntas.empty());
}

} // namespace
