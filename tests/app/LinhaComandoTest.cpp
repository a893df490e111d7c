#include "app/LinhaComando.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

using namespace sulvo;
using Acao = TLinhaComando::Acao;

namespace {

struct Caso {
    const char* nome;
    std::vector<std::string> args;
    Acao acao;
    std::string arquivo; // expected file, relative ones against the current folder
    std::string mensagem;
};

class LinhaComandoTest : public ::testing::TestWithParam<Caso> {};

TEST_P(LinhaComandoTest, LeAcaoArquivoEMensagem) {
    const Caso& c = GetParam();
    const TLinhaComando linha = LerLinhaComando(c.args);
    EXPECT_EQ(linha.acao, c.acao);
    const std::string esperado =
        c.arquivo.empty() ? "" : (std::filesystem::current_path() / c.arquivo).lexically_normal().string();
    EXPECT_EQ(linha.arquivo, esperado);
    EXPECT_EQ(linha.mensagem, c.mensagem);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LinhaComandoTest,
    ::testing::Values(
        Caso{"SemArgumentos", {}, Acao::Executar, "", ""},
        // Made absolute now: the window later changes the current folder to its installation folder.
        Caso{"ArquivoRelativo", {"obras/../canal.svo"}, Acao::Executar, "canal.svo", ""},
        Caso{"ArquivoAbsoluto", {"/tmp/Canal Norte.SVO"}, Acao::Executar, "/tmp/Canal Norte.SVO", ""},
        Caso{"ArquivoComHifenDepoisDeDoisHifens", {"--", "-x.svo"}, Acao::Executar, "-x.svo", ""},
        Caso{"Versao", {"--version"}, Acao::Versao, "", ""}, Caso{"Ajuda", {"--help"}, Acao::Ajuda, "", ""},
        Caso{"AjudaCurta", {"-h"}, Acao::Ajuda, "", ""},
        Caso{"OpcaoDesconhecida", {"-platform"}, Acao::Erro, "", "opção desconhecida: -platform"},
        Caso{"VersaoComArquivo", {"a.svo", "--version"}, Acao::Erro, "", "--version não aceita outros argumentos"},
        Caso{"DoisArquivos", {"a.svo", "b.svo"}, Acao::Erro, "", "só um projeto pode ser aberto de cada vez"},
        Caso{"NomeVazio", {""}, Acao::Erro, "", "nome de arquivo vazio"}),
    [](const auto& info) { return std::string(info.param.nome); });

// The program itself answers without a display and with the right streams and statuses.
struct Execucao {
    std::string saida, erros;
    int status = -1;
};

Execucao Executar(const std::string& args) {
    Execucao r;
    const std::string erros = (std::filesystem::temp_directory_path() / "sulvo-linha-erros.txt").string();
    const std::string cmd = std::string("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '") + SULVO_PATH + "' " +
                            args + " 2>'" + erros + "'";
    FILE* pipe = popen(cmd.c_str(), "r");
    if (!pipe)
        return r;
    std::array<char, 4096> buf{};
    std::size_t lidos;
    while ((lidos = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        r.saida.append(buf.data(), lidos);
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* f = std::fopen(erros.c_str(), "r")) {
        while ((lidos = fread(buf.data(), 1, buf.size(), f)) > 0)
            r.erros.append(buf.data(), lidos);
        std::fclose(f);
        std::remove(erros.c_str());
    }
    return r;
}

TEST(LinhaComandoPrograma, RespondeSemJanela) {
    Execucao v = Executar("--version");
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.saida, std::string("sulvo ") + SULVO_VERSION_ESPERADA + "\n");
    EXPECT_EQ(v.erros, "");

    Execucao h = Executar("--help");
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(h.saida, TextoDeUsoSulvo());

    Execucao e = Executar("--abrir x.svo");
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.erros, "sulvo: opção desconhecida: --abrir (veja sulvo --help)\n");
}

} // namespace
