// The three evaluations of an irregular section at a trial depth: wetted stretches, the dry/wet rule at the
// level, the roughness of partly wet end segments and the slice cutting of the divided method.
#include "engine/uIrregular.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// A section from (X, Y, Rug) triples, with YMinimo set as a calculation sets it.
TSulvoIrregular Secao(const std::vector<TPontoSecao>& pontos) {
    TSulvoIrregular s;
    s.Pontos = pontos;
    s.YMinimo = 0;
    for (const auto& p : pontos)
        s.YMinimo = std::min(s.YMinimo, p.Y);
    return s;
}

// Manning's discharge at unit slope of one flow area with one coefficient.
double Manning(double area, double perimetro, double rug) {
    return std::pow(area / perimetro, 2.0 / 3.0) * area / rug;
}

const std::vector<TPontoSecao> kTrapezio = {{0, 0, 0}, {2, -2, 0.015}, {6, -2, 0.015}, {8, 0, 0.015}};

struct CasoAvaliacao {
    const char* nome;
    std::vector<TPontoSecao> pontos;
    double h;
    double A, P, S;
    double QConvencional; // per √I
    double QDivisao;      // per √I
};

class IrregularAvaliacaoTest : public ::testing::TestWithParam<CasoAvaliacao> {};

TEST_P(IrregularAvaliacaoTest, AreaPerimeterWidthAndBothDischarges) {
    const CasoAvaliacao& c = GetParam();
    TSulvoIrregular s = Secao(c.pontos);
    PromptGravado prompt;
    s.DefinirPrompt(prompt);
    // Slope 0.0004 so that the √I factor is checked too.
    const double raizI = 0.02;
    const TAvaliacao conv = s.AvaliarConvencional(c.h, 0.0004);
    const TAvaliacao div = s.AvaliarDivisao(c.h, 0.0004);
    const TAvaliacao geo = s.AvaliarGeometria(c.h);
    for (const TAvaliacao& av : {conv, div, geo}) {
        EXPECT_EQ(av.Falha, TFalhaAvaliacao::Nenhuma);
        EXPECT_NEAR(av.A, c.A, 1e-4);
        EXPECT_NEAR(av.P, c.P, 1e-4);
        EXPECT_NEAR(av.S, c.S, 1e-4);
    }
    EXPECT_NEAR(conv.Q / raizI, c.QConvencional, 5e-3 * c.QConvencional / 100);
    EXPECT_NEAR(div.Q / raizI, c.QDivisao, 5e-3 * c.QDivisao / 100);
    EXPECT_EQ(geo.Q, 0);
    EXPECT_TRUE(prompt.mensagens.empty());
}

const double r2 = std::sqrt(2.0);
const double r13 = std::sqrt(13.0) / 3; // a 2/3 m wide, 1 m deep segment

