#include "project/ArquivoProjeto.h"

#include "tests/project/ArquivosTeste.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace sulvo;

namespace {

// The models of one workspace, reset as the document manager resets them before an open.
struct Workspace {
    TIDProjeto id;
    TSulvoTriangular tri;
    TSulvoTrapezoidal tra;
    TSulvoRetangular ret;
    TSulvoCircular cir;
    TSulvoIrregular irr;
    std::uint8_t indSulvoReg = 0;
    std::uint8_t indIncognita = 0;
    ModelosProjeto m{id, tri, tra, ret, cir, irr, indSulvoReg, indIncognita};

    Workspace() { Zerar(); }
    void Zerar() {
        id.Zerar();
        cir.Zerar();
        tri.Zerar();
        tra.Zerar();
        ret.Zerar();
        irr.Zerar();
        indSulvoReg = 0;
        indIncognita = 0;
    }
    bool Ler(const std::string& caminho) {
        Zerar();
        bool leuCerto = false;
        LerArquivoProjeto(caminho, m, leuCerto);
        return leuCerto;
    }
};

// The filled trapezoidal project of the files trapezoidal_virgula.svo and trapezoidal_ponto.svo.
void Preencher(Workspace& w) {
    w.indSulvoReg = 1;
    w.indIncognita = 5;
    w.id = {"Canal Norte", "Irrigação São Francisco", "Petrolina", "PE", "José", "08/12/2026"};
    TSulvoTrapezoidal& t = w.tra;
    t.Q = 2.5, t.H = 0.8, t.I = 0.0005, t.n = 0.015, t.A = 1.92, t.P = 4.68, t.V = 2.5 / 1.92, t.S = 3.6;
    t.E = 0.00001, t.Yc = -0.5, t.NF = 1.5e20, t.Regime = "Subcrítico";
    t.b = 1.2, t.Comp = 100, t.Vol_Terra = 1e15, t.z = 1.5, t.f = 0.3, t.Incognita = 5;
    TSulvoIrregular& i = w.irr;
    i.Q = 12.3456789012345678, i.H = 1, i.I = 0.001, i.A = -1, i.S = 8, i.Incognita = 2, i.Metodologia = 1;
    i.Pontos = {{0, 0, 0}, {2, -2, 0.015}, {6, -2, 0.015}, {8, 0, 0.035}};
}

std::string Substituir(std::string texto, const std::string& de, const std::string& para) {
    auto pos = texto.find(de);
    if (pos != std::string::npos)
        texto.replace(pos, de.size(), para);
    return texto;
}

class ExemploTest : public ::testing::TestWithParam<char> {};

TEST_P(ExemploTest, ANewProjectSavedAtOnceIsTheDocumentedFileWithTodaysDate) {
    PastaTemporaria pasta;
    Workspace w; // reset as by "Novo": today's date, everything else empty or zero
    EscreverArquivoProjeto(pasta / "PROJETO.SVO", w.m, GetParam());
    std::string esperado = Substituir(DadoDeTeste("project/novo.svo"), "08/12/2026", DataDeHoje('/'));
    EXPECT_EQ(LerBytes(pasta / "PROJETO.SVO"), esperado);
}

TEST_P(ExemploTest, AFilledProjectIsWrittenWithTheWritersSeparator) {
    PastaTemporaria pasta;
    Workspace w;
    Preencher(w);
    char sep = GetParam();
    EscreverArquivoProjeto(pasta / "p.svo", w.m, sep);
    EXPECT_EQ(LerBytes(pasta / "p.svo"),
              DadoDeTeste(sep == ',' ? "project/trapezoidal_virgula.svo" : "project/trapezoidal_ponto.svo"));
}

INSTANTIATE_TEST_SUITE_P(Separadores, ExemploTest, ::testing::Values(',', '.'));

class LeituraTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LeituraTest, EitherSeparatorReadsBackTheWholeProject) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "p.svo", DadoDeTeste(std::string("project/") + GetParam()));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    Workspace e;
    Preencher(e);
    EXPECT_EQ(w.indIncognita, 5);
    EXPECT_EQ(w.id.Empresa, e.id.Empresa);
    const TSulvoTrapezoidal& t = w.tra;
    EXPECT_EQ(t.I, 0.0005);
    EXPECT_NEAR(t.V, e.tra.V, 1e-14);
    EXPECT_EQ(t.E, 1e-5);
    EXPECT_EQ(t.NF, 1.5e20);
    EXPECT_EQ(t.Regime, "Subcrítico");
    EXPECT_EQ(t.Incognita, 5);
    EXPECT_NEAR(w.irr.Q, e.irr.Q, 1e-13);
    EXPECT_EQ(w.irr.Metodologia, 1);
    ASSERT_EQ(w.irr.Pontos.size(), 4u);
    EXPECT_EQ(w.irr.Pontos[3].Rug, 0.035);
    EXPECT_EQ(w.tri.Q, 0); // not in the file
}

