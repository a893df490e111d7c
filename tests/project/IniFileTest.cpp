#include "project/IniFile.h"

#include "tests/project/ArquivosTeste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <limits>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace sulvo;

namespace {

// Reads one key from a file holding "[S]\r\nK=<texto>\r\n".
class ValorArmazenado {
public:
    explicit ValorArmazenado(const std::string& texto) {
        GravarBytes(caminho_, "[S]\r\nK=" + texto + "\r\n");
        ini_ = std::make_unique<TIniFile>(caminho_);
    }
    TIniFile& ini() { return *ini_; }

private:
    PastaTemporaria pasta_;
    std::string caminho_ = pasta_ / "valor.ini";
    std::unique_ptr<TIniFile> ini_;
};

struct RealLido {
    const char* armazenado;
    double esperado; // NAN: the default must come back
};

class LerRealTest : public ::testing::TestWithParam<RealLido> {};

TEST_P(LerRealTest, EitherSeparatorReadsAndAnythingElseGivesTheDefault) {
    const auto& c = GetParam();
    ValorArmazenado v(c.armazenado);
    constexpr double kPadrao = -123.0;
    double lido = v.ini().ReadFloat("S", "K", kPadrao);
    if (std::isnan(c.esperado))
        EXPECT_EQ(lido, kPadrao) << c.armazenado;
    else
        EXPECT_DOUBLE_EQ(lido, c.esperado) << c.armazenado;
}

constexpr double kPadrao = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Textos, LerRealTest,
                         ::testing::Values(RealLido{"1,5", 1.5}, RealLido{"1.5", 1.5}, RealLido{"-0,015", -0.015},
                                           RealLido{"1E-5", 1e-5}, RealLido{"1,5E20", 1.5e20}, RealLido{"  2,5  ", 2.5},
                                           RealLido{"\"0,25\"", 0.25}, RealLido{"7", 7.0}, RealLido{"1.234,5", kPadrao},
                                           RealLido{"1,234.5", kPadrao}, RealLido{"INF", kPadrao},
                                           RealLido{"NAN", kPadrao}, RealLido{"", kPadrao}, RealLido{"abc", kPadrao},
                                           RealLido{"1,5x", kPadrao}, RealLido{"1E999", kPadrao}));

struct InteiroLido {
    const char* armazenado;
    int esperado;
    bool padrao;
};

class LerInteiroTest : public ::testing::TestWithParam<InteiroLido> {};

TEST_P(LerInteiroTest, DecimalOrHexadecimalElseTheDefault) {
    const auto& c = GetParam();
    ValorArmazenado v(c.armazenado);
    int lido = v.ini().ReadInteger("S", "K", -77);
    EXPECT_EQ(lido, c.padrao ? -77 : c.esperado) << c.armazenado;
}

INSTANTIATE_TEST_SUITE_P(Textos, LerInteiroTest,
                         ::testing::Values(InteiroLido{"0x1F", 31, false}, InteiroLido{"0X1f", 31, false},
                                           InteiroLido{"42", 42, false}, InteiroLido{" -7 ", -7, false},
                                           InteiroLido{"+8", 8, false}, InteiroLido{"0xFFFFFFFF", -1, false},
                                           InteiroLido{"2147483647", 2147483647, false},
                                           InteiroLido{"-2147483648", std::numeric_limits<int>::min(), false},
                                           InteiroLido{"12abc", 0, true}, InteiroLido{"", 0, true},
                                           InteiroLido{"0x", 0, true}, InteiroLido{"0x1G", 0, true},
                                           InteiroLido{"1.0", 0, true}, InteiroLido{"2147483648", 0, true},
                                           InteiroLido{"0x100000000", 0, true}, InteiroLido{"-", 0, true}));

struct RealEscrito {
    double valor;
    char separador;
    const char* esperado;
};

class EscreverRealTest : public ::testing::TestWithParam<RealEscrito> {};

