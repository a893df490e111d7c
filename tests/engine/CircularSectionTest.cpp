// The circular conduit: geometry through the central angle, its six unknowns, its critical depth and its messages.
#include "engine/ucircular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace sulvo;

namespace {

class PromptGravado final : public IPrompt {
public:
    void Mensagem(const std::string& texto) override { mensagens.push_back(texto); }
    bool Confirmar(const std::string& pergunta) override {
        perguntas.push_back(pergunta);
        return false;
    }
    std::vector<std::string> mensagens, perguntas;
};

constexpr double kPi = std::numbers::pi;
constexpr double kAntigo = -12345;

// The segment of a circle, written out independently of the engine.
double Angulo(double y, double D) {
    return 2 * std::acos(1 - 2 * y / D);
}
double Area(double y, double D) {
    const double t = Angulo(y, D);
    return D * D / 8 * (t - std::sin(t));
}
double Perimetro(double y, double D) {
    return Angulo(y, D) * D / 2;
}
double Topo(double y, double D) {
    return D * std::sin(Angulo(y, D) / 2);
}
double Manning(double y, double D, double I, double n) {
    const double A = Area(y, D);
    return std::pow(A / Perimetro(y, D), 2.0 / 3) * std::sqrt(I) * A / n;
}

TSulvoCircular Conduto(PromptGravado& prompt, std::uint8_t incognita) {
    TSulvoCircular s;
    s.DefinirPrompt(prompt);
    s.Incognita = incognita;
    s.D = 1, s.n = 0.013, s.I = 0.001, s.H = 0.5;
    return s;
}

TEST(CircularMeiaSecao, ValoresPublicados) {
    PromptGravado prompt;
    TSulvoCircular s = Conduto(prompt, 0);
    ASSERT_TRUE(s.Calcular());
    EXPECT_NEAR(s.A, kPi / 8, 1e-12);
    EXPECT_NEAR(s.P, kPi / 2, 1e-12);
    EXPECT_NEAR(s.S, 1, 1e-12); // θ = π: the surface runs through the centre
    EXPECT_NEAR(s.Q, 0.3791, 5e-5);
    EXPECT_NEAR(s.V, 0.9653, 5e-5);
    EXPECT_NEAR(s.NF, 0.4918, 5e-5);
    EXPECT_NEAR(s.Yc, 0.3454, 5e-5);
    EXPECT_NEAR(s.E, 0.5475, 5e-5);
    EXPECT_EQ(s.Regime, "Subcrítico");
    EXPECT_TRUE(prompt.mensagens.empty());
}

TEST(CircularMeiaSecao, ProblemasInversosPublicados) {
    PromptGravado prompt;
    TSulvoCircular profundidade = Conduto(prompt, 1);
    profundidade.Q = 0.3791;
    ASSERT_TRUE(profundidade.Calcular());
    // 0.3791 m³/s is the half-full discharge rounded, so the exact depth lies 7 µm above 0.5 m.
    EXPECT_NEAR(profundidade.H, 0.500007, 1e-6);

    TSulvoCircular diametro = Conduto(prompt, 4);
    diametro.Q = 0.3791, diametro.D = 0;
    ASSERT_TRUE(diametro.Calcular());
    EXPECT_NEAR(diametro.D, 1.000025, 1e-6);

    TSulvoCircular ambos = Conduto(prompt, 5);
    ambos.Q = 0.3791, ambos.T = 0.5, ambos.D = 0, ambos.H = 0;
    ASSERT_TRUE(ambos.Calcular());
    EXPECT_NEAR(ambos.D, 1.0000, 5e-5);
    EXPECT_NEAR(ambos.H, 0.5000, 5e-5);
    EXPECT_TRUE(prompt.mensagens.empty());
}

// ---------------------------------------------------------------------------------------------------------------
// Conduits at several fillings: the forward discharge agrees with Manning's equation written independently, and
// each inverse problem returns what the forward one started from.

struct Enchimento {
    const char* nome;
    double H, D, n, I;
};

class ConduitoCircular : public ::testing::TestWithParam<Enchimento> {};

TEST_P(ConduitoCircular, VazaoEIncognitasInversas) {
    const Enchimento& c = GetParam();
    PromptGravado prompt;
    TSulvoCircular direto;
    direto.DefinirPrompt(prompt);
    direto.H = c.H, direto.D = c.D, direto.n = c.n, direto.I = c.I;
    ASSERT_TRUE(direto.Calcular());
    EXPECT_NEAR(direto.Q, Manning(c.H, c.D, c.I, c.n), 1e-12 * direto.Q);
    EXPECT_NEAR(direto.S, Topo(c.H, c.D), 1e-9);
    EXPECT_NEAR(direto.NF, direto.V / std::sqrt(9.81 * direto.A / direto.S), 1e-9);
    EXPECT_NEAR(direto.E, c.H + direto.V * direto.V / 19.62, 1e-12);
    // Critical depth: A³/T = Q²/g there, within the bisection's tolerances.
    const double Ac = Area(direto.Yc, c.D);
    EXPECT_NEAR(Ac * std::sqrt(Ac / Topo(direto.Yc, c.D)) * std::sqrt(9.81) / direto.Q, 1.0, 3e-3);

    auto inverso = [&](std::uint8_t incognita) {
        TSulvoCircular s;
        s.DefinirPrompt(prompt);
        s.Incognita = incognita;
        s.Q = direto.Q, s.H = direto.H, s.D = direto.D, s.n = direto.n, s.I = direto.I, s.T = c.H / c.D;
        return s;
    };
    TSulvoCircular h = inverso(1);
    h.H = 77;
    ASSERT_TRUE(h.Calcular());
    EXPECT_NEAR(Manning(h.H, c.D, c.I, c.n), direto.Q, 1e-4);
    EXPECT_NEAR(h.H, c.H, 1e-3);

    TSulvoCircular i = inverso(2);
    i.I = 77;
    ASSERT_TRUE(i.Calcular());
    EXPECT_NEAR(i.I, c.I, 1e-12 * c.I);

    TSulvoCircular n = inverso(3);
    n.n = 77;
    ASSERT_TRUE(n.Calcular());
    EXPECT_NEAR(n.n, c.n, 1e-12 * c.n);

    TSulvoCircular d = inverso(4);
    d.D = 77;
    ASSERT_TRUE(d.Calcular());
    // Here too the tolerance is on the discharge; a shallow flow hardly feels the diameter.
    EXPECT_NEAR(Manning(c.H, d.D, c.I, c.n), direto.Q, 1e-4);
    EXPECT_NEAR(d.D, c.D, 0.01 * c.D);

    TSulvoCircular dh = inverso(5);
    dh.D = dh.H = 77;
    ASSERT_TRUE(dh.Calcular());
    EXPECT_NEAR(dh.D, c.D, 1e-9 * c.D);
    EXPECT_NEAR(dh.H, c.H, 1e-9 * c.D);

    EXPECT_TRUE(prompt.mensagens.empty());
    EXPECT_TRUE(prompt.perguntas.empty());
}

INSTANTIATE_TEST_SUITE_P(Enchimentos, ConduitoCircular,
                         ::testing::Values(Enchimento{"MeiaSecao", 0.5, 1, 0.013, 0.001},
                                           Enchimento{"Raso", 0.12, 0.8, 0.015, 0.002},
                                           Enchimento{"QuaseCheio", 1.3, 1.5, 0.012, 0.0005},
                                           Enchimento{"BueiroIngreme", 0.25, 0.6, 0.013, 0.04}),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------------------------

TEST(CircularCapacidade, DoisMetrosCubicosNaoCabemNoCondutoDeUmMetro) {
    PromptGravado prompt;
    TSulvoCircular s = Conduto(prompt, 1);
    s.Q = 2;
    s.V = kAntigo;
    EXPECT_FALSE(s.Calcular());
    EXPECT_EQ(prompt.mensagens, std::vector<std::string>{"Não é possível alcançar esta vazão ! A vazão máxima deste "
                                                         "conduto é 0,81558 m³/s, a uma profundidade de 0,93818 m "
                                                         "(y/D = 0,93818)."});
    // H, A and P keep the values of the capacity check at the depth of the largest discharge, y/D ≈ 0.938.
    EXPECT_NEAR(s.H, 0.938181, 1e-6);
    EXPECT_NEAR(std::pow(s.A / s.P, 2.0 / 3) * std::sqrt(s.I) * s.A / s.n, 0.81558, 5e-6);
    EXPECT_EQ(s.V, kAntigo);
}

TEST(CircularCapacidade, ProfundidadeIgualAoDiametroEAceita) {
    PromptGravado prompt;
    TSulvoCircular s = Conduto(prompt, 0);
    s.H = 1;
    ASSERT_TRUE(s.Calcular());
    EXPECT_NEAR(s.A, kPi / 4, 1e-12);
    EXPECT_NEAR(s.Q, std::pow(0.25, 2.0 / 3) * std::sqrt(0.001) * (kPi / 4) / 0.013, 1e-12);
    EXPECT_LT(s.S, 1e-12);
    EXPECT_LT(s.NF, 1e-6);
    EXPECT_TRUE(std::isfinite(s.NF));
    EXPECT_TRUE(prompt.mensagens.empty());
}

TEST(CircularCapacidade, DiametroParaVazaoAbsurdaTerminaLogo) {
    // Ten million m³/s at half a metre of depth needs a conduit of some 3 × 10^14 m, found at once; 10^200 m³/s
    // is beyond what the calculation carries and is refused before calculating.
    PromptGravado prompt;
    TSulvoCircular s = Conduto(prompt, 4);
    s.Q = 1e7;
    ASSERT_TRUE(s.Calcular());
    EXPECT_GT(s.D, 1e14);
    EXPECT_NEAR(s.V * s.A, s.Q, 1e-6 * s.Q);
    EXPECT_TRUE(prompt.mensagens.empty());
    s.Q = 1e200;
    EXPECT_FALSE(s.Calcular());
    EXPECT_EQ(prompt.mensagens, std::vector<std::string>{"O valor de Vazão (Q) ultrapassa o limite do cálculo: no "
                                                         "máximo 1.000.000.000 m³/s."});
}

// The narrowest admissible conduit is the one the depth just fills. Carrying the target (to 1e-10 of it) it is
// the answer; above, no diameter will do; below, the diameter grows.
struct Diametro {
    const char* nome;
    double excesso; // what the full conduit of diameter H carries beyond the target, m³/s
    bool ok;
};

class CircularDiametroMinimo : public ::testing::TestWithParam<Diametro> {};

TEST_P(CircularDiametroMinimo, CondutoCheioComoLimite) {
    const Diametro& c = GetParam();
    const double H = 0.5, n = 0.013, I = 0.001;
    const double cheio = std::pow(H / 4, 2.0 / 3) * std::sqrt(I) * (kPi * H * H / 4) / n;
    PromptGravado prompt;
    TSulvoCircular s;
    s.DefinirPrompt(prompt);
    s.Incognita = 4;
    s.H = H, s.n = n, s.I = I, s.Q = cheio - c.excesso;
    EXPECT_EQ(s.Calcular(), c.ok);
    if (!c.ok) {
        EXPECT_EQ(prompt.mensagens, std::vector<std::string>{"Não é possível alcançar esta vazão !"});
        EXPECT_EQ(s.D, H);
        return;
    }
    EXPECT_TRUE(prompt.mensagens.empty());
    if (c.excesso >= 0)
        EXPECT_EQ(s.D, H);
    else
        EXPECT_GT(s.D, H);
    EXPECT_NEAR(Manning(H, s.D, I, n), s.Q, 1e-3);
    for (double campo : {s.D, s.A, s.P, s.V, s.S, s.E, s.Yc, s.NF})
        EXPECT_TRUE(std::isfinite(campo));
}

INSTANTIATE_TEST_SUITE_P(Casos, CircularDiametroMinimo,
                         ::testing::Values(Diametro{"CheioCarregaExatamente", 0, true},
                                           Diametro{"CheioCarregaUmPoucoMais", 0.0005, false},
                                           Diametro{"CheioCarregaDemais", 0.002, false},
                                           Diametro{"CheioCarregaMenos", -0.01, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------------------------
// Impossible geometry: a message, false, nothing computed.

struct Impossivel {
    const char* nome;
    std::uint8_t incognita;
    double H, D, T;
    const char* mensagem;
};

class CircularGeometriaImpossivel : public ::testing::TestWithParam<Impossivel> {};

TEST_P(CircularGeometriaImpossivel, MensagemEFalso) {
    const Impossivel& c = GetParam();
    PromptGravado prompt;
    TSulvoCircular s = Conduto(prompt, c.incognita);
    s.Q = 0.3, s.H = c.H, s.D = c.D, s.T = c.T;
    s.A = s.P = s.V = s.S = s.E = s.Yc = s.NF = kAntigo;
    EXPECT_FALSE(s.Calcular());
    EXPECT_EQ(prompt.mensagens, std::vector<std::string>{c.mensagem});
    for (double campo : {s.A, s.P, s.V, s.S, s.E, s.Yc, s.NF})
        EXPECT_EQ(campo, kAntigo);
}

const char* const kAcima = "A profundidade deve ser menor que o diâmetro";
const char* const kSemProfundidade = "A profundidade deve ser maior do que zero.";
const char* const kSemDiametro = "O diâmetro deve ser maior do que zero.";

INSTANTIATE_TEST_SUITE_P(
    Casos, CircularGeometriaImpossivel,
    ::testing::Values(Impossivel{"VazaoAcimaDoDiametro", 0, 1.2, 1, 0, kAcima},
                      Impossivel{"DeclividadeAcimaDoDiametro", 2, 1.2, 1, 0, kAcima},
                      Impossivel{"RugosidadeAcimaDoDiametro", 3, 1.2, 1, 0, kAcima},
                      Impossivel{"VazaoSemProfundidade", 0, 0, 1, 0, kSemProfundidade},
                      Impossivel{"DeclividadeSemProfundidade", 2, 0, 1, 0, kSemProfundidade},
                      Impossivel{"RugosidadeSemProfundidade", 3, 0, 1, 0, kSemProfundidade},
                      Impossivel{"DiametroSemProfundidade", 4, 0, 1, 0, kSemProfundidade},
                      Impossivel{"VazaoSemDiametro", 0, 0, 0, 0, kSemDiametro},
                      Impossivel{"ProfundidadeSemDiametro", 1, 0.5, 0, 0, kSemDiametro},
                      Impossivel{"DeclividadeSemDiametro", 2, 0, 0, 0, kSemDiametro},
                      Impossivel{"RugosidadeSemDiametro", 3, 0, 0, 0, kSemDiametro},
                      Impossivel{"RelacaoNula", 5, 0.5, 1, 0,
                                 "A relação entre a profundidade e o diâmetro deve ser maior do que zero."},
                      Impossivel{"RelacaoAcimaDeUm", 5, 0.5, 1, 1.2, kAcima}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(CircularAuxiliares, ProfundidadeHidraulicaEFroude) {
    TSulvoCircular s;
    // Half full: area π/8 over a surface as wide as the diameter.
    EXPECT_NEAR(s.ProfundidadeHidraulica(kPi, 1), kPi / 8, 1e-15);
    EXPECT_NEAR(s.ProfundidadeHidraulica(kPi, 2), kPi / 4, 1e-15);
    // V = √(g·Dh) is critical flow.
    EXPECT_NEAR(s.NumeroFroude(std::sqrt(9.81 * 0.3), 0.3), 1.0, 1e-15);
    EXPECT_EQ(s.NumeroFroude(1, -0.1), 0.0);
    // The critical depth stays below the diameter even for a discharge no critical flow in it can carry.
    EXPECT_LT(s.ProfundidadeCritica(50, 1), 1.0);
    EXPECT_FALSE(std::isfinite(s.ProfundidadeCritica(1, 0)));
}

} // namespace