INSTANTIATE_TEST_SUITE_P(Arquivos, LeituraTest, ::testing::Values("trapezoidal_virgula.svo", "trapezoidal_ponto.svo"));

// A minimal project file around one regular section and an irregular one.
std::string Projeto(const std::string& cabeca, const std::string& resto) {
    return "[SULVO1]\r\n" + cabeca + "\r\n" + resto;
}

TEST(ArquivoProjeto, TheHeadVersionIsComparedExactlyAfterTrimming) {
    PastaTemporaria pasta;
    struct Caso {
        const char* versao;
        bool aceito;
    };
    for (const Caso& c : {Caso{"Versao=1.0 ", true}, Caso{"versao=\"1.0\"", true}, Caso{"Versao=1", false},
                          Caso{"Versao=1.00", false}, Caso{"Versao=01.0", false}, Caso{"Outro=1.0", false}}) {
        GravarBytes(pasta / "v.svo", Projeto(c.versao, "[IDENTIFICACAO]\r\nVersao=1\r\nNome=N\r\n"));
        Workspace w;
        bool leuCerto = !c.aceito;
        try {
            LerArquivoProjeto(pasta / "v.svo", w.m, leuCerto);
            EXPECT_TRUE(c.aceito) << c.versao;
            EXPECT_EQ(w.id.Nome, "N");
        } catch (const EArquivoProjeto& e) {
            EXPECT_FALSE(c.aceito) << c.versao;
            EXPECT_EQ(std::string(e.what()), "Não foi possível abrir o arquivo " + (pasta / "v.svo") + ".");
        }
        EXPECT_EQ(leuCerto, c.aceito) << c.versao;
    }
}

TEST(ArquivoProjeto, AMissingFileOrAForeignIniFileIsNoProject) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "config.ini", "[PRINCIPAL]\r\npath1=x\r\n");
    for (const std::string& caminho : {pasta / "nao-existe.svo", pasta / "config.ini", pasta.Caminho().string()}) {
        Workspace w;
        bool leuCerto = true;
        EXPECT_THROW(LerArquivoProjeto(caminho, w.m, leuCerto), EArquivoProjeto) << caminho;
        EXPECT_FALSE(leuCerto);
    }
}

TEST(ArquivoProjeto, SavingAnotherTypeLeavesTheStaleSectionsWhichReadingIgnores) {
    PastaTemporaria pasta;
    Workspace w;
    w.indSulvoReg = 1;
    w.tra.b = 3, w.tra.z = 2, w.tra.Incognita = 5, w.tra.Q = 7;
    EscreverArquivoProjeto(pasta / "p.svo", w.m, ',');
    w.indSulvoReg = 3;
    w.cir.D = 1.5, w.cir.T = 0.6, w.cir.Incognita = 4, w.cir.Q = 0.8;
    EscreverArquivoProjeto(pasta / "p.svo", w.m, ',');

    TIniFile ini(pasta / "p.svo");
    EXPECT_EQ(ini.ReadInteger("SULVOTRAPEZOIDAL", "Incognita", -1), 5);
    EXPECT_EQ(ini.ReadFloat("SULVOR", "b", 0), 3);
    EXPECT_EQ(ini.ReadFloat("SULVO", "Q", 0), 0.8); // the shared section now holds the circle

    Workspace r;
    ASSERT_TRUE(r.Ler(pasta / "p.svo"));
    EXPECT_EQ(r.indSulvoReg, 3);
    EXPECT_EQ(r.cir.D, 1.5);
    EXPECT_EQ(r.cir.T, 0.6);
    EXPECT_EQ(r.cir.Incognita, 4);
    EXPECT_EQ(r.cir.Q, 0.8);
    EXPECT_EQ(r.tra.b, 0);
    EXPECT_EQ(r.tra.Incognita, 0);
}

