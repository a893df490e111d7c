// The irregular section's solvers (discharge, normal depth, slope, single roughness), the critical depth,
// the derived results, the failure paths and the discharge–depth chart.
#include "engine/uIrregular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace sulvo;

namespace {

class PromptGravado final : public IPrompt {
public:
    void Mensagem(const std::string& texto) override { mensagens.push_back(texto); }
    bool Confirmar(const std::string& pergunta) override {
        mensagens.push_back(pergunta);
        return false;
    }
    std::vector<std::string> mensagens;
};

const std::vector<TPontoSecao> kTrapezio = {{0, 0, 0}, {2, -2, 0.015}, {6, -2, 0.015}, {8, 0, 0.015}};
const std::vector<TPontoSecao> kRetangulo = {{0, 0, 0}, {0, -2, 0.015}, {3, -2, 0.015}, {3, 0, 0.015}};

// A problem as the page hands it over: S holds the section's total width before the calculation.
struct Problema {
    explicit Problema(const std::vector<TPontoSecao>& pontos, std::uint8_t incognita, std::uint8_t metodologia = 0) {
        s.Pontos = pontos;
        s.Incognita = incognita;
        s.Metodologia = metodologia;
        s.S = pontos.empty() ? 0 : pontos.back().X;
        s.DefinirPrompt(prompt);
    }
    TSulvoIrregular s;
    PromptGravado prompt;
};

void EsperarCamposFinitos(const TSulvoIrregular& s) {
    for (double v : {s.Q, s.H, s.I, s.n, s.A, s.P, s.V, s.S, s.E, s.Yc, s.NF, s.Comp, s.Vol_Terra, s.YMinimo})
        EXPECT_TRUE(std::isfinite(v)) << v;
}

// Trapezoid of the worked example at depth y <= 2: 4 m bed, 1:1 sides.
double AreaTrapezio(double y) {
    return (4 + y) * y;
}
double LarguraTrapezio(double y) {
    return 4 + 2 * y;
}

struct CasoVazao {
    std::uint8_t metodologia;
    double Q;
};

class IrregularVazaoTest : public ::testing::TestWithParam<CasoVazao> {};

TEST_P(IrregularVazaoTest, DischargeAndDerivedResults) {
    Problema p(kTrapezio, 0, GetParam().metodologia);
    p.s.H = 1;
    p.s.I = 0.001;
    p.s.Comp = 100;
    ASSERT_TRUE(p.s.Calcular());
    const TSulvoIrregular& s = p.s;
    EXPECT_NEAR(s.Q, GetParam().Q, 0.0005);
    EXPECT_NEAR(s.A, 5, 1e-12);
    EXPECT_NEAR(s.S, 6, 1e-12);
    EXPECT_NEAR(s.V, s.Q / 5, 1e-12);
    EXPECT_NEAR(s.NF, s.V / std::sqrt(9.81 * 5 / 6), 1e-12);
    EXPECT_NEAR(s.E, s.V * s.V / 19.62 + 1, 1e-12);
    EXPECT_NEAR(s.Vol_Terra, 500, 1e-9);
    EXPECT_EQ(s.Regime, "Subcrítico");
    EXPECT_EQ(s.YMinimo, -2);
    // The critical depth balances A³/S against Q²/g to the search's tolerance.
    EXPECT_NEAR(std::pow(AreaTrapezio(s.Yc), 3) / LarguraTrapezio(s.Yc), s.Q * s.Q / 9.81, 1e-4);
    EXPECT_TRUE(p.prompt.mensagens.empty());
}

INSTANTIATE_TEST_SUITE_P(Metodos, IrregularVazaoTest, ::testing::Values(CasoVazao{0, 8.563}, CasoVazao{1, 9.487}));

struct CasoProfundidade {
    std::uint8_t metodologia;
    double H;
};

class IrregularProfundidadeTest : public ::testing::TestWithParam<CasoProfundidade> {};

TEST_P(IrregularProfundidadeTest, StopsOnTheDischargeTest) {
    Problema p(kTrapezio, 1, GetParam().metodologia);
    p.s.Q = 2;
    p.s.I = 0.001;
    ASSERT_TRUE(p.s.Calcular());
    const TSulvoIrregular& s = p.s;
    EXPECT_NEAR(s.H, GetParam().H, 0.00005);
    EXPECT_LE(std::fabs(s.Q - 2), 0.0001);
    EXPECT_NEAR(s.A, AreaTrapezio(s.H), 1e-9);
    // Velocity and critical depth from the given discharge, energy at the solved depth.
    EXPECT_NEAR(s.V, 2 / s.A, 1e-12);
    EXPECT_NEAR(s.E, s.V * s.V / 19.62 + s.H, 1e-12);
    EXPECT_NEAR(std::pow(AreaTrapezio(s.Yc), 3) / LarguraTrapezio(s.Yc), 4 / 9.81, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Metodos, IrregularProfundidadeTest,
                         ::testing::Values(CasoProfundidade{0, 0.4235}, CasoProfundidade{1, 0.4093}));

TEST(IrregularDeclividade, SmallSlopeFoundAsCloselyAsALargeOne) {
    Problema p(kTrapezio, 2, 0);
    p.s.Q = 2;
    p.s.H = 1;
    p.s.I = 0.003; // overwritten: the search always starts from its own bracket
    ASSERT_TRUE(p.s.Calcular());
    // The bracket is halved on a log scale, so 5.45e-5 comes out to 1e-10 of itself (Q = 270.80·√I).
    const double exata = std::pow(2 / (5 * std::pow(5 / (2 * std::sqrt(2.0) + 4), 2.0 / 3) / 0.015), 2);
    EXPECT_NEAR(p.s.I / exata, 1, 1e-9);
    EXPECT_NEAR(p.s.Q, 2, 1e-9);
    // Velocity from the given discharge, energy at the given depth.
    EXPECT_NEAR(p.s.V, 2.0 / 5, 1e-12);
    EXPECT_NEAR(p.s.E, 0.16 / 19.62 + 1, 1e-12);
}

TEST(IrregularDeclividade, SteepSlopeMatchesTheDischargeByEitherMethod) {
    for (std::uint8_t metodo : {0, 1}) {
        Problema p(kTrapezio, 2, metodo);
        const double coeficiente = metodo == 0 ? 270.80 : 300.0; // Q per √I at h = 1
        p.s.Q = coeficiente * 0.1;                               // a slope of 0.01
        p.s.H = 1;
        ASSERT_TRUE(p.s.Calcular());
        // Here too the bracket ends the search: 0.00001 of slope is worth about 0.013 m³/s.
        EXPECT_LE(std::fabs(p.s.I - 0.01), 0.00001);
        EXPECT_LE(std::fabs(p.s.Q - coeficiente * 0.1), 0.014);
        EXPECT_EQ(p.s.A, 5);
    }
}

TEST(IrregularRugosidade, SingleRoughnessIgnoresTheIntervalsAndTheMethod) {
    std::vector<TPontoSecao> semRugosidade = kTrapezio;
    for (auto& pt : semRugosidade)
        pt.Rug = 0;
    double nPorMetodo[2] = {};
    for (std::uint8_t metodo : {0, 1}) {
        Problema p(semRugosidade, 3, metodo);
        p.s.Q = 8.563;
        p.s.H = 1;
        p.s.I = 0.001;
        ASSERT_TRUE(p.s.Calcular());
        // The bracket test ends the search: n within 0.00001, which is worth about 0.006 m³/s here.
        EXPECT_NEAR(p.s.n, 0.015, 0.00001);
        EXPECT_NEAR(p.s.Q, 8.563, 0.006);
        EXPECT_NEAR(p.s.E, p.s.V * p.s.V / 19.62 + 1, 1e-12);
        EXPECT_TRUE(p.prompt.mensagens.empty());
        nPorMetodo[metodo] = p.s.n;
    }
    EXPECT_EQ(nPorMetodo[0], nPorMetodo[1]);
}

struct CasoCritica {
    double Q;
    double Yc;
};

class IrregularCriticaTest : public ::testing::TestWithParam<CasoCritica> {};

TEST_P(IrregularCriticaTest, RectangleAgreesWithTheClosedForm) {
    TSulvoIrregular s;
    s.Pontos = kRetangulo;
    s.YMinimo = -2;
    const double q = GetParam().Q;
    const double yc = s.ProfundidadeCritica(q);
    EXPECT_NEAR(yc, GetParam().Yc, 0.0002);
    if (GetParam().Yc > 0) {
        // The search stops once |A³/S − Q²/g| <= 0.0001, here 9·y³ − Q²/9.81, near (Q²/(g·b²))^(1/3).
        EXPECT_LE(std::fabs(9 * yc * yc * yc - q * q / 9.81), 0.0001);
        EXPECT_NEAR(yc, std::cbrt(q * q / (9.81 * 9)), 0.0002);
    }
}

INSTANTIATE_TEST_SUITE_P(Vazoes, IrregularCriticaTest,
                         ::testing::Values(CasoCritica{3, 0.4671}, CasoCritica{0.5, 0.1415}, CasoCritica{12, 1.1771},
                                           CasoCritica{30, -1}));

TEST(IrregularRegime, ExactComparisonWithOne) {
    EXPECT_EQ(TSulvoIrregular::RegimeEscoamento(0.9999), "Subcrítico");
    EXPECT_EQ(TSulvoIrregular::RegimeEscoamento(1.0), "Crítico");
    EXPECT_EQ(TSulvoIrregular::RegimeEscoamento(1.0001), "Supercrítico");
}

TEST(IrregularFalhas, DischargeAboveTheSectionKeepsEarlierResults) {
    for (std::uint8_t metodo : {0, 1}) {
        Problema p(kTrapezio, 0, metodo);
        p.s.H = 1;
        p.s.I = 0.001;
        p.s.Comp = 10;
        ASSERT_TRUE(p.s.Calcular());
        const TSulvoIrregular antes = p.s;
        p.s.H = 2.5;
        EXPECT_FALSE(p.s.Calcular());
        EXPECT_EQ(p.s.A, -1);
        EXPECT_EQ(p.s.P, 0);
        EXPECT_EQ(p.s.S, 0);
        EXPECT_EQ(p.s.Q, 0);
        EXPECT_EQ(p.s.V, antes.V);
        EXPECT_EQ(p.s.NF, antes.NF);
        EXPECT_EQ(p.s.E, antes.E);
        EXPECT_EQ(p.s.Vol_Terra, antes.Vol_Terra);
        EXPECT_EQ(p.s.Yc, antes.Yc);
        EXPECT_EQ(p.s.Regime, antes.Regime);
        const char* esperado = metodo == 0 ? "A altura está maior que a profundidade do sulvo."
                                           : "A altura maior que a profundidade do sulvo";
        EXPECT_EQ(p.prompt.mensagens, (std::vector<std::string>{esperado}));

        // The full depth itself is accepted.
        p.s.H = 2;
        EXPECT_TRUE(p.s.Calcular());
        EXPECT_NEAR(p.s.A, 12, 1e-12);
    }
}

TEST(IrregularFalhas, DepthUnknownAtAndAboveTheFullCapacity) {
    Problema cheio(kTrapezio, 0, 1);
    cheio.s.H = 2;
    cheio.s.I = 0.001;
    ASSERT_TRUE(cheio.s.Calcular());
    const double capacidade = cheio.s.Q;

    Problema p(kTrapezio, 1, 1);
    p.s.I = 0.001;
    p.s.Q = capacidade;
    ASSERT_TRUE(p.s.Calcular());
    EXPECT_GT(p.s.H, 1.9999);
    EXPECT_LE(p.s.H, 2);

    p.s.Q = capacidade + 0.0002;
    EXPECT_FALSE(p.s.Calcular());
    EXPECT_EQ(p.s.A, 0);
    EXPECT_EQ(p.prompt.mensagens, (std::vector<std::string>{"Não é possível alcançar esta vazão !"}));
}

TEST(IrregularFalhas, DepthUnknownOnASectionWithoutDepth) {
    Problema p({{0, 0, 0}, {5, 0, 0.015}}, 1);
    p.s.Q = 1;
    p.s.I = 0.001;
    EXPECT_FALSE(p.s.Calcular());
    EXPECT_EQ(p.s.A, 0);
    EXPECT_EQ(p.s.H, 0);
    EXPECT_EQ(p.prompt.mensagens, (std::vector<std::string>{"A área do Sulvo deve ser maior do que 0.0!"}));
}

TEST(IrregularFalhas, SlopeAndRoughnessAboveTheSection) {
    Problema declividade(kTrapezio, 2, 1);
    declividade.s.Q = 5;
    declividade.s.H = 2.5;
    EXPECT_FALSE(declividade.s.Calcular());
    EXPECT_EQ(declividade.s.A, -1);
    EXPECT_EQ(declividade.s.I, 0.1);
    EXPECT_EQ(declividade.s.Q, 0);
    // The slope search starts with a conventional evaluation whatever the method.
    EXPECT_EQ(declividade.prompt.mensagens,
              (std::vector<std::string>{"A altura está maior que a profundidade do sulvo."}));

    Problema rugosidade(kTrapezio, 3);
    rugosidade.s.Q = 5;
    rugosidade.s.H = 2.5;
    rugosidade.s.I = 0.001;
    EXPECT_FALSE(rugosidade.s.Calcular());
    EXPECT_EQ(rugosidade.s.A, -1);
    EXPECT_EQ(rugosidade.s.Q, 5);
    EXPECT_EQ(rugosidade.prompt.mensagens, (std::vector<std::string>{"A altura maior que a profundidade do sulvo"}));
}

// A wetted interval without a coefficient stops every unknown that reads the interval roughness, once, by name.
struct CasoSemRugosidade {
    std::uint8_t incognita;
    std::uint8_t metodologia;
};

class IrregularSemRugosidadeTest : public ::testing::TestWithParam<CasoSemRugosidade> {};

TEST_P(IrregularSemRugosidadeTest, ReportsTheIntervalAndStoresNoResult) {
    std::vector<TPontoSecao> pontos = kTrapezio;
    pontos[2].Rug = 0;
    Problema p(pontos, GetParam().incognita, GetParam().metodologia);
    p.s.Q = 2;
    p.s.H = 1;
    p.s.I = 0.001;
    EXPECT_FALSE(p.s.Calcular());
    EXPECT_EQ(p.s.A, 0);
    EsperarCamposFinitos(p.s);
    EXPECT_EQ(
        p.prompt.mensagens,
        (std::vector<std::string>{"Coeficiente de rugosidade não definido no intervalo 2, de (2 ; -2) a (6 ; -2)."}));
}

INSTANTIATE_TEST_SUITE_P(IncognitasEMetodos, IrregularSemRugosidadeTest,
                         ::testing::Values(CasoSemRugosidade{0, 0}, CasoSemRugosidade{0, 1}, CasoSemRugosidade{1, 0},
                                           CasoSemRugosidade{1, 1}, CasoSemRugosidade{2, 0}, CasoSemRugosidade{2, 1}));

// Sections only a hand-edited file can hold: the calculation refuses them before reading any point.
struct CasoSecaoInvalida {
    const char* nome;
    std::vector<TPontoSecao> pontos;
    const char* mensagem;
};

class IrregularSecaoInvalidaTest : public ::testing::TestWithParam<CasoSecaoInvalida> {};

TEST_P(IrregularSecaoInvalidaTest, EveryUnknownFailsWithTheMessage) {
    for (std::uint8_t incognita = 0; incognita < 4; ++incognita) {
        Problema p(GetParam().pontos, incognita);
        p.s.A = 3; // an earlier result must not pass for this one
        p.s.Q = 2;
        p.s.H = 1;
        p.s.I = 0.001;
        EXPECT_FALSE(p.s.Calcular());
        EXPECT_EQ(p.s.A, 0);
        EsperarCamposFinitos(p.s);
        EXPECT_EQ(p.prompt.mensagens, (std::vector<std::string>{GetParam().mensagem}));
        EXPECT_TRUE(p.s.CurvaVazaoProfundidade(0.001).empty());
    }
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Secoes, IrregularSecaoInvalidaTest,
    ::testing::Values(
        CasoSecaoInvalida{"SemPontos", {}, "A seção não possui pontos."},
        CasoSecaoInvalida{
            "MargemEsquerdaMolhada",
            {{0, -0.5, 0}, {2, -2, 0.015}, {4, 0, 0.015}},
            "A seção deve começar na margem esquerda, com profundidade 0: o primeiro ponto é (0 ; -0,5)."},
        CasoSecaoInvalida{
            "MargemDireitaMolhada",
            {{0, 0, 0}, {2, -2, 0.015}, {4.5, -1.25, 0.015}},
            "A seção deve terminar na margem direita, com profundidade 0: o último ponto é (4,5 ; -1,25)."},
        CasoSecaoInvalida{"PontoAcimaDasMargens",
                          {{0, 0, 0}, {2, 0.5, 0.015}, {3, -2, 0.015}, {4, 0, 0.015}},
                          "O ponto (2 ; 0,5) está acima das margens da seção."},
        CasoSecaoInvalida{
            "LarguraRecuando",
            {{0, 0, 0}, {3, -2, 0.015}, {2, -2, 0.015}, {4, 0, 0.015}},
            "O ponto (2 ; -2) está à esquerda do ponto anterior (3 ; -2): os pontos devem seguir em ordem "
            "crescente de largura."},
        CasoSecaoInvalida{"CoordenadaNaoNumerica",
                          {{0, 0, 0}, {1, kNaN, 0.015}, {4, 0, 0.015}},
                          "O 2º ponto da seção tem coordenadas inválidas."}),
    [](const ::testing::TestParamInfo<CasoSecaoInvalida>& info) { return std::string(info.param.nome); });

TEST(IrregularFalhas, NegativeSlopeAndUnknownMethodAreRefused) {
    Problema declive(kTrapezio, 0);
    declive.s.H = 1;
    declive.s.I = -0.001;
    EXPECT_FALSE(declive.s.Calcular());
    EsperarCamposFinitos(declive.s);
    EXPECT_EQ(declive.prompt.mensagens, (std::vector<std::string>{"A declividade não pode ser negativa."}));

    Problema metodo(kTrapezio, 2, 3);
    metodo.s.Q = 2;
    metodo.s.H = 1;
    EXPECT_FALSE(metodo.s.Calcular());
    EsperarCamposFinitos(metodo.s);
    EXPECT_EQ(metodo.prompt.mensagens, (std::vector<std::string>{"Metodologia de cálculo inválida."}));
}

TEST(IrregularFalhas, DepthInsideABottomSlotOfNoWidth) {
    // The lowest metre is a vertical slot of no width: it holds no water however deep it is filled.
    Problema p({{0, 0, 0}, {2, -1, 0.015}, {2, -2, 0.015}, {2, -1, 0.015}, {4, 0, 0.015}}, 1);
    p.s.Q = 0.00005;
    p.s.I = 0.001;
    p.s.Calcular();
    EsperarCamposFinitos(p.s);
    p.s.Incognita = 0;
    p.s.H = 0.5;
    EXPECT_FALSE(p.s.Calcular());
    EsperarCamposFinitos(p.s);
}

TEST(IrregularCurva, BothMethodsSampledUpToTheFullDepth) {
    TSulvoIrregular s;
    s.Pontos = kTrapezio;
    PromptGravado prompt;
    s.DefinirPrompt(prompt);
    const std::vector<TPontoCurva> curva = s.CurvaVazaoProfundidade(0.001);
    ASSERT_GE(curva.size(), 99u);
    ASSERT_LE(curva.size(), 100u);
    EXPECT_NEAR(curva.front().h, 0.02, 1e-15);
    EXPECT_GE(curva.back().h, 1.98 - 1e-12);
    EXPECT_LE(curva.back().h, 2);
    for (std::size_t k = 1; k < curva.size(); ++k) {
        EXPECT_NEAR(curva[k].h - curva[k - 1].h, 0.02, 1e-12);
        EXPECT_GT(curva[k].QConvencional, curva[k - 1].QConvencional);
    }
    // The divided section carries more than the single equivalent section at every depth of this trapezoid.
    for (const TPontoCurva& pt : curva)
        EXPECT_GT(pt.QDivisao, pt.QConvencional) << pt.h;
    EXPECT_NEAR(curva[49].h, 1, 1e-12);
    EXPECT_NEAR(curva[49].QConvencional, 8.563, 0.0005);
    EXPECT_NEAR(curva[49].QDivisao, 9.487, 0.0005);
    EXPECT_TRUE(prompt.mensagens.empty());
}

TEST(IrregularCurva, EverySampleIsWhatTheTwoEvaluationsGive) {
    // Islands, walls and a roughness that changes across the section.
    TSulvoIrregular s;
    s.Pontos = {{0, 0, 0},         {0, -1, 0.02},    {1, -2, 0.015}, {2, -2, 0.015}, {3, -0.5, 0.015},
                {4, -2.5, 0.03},   {4, -3, 0.03},    {5, -3, 0.025}, {5, -1, 0.025}, {6, -1.2, 0.04},
                {6.5, -0.2, 0.04}, {7, -1.5, 0.035}, {8, 0, 0.035}};
    const std::vector<TPontoCurva> curva = s.CurvaVazaoProfundidade(0.0007);
    ASSERT_GE(curva.size(), 99u);
    for (const TPontoCurva& pt : curva) {
        EXPECT_EQ(pt.QDivisao, s.AvaliarDivisao(pt.h, 0.0007).Q) << pt.h;
        EXPECT_EQ(pt.QConvencional, s.AvaliarConvencional(pt.h, 0.0007).Q) << pt.h;
    }
}

TEST(IrregularCurva, NoCurveWhenAWettedIntervalLacksRoughness) {
    // Only the upper bed lacks a coefficient, so only the upper depths would meet it.
    TSulvoIrregular s;
    s.Pontos = {{0, 0, 0}, {0, -2, 0.015}, {2, -2, 0.015}, {2, -1, 0.015}, {4, -1, 0}, {4, 0, 0.015}};
    PromptGravado prompt;
    s.DefinirPrompt(prompt);
    EXPECT_TRUE(s.CurvaVazaoProfundidade(0.001).empty());
    EXPECT_TRUE(s.CurvaVazaoProfundidade(-0.001).empty());
    EXPECT_TRUE(prompt.mensagens.empty());
    s.Pontos[4].Rug = 0.02;
    EXPECT_GE(s.CurvaVazaoProfundidade(0.001).size(), 99u);
}

} // namespace
