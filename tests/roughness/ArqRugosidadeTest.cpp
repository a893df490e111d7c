#include "roughness/ArqRugosidade.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sulvo;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes LerBytes(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

void EscreverBytes(const std::string& nome, const Bytes& bytes) {
    std::ofstream f(nome, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Little-endian fields written by hand, independently of the code under test.
void AnexarInt32(Bytes& b, std::int32_t v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<unsigned char>(u >> (8 * i)));
}

std::uint64_t BitsDe(double v) {
    std::uint64_t u;
    std::memcpy(&u, &v, 8);
    return u;
}

void AnexarDouble(Bytes& b, double v) {
    std::uint64_t u = BitsDe(v);
    for (int i = 0; i < 8; ++i)
        b.push_back(static_cast<unsigned char>(u >> (8 * i)));
}

std::uint64_t LerBits(const Bytes& b, std::size_t pos) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= std::uint64_t{b[pos + i]} << (8 * i);
    return u;
}

// One record in the on-disk order: length, 255 description bytes, minimum, maximum, normal.
void AnexarRegistro(Bytes& b, const std::string& descricao1252, double minima, double maxima, double normal) {
    b.push_back(static_cast<unsigned char>(descricao1252.size()));
    for (std::size_t i = 0; i < 255; ++i)
        b.push_back(i < descricao1252.size() ? static_cast<unsigned char>(descricao1252[i]) : 0xCC);
    AnexarDouble(b, minima);
    AnexarDouble(b, maxima);
    AnexarDouble(b, normal);
}

} // namespace

TEST(ArqRugosidade, RecordBytesFollowTheFileLayoutFieldByField) {
    TRegistroRugosidade r{"Concreto – acabamento com desempenadeira de aço", 0.011, 0.015, 0.013};
    auto bytes = CodificarRegistro(r);
    ASSERT_EQ(bytes.size(), 280u);
    const std::string esperada = "Concreto \x96 acabamento com desempenadeira de a\xE7o"; // Windows-1252
    ASSERT_EQ(bytes[0], esperada.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[1]), esperada.size()), esperada);
    for (std::size_t i = 1 + esperada.size(); i < 256; ++i)
        ASSERT_EQ(bytes[i], 0) << "description filler at " << i;
    Bytes b(bytes.begin(), bytes.end());
    EXPECT_EQ(LerBits(b, 256), BitsDe(0.011)); // minimum
    EXPECT_EQ(LerBits(b, 264), BitsDe(0.015)); // maximum
    EXPECT_EQ(LerBits(b, 272), BitsDe(0.013)); // normal
}

TEST(ArqRugosidade, ReadsRecordsInFileOrderWithNormalAfterMaximum) {
    PastaTemporaria pasta;
    Bytes b;
    AnexarInt32(b, 2);
    AnexarRegistro(b, "Vidro", 0.009, 0.013, 0.010);
    AnexarRegistro(b, "Ferro fundido sem revestimento \x96 \xE1gua", 0.011, 0.016, 0.014);
    EscreverBytes(pasta.Arquivo("2.cdb"), b);

    TArqRugosidade tabela;
    ASSERT_TRUE(tabela.LerArquivo(pasta.Arquivo("2.cdb")));
    ASSERT_EQ(tabela.Registros.size(), 2u);
    EXPECT_EQ(tabela.Registros[0], (TRegistroRugosidade{"Vidro", 0.009, 0.013, 0.010}));
    EXPECT_EQ(tabela.Registros[1], (TRegistroRugosidade{"Ferro fundido sem revestimento – água", 0.011, 0.016, 0.014}));
}

class RoundTripTest : public ::testing::TestWithParam<int> {};

TEST_P(RoundTripTest, WriteThenReadGivesTheSameRecordsAndTheExactFileSize) {
    PastaTemporaria pasta;
    TArqRugosidade tabela;
    for (int i = 0; i < GetParam(); ++i)
        tabela.Registros.push_back({"Seção nº " + std::to_string(i) + " – pedra argamassada, não rebocada",
                                    0.010 + i * 1e-3, 0.030 + i * 1e-3, 0.0205 + i * 1e-3});
    const std::string nome = pasta.Arquivo("1.cdb");
    ASSERT_TRUE(tabela.GravarArquivo(nome));
    EXPECT_EQ(fs::file_size(nome), 4u + 280u * GetParam());
    Bytes b = LerBytes(nome);
    EXPECT_EQ(b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24, GetParam());

    TArqRugosidade lida;
    ASSERT_TRUE(lida.LerArquivo(nome));
    EXPECT_EQ(lida.Registros, tabela.Registros);

    // Writing what was read rewrites identical bytes.
    ASSERT_TRUE(lida.GravarArquivo(nome));
    EXPECT_EQ(LerBytes(nome), b);
}

INSTANTIATE_TEST_SUITE_P(Tamanhos, RoundTripTest, ::testing::Values(0, 1, 2, 40));