// The file without one section, as a copy that knows only the original sections sees it.
std::string SemSecao(std::string texto, const std::string& nome) {
    const auto inicio = texto.find("[" + nome + "]");
    if (inicio != std::string::npos)
        texto.erase(inicio, texto.find("\r\n[", inicio) + 2 - inicio);
    return texto;
}

TEST(ArquivoProjeto, BandsOfNLiveInTheirOwnSectionsAndDescribeOnlyTheCoefficientTheyWerePickedFor) {
    PastaTemporaria pasta;
    Workspace w;
    Preencher(w);
    EscreverArquivoProjeto(pasta / "sem.svo", w.m, ',');
    w.tra.FaixaN = {0.015, 0.013, 0.017};
    w.irr.Pontos[2].DefinirFaixa({0.015, 0.012, 0.018});
    w.irr.Pontos[3].DefinirFaixa({0.03, 0.025, 0.05}); // picked for another n than the 0.035 there
    EscreverArquivoProjeto(pasta / "com.svo", w.m, ',');

    // A project without bands stays in the original format; with them, the original sections are unchanged.
    const std::string sem = LerBytes(pasta / "sem.svo");
    EXPECT_EQ(sem.find("2]"), std::string::npos) << sem;
    EXPECT_EQ(SemSecao(SemSecao(LerBytes(pasta / "com.svo"), "SULVOR2"), "SULVOIRREGULAR2"), sem);
    {
        TIniFile ini(pasta / "com.svo");
        EXPECT_EQ(ini.ReadString("SULVOR2", "nMin", ""), "0,013");
        EXPECT_EQ(ini.ReadString("SULVOIRREGULAR2", "RugMax3", ""), "0,018");
        EXPECT_EQ(ini.ReadString("SULVOIRREGULAR2", "RugTabela4", ""), "");
    }
    Workspace r;
    ASSERT_TRUE(r.Ler(pasta / "com.svo"));
    EXPECT_EQ(r.tra.FaixaN.Minimo, 0.013);
    EXPECT_EQ(r.tra.FaixaN.Maximo, 0.017);
    EXPECT_TRUE(r.irr.Pontos[2].Faixa().Descreve(0.015));
    EXPECT_EQ(r.irr.Pontos[2].RugMin, 0.012);
    EXPECT_FALSE(r.irr.Pontos[1].Faixa().Definida());
    EXPECT_FALSE(r.irr.Pontos[3].Faixa().Definida());

    // An older copy changes n and an interval's n and keeps the sections it does not know: the bands no longer
    // describe those coefficients and are dropped on reading.
    {
        TIniFile ini(pasta / "com.svo");
        ini.WriteFloat("SULVO", "n", 0.016);
        ini.WriteFloat("SULVOIRREGULAR", "Rug3", 0.02);
        ini.UpdateFile();
    }
    ASSERT_TRUE(r.Ler(pasta / "com.svo"));
    EXPECT_EQ(r.tra.n, 0.016);
    EXPECT_FALSE(r.tra.FaixaN.Definida());
    EXPECT_FALSE(r.irr.Pontos[2].Faixa().Definida());

    // Saved again without bands, the old ones are overwritten.
    w.tra.FaixaN = {};
    w.irr.Pontos[2].DefinirFaixa({});
    EscreverArquivoProjeto(pasta / "com.svo", w.m, ',');
    ASSERT_TRUE(r.Ler(pasta / "com.svo"));
    EXPECT_FALSE(r.tra.FaixaN.Definida());
    EXPECT_FALSE(r.irr.Pontos[2].Faixa().Definida());
}

TEST(ArquivoProjeto, FivePointsSavedOverEightLeaveTheRestInPlaceAndReadAsFive) {
    PastaTemporaria pasta;
    Workspace w;
    for (int k = 0; k < 8; ++k)
        w.irr.Pontos.push_back({double(k), -double(k % 3), 0.02});
    EscreverArquivoProjeto(pasta / "p.svo", w.m, '.');
    w.irr.Pontos.resize(5);
    w.irr.Pontos[4].X = 40;
    EscreverArquivoProjeto(pasta / "p.svo", w.m, '.');

    TIniFile ini(pasta / "p.svo");
    EXPECT_EQ(ini.ReadInteger("SULVOIRREGULAR", "NumPontos", 0), 5);
    EXPECT_EQ(ini.ReadFloat("SULVOIRREGULAR", "X6", 0), 5);
    EXPECT_EQ(ini.ReadFloat("SULVOIRREGULAR", "Rug8", 0), 0.02);
    Workspace r;
    ASSERT_TRUE(r.Ler(pasta / "p.svo"));
    ASSERT_EQ(r.irr.Pontos.size(), 5u);
    EXPECT_EQ(r.irr.Pontos[4].X, 40);
}