INSTANTIATE_TEST_SUITE_P(
    Secoes, IrregularAvaliacaoTest,
    ::testing::Values(
        // One trapezoid, one coefficient: three slices in the divided method.
        CasoAvaliacao{"Trapezio", kTrapezio, 1, 5, 4 + 2 * r2, 6, 270.80, 300.0},
        // At the full depth the banks are dry and the crossings fall on them.
        CasoAvaliacao{"TrapezioCheio", kTrapezio, 2, 12, 4 + 4 * r2, 8, Manning(12, 4 + 4 * r2, 0.015),
                      2 * Manning(2, 2 * r2, 0.015) + Manning(8, 4, 0.015)},
        // The partly wet end segments take the coefficients of their own intervals.
        CasoAvaliacao{"RugosidadeDasPontas",
                      {{0, 0, 0}, {2, -2, 0.02}, {6, -2, 0.015}, {8, 0, 0.03}},
                      1,
                      5,
                      4 + 2 * r2,
                      6,
                      207.54,
                      287.50},
        // Two troughs under a ridge above the water: widths, areas and K add up before n_e is formed.
        CasoAvaliacao{
            "DuasCalhas",
            {{0, 0, 0}, {1, -2, 0.015}, {2, -2, 0.015}, {3, -0.5, 0.015}, {4, -2, 0.03}, {5, -2, 0.03}, {6, 0, 0.03}},
            1,
            3.1667,
            6.6398,
            4.3333,
            83.589,
            Manning(0.25, std::sqrt(1.25), 0.015) + Manning(1, 1, 0.015) + Manning(1.0 / 3, r13, 0.015) +
                Manning(1.0 / 3, r13, 0.03) + Manning(1, 1, 0.03) + Manning(0.25, std::sqrt(1.25), 0.03)},
        // Vertical walls count fully in the perimeter and the divided method sees a single slice.
        CasoAvaliacao{"Retangulo",
                      {{0, 0, 0}, {0, -2, 0.015}, {3, -2, 0.015}, {3, 0, 0.015}},
                      1,
                      3,
                      5,
                      3,
                      Manning(3, 5, 0.015),
                      Manning(3, 5, 0.015)},
        // A step rising inside the water belongs to the slice on its wet (deeper) side.
        CasoAvaliacao{"Degrau",
                      {{0, 0, 0}, {0, -2, 0.015}, {2, -2, 0.015}, {2, -1, 0.015}, {4, -1, 0.015}, {4, 0, 0.015}},
                      1.5,
                      4,
                      7,
                      4,
                      Manning(4, 7, 0.015),
                      Manning(3, 4.5, 0.015) + Manning(1, 2.5, 0.015)},
        // A horizontal bed stretch exactly at the level is dry: it splits the water and adds no perimeter.
        CasoAvaliacao{"BermaNoNivel",
                      {{0, 0, 0}, {1, -2, 0.015}, {2, -1, 0.015}, {3, -1, 0.015}, {4, -2, 0.015}, {5, 0, 0.015}},
                      1,
                      1.5,
                      2 * (std::sqrt(1.25) + r2),
                      3,
                      Manning(1.5, 2 * (std::sqrt(1.25) + r2), 0.015),
                      2 * (Manning(0.25, std::sqrt(1.25), 0.015) + Manning(0.5, r2, 0.015))},
        // A zero-width slot at the right crossing: its walls close the last slice, which holds no area.
        CasoAvaliacao{"FendaNaMargem",
                      {{0, 0, 0}, {2, -2, 0.015}, {5, -2, 0.015}, {5, -3, 0.015}, {5, 0, 0.015}},
                      2,
                      3.5,
                      r2 + 3 + 3,
                      4,
                      Manning(3.5, r2 + 6, 0.015),
                      Manning(0.5, r2, 0.015) + Manning(3, 3, 0.015)}),
    [](const ::testing::TestParamInfo<CasoAvaliacao>& info) { return std::string(info.param.nome); });

TEST(IrregularAvaliacao, OneCoefficientEverywhereIsTheEquivalentRoughness) {
    // Q = (A/P)^(2/3)·A/n_e, so n_e follows from the discharge; any shape gives back the common n.
    const std::vector<std::vector<TPontoSecao>> formas = {
        kTrapezio,
        {{0, 0, 0}, {1, -2, 0.015}, {2, -2, 0.015}, {3, -0.5, 0.015}, {4, -2.5, 0.015}, {5, -2, 0.015}, {6, 0, 0.015}},
        {{0, 0, 0}, {0.5, -0.3, 0.015}, {0.5, -1.7, 0.015}, {3.2, -1.9, 0.015}, {7, 0, 0.015}}};
    for (const auto& pontos : formas) {
        TSulvoIrregular s = Secao(pontos);
        const TAvaliacao av = s.AvaliarConvencional(1.2, 1);
        EXPECT_NEAR(std::pow(av.A / av.P, 2.0 / 3.0) * av.A / av.Q, 0.015, 1e-12);
    }
}

TEST(IrregularAvaliacao, DepthAboveTheSectionShowsEachOperationsOwnWording) {
    TSulvoIrregular s = Secao(kTrapezio);
    PromptGravado prompt;
    s.DefinirPrompt(prompt);
    const TAvaliacao conv = s.AvaliarConvencional(2.0001, 1);
    const TAvaliacao div = s.AvaliarDivisao(2.5, 1);
    const TAvaliacao geo = s.AvaliarGeometria(3);
    for (const TAvaliacao& av : {conv, div, geo}) {
        EXPECT_EQ(av.A, -1);
        EXPECT_EQ(av.P, 0);
        EXPECT_EQ(av.S, 0);
        EXPECT_EQ(av.Q, 0);
        EXPECT_EQ(av.Falha, TFalhaAvaliacao::AcimaDaSecao);
    }
    EXPECT_EQ(prompt.mensagens, (std::vector<std::string>{"A altura está maior que a profundidade do sulvo.",
                                                          "A altura maior que a profundidade do sulvo",
                                                          "A altura maior que a profundidade do sulvo"}));
}

