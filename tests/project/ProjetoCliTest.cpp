// sulvo-calc --projeto: the same reader, calculators and writer as the window, run as a program.
#include "project/ArquivoProjeto.h"

#include "common/NumberFormat.h"
#include "project/IniFile.h"

#include "tests/project/ArquivosTeste.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

using namespace sulvo;

namespace {

struct Execucao {
    std::string saida;
    std::string erro;
    int status = -1;
};

// Runs sulvo-calc with `ambiente` (assignments for env) and already quoted arguments.
Execucao Rodar(const PastaTemporaria& pasta, const std::string& ambiente, const std::string& args) {
    Execucao r;
    std::string arquivoErro = pasta / "stderr.txt";
    std::string cmd = "env -u LC_ALL -u LC_NUMERIC -u LANG " + ambiente + " '" + SULVO_CALC_PATH + "' " + args +
                      " 2>'" + arquivoErro + "'";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buf{};
    std::size_t lidos;
    while ((lidos = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.saida.append(buf.data(), lidos);
    int bruto = pclose(pipe);
    r.status = WIFEXITED(bruto) ? WEXITSTATUS(bruto) : -1;
    r.erro = LerBytes(arquivoErro);
    return r;
}

std::string Aspas(const std::string& caminho) {
    return "'" + caminho + "'";
}

class ProjetoCli : public ::testing::Test {
protected:
    ProjetoCli() { GravarBytes(projeto, DadoDeTeste("project/trapezoidal_virgula.svo")); }
    PastaTemporaria pasta;
    std::string projeto = pasta / "canal.svo";
};

TEST_F(ProjetoCli, TheRegularProblemPrintsWhatTheSectionCalculatorPrints) {
    Execucao doProjeto = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --regular");
    Execucao direto =
        Rodar(pasta, "", "trapezoidal Q=2.5 H=0.8 I=0.0005 n=0.015 b=1.2 z=1.5 f=0.3 Comp=100 Incognita=5");
    EXPECT_EQ(doProjeto.status, 0) << doProjeto.erro;
    EXPECT_EQ(doProjeto.saida, direto.saida);
    EXPECT_NE(doProjeto.saida.find("\"Incognita\": 5"), std::string::npos);
    EXPECT_NE(doProjeto.saida.find("\"faixa_n\": null"), std::string::npos);
    EXPECT_EQ(LerBytes(projeto), DadoDeTeste("project/trapezoidal_virgula.svo")); // no --gravar: untouched

    // The band of n saved with the project gives the base width with the table's minimum and maximum n, as the
    // same band on the command line does.
    {
        TIniFile ini(projeto);
        ini.WriteString("SULVOR2", "Versao", "1");
        ini.WriteString("SULVOR2", "nTabela", "0,015");
        ini.WriteString("SULVOR2", "nMin", "0,013");
        ini.WriteString("SULVOR2", "nMax", "0,017");
        ini.UpdateFile();
    }
    doProjeto = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --regular");
    direto = Rodar(pasta, "",
                   "trapezoidal Q=2.5 H=0.8 I=0.0005 n=0.015 b=1.2 z=1.5 f=0.3 Comp=100 Incognita=5 nMin=0.013 "
                   "nMax=0.017");
    EXPECT_EQ(doProjeto.status, 0) << doProjeto.erro;
    EXPECT_EQ(doProjeto.saida, direto.saida);
    EXPECT_NE(doProjeto.saida.find("\"faixa_n\": {\"campo\": \"b\", \"minimo\": "), std::string::npos)
        << doProjeto.saida;
}

TEST_F(ProjetoCli, TheIrregularProblemPrintsWhatTheIrregularCalculatorPrints) {
    GravarBytes(pasta / "pontos.txt", "0;0;0\n2;-2;0,015\n6;-2;0,015\n8;0;0,035\n");
    Execucao doProjeto = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --irregular --curva");
    Execucao direto = Rodar(pasta, "",
                            "irregular --pontos " + Aspas(pasta / "pontos.txt") +
                                " --curva Q=12.3456789012346 H=1 I=0.001 Incognita=2 Metodologia=1");
    EXPECT_EQ(doProjeto.status, 0) << doProjeto.erro;
    EXPECT_EQ(doProjeto.saida, direto.saida);
    EXPECT_NE(doProjeto.saida.find("\"curva\": [{"), std::string::npos);

    // The subdivision with the bank stations saved in the project, as given on the command line.
    {
        TIniFile ini(projeto);
        ini.WriteString("SULVOIRREGULAR", "Metodologia", "2");
        ini.WriteString("SULVOIRREGULAR2", "Versao", "1");
        ini.WriteString("SULVOIRREGULAR2", "MargemE", "2");
        ini.WriteString("SULVOIRREGULAR2", "MargemD", "6");
        ini.UpdateFile();
    }
    doProjeto = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --irregular");
    direto = Rodar(pasta, "",
                   "irregular --pontos " + Aspas(pasta / "pontos.txt") +
                       " Q=12.3456789012346 H=1 I=0.001 Incognita=2 Metodologia=2 MargemE=2 MargemD=6");
    EXPECT_EQ(doProjeto.status, 0) << doProjeto.erro;
    EXPECT_EQ(doProjeto.saida, direto.saida);
    EXPECT_NE(doProjeto.saida.find("\"MargemD\": 6"), std::string::npos);
}

struct GravarCaso {
    const char* ambiente;
    char separador;
};

class GravarTest : public ProjetoCli, public ::testing::WithParamInterface<GravarCaso> {};

TEST_P(GravarTest, GravarWritesTheResultsBackWithTheRegionalSeparatorAndKeepsForeignSections) {
    GravarBytes(projeto, "[NOTAS]\r\nautor=Ana\r\n" + DadoDeTeste("project/trapezoidal_virgula.svo"));
    Execucao r = Rodar(pasta, GetParam().ambiente, "--projeto " + Aspas(projeto) + " --regular --gravar");
    ASSERT_EQ(r.status, 0) << r.erro;

    std::string bytes = LerBytes(projeto);
    EXPECT_EQ(bytes.rfind("[NOTAS]\r\nautor=Ana\r\n[SULVO1]\r\n", 0), 0u);
    std::string esperado = std::string("Q=2") + GetParam().separador + "5\r\n";
    EXPECT_NE(bytes.find(esperado), std::string::npos) << bytes;

    TIDProjeto id;
    TSulvoTriangular tri;
    TSulvoTrapezoidal tra;
    TSulvoRetangular ret;
    TSulvoCircular cir;
    TSulvoIrregular irr;
    std::uint8_t indSulvoReg = 0, indIncognita = 0;
    bool leuCerto = false;
    LerArquivoProjeto(projeto, {id, tri, tra, ret, cir, irr, indSulvoReg, indIncognita}, leuCerto);
    ASSERT_TRUE(leuCerto);
    EXPECT_EQ(indSulvoReg, 1);
    EXPECT_EQ(tra.Incognita, 5);
    EXPECT_NEAR(tra.b, 2.02017804964, 1e-9); // the solved base width, to 1e-10 of the exact root
    EXPECT_GT(tra.A, 0);
    EXPECT_EQ(id.Empresa, "Irrigação São Francisco");
    EXPECT_EQ(irr.Pontos.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Ambientes, GravarTest,
                         ::testing::Values(GravarCaso{"LANG=pt_BR.UTF-8", ','}, GravarCaso{"", '.'},
                                           GravarCaso{"LANG=pt_BR.UTF-8 LC_NUMERIC=C", '.'},
                                           GravarCaso{"LANG=en_US.UTF-8 LC_ALL=de_DE.UTF-8", ','}));

TEST_F(ProjetoCli, AFileThatIsNoProjectIsReportedWithTheSystemsMessage) {
    for (const std::string& caminho : {pasta / "nao-existe.svo", pasta.Caminho().string()}) {
        Execucao r = Rodar(pasta, "", "--projeto " + Aspas(caminho) + " --irregular");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.saida, "");
        EXPECT_NE(r.erro.find("Não foi possível abrir o arquivo " + caminho + "."), std::string::npos) << r.erro;
    }
}

TEST_F(ProjetoCli, ASaveThatFailsIsReportedAndLeavesTheFileUntouched) {
    const std::string antes = LerBytes(projeto);
    ::chmod(projeto.c_str(), 0444);
    Execucao r = Rodar(pasta, "LANG=pt_BR.UTF-8", "--projeto " + Aspas(projeto) + " --regular --gravar");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erro.find("Não foi possível gravar o arquivo " + projeto + "."), std::string::npos) << r.erro;
    EXPECT_EQ(LerBytes(projeto), antes);
}

TEST_F(ProjetoCli, AFailedCalculationIsNotWrittenBack) {
    // A trapezoid solving the base width with no discharge has no solution.
    TIniFile ini(projeto);
    ini.WriteString("SULVO", "Q", "0");
    ini.UpdateFile();
    const std::string antes = LerBytes(projeto);
    Execucao r = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --regular --gravar");
    EXPECT_EQ(r.status, 1) << r.saida;
    EXPECT_NE(r.saida.find("\"ok\": false"), std::string::npos);
    EXPECT_EQ(LerBytes(projeto), antes);
}

TEST_F(ProjetoCli, MalformedCommandLinesAreUsageErrors) {
    TIniFile ini(projeto);
    ini.WriteInteger("SULVO1", "IndSulvoReg", 9);
    ini.UpdateFile();
    const std::string p = Aspas(projeto);
    for (const std::string& args :
         {"--projeto " + p, "--projeto " + p + " --regular --irregular", "--projeto " + p + " --regular Q=2",
          "--projeto " + p + " --regular --curva", "trapezoidal --projeto " + p + " --regular",
          std::string("trapezoidal Q=1 --gravar"), std::string("--regular"), "--projeto " + p + " --regular",
          std::string("trapezoidal Q=1 H=1 I=0.001 n=0.015 b=1 z=1 Comp=1 nMin=0.012"),
          "--projeto " + p + " --irregular --csv", "--projeto " + p + " --projeto " + p + " --irregular",
          "--projeto " + p + " --irregular --relatorio x.pdf --formato odt"}) {
        Execucao r = Rodar(pasta, "", args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.saida, "") << args;
        EXPECT_FALSE(r.erro.empty()) << args;
    }
}

// Every value a key takes in a JSON text, in order.
std::vector<double> ValoresJson(const std::string& json, const std::string& chave) {
    std::vector<double> valores;
    const std::string marca = "\"" + chave + "\": ";
    for (auto p = json.find(marca); p != std::string::npos; p = json.find(marca, p + 1))
        valores.push_back(std::strtod(json.c_str() + p + marca.size(), nullptr));
    return valores;
}

TEST_F(ProjetoCli, TheCurveAsCsvReadsBackAsTheJsonCurve) {
    Execucao json = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --irregular --curva");
    Execucao csv = Rodar(pasta, "LANG=pt_BR.UTF-8", "--projeto " + Aspas(projeto) + " --irregular --curva --csv");
    ASSERT_EQ(csv.status, 0) << csv.erro;
    const auto h = ValoresJson(json.saida, "h");
    const auto divisao = ValoresJson(json.saida, "Q_divisao");
    const auto convencional = ValoresJson(json.saida, "Q_convencional");
    const auto subdivisao = ValoresJson(json.saida, "Q_subdivisao");
    ASSERT_GE(h.size(), 99u);

    std::istringstream linhas(csv.saida);
    std::string linha;
    std::getline(linhas, linha);
    EXPECT_EQ(linha, "Profundidade (m);Vazão Convencional (m³/s);Vazão Divisão em Seções (m³/s);"
                     "Vazão Subdivisão por Rugosidade (m³/s)");
    std::size_t i = 0;
    for (; std::getline(linhas, linha); ++i) {
        ASSERT_LT(i, h.size()) << linha;
        // Brazilian notation: the comma separates decimals, the semicolon the columns.
        std::vector<double> colunas;
        std::istringstream celulas(linha);
        for (std::string celula; std::getline(celulas, celula, ';');) {
            EXPECT_EQ(celula.find('.'), std::string::npos) << celula;
            auto valor = LerReal(celula);
            ASSERT_TRUE(valor) << celula;
            colunas.push_back(*valor);
        }
        ASSERT_EQ(colunas.size(), 4u) << linha;
        EXPECT_NEAR(colunas[0], h[i], 1e-9 * h[i]);
        EXPECT_NEAR(colunas[1], convencional[i], 1e-9 * convencional[i]);
        EXPECT_NEAR(colunas[2], divisao[i], 1e-9 * divisao[i]);
        EXPECT_NEAR(colunas[3], subdivisao[i], 1e-9 * subdivisao[i]);
    }
    EXPECT_EQ(i, h.size());
}

#ifdef SULVO_CALC_RELATORIO
// What one of poppler's tools prints for a PDF.
std::string Poppler(const std::string& comando, const std::string& pdf) {
    std::string saida;
    const std::string saidaPadrao = comando.rfind("pdftotext", 0) == 0 ? " -" : "";
    FILE* pipe = popen((comando + " '" + pdf + "'" + saidaPadrao + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return saida;
    std::array<char, 4096> buf{};
    std::size_t lidos;
    while ((lidos = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        saida.append(buf.data(), lidos);
    pclose(pipe);
    return saida;
}

TEST_F(ProjetoCli, ReportsArePdfOrHtmlByTheExtensionOnePerProjectIntoAFolder) {
    const std::string pdf = pasta / "canal.pdf";
    Execucao r =
        Rodar(pasta, "LANG=pt_BR.UTF-8", "--projeto " + Aspas(projeto) + " --regular --relatorio " + Aspas(pdf));
    ASSERT_EQ(r.status, 0) << r.erro;
    const std::string info = Poppler("pdfinfo", pdf);
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string texto = Poppler("pdftotext -layout", pdf);
    EXPECT_NE(texto.find("Dimensionamento de Canais Trapezoidais"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Irrigação São Francisco"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Vazão: 2,50 m3/s"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Largura da Base: 2,02"), std::string::npos) << texto; // the solved unknown

    const std::string html = pasta / "irregular.html";
    r = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --irregular --relatorio " + Aspas(html));
    ASSERT_EQ(r.status, 0) << r.erro;
    const std::string pagina = LerBytes(html);
    EXPECT_NE(pagina.find("<TITLE>Dimensionamento de Canais Irregulares</TITLE>"), std::string::npos);
    EXPECT_NE(pagina.find("Tabela Profundidade × Vazão"), std::string::npos);
    std::size_t imagens = 0;
    for (auto p = pagina.find("SRC=\""); p != std::string::npos; p = pagina.find("SRC=\"", p + 1), ++imagens)
        EXPECT_EQ(pagina.compare(p + 5, 11, "data:image/"), 0) << pagina.substr(p, 60);
    EXPECT_EQ(imagens, 2u); // the banner and the chart, both inside the file

    // Two projects into a folder: one report each, named after its project.
    GravarBytes(pasta / "outro.svo", LerBytes(projeto));
    const std::string relatorios = pasta / "relatorios";
    ::mkdir(relatorios.c_str(), 0755);
    r = Rodar(pasta, "",
              "--projeto " + Aspas(projeto) + " --projeto " + Aspas(pasta / "outro.svo") +
                  " --regular --formato html --relatorio " + Aspas(relatorios));
    ASSERT_EQ(r.status, 0) << r.erro;
    EXPECT_NE(LerBytes(relatorios + "/canal.html").find("Trapezoidais"), std::string::npos);
    EXPECT_NE(LerBytes(relatorios + "/outro.html").find("Trapezoidais"), std::string::npos);

    // A problem without a solution reports nothing and says why.
    TIniFile ini(projeto);
    ini.WriteString("SULVO", "Q", "0");
    ini.UpdateFile();
    const std::string falho = pasta / "falho.pdf";
    r = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --regular --relatorio " + Aspas(falho));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.erro.empty());
    EXPECT_NE(r.saida.find("\"ok\": false"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(falho));
}
#else
TEST_F(ProjetoCli, ReportsNeedTheWindowsLibraries) {
    Execucao r = Rodar(pasta, "", "--projeto " + Aspas(projeto) + " --regular --relatorio " + Aspas(pasta / "x.pdf"));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erro.find("não está disponível"), std::string::npos) << r.erro;
}
#endif

} // namespace
