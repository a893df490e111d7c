#include "ui/irregular/IrregularSecao.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace sulvo;

namespace {

std::vector<TPontoSecao> Margens(double largura) {
    return {{0, 0, 0}, {largura, 0, 0}};
}

std::vector<std::pair<double, double>> Coordenadas(const std::vector<TPontoSecao>& pontos) {
    std::vector<std::pair<double, double>> xy;
    for (const auto& p : pontos)
        xy.emplace_back(p.X, p.Y);
    return xy;
}

// A section of B = 6 built from points (x, depth) typed in the given order.
struct CasoInsercao {
    const char* nome;
    std::vector<std::pair<double, double>> digitados;
    std::vector<std::pair<double, double>> esperado; // (X, Y) of the whole section
};

class InsercaoTest : public testing::TestWithParam<CasoInsercao> {};

TEST_P(InsercaoTest, BancosFicamNasPontasEXIgualNaOrdemDigitada) {
    auto pontos = Margens(6);
    for (auto [x, prof] : GetParam().digitados)
        ASSERT_EQ(InserirPonto(pontos, x, prof), TResultadoInsercao::Inserido);
    EXPECT_EQ(Coordenadas(pontos), GetParam().esperado);
    for (std::size_t k = 0; k < pontos.size(); ++k)
        EXPECT_EQ(pontos[k].Rug, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Secao, InsercaoTest,
    testing::Values(CasoInsercao{"DoisPontos", {{2, 1}, {4, 1.5}}, {{0, 0}, {2, -1}, {4, -1.5}, {6, 0}}},
                    CasoInsercao{"ForaDeOrdem", {{4, 1.5}, {2, 1}}, {{0, 0}, {2, -1}, {4, -1.5}, {6, 0}}},
                    CasoInsercao{"ParedeNaMargemDireita", {{2, 1}, {6, 1}}, {{0, 0}, {2, -1}, {6, -1}, {6, 0}}},
                    CasoInsercao{"ParedeNaMargemEsquerda", {{2, 1}, {0, 1}}, {{0, 0}, {0, -1}, {2, -1}, {6, 0}}},
                    CasoInsercao{
                        "TresComOMesmoX", {{3, 1}, {3, 2}, {3, 0.5}}, {{0, 0}, {3, -1}, {3, -2}, {3, -0.5}, {6, 0}}},
                    CasoInsercao{"MesmoXEntreOutros",
                                 {{1, 1}, {5, 1}, {3, 2}, {3, 1}},
                                 {{0, 0}, {1, -1}, {3, -2}, {3, -1}, {5, -1}, {6, 0}}},
                    CasoInsercao{"DuasParedesNaMargemDireita", {{6, 1}, {6, 2}}, {{0, 0}, {6, -1}, {6, -2}, {6, 0}}}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Insercao, LarguraMaiorQueASecaoNaoMudaNada) {
    auto pontos = Margens(6);
    ASSERT_EQ(InserirPonto(pontos, 2, 1), TResultadoInsercao::Inserido);
    auto antes = Coordenadas(pontos);
    EXPECT_EQ(InserirPonto(pontos, 6.01, 1), TResultadoInsercao::MaiorQueLargura);
    EXPECT_EQ(Coordenadas(pontos), antes);
}

TEST(Insercao, SemAsMargensNadaEInserido) {
    std::vector<TPontoSecao> vazia;
    EXPECT_EQ(InserirPonto(vazia, 0, 1), TResultadoInsercao::SemMargens);
    EXPECT_TRUE(vazia.empty());
    std::vector<TPontoSecao> so1{{0, 0, 0}};
    EXPECT_EQ(InserirPonto(so1, 0, 1), TResultadoInsercao::SemMargens);
    EXPECT_EQ(so1.size(), 1u);
}

// Section (0,0) (2,-1) (4,-1.5) (6,0).
struct CasoAlteracao {
    const char* nome;
    std::size_t indice;
    double x;
    TVerificacaoPonto esperado;
};

class AlteracaoTest : public testing::TestWithParam<CasoAlteracao> {};

TEST_P(AlteracaoTest, LimitesDoPonto) {
    std::vector<TPontoSecao> pontos{{0, 0, 0}, {2, -1, 0}, {4, -1.5, 0}, {6, 0, 0}};
    EXPECT_EQ(VerificarAlteracao(pontos, GetParam().indice, GetParam().x), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Secao, AlteracaoTest,
    testing::Values(CasoAlteracao{"MargemEsquerda", 0, 0, TVerificacaoPonto::MargemEsquerda},
                    CasoAlteracao{"MargemDireitaAlarga", 3, 8, TVerificacaoPonto::Aceita},
                    CasoAlteracao{"MargemDireitaSobreOVizinho", 3, 4, TVerificacaoPonto::Aceita},
                    CasoAlteracao{"MargemDireitaAntesDoVizinho", 3, 3.99, TVerificacaoPonto::LarguraInvalida},
                    CasoAlteracao{"InteriorDentroDosVizinhos", 1, 3, TVerificacaoPonto::Aceita},
                    CasoAlteracao{"InteriorNaParedeEsquerda", 1, 0, TVerificacaoPonto::Aceita},
                    CasoAlteracao{"InteriorNaParedeDireita", 2, 6, TVerificacaoPonto::Aceita},
                    CasoAlteracao{"InteriorAlemDoVizinhoDireito", 1, 4.5, TVerificacaoPonto::LarguraInvalida},
                    CasoAlteracao{"InteriorAquemDoVizinhoEsquerdo", 2, 1.5, TVerificacaoPonto::LarguraInvalida},
                    CasoAlteracao{"InteriorAlemDaMargem", 2, 6.5, TVerificacaoPonto::MaiorQueLargura},
                    CasoAlteracao{"IndiceForaDaSecao", 9, 1, TVerificacaoPonto::MargemEsquerda}),
    [](const auto& info) { return std::string(info.param.nome); });

// Bank stations at x = 2 and x = 4 of (0,0) (2,-1) (4,-1.5) (4,-2) (6,0): the right one on a wall of two points.
TEST(Margens, SeguemOPontoOuVoltamAExtremidade) {
    const std::vector<TPontoSecao> antes{{0, 0, 0}, {2, -1, 0}, {4, -1.5, 0}, {4, -2, 0}, {6, 0, 0}};
    auto depois = [&](auto mudar) {
        auto p = antes;
        mudar(p);
        return SeguirMargens(antes, p, 2.0, 4.0);
    };
    // The left station's point moves: it follows; the wall loses one point: the other still stands there.
    auto m = depois([](auto& p) { p[1].X = 1.5; });
    EXPECT_EQ(m.Esquerda, std::optional<double>(1.5));
    EXPECT_EQ(m.Direita, std::optional<double>(4));
    m = depois([](auto& p) { p.erase(p.begin() + 3); });
    EXPECT_EQ(m.Direita, std::optional<double>(4));
    EXPECT_FALSE(m.DireitaRetirada || m.EsquerdaRetirada);
    // Its point deleted, the left station goes; a wall point moved alone is not known to be the station's.
    m = depois([](auto& p) { p.erase(p.begin() + 1); });
    EXPECT_TRUE(m.EsquerdaRetirada && !m.Esquerda);
    m = depois([](auto& p) {
        p[2].X = 3;
        p[3].X = 5;
    });
    EXPECT_TRUE(m.DireitaRetirada && !m.Direita && !m.Cruzadas);
    // A station moved onto the other leaves the channel no width; so does a left one at the right end.
    m = depois([](auto& p) { p[1].X = 4; });
    EXPECT_TRUE(m.Cruzadas);
    EXPECT_TRUE(SeguirMargens(antes, antes, 6.0, std::nullopt).Cruzadas);
    EXPECT_FALSE(SeguirMargens(antes, antes, std::nullopt, std::nullopt).Cruzadas);
}

TEST(Rotulos, PontoNaNotacaoDoUsuario) {
    EXPECT_EQ(RotuloPonto({2.5, -1, 0}, ','), "(2,5 ; -1)");
    EXPECT_EQ(RotuloPonto({0, 0, 0}, ','), "(0 ; 0)");
    EXPECT_EQ(RotuloPonto({2.5, -1.25, 0}, '.'), "(2.5 ; -1.25)");
    EXPECT_EQ(RotuloPonto({1.0 / 3.0, -2, 0}, ','), "(0,333333333333333 ; -2)");
}

TEST(Rotulos, DicaComDezAlgarismos) {
    EXPECT_EQ(TextoDica(2, -1.5, ','), "(2 , -1,5)");
    EXPECT_EQ(TextoDica(1.0 / 3.0, -2.0 / 3.0, ','), "(0,3333333333 , -0,6666666667)");
}

TEST(RugosidadeIntervalos, TrechoDoInicioAoFinal) {
    std::vector<TPontoSecao> pontos{{0, 0, 0}, {2, -2, 0}, {6, -2, 0}, {8, 0, 0}};
    ASSERT_TRUE(AtribuirRugosidade(pontos, 0, 0, 0.015));
    EXPECT_EQ(pontos[1].Rug, 0.015);
    EXPECT_EQ(pontos[2].Rug, 0.0);
    ASSERT_TRUE(AtribuirRugosidade(pontos, 1, 2, 0.03));
    EXPECT_EQ(pontos[1].Rug, 0.015);
    EXPECT_EQ(pontos[2].Rug, 0.03);
    EXPECT_EQ(pontos[3].Rug, 0.03);
    ASSERT_TRUE(AtribuirRugosidade(pontos, 0, 2, 0.02));
    for (std::size_t k = 1; k < 4; ++k)
        EXPECT_EQ(pontos[k].Rug, 0.02);
    EXPECT_EQ(pontos[0].Rug, 0.0);
}

TEST(RugosidadeIntervalos, TrechoAoContrarioNaoAtribui) {
    std::vector<TPontoSecao> pontos{{0, 0, 0}, {2, -2, 0.01}, {6, -2, 0.01}, {8, 0, 0.01}};
    EXPECT_FALSE(AtribuirRugosidade(pontos, 2, 0, 0.05));
    for (std::size_t k = 1; k < 4; ++k)
        EXPECT_EQ(pontos[k].Rug, 0.01);
}

TEST(RugosidadeIntervalos, PrimeiroTextoInvalido) {
    EXPECT_EQ(PrimeiroIntervaloInvalido({"0,015", "0.02", "1e-2"}), std::nullopt);
    EXPECT_EQ(PrimeiroIntervaloInvalido({"0,015", "", "0,02"}), std::optional<std::size_t>(2));
    EXPECT_EQ(PrimeiroIntervaloInvalido({"0,00000000"}), std::optional<std::size_t>(1));
    EXPECT_EQ(PrimeiroIntervaloInvalido({"0,01", "-0,01"}), std::optional<std::size_t>(2));
    EXPECT_EQ(PrimeiroIntervaloInvalido({"0,01", "0,02", "abc"}), std::optional<std::size_t>(3));
    EXPECT_EQ(PrimeiroIntervaloInvalido({"0,0,1"}), std::optional<std::size_t>(1));
}

TEST(RugosidadeIntervalos, PrimeiroCoeficienteGuardadoInvalido) {
    std::vector<TPontoSecao> pontos{{0, 0, 0}, {2, -2, 0.015}, {6, -2, 0}, {8, 0, -0.01}};
    EXPECT_EQ(PrimeiraRugosidadeInvalida(pontos), std::optional<std::size_t>(2));
    pontos[2].Rug = 0.02;
    EXPECT_EQ(PrimeiraRugosidadeInvalida(pontos), std::optional<std::size_t>(3));
    pontos[3].Rug = 0.02;
    EXPECT_EQ(PrimeiraRugosidadeInvalida(pontos), std::nullopt);
}

// Worked section: trapezoid 8 m wide and 2 m deep, n = 0.015 everywhere.
TSulvoIrregular SecaoTrapezio(double rug) {
    TSulvoIrregular s;
    s.Pontos = {{0, 0, 0}, {2, -2, rug}, {6, -2, rug}, {8, 0, rug}};
    return s;
}

TEST(CurvasVazao, NaoMexeNosResultadosDaSecao) {
    TSulvoIrregular s = SecaoTrapezio(0.015);
    s.A = 12.5;
    s.Q = 3.25;
    s.YMinimo = -7;
    CalcularCurvasVazao(s, 0.001);
    EXPECT_EQ(s.A, 12.5);
    EXPECT_EQ(s.Q, 3.25);
    EXPECT_EQ(s.YMinimo, -7);
}

TEST(CurvasVazao, RugosidadeUnicaSubstituiOsIntervalosSemCoeficiente) {
    TSulvoIrregular s = SecaoTrapezio(0);
    EXPECT_TRUE(CalcularCurvasVazao(s, 0.001).empty());
    auto comUnica = CalcularCurvasVazao(s, 0.001, 0.015);
    auto referencia = CalcularCurvasVazao(SecaoTrapezio(0.015), 0.001);
    ASSERT_EQ(comUnica.size(), referencia.size());
    for (std::size_t k = 0; k < comUnica.size(); ++k) {
        EXPECT_DOUBLE_EQ(comUnica[k].QConvencional, referencia[k].QConvencional);
        EXPECT_DOUBLE_EQ(comUnica[k].QDivisao, referencia[k].QDivisao);
    }
    EXPECT_EQ(s.Pontos[2].Rug, 0.0);
}

} // namespace
