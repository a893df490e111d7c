// sulvo-calc --projeto: the same reader, calculators and writer as the window, run as a program.
#include "project/ArquivoProjeto.h"

#include "tests/project/ArquivosTeste.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>

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
    EXPECT_EQ(LerBytes(projeto), DadoDeTeste("project/trapezoidal_virgula.svo")); // no --gravar: untouched
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
          std::string("trapezoidal Q=1 --gravar"), std::string("--regular"), "--projeto " + p + " --regular"}) {
        Execucao r = Rodar(pasta, "", args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.saida, "") << args;
        EXPECT_FALSE(r.erro.empty()) << args;
    }
}

} // namespace