TEST(IrregularAvaliacao, SectionAtTheTopLevelHoldsNoWater) {
    TSulvoIrregular s = Secao({{0, 0, 0.015}, {3, 0, 0.015}, {5, 0, 0.015}});
    PromptGravado prompt;
    s.DefinirPrompt(prompt);
    for (const TAvaliacao& av : {s.AvaliarConvencional(0, 1), s.AvaliarDivisao(0, 1), s.AvaliarGeometria(0)}) {
        EXPECT_EQ(av.A, 0);
        EXPECT_EQ(av.P, 0);
        EXPECT_EQ(av.S, 0);
        EXPECT_EQ(av.Q, 0);
    }
    EXPECT_TRUE(prompt.mensagens.empty());
}

// The step section: intervals 4 and 5 (the upper bed and the right wall) lie above the water at h = 0.5.
const std::vector<TPontoSecao> kDegrauSemRugosidadeEmCima = {{0, 0, 0},      {0, -2, 0.015}, {2, -2, 0.015},
                                                             {2, -1, 0.015}, {4, -1, 0},     {4, 0, 0}};

TEST(IrregularAvaliacao, OnlyAWettedIntervalWithoutRoughnessIsReportedByName) {
    TSulvoIrregular s = Secao(kDegrauSemRugosidadeEmCima);
    s.Pontos[5].Rug = -0.01;
    PromptGravado prompt;
    s.DefinirPrompt(prompt);
    // At h = 0.5 the water stays below the step: the intervals without a coefficient are dry.
    EXPECT_NEAR(s.AvaliarConvencional(0.5, 1).Q, Manning(1, 3, 0.015), 1e-9);
    EXPECT_NEAR(s.AvaliarDivisao(0.5, 1).Q, Manning(1, 3, 0.015), 1e-9);
    EXPECT_TRUE(prompt.mensagens.empty());

    for (const TAvaliacao& av : {s.AvaliarConvencional(1.5, 1), s.AvaliarDivisao(1.5, 1)}) {
        EXPECT_EQ(av.Falha, TFalhaAvaliacao::RugosidadeInvalida);
        EXPECT_EQ(av.A, 0);
        EXPECT_EQ(av.Q, 0);
    }
    const std::string esperado = "Coeficiente de rugosidade não definido no intervalo 4, de (2 ; -1) a (4 ; -1).";
    EXPECT_EQ(prompt.mensagens, (std::vector<std::string>{esperado, esperado}));

    // The geometry alone needs no coefficient; a negative one is named as invalid, with the separator chosen.
    EXPECT_NEAR(s.AvaliarGeometria(1.5).A, 4, 1e-12);
    s.Pontos[4] = {3.5, -1, 0.015};
    s.DefinirSeparadorDecimal('.');
    prompt.mensagens.clear();
    EXPECT_EQ(s.AvaliarDivisao(1.5, 1).Falha, TFalhaAvaliacao::RugosidadeInvalida);
    EXPECT_EQ(prompt.mensagens, (std::vector<std::string>{
                                    "Coeficiente de rugosidade inválido no intervalo 5, de (3.5 ; -1) a (4 ; 0)."}));
}

TEST(IrregularAvaliacao, WetBankLeavesTheWaterOpenWithoutReadingPastTheEnd) {
    TSulvoIrregular direita = Secao({{0, 0, 0}, {2, -2, 0.015}, {4, -1, 0.015}});
    TSulvoIrregular esquerda = Secao({{0, -1, 0}, {2, -2, 0.015}, {4, 0, 0.015}});
    for (TSulvoIrregular* s : {&direita, &esquerda}) {
        EXPECT_EQ(s->AvaliarConvencional(1.5, 1).Falha, TFalhaAvaliacao::SecaoAberta);
        EXPECT_EQ(s->AvaliarDivisao(1.5, 1).Falha, TFalhaAvaliacao::SecaoAberta);
        const TAvaliacao geo = s->AvaliarGeometria(1.5);
        EXPECT_EQ(geo.Falha, TFalhaAvaliacao::SecaoAberta);
        EXPECT_EQ(geo.A, 0);
    }
}

} // namespace
