// sulvo-calc on the four regular sections: the JSON object, the messages the engine showed, the scripted answers
// to the non-convergence question and the exit statuses.
#include "tests/cli/RunCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

// The value written for a top-level key.
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

// The texts of the "mensagens" list, which is always the object's last member.
std::vector<std::string> Mensagens(const std::string& json) {
    std::vector<std::string> textos;
    const auto inicio = json.find("\"mensagens\": [");
    if (inicio == std::string::npos) {
        ADD_FAILURE() << "sem mensagens em " << json;
        return textos;
    }
    for (auto pos = json.find('"', inicio + 14); pos != std::string::npos && pos < json.rfind(']');) {
        const auto fim = json.find('"', pos + 1);
        textos.push_back(json.substr(pos + 1, fim - pos - 1));
        pos = json.find('"', fim + 1);
    }
    return textos;
}

const std::string kTrapezio = "trapezoidal b=2 z=1.5 n=0.015 I=0.001 H=1 Comp=100";

TEST(RegularCli, TrapezioDeReferenciaComTodosOsCampos) {
    const CalcRun r = RunCalc(kTrapezio);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(Contem(r.out, "{\"ok\": true, ")) << r.out;
    EXPECT_NEAR(Numero(r.out, "Q"), 5.3903, 5e-5);
    EXPECT_NEAR(Numero(r.out, "Yc"), 0.7452, 5e-5);
    EXPECT_NEAR(Numero(r.out, "Vol_Terra"), 350, 1e-9);
    EXPECT_TRUE(Contem(r.out, "\"Regime\": \"Subcrítico\"")) << r.out;
    EXPECT_TRUE(Contem(r.out, "\"Incognita\": 0,")) << r.out;
    for (const char* chave : {"H", "I", "n", "A", "P", "V", "S", "E", "NF", "b", "Comp", "z", "f"})
        EXPECT_TRUE(std::isfinite(Numero(r.out, chave))) << chave;
    EXPECT_FALSE(Contem(r.out, "\"D\"")) << r.out;
    EXPECT_TRUE(Contem(r.out, "\"mensagens\": []}")) << r.out;
}

TEST(RegularCli, VirgulaDecimalDaOMesmoResultado) {
    const CalcRun ponto = RunCalc(kTrapezio);
    const CalcRun virgula = RunCalc("trapezoidal b=2 z=1,5 n=0,015 I=0,001 H=1 Comp=100");
    ASSERT_EQ(virgula.status, 0);
    EXPECT_EQ(ponto.out, virgula.out);
}

TEST(RegularCli, ProfundidadeInversaComDezesseteAlgarismos) {
    const CalcRun direto = RunCalc(kTrapezio);
    ASSERT_EQ(direto.status, 0);
    // The discharge printed with 17 significant digits reads back as the same 64-bit value, so the inverse
    // problem lands on the original depth to the Newton tolerance.
    char q[64];
    std::snprintf(q, sizeof q, "%.17g", Numero(direto.out, "Q"));
    const CalcRun inverso = RunCalc(std::string("trapezoidal b=2 z=1.5 n=0.015 I=0.001 Comp=100 Incognita=1 Q=") + q);
    ASSERT_EQ(inverso.status, 0) << inverso.out;
    EXPECT_NEAR(Numero(inverso.out, "H"), 1, 1e-4);
    EXPECT_TRUE(Contem(inverso.out, "\"Incognita\": 1,")) << inverso.out;
}

TEST(RegularCli, CirculoMeiaSecao) {
    const CalcRun r = RunCalc("circular D=1 n=0.013 I=0.001 H=0.5");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NEAR(Numero(r.out, "Q"), 0.3791, 5e-5);
    EXPECT_NEAR(Numero(r.out, "NF"), 0.4918, 5e-5);
    EXPECT_TRUE(Contem(r.out, "\"D\": 1, \"T\": 0, \"Incognita\": 0, ")) << r.out;
    EXPECT_FALSE(Contem(r.out, "\"b\"")) << r.out;
    EXPECT_FALSE(Contem(r.out, "\"Vol_Terra\"")) << r.out;
}

