#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace sulvo;

struct FixoCase {
    double valor;
    int decimais;
    char sep;
    const char* esperado;
};

class FormatarFixoTest : public ::testing::TestWithParam<FixoCase> {};

TEST_P(FormatarFixoTest, RoundsToTenSignificantDigitsThenFixes) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatarFixo(c.valor, c.decimais, c.sep), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormatarFixoTest,
    ::testing::Values(FixoCase{5.39031234, 3, ',', "5,390"}, FixoCase{3.5, 4, ',', "3,5000"},
                      FixoCase{0.58774, 3, '.', "0.588"}, FixoCase{-1.2345, 3, ',', "-1,235"},
                      FixoCase{0.0, 3, ',', "0,000"}, FixoCase{-0.0001, 3, ',', "0,000"},
                      FixoCase{999.9996, 3, ',', "1000,000"}, FixoCase{1234567890.0, 3, ',', "1234567890,000"},
                      // 1.0005 is stored just below; rounding to 10 digits first makes it a true half.
                      FixoCase{1.0005, 3, ',', "1,001"}, FixoCase{12345678901.0, 3, ',', "1,234567890E+10"}));

TEST(FormatarPadrao, DecimalPatternsRoundHalfAwayFromZero) {
    EXPECT_EQ(FormatarPadrao(5.3903, 2, ','), "5,39");
    EXPECT_EQ(FormatarPadrao(0.001, 4, ','), "0,0010");
    EXPECT_EQ(FormatarPadrao(0.015, 3, '.'), "0.015");
    EXPECT_EQ(FormatarPadrao(2.675, 2, ','), "2,68");
    EXPECT_EQ(FormatarPadrao(-0.25, 1, ','), "-0,3");
    EXPECT_EQ(FormatarPadrao(100, 1, ','), "100,0");
    EXPECT_EQ(FormatarPadrao(0.00004, 4, ','), "0,0000");
}

TEST(FormatarGeral, FifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(FormatarGeral(0.015, ','), "0,015");
    EXPECT_EQ(FormatarGeral(2.5, ','), "2,5");
    EXPECT_EQ(FormatarGeral(0.015, '.'), "0.015");
    EXPECT_EQ(FormatarGeral(0.0, ','), "0");
    EXPECT_EQ(FormatarGeral(0.00001, ','), "1E-5");
    EXPECT_EQ(FormatarGeral(1.5e20, ','), "1,5E20");
    EXPECT_EQ(FormatarGeral(1e15, ','), "1E15");
    EXPECT_EQ(FormatarGeral(999999999999999.0, ','), "999999999999999");
    EXPECT_EQ(FormatarGeral(0.0001, ','), "0,0001");
    EXPECT_EQ(FormatarGeral(-1.5, ','), "-1,5");
    EXPECT_EQ(FormatarGeral(0.1 + 0.2, ','), "0,3");
    EXPECT_EQ(FormatarGeral(std::numeric_limits<double>::infinity(), ','), "INF");
    EXPECT_EQ(FormatarGeral(-std::numeric_limits<double>::infinity(), ','), "-INF");
    EXPECT_EQ(FormatarGeral(std::nan(""), ','), "NAN");
    EXPECT_EQ(FormatarGeral(1.23456789012, ',', 10), "1,23456789");
    // Fifteen digits of the largest doubles round beyond the range; those are written with seventeen,
    // which read back to the same value.
    const double maximo = std::numeric_limits<double>::max();
    EXPECT_EQ(FormatarGeral(maximo, ','), "1,7976931348623157E308");
    EXPECT_EQ(FormatarGeral(-maximo, '.'), "-1.7976931348623157E308");
    EXPECT_EQ(LerReal(FormatarGeral(maximo, ',')), maximo);
    EXPECT_EQ(FormatarGeral(1.79769313486231e308, '.'), "1.79769313486231E308");
}

TEST(LerReal, AcceptsEitherSeparatorAndRejectsGarbage) {
    EXPECT_DOUBLE_EQ(*LerReal("0,015"), 0.015);
    EXPECT_DOUBLE_EQ(*LerReal("0.015"), 0.015);
    EXPECT_DOUBLE_EQ(*LerReal(" -2,5 "), -2.5);
    EXPECT_DOUBLE_EQ(*LerReal("+3"), 3.0);
    EXPECT_DOUBLE_EQ(*LerReal("1,5E20"), 1.5e20);
    EXPECT_DOUBLE_EQ(*LerReal("1E-5"), 1e-5);
    for (const char* ruim : {"", "   ", "1,2,3", "1.2,3", "abc", "INF", "NAN", "1,5x", "+-1", "--1", "+"})
        EXPECT_FALSE(LerReal(ruim).has_value()) << ruim;
}

TEST(FormatosRoundTrip, GeneralFormatReadsBackExactly) {
    for (double v : {0.015, 1.0 / 3.0, 2.5e-7, 123456.789012345, -7.25, 5.3903})
        for (char sep : {',', '.'}) {
            auto lido = LerReal(FormatarGeral(v, sep));
            ASSERT_TRUE(lido);
            EXPECT_NEAR(*lido, v, std::abs(v) * 1e-14);
        }
}