TEST_P(EscreverRealTest, GeneralFormatWithTheWritersSeparator) {
    const auto& c = GetParam();
    PastaTemporaria pasta;
    TIniFile ini(pasta / "r.ini", c.separador);
    ini.WriteFloat("S", "K", c.valor);
    ini.UpdateFile();
    EXPECT_EQ(LerBytes(pasta / "r.ini"), std::string("[S]\r\nK=") + c.esperado + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Valores, EscreverRealTest,
                         ::testing::Values(RealEscrito{1.5, ',', "1,5"}, RealEscrito{1.5, '.', "1.5"},
                                           RealEscrito{0.015, ',', "0,015"}, RealEscrito{0.00001, ',', "1E-5"},
                                           RealEscrito{0.0001, '.', "0.0001"}, RealEscrito{1e15, '.', "1E15"},
                                           RealEscrito{1.5e20, ',', "1,5E20"},
                                           RealEscrito{123456789012345.0, '.', "123456789012345"},
                                           RealEscrito{1234567890123456.0, ',', "1,23456789012346E15"},
                                           RealEscrito{2.5 / 1.92, '.', "1.30208333333333"}, RealEscrito{0.0, ',', "0"},
                                           RealEscrito{-0.5, ',', "-0,5"},
                                           RealEscrito{std::numeric_limits<double>::infinity(), ',', "INF"},
                                           RealEscrito{std::numeric_limits<double>::quiet_NaN(), '.', "NAN"}));

TEST(IniFile, RealWrittenUnderOneSeparatorReadsBackUnderTheOther) {
    PastaTemporaria pasta;
    for (char escritor : {',', '.'}) {
        TIniFile gravar(pasta / "x.ini", escritor);
        gravar.WriteFloat("SULVO", "n", 1.5);
        gravar.WriteFloat("SULVO", "I", 0.00001);
        gravar.UpdateFile();
        for (char leitor : {',', '.'}) {
            TIniFile ler(pasta / "x.ini", leitor);
            EXPECT_EQ(ler.ReadFloat("SULVO", "n", 0), 1.5);
            EXPECT_EQ(ler.ReadFloat("SULVO", "I", 0), 0.00001);
        }
    }
}

TEST(IniFile, StringsLoseBlanksAndEnclosingQuotesAndAreCutAt2047Characters) {
    PastaTemporaria pasta;
    std::string longo(3000, 'a');
    longo[2046] = 'b';
    GravarBytes(pasta / "s.ini", "[S]\r\nduplas=\"entre aspas\"\r\nsimples='x'\r\nmeia=\"sem fim\r\n"
                                 "brancos=   com brancos   \r\ndentro=\" dentro \"\r\nmisturadas=\"x'\r\nvazio=\r\n"
                                 "longo=" +
                                     longo + "\r\n");
    TIniFile ini(pasta / "s.ini");
    EXPECT_EQ(ini.ReadString("S", "duplas", "?"), "entre aspas");
    EXPECT_EQ(ini.ReadString("S", "simples", "?"), "x");
    EXPECT_EQ(ini.ReadString("S", "meia", "?"), "\"sem fim");
    EXPECT_EQ(ini.ReadString("S", "brancos", "?"), "com brancos");
    EXPECT_EQ(ini.ReadString("S", "dentro", "?"), " dentro ");
    EXPECT_EQ(ini.ReadString("S", "misturadas", "?"), "\"x'");
    EXPECT_EQ(ini.ReadString("S", "vazio", "?"), "");
    EXPECT_EQ(ini.ReadString("S", "ausente", "?"), "?");
    EXPECT_EQ(ini.ReadString("T", "vazio", "?"), "?");
    std::string lido = ini.ReadString("S", "longo", "");
    ASSERT_EQ(lido.size(), TIniFile::kMaxValor);
    EXPECT_EQ(lido.back(), 'b');
}

TEST(IniFile, TheCutCountsCharactersOfTheFileNotUtf8Bytes) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "s.ini", "[S]\r\nK=" + std::string(2100, '\xE9') + "\r\n"); // é in Windows-1252
    TIniFile ini(pasta / "s.ini");
    std::string lido = ini.ReadString("S", "K", "");
    EXPECT_EQ(lido.size(), 2 * TIniFile::kMaxValor);
    EXPECT_EQ(lido.substr(0, 2), "é");
}

