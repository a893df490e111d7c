#include "common/Cp1252.h"
#include "project/IdentProjeto.h"
#include "project/Regional.h"

#include <gtest/gtest.h>

using namespace sulvo;

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string todos;
    for (int b = 1; b < 256; ++b)
        todos.push_back(static_cast<char>(b));
    std::string utf8 = Cp1252ParaUtf8(todos);
    EXPECT_EQ(Utf8ParaCp1252(utf8), todos);
}

TEST(Cp1252, MapsTheSystemsTextsBothWays) {
    EXPECT_EQ(Cp1252ParaUtf8("Subcr\xEDtico"), "Subcrítico");
    EXPECT_EQ(Cp1252ParaUtf8("\x80\x8A\x93\x94\x9F"), "€Š“”Ÿ");
    EXPECT_EQ(Utf8ParaCp1252("Divisão do Sulvo em Seções"), "Divis\xE3o do Sulvo em Se\xE7\xF5\x65s");
    EXPECT_EQ(Utf8ParaCp1252("–—"), "\x96\x97");
}

TEST(Cp1252, CharactersOutsideTheCodePageAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ParaCp1252("Ω≥😀"), "???");
    EXPECT_EQ(Utf8ParaCp1252("a\xC3"), "a?");                // cut in the middle
    EXPECT_EQ(Utf8ParaCp1252("\xC0\xAF"), "??");             // overlong "/"
    EXPECT_EQ(Utf8ParaCp1252("\xED\xA0\x80"), "???");        // a surrogate
    EXPECT_EQ(Utf8ParaCp1252("\xF4\x90\x80\x80x"), "????x"); // above U+10FFFF
}

TEST(Cp1252, CaseIsIgnoredForTheLettersOfTheCodePage) {
    EXPECT_TRUE(IguaisSemCaixa("/home/Ana/Projetos/C.svo", "/home/ana/projetos/c.SVO"));
    EXPECT_TRUE(IguaisSemCaixa("IRRIGAÇÃO.svo", "irrigação.svo"));
    EXPECT_TRUE(IguaisSemCaixa("ŠŒŽŸ", "šœžÿ"));
    EXPECT_FALSE(IguaisSemCaixa("a.svo", "b.svo"));
    EXPECT_FALSE(IguaisSemCaixa("a.svo", "a.svo "));
    EXPECT_FALSE(IguaisSemCaixa("×", "÷")); // the multiplication sign is no letter
    EXPECT_FALSE(IguaisSemCaixa("\xC3", "\xE3"));
    EXPECT_TRUE(IguaisSemCaixa("", ""));
    EXPECT_EQ(MinusculaCp1252('\xC7'), '\xE7');
    EXPECT_EQ(MinusculaCp1252('\x8A'), '\x9A');
    EXPECT_EQ(MinusculaCp1252('='), '=');
}

TEST(IdentProjeto, ZerarEmptiesTheTextsAndDatesTheProjectToday) {
    TIDProjeto id{"Canal", "Empresa", "Local", "PE", "Ana", "ontem"};
    std::string antes = DataDeHoje('/');
    id.Zerar();
    std::string depois = DataDeHoje('/');
    EXPECT_TRUE(id.Data == antes || id.Data == depois) << id.Data;
    EXPECT_EQ(id.Nome + id.Empresa + id.Local + id.Estado + id.Tecnico, "");
    ASSERT_EQ(id.Data.size(), 10u);
    EXPECT_EQ(id.Data[2], '/');
    EXPECT_EQ(id.Data[5], '/');
    id.Zerar('-');
    EXPECT_EQ(id.Data[2], '-');
}

TEST(IdentProjeto, DatesHaveTwoDigitDayAndMonthAndFourDigitYear) {
    EXPECT_EQ(FormatarData(5, 3, 2026, '/'), "05/03/2026");
    EXPECT_EQ(FormatarData(31, 12, 999, '.'), "31.12.0999");
}

struct LocaleCaso {
    const char* nome;
    char separador;
};

class SeparadorLocaleTest : public ::testing::TestWithParam<LocaleCaso> {};

TEST_P(SeparadorLocaleTest, FollowsTheRegionalConvention) {
    EXPECT_EQ(SeparadorDecimalDoLocale(GetParam().nome), GetParam().separador) << GetParam().nome;
}

INSTANTIATE_TEST_SUITE_P(Nomes, SeparadorLocaleTest,
                         ::testing::Values(LocaleCaso{"pt_BR", ','}, LocaleCaso{"pt_BR.UTF-8", ','},
                                           LocaleCaso{"pt_PT.ISO-8859-1", ','}, LocaleCaso{"de_DE@euro", ','},
                                           LocaleCaso{"en_US.UTF-8", '.'}, LocaleCaso{"C", '.'},
                                           LocaleCaso{"C.UTF-8", '.'}, LocaleCaso{"POSIX", '.'},
                                           LocaleCaso{"es_MX", '.'}, LocaleCaso{"es_ES", ','}, LocaleCaso{"ja_JP", '.'},
                                           LocaleCaso{"", '.'}));
