#include "ui/regular/GraficoRegular.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace sulvo;

namespace {

constexpr double kTol = 1e-12;
// The arcs are sampled at abscissas carried in extended precision and stored rounded to double;
// beside the ends of a horizontal diameter the arc is so steep that this rounding moves the
// height by up to some 1e-8.
constexpr double kArco = 1e-7;

void EsperarPontos(const SeriePontos& obtido, const SeriePontos& esperado) {
    ASSERT_EQ(obtido.size(), esperado.size());
    for (std::size_t i = 0; i < obtido.size(); ++i) {
        EXPECT_NEAR(obtido[i].x, esperado[i].x, kTol) << "point " << i;
        EXPECT_NEAR(obtido[i].y, esperado[i].y, kTol) << "point " << i;
    }
}

bool OrdenadaPorX(const SeriePontos& s) {
    return std::is_sorted(s.begin(), s.end(), [](const PontoGrafico& a, const PontoGrafico& b) { return a.x < b.x; });
}

double MenorY(const SeriePontos& s) {
    return std::min_element(s.begin(), s.end(), [](const auto& a, const auto& b) { return a.y < b.y; })->y;
}

// Height of the upper arc of a circle of diameter D at abscissa x.
double ArcoSuperior(double x, double D) {
    double r = D / 2;
    return r + std::sqrt(std::max(0.0, r * r - (x - r) * (x - r)));
}

} // namespace

// Prismatic outlines and water lines of the worked examples.
struct CasoPrismatico {
    const char* nome;
    int tipo;
    DimensoesSecao d;
    SeriePontos contorno;
    SeriePontos agua;
};
void PrintTo(const CasoPrismatico& c, std::ostream* os) {
    *os << c.nome;
}

class PontosPrismaticos : public ::testing::TestWithParam<CasoPrismatico> {};

