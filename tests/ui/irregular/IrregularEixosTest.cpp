#include "ui/irregular/IrregularEixos.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sulvo;

namespace {

struct CasoRotulo {
    double valor;
    char decimal;
    char milhar;
    const char* esperado;
};

class RotuloEixoTest : public testing::TestWithParam<CasoRotulo> {};

TEST_P(RotuloEixoTest, PadraoComAteDuasDecimais) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatarRotuloEixo(c.valor, c.decimal, c.milhar), c.esperado) << c.valor;
}

INSTANTIATE_TEST_SUITE_P(Eixos, RotuloEixoTest,
                         testing::Values(CasoRotulo{0, ',', '.', "0"}, CasoRotulo{2, ',', '.', "2"},
                                         CasoRotulo{-1.5, ',', '.', "-1,5"}, CasoRotulo{-1.25, ',', '.', "-1,25"},
                                         CasoRotulo{0.256, ',', '.', "0,26"}, CasoRotulo{-0.004, ',', '.', "0"},
                                         CasoRotulo{1234.5, ',', '.', "1.234,5"},
                                         CasoRotulo{1000000, ',', '.', "1.000.000"},
                                         CasoRotulo{-12345.678, '.', ',', "-12,345.68"},
                                         CasoRotulo{999.999, ',', '.', "1.000"}));

TEST(Eixos, FaixaSegueOsDadosEAbreUmaFaixaNula) {
    auto f = FaixaAutomatica(-2, 0);
    EXPECT_EQ(f.Minimo, -2);
    EXPECT_EQ(f.Maximo, 0);
    f = FaixaAutomatica(3, -1);
    EXPECT_EQ(f.Minimo, -1);
    EXPECT_EQ(f.Maximo, 3);
    f = FaixaAutomatica(0, 0);
    EXPECT_EQ(f.Minimo, -1);
    EXPECT_EQ(f.Maximo, 1);
    f = FaixaAutomatica(NAN, 1);
    EXPECT_LT(f.Minimo, f.Maximo);
}

struct CasoMarcas {
    double minimo, maximo, passo;
    int quantidade;
};

class MarcasEixoTest : public testing::TestWithParam<CasoMarcas> {};

TEST_P(MarcasEixoTest, PassoRedondoDentroDaFaixa) {
    const auto& c = GetParam();
    auto marcas = MarcasEixo({c.minimo, c.maximo});
    ASSERT_EQ(static_cast<int>(marcas.size()), c.quantidade);
    for (std::size_t k = 0; k < marcas.size(); ++k) {
        EXPECT_GE(marcas[k], c.minimo - 1e-9);
        EXPECT_LE(marcas[k], c.maximo + 1e-9);
        EXPECT_NEAR(std::remainder(marcas[k], c.passo), 0.0, 1e-9);
        if (k > 0) {
            EXPECT_NEAR(marcas[k] - marcas[k - 1], c.passo, 1e-9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Eixos, MarcasEixoTest,
                         testing::Values(CasoMarcas{-2, 0, 0.5, 5}, CasoMarcas{0, 8, 2, 5}, CasoMarcas{0, 9.487, 2, 5},
                                         CasoMarcas{0.02, 2, 0.5, 4}, CasoMarcas{-1.5, 0.3, 0.5, 4},
                                         CasoMarcas{0, 1500, 250, 7}));

TEST(Eixos, ZeroSemSinal) {
    for (double m : MarcasEixo({-1.5, 0.3}))
        if (m == 0) {
            EXPECT_FALSE(std::signbit(m));
        }
    EXPECT_TRUE(MarcasEixo({1, 1}).empty());
}

} // namespace
