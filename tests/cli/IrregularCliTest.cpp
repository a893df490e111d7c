// sulvo-calc irregular: point files, fields, the JSON result, the discharge–depth curve and the exit status.
#include "tests/cli/RunCalc.h"
#include "tests/support/LevantamentoGerado.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>

namespace {

std::string Arquivo(const std::string& nome) {
    return std::string("'") + SULVO_TEST_DATA + "/irregular/" + nome + "'";
}

CalcRun Irregular(const std::string& arquivo, const std::string& resto) {
    return RunCalc("irregular --pontos " + Arquivo(arquivo) + " " + resto);
}

// Standard error of a run whose standard output is dropped.
std::string ErroDe(const std::string& args) {
    const std::string cmd = std::string("'") + SULVO_CALC_PATH + "' " + args + " 2>&1 >/dev/null";
    std::string texto;
    if (FILE* pipe = popen(cmd.c_str(), "r")) {
        char buf[512];
        std::size_t lidos;
        while ((lidos = fread(buf, 1, sizeof buf, pipe)) > 0)
            texto.append(buf, lidos);
        pclose(pipe);
    }
    return texto;
}

// The first value written for a key: the top-level fields come before the curve's samples.
double Numero(const std::string& json, const std::string& chave) {
    const std::string marca = "\"" + chave + "\": ";
    const auto pos = json.find(marca);
    if (pos == std::string::npos) {
        ADD_FAILURE() << "sem " << chave << " em " << json;
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::strtod(json.c_str() + pos + marca.size(), nullptr);
}

bool Contem(const std::string& json, const std::string& trecho) {
    return json.find(trecho) != std::string::npos;
}

std::size_t Ocorrencias(const std::string& texto, const std::string& trecho) {
    std::size_t n = 0;
    for (auto pos = texto.find(trecho); pos != std::string::npos; pos = texto.find(trecho, pos + 1))
        ++n;
    return n;
}

struct CasoCli {
    const char* nome;
    const char* arquivo;
    const char* campos;
    const char* chave;
    double valor;
    double tolerancia;
};

class IrregularCliResolveTest : public ::testing::TestWithParam<CasoCli> {};

TEST_P(IrregularCliResolveTest, SolvesTheUnknown) {
    const CasoCli& c = GetParam();
    const CalcRun r = Irregular(c.arquivo, c.campos);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Contem(r.out, "\"ok\": true")) << r.out;
    EXPECT_NEAR(Numero(r.out, c.chave), c.valor, c.tolerancia) << r.out;
    EXPECT_TRUE(Contem(r.out, "\"mensagens\": []")) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Incognitas, IrregularCliResolveTest,
    ::testing::Values(CasoCli{"VazaoConvencional", "trapezio.txt", "H=1 I=0.001", "Q", 8.563, 0.0005},
                      CasoCli{"VazaoDivisao", "trapezio.txt", "H=1 I=0,001 Metodologia=1", "Q", 9.487, 0.0005},
                      CasoCli{"Profundidade", "trapezio.txt", "Incognita=1 Q=2 I=0.001", "H", 0.4235, 0.00005},
                      CasoCli{"RugosidadeSemIntervalos", "sem_rugosidade.txt", "Incognita=3 Q=8.563 H=1 I=0.001", "n",
                              0.015, 0.00001},
                      CasoCli{"VirgulaEFimDeLinhaWindows", "retangulo_crlf.txt", "Incognita=1 Q=3 I=0.001", "Yc",
                              0.4671, 0.00005}),
    [](const ::testing::TestParamInfo<CasoCli>& info) { return std::string(info.param.nome); });

TEST(IrregularCli, EveryFieldByItsOwnName) {
    const CalcRun r = Irregular("duas_calhas.txt", "H=1 I=1 Comp=10");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NEAR(Numero(r.out, "S"), 4.3333, 0.00005);
    EXPECT_NEAR(Numero(r.out, "A"), 3.1667, 0.00005);
    EXPECT_NEAR(Numero(r.out, "P"), 6.6398, 0.00005);
    EXPECT_NEAR(Numero(r.out, "Vol_Terra"), 31.667, 0.0005);
    EXPECT_NEAR(Numero(r.out, "V"), Numero(r.out, "Q") / Numero(r.out, "A"), 1e-12);
    EXPECT_EQ(Numero(r.out, "YMinimo"), -2);
    EXPECT_EQ(Numero(r.out, "Comp"), 10);
    for (const char* chave : {"H", "I", "n", "E", "Yc", "NF", "Incognita", "Metodologia"})
        EXPECT_TRUE(std::isfinite(Numero(r.out, chave))) << chave;
    EXPECT_TRUE(Contem(r.out, "\"Regime\": \"Supercrítico\"")) << r.out;
    EXPECT_TRUE(Contem(r.out, "\"Incognita\": 0, \"Metodologia\": 0")) << r.out;
    EXPECT_FALSE(Contem(r.out, "\"curva\"")) << r.out;
    EXPECT_FALSE(Contem(r.out, "\"Pontos\"")) << r.out;
}

TEST(IrregularCli, CurveOfBothMethodsAtTheSolvedSlope) {
    const CalcRun r = Irregular("trapezio.txt", "Incognita=2 Q=2 H=1 --curva");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto inicio = r.out.find("\"curva\": [");
    ASSERT_NE(inicio, std::string::npos) << r.out;
    const std::string curva = r.out.substr(inicio);
    const std::size_t amostras = Ocorrencias(curva, "\"h\": ");
    EXPECT_GE(amostras, 99u);
    EXPECT_LE(amostras, 100u);
    EXPECT_EQ(Ocorrencias(curva, "\"Q_divisao\": "), amostras);
    EXPECT_EQ(Ocorrencias(curva, "\"Q_convencional\": "), amostras);
    EXPECT_NEAR(Numero(curva, "h"), 0.02, 1e-15);
    // The 50th sample is at h = 1, the given depth: its conventional discharge is the solver's last one.
    std::size_t pos = curva.find("\"h\": ");
    for (int k = 1; k < 50; ++k)
        pos = curva.find("\"h\": ", pos + 1);
    const std::string cinquenta = curva.substr(pos);
    EXPECT_NEAR(Numero(cinquenta, "h"), 1, 1e-12);
    EXPECT_NEAR(Numero(cinquenta, "Q_convencional"), Numero(r.out, "Q"), 1e-9);
    EXPECT_NEAR(Numero(cinquenta, "Q_divisao") / Numero(cinquenta, "Q_convencional"), 300.0 / 270.80, 1e-4);
}

TEST(IrregularCli, FailedCalculationExitsWithOneAndItsMessages) {
    const CalcRun acima = Irregular("trapezio.txt", "H=2.5 I=0.001 --curva");
    EXPECT_EQ(acima.status, 1) << acima.out;
    EXPECT_TRUE(Contem(acima.out, "\"ok\": false")) << acima.out;
    EXPECT_EQ(Numero(acima.out, "A"), -1);
    EXPECT_TRUE(Contem(acima.out, "\"curva\": []")) << acima.out;
    EXPECT_TRUE(Contem(acima.out, "\"mensagens\": [\"A altura está maior que a profundidade do sulvo.\"]"))
        << acima.out;

    const CalcRun alcance = Irregular("trapezio.txt", "Incognita=1 Q=30 I=0.001");
    EXPECT_EQ(alcance.status, 1) << alcance.out;
    EXPECT_EQ(Numero(alcance.out, "A"), 0);
    EXPECT_TRUE(Contem(alcance.out, "[\"Não é possível alcançar esta vazão !\"]")) << alcance.out;

    const CalcRun rugosidade = Irregular("fundo_sem_rugosidade.txt", "Metodologia=1 H=1 I=0.001");
    EXPECT_EQ(rugosidade.status, 1) << rugosidade.out;
    EXPECT_TRUE(
        Contem(rugosidade.out, "[\"Coeficiente de rugosidade não definido no intervalo 2, de (2 ; -2) a (6 ; -2).\"]"))
        << rugosidade.out;
    // No number came out non-finite (null); the band of n is null here because there is none.
    std::string numeros = rugosidade.out;
    if (const auto faixa = numeros.find("\"faixa_n\": null"); faixa != std::string::npos)
        numeros.erase(faixa, 15);
    EXPECT_FALSE(Contem(numeros, "null")) << rugosidade.out;

    const CalcRun vazio = Irregular("vazio.txt", "H=1 I=0.001");
    EXPECT_EQ(vazio.status, 1) << vazio.out;
    EXPECT_TRUE(Contem(vazio.out, "[\"A seção não possui pontos.\"]")) << vazio.out;

    // S keeps the section's total width when the calculation never started.
    const CalcRun margem = Irregular("margem_molhada.txt", "H=1 I=0.001");
    EXPECT_EQ(margem.status, 1) << margem.out;
    EXPECT_EQ(Numero(margem.out, "S"), 8);
    EXPECT_TRUE(Contem(margem.out, "o último ponto é (8 ; -0,5)")) << margem.out;

    // The window's check, in its words: a depth left out is refused before anything is calculated.
    const CalcRun semAltura = Irregular("trapezio.txt", "I=0.001");
    EXPECT_EQ(semAltura.status, 1) << semAltura.out;
    EXPECT_TRUE(Contem(semAltura.out, "\"mensagens\": [\"A altura deve ser maior do que 0.0!\"]")) << semAltura.out;
}

// Surveys as the window imports them: elevations converted to the section's frame (0 at the lower bank, cut
// where the other side rises above it), stations shifted to start at 0. The geometry at depth H tells whether
// the section came out right: each expected A and S is worked out by hand from the survey.
struct CasoLevantamento {
    const char* nome;
    const char* arquivo; // under tests/data/irregular; empty: `conteudo` written to a file
    std::string conteudo;
    const char* campos;
    double A, S, YMinimo;
    const char* mensagem; // the first message, empty for none
};

class IrregularCliLevantamentoTest : public ::testing::TestWithParam<CasoLevantamento> {};

TEST_P(IrregularCliLevantamentoTest, SurveyReadAsTheWindowReadsIt) {
    const CasoLevantamento& c = GetParam();
    PastaTemporaria pasta;
    std::string caminho = std::string(SULVO_TEST_DATA) + "/irregular/" + c.arquivo;
    if (!*c.arquivo) {
        caminho = pasta / "levantamento.txt";
        std::ofstream(caminho) << c.conteudo;
    }
    const CalcRun r = RunCalc("irregular --pontos '" + caminho + "' " + c.campos);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NEAR(Numero(r.out, "A"), c.A, 1e-6) << r.out;
    EXPECT_NEAR(Numero(r.out, "S"), c.S, 1e-6) << r.out;
    EXPECT_NEAR(Numero(r.out, "YMinimo"), c.YMinimo, 1e-6) << r.out;
    const std::string mensagens = *c.mensagem ? std::string("\"mensagens\": [\"") + c.mensagem : "\"mensagens\": []";
    EXPECT_TRUE(Contem(r.out, mensagens)) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Levantamentos, IrregularCliLevantamentoTest,
    ::testing::Values(
        // Bed 2 m below the left bank between stations 102 and 104, the right side rising 1 in 2 through the
        // left bank's level at station 107: at 1 m depth A = 0,5 + 2 + 1 and S = 6 - 1.
        CasoLevantamento{"SemicolonsHeaderAndN", "levantamento_cotas.csv", "", "H=1 I=0.001", 3.5, 5, -2,
                         "As cotas foram convertidas para a seção, com 0 no nível da margem mais baixa (cota 52,4). "
                         "O terreno sobe acima desse nível na estaca 107: a seção foi cortada ali e 1 ponto além "
                         "dessa estaca foi descartado."},
        CasoLevantamento{"TabsEqualBanks", "levantamento_tab.txt", "", "Incognita=3 Q=1 H=1 I=0.001", 2.5, 4, -2, ""},
        // The V of 500 points: side slopes 15 and 64,75/6 horizontal to 1, so at 2 m A = 2 (15 + 10,7917) and
        // S = 2 (15 + 10,7917).
        CasoLevantamento{"FiveHundredElevations", "", sulvo::testing::Levantamento500(';', ','),
                         "Incognita=3 Q=1 H=2 I=0.001", 2 * (15 + 64.75 / 6), 2 * (15 + 64.75 / 6), -4,
                         "As cotas foram convertidas"},
        // Elevations below the datum say nothing by themselves: --cotas says they are elevations.
        CasoLevantamento{"ElevationsBelowDatum", "", "0 -5\n2 -7\n4 -7\n6 -5\n", "--cotas Incognita=3 Q=1 H=1 I=0.001",
                         3, 4, -2, ""}),
    [](const ::testing::TestParamInfo<CasoLevantamento>& info) { return std::string(info.param.nome); });

struct CasoUso {
    const char* nome;
    const char* args;
    const char* erro; // part of the message on standard error
};

class IrregularCliUsoTest : public ::testing::TestWithParam<CasoUso> {};

TEST_P(IrregularCliUsoTest, UsageErrorExitsWithTwoAndNoResult) {
    const std::string args = std::string("irregular ") + GetParam().args;
    const CalcRun r = RunCalc(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_TRUE(Contem(ErroDe(args), GetParam().erro)) << ErroDe(args);
}

INSTANTIATE_TEST_SUITE_P(
    Erros, IrregularCliUsoTest,
    ::testing::Values(
        CasoUso{"LinhaCurta", "--pontos " SULVO_TEST_DATA "/irregular/linha_invalida.txt H=1",
                "linha 4: esperados 3 valores (estaca, cota e n), lido \"6;-2\""},
        CasoUso{"NumeroInvalido", "--pontos " SULVO_TEST_DATA "/irregular/numero_invalido.txt H=1", "linha 2:"},
        CasoUso{"CamposDemais", "--pontos " SULVO_TEST_DATA "/irregular/campos_demais.txt H=1", "linha 2:"},
        CasoUso{"ArquivoInexistente", "--pontos " SULVO_TEST_DATA "/irregular/nao_existe.txt H=1",
                "não foi possível abrir o arquivo de pontos"},
        CasoUso{"Pasta", "--pontos " SULVO_TEST_DATA "/irregular H=1", "não foi possível ler o arquivo de pontos"},
        CasoUso{"SemPontos", "H=1 I=0.001", "--pontos"},
        CasoUso{"CampoDeOutraSecao", "--pontos " SULVO_TEST_DATA "/irregular/trapezio.txt H=1 b=3", "b"},
        CasoUso{"IncognitaForaDaLista", "--pontos " SULVO_TEST_DATA "/irregular/trapezio.txt Incognita=4", "Incognita"},
        CasoUso{"MetodologiaForaDaLista", "--pontos " SULVO_TEST_DATA "/irregular/trapezio.txt Metodologia=3",
                "Metodologia"}),
    [](const ::testing::TestParamInfo<CasoUso>& info) { return std::string(info.param.nome); });

} // namespace