TEST_P(PontosPrismaticos, ContornoEAgua) {
    const auto& c = GetParam();
    PontosSecao p = PontosSecaoRegular(c.tipo, c.d);
    EsperarPontos(p.contorno, c.contorno);
    EsperarPontos(p.agua, c.agua);
    EXPECT_TRUE(p.contornoSuperior.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Exemplos, PontosPrismaticos,
    ::testing::Values(
        // The water surface lies f below the top of the banks, across the full top width.
        CasoPrismatico{"Triangulo",
                       kTriangular,
                       {1.0, 0.2, 1.5, 0.0, 0.0},
                       {{0, 0}, {1.8, -1.2}, {1.8, -1.2}, {3.6, 0}},
                       {{0, -0.2}, {3.6, -0.2}}},
        // A base width left in the field does not widen the triangle.
        CasoPrismatico{"TrianguloIgnoraLargura",
                       kTriangular,
                       {1.0, 0.2, 1.5, 7.0, 0.0},
                       {{0, 0}, {1.8, -1.2}, {1.8, -1.2}, {3.6, 0}},
                       {{0, -0.2}, {3.6, -0.2}}},
        CasoPrismatico{"Trapezio",
                       kTrapezoidal,
                       {1.0, 0.5, 1.5, 2.0, 0.0},
                       {{0, 0}, {2.25, -1.5}, {4.25, -1.5}, {6.5, 0}},
                       {{0, -0.5}, {6.5, -0.5}}},
        // Without freeboard the water fills the rectangle to the top.
        CasoPrismatico{
            "Retangulo", kRetangular, {1.0, 0.0, 0.0, 2.0, 0.0}, {{0, 0}, {0, -1}, {2, -1}, {2, 0}}, {{0, 0}, {2, 0}}},
        // A side slope left in the field does not slant the rectangle's walls.
        CasoPrismatico{"RetanguloIgnoraTalude",
                       kRetangular,
                       {0.6, 0.3, 2.0, 1.0, 0.0},
                       {{0, 0}, {0, -0.9}, {1, -0.9}, {1, 0}},
                       {{0, -0.3}, {1, -0.3}}}),
    [](const auto& info) { return std::string(info.param.nome); });

// An empty depth field reads 0: the water surface lies on the channel bottom.
class ProfundidadeVazia : public ::testing::TestWithParam<int> {};

TEST_P(ProfundidadeVazia, AguaNoFundo) {
    PontosSecao p = PontosSecaoRegular(GetParam(), {0.0, 0.4, 1.0, 1.5, 0.0});
    ASSERT_EQ(p.agua.size(), 2u);
    EXPECT_DOUBLE_EQ(p.agua[0].y, -0.4);
    EXPECT_DOUBLE_EQ(p.agua[1].y, -0.4);
    EXPECT_DOUBLE_EQ(MenorY(p.contorno), -0.4);
    EXPECT_DOUBLE_EQ(p.agua.front().x, p.contorno.front().x);
    EXPECT_DOUBLE_EQ(p.agua.back().x, p.contorno.back().x);
}

INSTANTIATE_TEST_SUITE_P(Prismaticas, ProfundidadeVazia, ::testing::Values(kTriangular, kTrapezoidal, kRetangular));

TEST(PontosCircular, MeiaSecaoFaixaNaAlturaDaAgua) {
    PontosSecao p = PontosCircular(0.5, 1.0);
    // About one hundred samples per half, each on the circle, closed at (D, r).
    for (const SeriePontos* arco : {&p.contorno, &p.contornoSuperior}) {
        EXPECT_GE(arco->size(), 101u);
        EXPECT_LE(arco->size(), 102u);
        EXPECT_TRUE(OrdenadaPorX(*arco));
        EXPECT_DOUBLE_EQ(arco->back().x, 1.0);
        EXPECT_DOUBLE_EQ(arco->back().y, 0.5);
        for (const auto& pt : *arco)
            EXPECT_NEAR(std::hypot(pt.x - 0.5, pt.y - 0.5), 0.5, kArco);
    }
    for (const auto& pt : p.contorno)
        EXPECT_LE(pt.y, 0.5 + 1e-12);
    for (const auto& pt : p.contornoSuperior)
        EXPECT_GE(pt.y, 0.5 - 1e-12);
    EXPECT_NEAR(p.contorno.front().y, 0.5, 1e-12);
    EXPECT_NEAR(MenorY(p.contorno), 0.0, 1e-9);
    // The water is a plain band at the water height over the lowest point of the conduit.
    double m = MenorY(p.contorno);
    EsperarPontos(p.agua, {{0.0, m + 0.5}, {1.0, m + 0.5}});
}

TEST(PontosCircular, AcimaDoCentroSegueOArcoSuperiorRebaixado) {
    const double D = 1.0, H = 0.8, baixar = D / 40;
    PontosSecao p = PontosCircular(H, D);
    ASSERT_FALSE(p.agua.empty());
    EXPECT_TRUE(OrdenadaPorX(p.agua));
    double m = MenorY(p.contorno);
    // The surface: the chord at the water height, from xl = 0.1 to xr = 0.9, drawn at 0.775.
    int naSuperficie = 0;
    for (const auto& pt : p.agua) {
        if (pt.x > 0.1 + 1e-9 && pt.x < 0.9 - 1e-9)
            ADD_FAILURE() << "point inside the surface chord at x = " << pt.x;
        if (std::fabs(pt.y - 0.775) < 1e-12)
            ++naSuperficie;
    }
    EXPECT_GE(naSuperficie, 2);
    EXPECT_NEAR(p.agua.front().x, 0.0, 1e-12);
    EXPECT_NEAR(p.agua.front().y, 0.5 - baixar, 1e-12);
    // Beside the surface the water runs D/40 under the upper arc and never rises above H.
    for (std::size_t i = 0; i + 1 < p.agua.size(); ++i) {
        const auto& pt = p.agua[i];
        EXPECT_LE(pt.y, m + H + 1e-12);
        EXPECT_LE(pt.y, ArcoSuperior(pt.x, D) - baixar + kArco) << "x = " << pt.x;
        if (std::fabs(pt.y - 0.775) > 1e-12) {
            EXPECT_NEAR(pt.y, ArcoSuperior(pt.x, D) - baixar, kArco) << "x = " << pt.x;
        }
    }
    EXPECT_DOUBLE_EQ(p.agua.back().x, 1.0);
    EXPECT_DOUBLE_EQ(p.agua.back().y, 0.5);
    auto xl = std::find_if(p.agua.begin(), p.agua.end(), [](const auto& pt) { return std::fabs(pt.x - 0.1) < 1e-12; });
    ASSERT_NE(xl, p.agua.end());
    EXPECT_NEAR(xl->y, 0.775, 1e-12);
}

TEST(PontosCircular, ProfundidadeAcimaDoDiametroEnchePorCompleto) {
    const double D = 2.0, baixar = D / 40;
    PontosSecao cheia = PontosCircular(5.0, D);
    // The water height stops at the diameter: the same drawing as a depth equal to D.
    PontosSecao noTopo = PontosCircular(D, D);
    EsperarPontos(cheia.agua, noTopo.agua);
    EXPECT_GT(cheia.agua.size(), 100u);
    for (std::size_t i = 0; i + 1 < cheia.agua.size(); ++i)
        EXPECT_NEAR(cheia.agua[i].y, ArcoSuperior(cheia.agua[i].x, D) - baixar, kArco);
    auto topo =
        std::max_element(cheia.agua.begin(), cheia.agua.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    EXPECT_NEAR(topo->x, 1.0, 1e-12);
    EXPECT_NEAR(topo->y, D - baixar, 1e-12);
}

TEST(PontosCircular, DiametroZeroFicaNaOrigem) {
    PontosSecao p = PontosCircular(0.7, 0.0);
    for (const SeriePontos* s : {&p.contorno, &p.agua, &p.contornoSuperior}) {
        EXPECT_FALSE(s->empty());
        for (const auto& pt : *s) {
            EXPECT_EQ(pt.x, 0.0);
            EXPECT_EQ(pt.y, 0.0);
        }
    }
}

TEST(PontosSecaoRegular, TipoDesconhecidoNaoDesenhaNada) {
    PontosSecao p = PontosSecaoRegular(4, {1, 1, 1, 1, 1});
    EXPECT_TRUE(p.contorno.empty());
    EXPECT_TRUE(p.agua.empty());
    EXPECT_TRUE(p.contornoSuperior.empty());
}

struct CasoRotulo {
    double valor;
    const char* esperado;
};
void PrintTo(const CasoRotulo& c, std::ostream* os) {
    *os << c.valor;
}

class RotuloEixo : public ::testing::TestWithParam<CasoRotulo> {};

// "#,##0.##" with the Brazilian separators.
TEST_P(RotuloEixo, Padrao) {
    EXPECT_EQ(FormatarRotuloEixo(GetParam().valor, QLatin1Char(','), QLatin1Char('.')).toStdString(),
              GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Valores, RotuloEixo,
                         ::testing::Values(CasoRotulo{0.0, "0"}, CasoRotulo{2.0, "2"}, CasoRotulo{0.5, "0,5"},
                                           CasoRotulo{-0.2, "-0,2"}, CasoRotulo{0.125, "0,13"}, CasoRotulo{-0.001, "0"},
                                           CasoRotulo{1234.5, "1.234,5"}, CasoRotulo{1000000.0, "1.000.000"},
                                           CasoRotulo{999.999, "1.000"}),
                         [](const auto& info) { return "caso" + std::to_string(info.index); });