// The bank stations live in a section of their own: a copy that knows only the first format reads the method 2
// as out of range (method 0, points kept) and rewrites only its own keys, so the banks survive its save.
TEST(ArquivoProjeto, TheBankStationsRoundTripThroughTheirOwnSectionWhichAnOlderSaveKeeps) {
    PastaTemporaria pasta;
    Workspace w;
    w.irr.Metodologia = 2;
    w.irr.Pontos = {{0, 0, 0}, {2, -1, 0.035}, {4, -2, 0.02}, {6, -1, 0.02}, {8, 0, 0.035}};
    w.irr.MargemE = 2.5;
    EscreverArquivoProjeto(pasta / "p.svo", w.m, ',');
    {
        TIniFile ini(pasta / "p.svo");
        EXPECT_EQ(ini.ReadString("SULVOIRREGULAR2", "MargemE", "?"), "2,5");
        EXPECT_EQ(ini.ReadString("SULVOIRREGULAR2", "MargemD", "?"), "");
        // What an older copy writes when it saves the project it read as method 0.
        ini.WriteString("SULVOIRREGULAR", "Metodologia", "0");
        ini.UpdateFile();
    }
    Workspace r;
    ASSERT_TRUE(r.Ler(pasta / "p.svo"));
    EXPECT_EQ(r.irr.Metodologia, 0);
    EXPECT_EQ(r.irr.MargemE, 2.5);
    EXPECT_FALSE(r.irr.MargemD.has_value());

    // A bank cleared since the last save is cleared in the file; one set reads back exactly.
    w.irr.MargemE.reset();
    w.irr.MargemD = 1.0 / 3.0 + 6;
    EscreverArquivoProjeto(pasta / "p.svo", w.m, '.');
    ASSERT_TRUE(r.Ler(pasta / "p.svo"));
    EXPECT_EQ(r.irr.Metodologia, 2);
    EXPECT_FALSE(r.irr.MargemE.has_value());
    EXPECT_NEAR(*r.irr.MargemD, 1.0 / 3.0 + 6, 1e-14);

    // A section of another version is not this format's: the banks stay unset.
    {
        TIniFile ini(pasta / "p.svo");
        ini.WriteString("SULVOIRREGULAR2", "Versao", "2");
        ini.UpdateFile();
    }
    ASSERT_TRUE(r.Ler(pasta / "p.svo"));
    EXPECT_FALSE(r.irr.MargemD.has_value());
}

const std::string kIrregularCom = "[SULVOIRREGULAR]\r\nVersao=1\r\nQ=1,5\r\nRegime=Cr\xEDtico\r\n";

TEST(ArquivoProjeto, AMissingPointCoordinateReadsMinusOne) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "p.svo", Projeto("Versao=1.0", kIrregularCom + "Incognita=1\r\nMetodologia=0\r\nNumPontos=3\r\n"
                                                                       "X1=0\r\nY1=0\r\nRug1=0\r\nX2=1\r\nRug2=0,02\r\n"
                                                                       "X3=2\r\nY3=0\r\nRug3=abc\r\n"));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    ASSERT_EQ(w.irr.Pontos.size(), 3u);
    EXPECT_EQ(w.irr.Pontos[1].X, 1);
    EXPECT_EQ(w.irr.Pontos[1].Y, -1);
    EXPECT_EQ(w.irr.Pontos[1].Rug, 0.02);
    EXPECT_EQ(w.irr.Pontos[2].Rug, -1);
    EXPECT_EQ(w.irr.Q, 1.5);
    EXPECT_EQ(w.irr.Regime, "Crítico");
}

struct UnknownCase {
    int indSulvoReg;
    const char* secao; // the type's own section
    const char* extra; // keys before "Incognita" (the circle's D and T)
    int incognita;
    int esperada; // what the object holds afterwards (0 = the reset value when rejected)
};

class IncognitaTest : public ::testing::TestWithParam<UnknownCase> {};