TEST(IniFile, SectionAndKeyNamesMatchInAnyLetterCase) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "c.ini", "[sulvo1]\r\nversao=1.0\r\n[Seção]\r\nCHAVE=1\r\n");
    TIniFile ini(pasta / "c.ini");
    EXPECT_EQ(ini.ReadString("SULVO1", "Versao", "0.0"), "1.0");
    EXPECT_EQ(ini.ReadString("Sulvo1", "VERSAO", "0.0"), "1.0");
    ini.WriteString("SULVO1", "Versao", "2.0");
    ini.WriteString("SULVO1", "Novo", "x");
    ini.UpdateFile();
    EXPECT_EQ(LerBytes(pasta / "c.ini"), "[sulvo1]\r\nversao=2.0\r\nNovo=x\r\n[Seção]\r\nCHAVE=1\r\n");
}

// Names ending in a number are indexed by prefix and number; the lookalikes must stay other names.
TEST(IniFile, NumberedKeysAreFoundInAnyOrderAndStayDistinctFromLookalikes) {
    PastaTemporaria pasta;
    // Nine prefixes (more than get an array of their own), a repeated key, a leading zero, a number far
    // beyond the count of keys and a name that is all digits.
    std::string texto = "[S]\r\nX2=b\r\nx1=a\r\nX01=z\r\nX999999999=grande\r\n7=sete\r\n";
    for (char p = 'A'; p <= 'I'; ++p)
        texto += std::string(1, p) + "5=" + std::string(1, p) + "\r\n";
    texto += "X2=repetida\r\n";
    GravarBytes(pasta / "n.ini", texto);
    TIniFile ini(pasta / "n.ini");
    EXPECT_EQ(ini.ReadString("S", "I5", ""), "I"); // out of order first: the index is built
    EXPECT_EQ(ini.ReadString("S", "X1", ""), "a");
    EXPECT_EQ(ini.ReadString("S", "X01", ""), "z");
    EXPECT_EQ(ini.ReadString("S", "x999999999", ""), "grande");
    EXPECT_EQ(ini.ReadString("S", "7", ""), "sete");
    EXPECT_EQ(ini.ReadString("S", "X2", ""), "b");
    EXPECT_EQ(ini.ReadString("S", "A5", ""), "A");
    EXPECT_EQ(ini.ReadString("S", "X3", "?"), "?");
    EXPECT_EQ(ini.ReadString("S", "X", "?"), "?");
    ini.WriteString("S", "X1", "c");
    ini.WriteString("S", "X3", "d");
    ini.WriteString("S", "X2", "e");
    ini.WriteString("S", "E5", "5");
    EXPECT_EQ(ini.Conteudo(), "[S]\r\nX2=e\r\nx1=c\r\nX01=z\r\nX999999999=grande\r\n7=sete\r\n"
                              "A5=A\r\nB5=B\r\nC5=C\r\nD5=D\r\nE5=5\r\nF5=F\r\nG5=G\r\nH5=H\r\nI5=I\r\n"
                              "X2=repetida\r\nX3=d\r\n");
}

TEST(IniFile, AccentedNamesMatchAcrossCaseInWindows1252) {
    PastaTemporaria pasta;
    TIniFile gravar(pasta / "a.ini");
    gravar.WriteString("IDENTIFICAÇÃO", "Técnico", "José");
    gravar.UpdateFile();
    EXPECT_EQ(LerBytes(pasta / "a.ini"), "[IDENTIFICA\xC7\xC3O]\r\nT\xE9\x63nico=Jos\xE9\r\n");
    TIniFile ler(pasta / "a.ini");
    EXPECT_EQ(ler.ReadString("identificação", "TÉCNICO", ""), "José");
}