// ---------------------------------------------------------------------------------------------------------------
// Calculations that fail: exit status 1, "ok": false, the engine's messages in order.

struct Falha {
    const char* nome;
    const char* args;
    std::vector<std::string> mensagens;
};

class RegularCliFalha : public ::testing::TestWithParam<Falha> {};

TEST_P(RegularCliFalha, SaiComUmEMostraAsMensagens) {
    const Falha& c = GetParam();
    const CalcRun r = RunCalc(c.args);
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Contem(r.out, "{\"ok\": false, ")) << r.out;
    EXPECT_EQ(Mensagens(r.out), c.mensagens) << r.out;
}

// A rectangle that would need a base of 4.7 × 10^12 m, where 64-bit reals lie 0.001 m apart.
const char* const kLarguraSemConvergencia = "retangular Q=1e13 H=1 n=0.015 I=0.001 Comp=1 Incognita=4";

INSTANTIATE_TEST_SUITE_P(
    Casos, RegularCliFalha,
    ::testing::Values(
        Falha{"CapacidadeDoConduto",
              "circular D=1 n=0.013 I=0.001 Q=2 Incognita=1",
              {"Não é possível alcançar esta vazão ! A vazão máxima deste conduto é 0,81558 m³/s, a uma "
               "profundidade de 0,93818 m (y/D = 0,93818)."}},
        Falha{"ProfundidadeAcimaDoDiametro",
              "circular D=1 n=0.013 I=0.001 H=1.5",
              {"A profundidade deve ser menor que o diâmetro"}},
        // The window's checks, in its words, before the engine is asked.
        Falha{"CirculoSemProfundidade", "circular D=1 n=0.013 I=0.001", {"A profundidade deve ser maior do que 0.0!"}},
        Falha{"RugosidadeNegativa",
              "trapezoidal Incognita=0 H=1 b=2 z=1.5 n=-0.015 I=0.001",
              {"A rugosidade do material deve ser maior do que 0.0!"}},
        Falha{"TaludeNegativo",
              "trapezoidal Q=1 H=1 b=2 n=0.015 I=0.001 Comp=1 Incognita=4",
              {"Nenhuma inclinação de talude positiva conduz esta vazão."}},
        Falha{"ProfundidadeNula",
              "trapezoidal b=2 z=1.5 n=0.015 I=0.001 Comp=1",
              {"A profundidade deve ser maior do que 0.0!"}},
        Falha{"IncognitaQueASecaoNaoTem", "triangular z=1.5 n=0.015 I=0.001 H=1 Incognita=5", {}},
        // Beyond the discharge the arithmetic carries: refused before calculating, with no question.
        Falha{"VazaoAlemDoLimite",
              kLarguraSemConvergencia,
              {"O valor de Vazão (Q) ultrapassa o limite do cálculo: no máximo 1.000.000.000 m³/s."}}),
    [](const auto& info) { return std::string(info.param.nome); });

// ---------------------------------------------------------------------------------------------------------------
// Usage errors: exit status 2 and nothing on standard output.

class RegularCliUso : public ::testing::TestWithParam<const char*> {};

TEST_P(RegularCliUso, SaiComDoisSemSaida) {
    const CalcRun r = RunCalc(GetParam());
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_TRUE(r.out.empty()) << r.out;
}

INSTANTIATE_TEST_SUITE_P(Casos, RegularCliUso,
                         ::testing::Values("", "hexagonal Q=1", "circular b=1 H=1", "circular Comp=1", "triangular D=1",
                                           "trapezoidal T=0.5", "retangular Vol_Terra=3", "retangular A=3",
                                           "trapezoidal H=um", "trapezoidal H=1 H=2", "trapezoidal Incognita=1.5",
                                           "trapezoidal Incognita=-1", "trapezoidal Incognita=256",
                                           "retangular H=1 --pontos pontos.txt", "circular H=1 --curva",
                                           "trapezoidal H=1,2.3", "trapezoidal H", "trapezoidal --sim x H=1"));

} // namespace