TEST_P(IncognitaTest, AnUnknownOutsideItsListKeepsTheResetValue) {
    const auto& c = GetParam();
    PastaTemporaria pasta;
    std::string regular = "[SULVO]\r\nVersao=1\r\nQ=2\r\n";
    if (c.indSulvoReg != 3)
        regular += "[SULVOR]\r\nVersao=1\r\nb=1\r\n";
    regular += std::string("[") + c.secao + "]\r\nVersao=1\r\n" + c.extra + "Incognita=" + std::to_string(c.incognita) +
               "\r\n";
    GravarBytes(pasta / "p.svo", Projeto("Versao=1.0\r\nIndSulvoReg=" + std::to_string(c.indSulvoReg), regular));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    switch (c.indSulvoReg) {
    case 0:
        EXPECT_EQ(w.tri.Incognita, c.esperada);
        EXPECT_EQ(w.tri.b, 1);
        break;
    case 1:
        EXPECT_EQ(w.tra.Incognita, c.esperada);
        EXPECT_EQ(w.tra.Q, 2);
        break;
    case 2:
        EXPECT_EQ(w.ret.Incognita, c.esperada);
        break;
    case 3:
        EXPECT_EQ(w.cir.Incognita, c.esperada);
        EXPECT_EQ(w.cir.D, 1.2); // stored before the unknown is judged
        EXPECT_EQ(w.cir.T, 0.5);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faixas, IncognitaTest,
    ::testing::Values(UnknownCase{0, "SULVOTRIANGULAR", "", 4, 4}, UnknownCase{0, "SULVOTRIANGULAR", "", 5, 0},
                      UnknownCase{1, "SULVOTRAPEZOIDAL", "", 5, 5}, UnknownCase{1, "SULVOTRAPEZOIDAL", "", 6, 0},
                      UnknownCase{1, "SULVOTRAPEZOIDAL", "", -1, 0}, UnknownCase{2, "SULVORETANGULAR", "", 4, 4},
                      UnknownCase{2, "SULVORETANGULAR", "", 5, 0},
                      UnknownCase{3, "SULVOCIRCULAR", "D=1,2\r\nT=0.5\r\n", 5, 5},
                      UnknownCase{3, "SULVOCIRCULAR", "D=1,2\r\nT=0.5\r\n", 6, 0},
                      UnknownCase{3, "SULVOCIRCULAR", "D=1,2\r\nT=0.5\r\n", 256, 0}));

TEST(ArquivoProjeto, AnIrregularMethodOutOfRangeKeepsTheUnknownAndThePoints) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "p.svo", Projeto("Versao=1.0", kIrregularCom + "Incognita=2\r\nMetodologia=7\r\nNumPontos=2\r\n"
                                                                       "X1=0\r\nY1=0\r\nRug1=0\r\nX2=1\r\nY2=-1\r\n"
                                                                       "Rug2=0,02\r\n"));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    EXPECT_EQ(w.irr.Incognita, 2);
    EXPECT_EQ(w.irr.Metodologia, 0);
    EXPECT_EQ(w.irr.Pontos.size(), 2u);

    // An unknown of 4 is rejected before the method is even read; the points still load.
    TIniFile ini(pasta / "p.svo");
    TSulvoIrregular irr;
    ini.WriteString("SULVOIRREGULAR", "Incognita", "4");
    ini.WriteString("SULVOIRREGULAR", "Metodologia", "1");
    EXPECT_FALSE(LerDoArquivo(irr, ini));
    EXPECT_EQ(irr.Incognita, 0);
    EXPECT_EQ(irr.Metodologia, 0);
    EXPECT_EQ(irr.Pontos.size(), 2u);
    EXPECT_EQ(irr.Q, 1.5);
}