TEST(IniFile, WritesMergeIntoTheFileAndKeepEverythingElseByteForByte) {
    PastaTemporaria pasta;
    // Lines before any section, a comment, LF-only line ends, blank separators, a stale key, a
    // foreign section and no line end after the last line.
    const std::string antes = "; cabeçalho estrangeiro\nsolto=1\n"
                              "[SULVO]\r\nVersao=1\r\n  Q = 9 \r\nVelha=7\r\n\r\n"
                              "[OUTRO]\nchave=valor\n; comentário\n\n\n"
                              "[FIM]\r\nultima=1";
    GravarBytes(pasta / "m.ini", antes);
    TIniFile ini(pasta / "m.ini", ',');
    ini.WriteFloat("SULVO", "Q", 2.5);                // in place, key spelling of the file kept
    ini.WriteString("SULVO", "Regime", "Subcrítico"); // appended after the last non-blank line
    ini.WriteString("OUTRO", "nova", "");             // after the comment, before the blank lines
    ini.WriteString("FIM", "depois", "2");            // the unterminated last line gets its line end
    ini.WriteString("NOVA", "Versao", "1");           // new section at the end
    ini.UpdateFile();
    EXPECT_EQ(LerBytes(pasta / "m.ini"), "; cabeçalho estrangeiro\nsolto=1\n"
                                         "[SULVO]\r\nVersao=1\r\nQ=2,5\r\nVelha=7\r\nRegime=Subcr\xEDtico\r\n\r\n"
                                         "[OUTRO]\nchave=valor\n; comentário\nnova=\r\n\n\n"
                                         "[FIM]\r\nultima=1\r\ndepois=2\r\n"
                                         "[NOVA]\r\nVersao=1\r\n");
}

TEST(IniFile, LineBreaksInAValueCannotStartAnotherKey) {
    PastaTemporaria pasta;
    TIniFile gravar(pasta / "q.ini");
    gravar.WriteString("IDENTIFICACAO", "Nome", "Canal\r\nVersao=9");
    gravar.UpdateFile();
    TIniFile ler(pasta / "q.ini");
    EXPECT_EQ(ler.ReadString("IDENTIFICACAO", "Versao", "ausente"), "ausente");
    EXPECT_EQ(ler.ReadString("IDENTIFICACAO", "Nome", ""), "Canal  Versao=9");
}

TEST(IniFile, TextIsWindows1252OnDiskAndUtf8InMemory) {
    PastaTemporaria pasta;
    TIniFile gravar(pasta / "t.ini");
    gravar.WriteString("S", "Regime", "Subcrítico");
    gravar.WriteString("S", "Euro", "€ 5");
    gravar.WriteString("S", "Grego", "Ω");
    gravar.UpdateFile();
    EXPECT_EQ(LerBytes(pasta / "t.ini"), "[S]\r\nRegime=Subcr\xEDtico\r\nEuro=\x80 5\r\nGrego=?\r\n");
    TIniFile ler(pasta / "t.ini");
    EXPECT_EQ(ler.ReadString("S", "Regime", ""), "Subcrítico");
    EXPECT_EQ(ler.ReadString("S", "Euro", ""), "€ 5");
}

TEST(IniFile, AMissingFileReadsDefaultsAndIsCreatedOnlyByAWrite) {
    PastaTemporaria pasta;
    {
        TIniFile ini(pasta / "novo.ini");
        EXPECT_EQ(ini.ReadString("S", "K", "padrão"), "padrão");
        EXPECT_EQ(ini.ReadInteger("S", "K", 3), 3);
        ini.UpdateFile();
    }
    EXPECT_FALSE(std::filesystem::exists(pasta / "novo.ini"));
    TIniFile ini(pasta / "novo.ini");
    ini.WriteString("S", "K", "v");
    ini.UpdateFile();
    EXPECT_EQ(LerBytes(pasta / "novo.ini"), "[S]\r\nK=v\r\n");
}

// Paths the platform refuses: each raises with the file's path and leaves nothing behind.
class EscritaRecusadaTest : public ::testing::TestWithParam<const char*> {};

