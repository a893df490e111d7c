// The tables delivered with the program, as generated into the executables' folder at build time.
#include "roughness/ArqRugosidade.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace sulvo;
namespace fs = std::filesystem;

class TabelaGeradaTest : public ::testing::TestWithParam<int> {};

TEST_P(TabelaGeradaTest, HoldsOrderedPositiveManningCoefficients) {
    const std::string nome = (fs::path(SULVO_BIN_DIR) / NomeArquivoTabela(GetParam())).string();
    TArqRugosidade tabela;
    std::string erro;
    ASSERT_TRUE(tabela.LerArquivo(nome, &erro)) << erro;
    ASSERT_FALSE(tabela.Registros.empty());
    EXPECT_EQ(fs::file_size(nome), 4 + 280 * tabela.Registros.size());
    for (const auto& r : tabela.Registros) {
        SCOPED_TRACE(r.Descricao);
        EXPECT_FALSE(r.Descricao.empty());
        EXPECT_EQ(r.Descricao.find('?'), std::string::npos) << "a character was lost to the code page";
        EXPECT_GT(r.Minima, 0.0);
        EXPECT_LE(r.Minima, r.Normal);
        EXPECT_LE(r.Normal, r.Maxima);
        // Manning's n of channels and watercourses lies well below 0.5 s/m^(1/3).
        EXPECT_LT(r.Maxima, 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(SeisTabelas, TabelaGeradaTest, ::testing::Range(0, NumeroTabelasRugosidade));

// The generator refuses rows that would make a misleading table, naming the line.
struct FonteRuim {
    const char* nome;
    const char* texto;
};

void PrintTo(const FonteRuim& f, std::ostream* os) {
    *os << f.nome;
}

class GeradorTest : public ::testing::TestWithParam<FonteRuim> {};

TEST_P(GeradorTest, RefusesBadRows) {
    PastaTemporaria temporaria;
    fs::path pasta = temporaria.Arquivo("");
    {
        std::ofstream f(pasta / "t.txt");
        f << "# comentário\nVidro;0.009;0.010;0.013\n" << GetParam().texto << "\n";
    }
    std::string comando = std::string(SULVO_GERADOR) + " " + (pasta / "t.txt").string() + " " +
                          (pasta / "t.cdb").string() + " 2>" + (pasta / "erro.txt").string();
    EXPECT_NE(std::system(comando.c_str()), 0);
    std::ifstream erro(pasta / "erro.txt");
    std::string mensagem((std::istreambuf_iterator<char>(erro)), {});
    EXPECT_NE(mensagem.find(":3: "), std::string::npos) << mensagem;
    EXPECT_FALSE(fs::exists(pasta / "t.cdb"));
}

INSTANTIATE_TEST_SUITE_P(Casos, GeradorTest,
                         ::testing::Values(FonteRuim{"ForaDeOrdem", "Latão;0.013;0.010;0.009"},
                                           FonteRuim{"Zero", "Latão;0;0.010;0.013"},
                                           FonteRuim{"TresCampos", "Latão;0.009;0.010"},
                                           FonteRuim{"ForaDoCodigo", "Latão ≈ liso;0.009;0.010;0.013"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST(Gerador, WritesTheRowsOfAGoodSource) {
    PastaTemporaria temporaria;
    fs::path pasta = temporaria.Arquivo("");
    {
        std::ofstream f(pasta / "t.txt");
        f << "\xEF\xBB\xBF# comentário\r\n\r\nLatão liso;0.009;0.010;0.013\r\nVidro;0,009;0,010;0,013\r\n";
    }
    std::string comando =
        std::string(SULVO_GERADOR) + " " + (pasta / "t.txt").string() + " " + (pasta / "t.cdb").string();
    ASSERT_EQ(std::system(comando.c_str()), 0);
    TArqRugosidade tabela;
    ASSERT_TRUE(tabela.LerArquivo((pasta / "t.cdb").string()));
    ASSERT_EQ(tabela.Registros.size(), 2u);
    EXPECT_EQ(tabela.Registros[0], (TRegistroRugosidade{"Latão liso", 0.009, 0.013, 0.010}));
    EXPECT_EQ(tabela.Registros[1].Normal, 0.010);
}