TEST(ArquivoProjeto, AHugePointCountRejectsTheSectionWithoutBuildingThePoints) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "p.svo", Projeto("Versao=1.0", "[IDENTIFICACAO]\r\nVersao=1\r\nNome=Dano\r\n" + kIrregularCom +
                                                           "Incognita=1\r\nMetodologia=1\r\nNumPontos=2000000000\r\n"
                                                           "X1=0\r\nY1=0\r\nRug1=0\r\n"));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo")); // the rest of the project still opens
    EXPECT_EQ(w.id.Nome, "Dano");
    EXPECT_TRUE(w.irr.Pontos.empty());

    TIniFile ini(pasta / "p.svo");
    TSulvoIrregular irr;
    EXPECT_FALSE(LerDoArquivo(irr, ini));
    ini.WriteInteger("SULVOIRREGULAR", "NumPontos", kMaxPontos + 1);
    EXPECT_FALSE(LerDoArquivo(irr, ini));
    EXPECT_TRUE(irr.Pontos.empty());
    // A count within the limit but beyond the points present: the section is damaged and the whole open
    // is refused, naming the first point missing, instead of inventing 999 points at (-1, -1).
    ini.WriteInteger("SULVOIRREGULAR", "NumPontos", 1000);
    ini.UpdateFile();
    EXPECT_THROW(LerDoArquivo(irr, ini), ESecaoDanificada);
    try {
        w.Ler(pasta / "p.svo");
        ADD_FAILURE() << "a damaged section was read";
    } catch (const EArquivoProjeto& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível abrir o arquivo " + (pasta / "p.svo") +
                                             ". A seção SULVOIRREGULAR está danificada: \"NumPontos\" é 1000, mas "
                                             "falta a chave X2.");
    }
}

TEST(ArquivoProjeto, ARegularTypeIndexOutsideTheFourReadsNoRegularSection) {
    PastaTemporaria pasta;
    std::string secoes = "[SULVO]\r\nVersao=1\r\nQ=2\r\n[SULVOR]\r\nVersao=1\r\n[SULVOTRIANGULAR]\r\nVersao=1\r\n"
                         "Incognita=1\r\n";
    GravarBytes(pasta / "p.svo", Projeto("Versao=1.0\r\nIndSulvoReg=9\r\nIndIncognita=3", secoes));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    EXPECT_EQ(w.indSulvoReg, 9);
    EXPECT_EQ(w.indIncognita, 3);
    EXPECT_EQ(w.tri.Q, 0);
    EXPECT_EQ(w.tri.Incognita, 0);

    // The indices are bytes: 256 + 0 selects the triangle.
    GravarBytes(pasta / "p.svo", Projeto("Versao=1.0\r\nIndSulvoReg=256\r\nIndIncognita=0x101", secoes));
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    EXPECT_EQ(w.indSulvoReg, 0);
    EXPECT_EQ(w.indIncognita, 1);
    EXPECT_EQ(w.tri.Q, 2);
    EXPECT_EQ(w.tri.Incognita, 1);
}

TEST(ArquivoProjeto, ABaseSectionWithAnotherVersionStopsTheDerivedReads) {
    PastaTemporaria pasta;
    GravarBytes(pasta / "p.svo",
                Projeto("Versao=1.0\r\nIndSulvoReg=1", "[IDENTIFICACAO]\r\nVersao=2\r\nNome=Outro\r\n"
                                                       "[SULVO]\r\nVersao=1\r\nQ=2\r\n[SULVOR]\r\nVersao=1.0\r\nb=4\r\n"
                                                       "[SULVOTRAPEZOIDAL]\r\nVersao=1\r\nIncognita=3\r\n"));
    Workspace w;
    ASSERT_TRUE(w.Ler(pasta / "p.svo"));
    EXPECT_EQ(w.tra.Q, 2); // the base level was stored before the next one failed
    EXPECT_EQ(w.tra.b, 0);
    EXPECT_EQ(w.tra.Incognita, 0);
    EXPECT_EQ(w.id.Nome, "");
    EXPECT_EQ(w.id.Data, DataDeHoje('/'));
}

class GravacaoRecusadaTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GravacaoRecusadaTest, AFailedSaveRaisesTheUsersMessageAndLeavesTheFileAsItWas) {
    PastaTemporaria pasta;
    const std::string antes = DadoDeTeste("project/trapezoidal_ponto.svo");
    GravarBytes(pasta / "somente-leitura.svo", antes);
    ::chmod((pasta / "somente-leitura.svo").c_str(), 0444);
    GravarBytes(pasta / "arquivo", "x");
    std::string caminho = pasta / GetParam();
    Workspace w;
    w.indSulvoReg = 3;
    try {
        EscreverArquivoProjeto(caminho, w.m, ',');
        ADD_FAILURE() << "saved into " << caminho;
    } catch (const EArquivoProjeto& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível gravar o arquivo " + caminho + ".");
    }
    EXPECT_EQ(LerBytes(pasta / "somente-leitura.svo"), antes);
}

INSTANTIATE_TEST_SUITE_P(Caminhos, GravacaoRecusadaTest,
                         ::testing::Values("somente-leitura.svo", "falta/p.svo", "arquivo/p.svo"));

} // namespace