TEST_P(EscritaRecusadaTest, RaisesUnableToWriteAndLeavesTheFolderAsItWas) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "arquivo", "não é pasta");
    std::filesystem::create_directory(pasta / "pasta");
    std::string caminho = pasta / GetParam();
    TIniFile ini(caminho);
    ini.WriteString("S", "K", "v");
    try {
        ini.UpdateFile();
        ADD_FAILURE() << "no error for " << caminho;
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + caminho);
    }
    std::size_t itens = 0;
    for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(pasta.Caminho()))
        ++itens;
    EXPECT_EQ(itens, 2u);
    EXPECT_EQ(LerBytes(pasta / "arquivo"), "não é pasta");
}

INSTANTIATE_TEST_SUITE_P(Caminhos, EscritaRecusadaTest,
                         ::testing::Values("falta/x.ini", "arquivo/x.ini", "pasta", "pasta/"));

TEST(IniFile, AReadOnlyFileIsNotReplaced) {
    PastaTemporaria pasta;
    const std::string antes = "[S]\r\nK=antigo\r\n";
    GravarBytes(pasta / "ro.ini", antes);
    ::chmod((pasta / "ro.ini").c_str(), 0444);
    TIniFile ini(pasta / "ro.ini");
    ini.WriteString("S", "K", "novo");
    EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    EXPECT_EQ(LerBytes(pasta / "ro.ini"), antes);
}

TEST(IniFile, AWriteInterruptedByAFullDiskLeavesTheFormerFileByteIdentical) {
    PastaTemporaria pasta;
    const std::string antes = "[ESTRANGEIRA]\r\nfica=sim\r\n[S]\r\nK=antigo\r\n";
    GravarBytes(pasta / "cheio.ini", antes);
    TIniFile ini(pasta / "cheio.ini");
    for (int k = 0; k < 200; ++k)
        ini.WriteString("S", "K" + std::to_string(k), std::string(50, 'x'));

    // A file size limit makes write() fail part-way, as a full disk does.
    struct rlimit antigo {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &antigo), 0);
    auto sinalAntigo = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limite = antigo;
    limite.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    bool falhou = false;
    try {
        ini.UpdateFile();
    } catch (const EIniFileException&) {
        falhou = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &antigo);
    std::signal(SIGXFSZ, sinalAntigo);

    EXPECT_TRUE(falhou);
    EXPECT_EQ(LerBytes(pasta / "cheio.ini"), antes);
    std::size_t itens = 0;
    for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(pasta.Caminho()))
        ++itens;
    EXPECT_EQ(itens, 1u) << "temporary file left behind";
    // The writes are still held: a retry with room succeeds.
    ini.UpdateFile();
    EXPECT_EQ(TIniFile(pasta / "cheio.ini").ReadString("S", "K199", ""), std::string(50, 'x'));
}

TEST(IniFile, ReplacingKeepsTheFilesPermissionsAndWritesThroughALink) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "real.ini", "[S]\r\nK=1\r\n");
    ::chmod((pasta / "real.ini").c_str(), 0640);
    std::filesystem::create_symlink(pasta / "real.ini", pasta / "link.ini");
    TIniFile ini(pasta / "link.ini");
    ini.WriteInteger("S", "K", 2);
    ini.UpdateFile();
    EXPECT_TRUE(std::filesystem::is_symlink(pasta / "link.ini"));
    EXPECT_EQ(LerBytes(pasta / "real.ini"), "[S]\r\nK=2\r\n");
    struct stat st {};
    ASSERT_EQ(::stat((pasta / "real.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

} // namespace

namespace {

// A FIFO, a device or a file far too large is no INI file: it reads as defaults at once (never blocking),
// and a write is refused instead of replacing it.
TEST(IniFile, NonRegularFilesReadAsDefaultsAndAreNeverReplaced) {
    PastaTemporaria pasta;
    const std::string fifo = pasta / "p.svo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& caminho : {fifo, std::string("/dev/zero")}) {
        TIniFile ini(caminho);
        EXPECT_EQ(ini.ReadString("SULVO1", "Versao", "0.0"), "0.0");
        ini.WriteString("SULVO1", "Versao", "1.0");
        EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    }
    struct stat st {};
    ASSERT_EQ(stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

} // namespace