struct ArquivoCurto {
    const char* nome;
    std::int32_t contagem;   // count written in the header (ignored when cabecalho is below 4)
    std::size_t cabecalho;   // bytes of the header actually present
    int registrosCompletos;  // whole records after the header
    std::size_t bytesExtras; // bytes of a cut record after them
    std::size_t esperados;   // records that must be read
};

void PrintTo(const ArquivoCurto& c, std::ostream* os) {
    *os << c.nome;
}

class ArquivoCurtoTest : public ::testing::TestWithParam<ArquivoCurto> {};

TEST_P(ArquivoCurtoTest, YieldsOnlyCompleteAndPromisedRecords) {
    const auto& c = GetParam();
    PastaTemporaria pasta;
    Bytes cabecalho;
    AnexarInt32(cabecalho, c.contagem);
    Bytes b(cabecalho.begin(), cabecalho.begin() + static_cast<std::ptrdiff_t>(c.cabecalho));
    for (int i = 0; i < c.registrosCompletos; ++i)
        AnexarRegistro(b, "Registro " + std::to_string(i), 0.01, 0.03, 0.02);
    for (std::size_t i = 0; i < c.bytesExtras; ++i)
        b.push_back(0x41);
    EscreverBytes(pasta.Arquivo("t.cdb"), b);

    TArqRugosidade tabela;
    EXPECT_TRUE(tabela.LerArquivo(pasta.Arquivo("t.cdb")));
    ASSERT_EQ(tabela.Registros.size(), c.esperados);
    for (std::size_t i = 0; i < c.esperados; ++i) {
        EXPECT_EQ(tabela.Registros[i].Descricao, "Registro " + std::to_string(i));
        EXPECT_EQ(tabela.Registros[i].Normal, 0.02);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ArquivoCurtoTest,
    ::testing::Values(ArquivoCurto{"Vazio", 0, 0, 0, 0, 0}, ArquivoCurto{"ContagemCortada", 1, 3, 0, 0, 0},
                      ArquivoCurto{"Zero", 0, 4, 0, 0, 0}, ArquivoCurto{"ZeroComRegistros", 0, 4, 2, 0, 0},
                      ArquivoCurto{"Negativa", -3, 4, 2, 0, 0}, ArquivoCurto{"MenorQueContagem", 3, 4, 2, 100, 2},
                      ArquivoCurto{"RegistroPelaMetade", 1, 4, 0, 279, 0},
                      ArquivoCurto{"ContagemEnorme", 2147483647, 4, 1, 0, 1},
                      ArquivoCurto{"MaiorQueContagem", 1, 4, 3, 17, 1}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ArqRugosidade, MissingFileReportsItsFullPathAndReason) {
    PastaTemporaria pasta;
    TArqRugosidade tabela;
    std::string erro;
    EXPECT_FALSE(tabela.LerArquivo(pasta.Arquivo("3.cdb"), &erro));
    EXPECT_TRUE(tabela.Registros.empty());
    EXPECT_EQ(erro, "Cannot open file \"" + pasta.Arquivo("3.cdb") + "\". No such file or directory");
}

TEST(ArqRugosidade, FailedWriteReportsAndLeavesNothingBehind) {
    PastaTemporaria pasta;
    TArqRugosidade tabela;
    tabela.Registros.push_back({"Vidro", 0.009, 0.013, 0.010});
    std::string erro;

    // A folder that does not exist.
    const std::string semPasta = pasta.Arquivo("nao-existe/1.cdb");
    EXPECT_FALSE(tabela.GravarArquivo(semPasta, &erro));
    EXPECT_EQ(erro, "Cannot create file \"" + semPasta + "\". No such file or directory");

    // A name taken by a folder: the new table cannot be put in its place.
    const std::string nome = pasta.Arquivo("1.cdb");
    fs::create_directory(nome);
    erro.clear();
    EXPECT_FALSE(tabela.GravarArquivo(nome, &erro));
    EXPECT_EQ(erro.rfind("Cannot create file \"" + nome + "\". ", 0), 0u) << erro;
    EXPECT_TRUE(fs::is_directory(nome));
    EXPECT_EQ(std::distance(fs::directory_iterator(pasta.Arquivo("")), fs::directory_iterator()), 1)
        << "no half-written file may be left beside the table";
}

TEST(ArqRugosidade, RewritingReplacesALongerOldTableWhole) {
    PastaTemporaria pasta;
    const std::string nome = pasta.Arquivo("5.cdb");
    TArqRugosidade antiga;
    antiga.Registros.assign(5, {"Pastagem", 0.025, 0.035, 0.030});
    ASSERT_TRUE(antiga.GravarArquivo(nome));
    TArqRugosidade nova;
    nova.Registros.push_back({"Arbustos", 0.035, 0.070, 0.050});
    ASSERT_TRUE(nova.GravarArquivo(nome));
    EXPECT_EQ(fs::file_size(nome), 284u);
    TArqRugosidade lida;
    ASSERT_TRUE(lida.LerArquivo(nome));
    EXPECT_EQ(lida.Registros, nova.Registros);
}

TEST(ArqRugosidade, DescriptionsAreCutTo255Characters) {
    // 300 characters, each two bytes in UTF-8 and one in Windows-1252.
    std::string longa;
    for (int i = 0; i < 300; ++i)
        longa += "ã";
    std::string cortada = CortarDescricao(longa);
    EXPECT_EQ(cortada.size(), 510u);
    EXPECT_EQ(CortarDescricao("Vidro"), "Vidro");
    auto bytes = CodificarRegistro({longa, 0.01, 0.02, 0.015});
    EXPECT_EQ(bytes[0], 255);
    EXPECT_EQ(DecodificarRegistro(bytes.data()).Descricao, cortada);

    // Characters outside the code page are stored as "?".
    EXPECT_EQ(DecodificarRegistro(CodificarRegistro({"n ≈ 0,013 ✓", 0, 0, 0}).data()).Descricao, "n ? 0,013 ?");
}

TEST(ArqRugosidade, TableNumbersNameTheirFilesAndOutOfRangeMeansTheLast) {
    struct Caso {
        int tipo;
        const char* arquivo;
        const char* categoria;
    };
    for (auto c :
         {Caso{0, "1.cdb", "Canais Revestidos"}, Caso{1, "2.cdb", "Condutos Circulares"}, Caso{4, "5.cdb", "Enchentes"},
          Caso{5, "6.cdb", "Cursos D'Água Naturais Maiores"}, Caso{-1, "6.cdb", "Cursos D'Água Naturais Maiores"},
          Caso{17, "6.cdb", "Cursos D'Água Naturais Maiores"}}) {
        EXPECT_EQ(NomeArquivoTabela(c.tipo), c.arquivo) << c.tipo;
        EXPECT_EQ(CategoriaTabela(c.tipo), c.categoria) << c.tipo;
    }
    EXPECT_EQ(TituloTabelaRugosidade(3), "Tabela de Rugosidade Cursos D'Água Naturais Menores");
}

namespace {

// Two programs saving one table at the same moment, 60 rounds, while a third reads it: every read and the
// final table are one writer's table, complete; a table that is a link stays a link to its updated target.
TEST(ArqRugosidade, ConcurrentSavesLeaveOneCompleteTableAndALinkStaysALink) {
    PastaTemporaria pasta;
    const std::string real = pasta / "real.cdb";
    const std::string tabela = pasta / "1.cdb";
    TArqRugosidade vazia;
    ASSERT_TRUE(vazia.GravarArquivo(real));
    fs::create_symlink(real, tabela);

    auto tabelaDe = [](int escritor) {
        TArqRugosidade t;
        for (int i = 0; i < 20 + 7 * escritor; ++i)
            t.Registros.push_back({"escritor " + std::to_string(escritor), 0.01 * escritor, 0.02, 0.015});
        return t;
    };
    std::vector<pid_t> filhos;
    for (int escritor = 1; escritor <= 2; ++escritor) {
        pid_t filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            const TArqRugosidade minha = tabelaDe(escritor);
            for (int rodada = 0; rodada < 60; ++rodada)
                if (!minha.GravarArquivo(tabela))
                    _exit(1);
            _exit(0);
        }
        filhos.push_back(filho);
    }
    auto umaDasDuas = [&](const TArqRugosidade& lida) {
        return lida.Registros == tabelaDe(1).Registros || lida.Registros == tabelaDe(2).Registros ||
               lida.Registros.empty();
    };
    int leituras = 0, misturas = 0;
    for (bool ativos = true; ativos; ++leituras) {
        TArqRugosidade lida;
        ASSERT_TRUE(lida.LerArquivo(tabela));
        misturas += !umaDasDuas(lida);
        ativos = false;
        for (pid_t f : filhos)
            ativos = ativos || waitpid(f, nullptr, WNOHANG) == 0;
    }
    for (pid_t f : filhos) {
        int estado = 0;
        waitpid(f, &estado, 0);
    }
    EXPECT_EQ(misturas, 0) << "of " << leituras << " reads";
    TArqRugosidade final;
    ASSERT_TRUE(final.LerArquivo(tabela));
    EXPECT_TRUE(final.Registros == tabelaDe(1).Registros || final.Registros == tabelaDe(2).Registros);
    EXPECT_TRUE(fs::is_symlink(tabela));
    EXPECT_EQ(LerBytes(real), LerBytes(tabela));
    // Nothing left beside it.
    std::size_t arquivos = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(pasta.Caminho()))
        ++arquivos;
    EXPECT_EQ(arquivos, 2u);
}

TEST(ArqRugosidade, AFifoOrADeviceIsRefusedWithTheOpenMessage) {
    PastaTemporaria pasta;
    const std::string fifo = pasta / "1.cdb";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    TArqRugosidade t;
    std::string erro;
    EXPECT_FALSE(t.LerArquivo(fifo, &erro));
    EXPECT_EQ(erro, "Cannot open file \"" + fifo + "\". Invalid argument");
    EXPECT_FALSE(t.LerArquivo("/dev/zero", &erro));
    EXPECT_TRUE(t.Registros.empty());
}

} // namespace
