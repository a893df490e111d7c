#include "project/GerenteSys.h"

#include <gtest/gtest.h>

#include "tests/project/ArquivosTeste.h"
#include "tests/support/ScriptedDialogService.h"

#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>

using namespace sulvo;
using sulvo::testing::ScriptedDialogService;
using Eventos = std::vector<std::string>;

namespace {

const std::string kNovo = "Deseja Salvar as Alterações em ";
const std::string kAbrir = "Deseja salvar as alterações em ";
const std::string kSubstituir = "Arquivo já existente. Deseja substituir?";

// The manager as the main window sets it up, with handlers that log the events in order.
class GerenteSysTest : public ::testing::Test {
protected:
    GerenteSysTest() {
        g.TituloPrograma = "Sulvo";
        g.NomeDefault = "PROJETO.SVO";
        g.DefinirPastaInstalacao("/opt/sulvo");
        g.OnZerarVariaveis = Registrar("Zerar");
        g.OnAbilitarCampos = Registrar("Abilitar");
        g.OnDesabilitarCampos = Registrar("Desabilitar");
        g.OnLerCamposDados = Registrar("LerCampos");
        g.OnPreencherCamposDados = Registrar("Preencher");
        g.OnLimparCamposDados = Registrar("Limpar");
        g.OnLerArquivo = [this](TGerenteSys&, bool& leuCerto) {
            eventos.push_back("LerArquivo");
            if (leituraLanca)
                throw std::runtime_error("Não foi possível abrir o arquivo");
            leuCerto = leituraCerta;
        };
        g.OnEscreverArquivo = [this](TGerenteSys& s) {
            eventos.push_back("Escrever");
            if (escritaLanca)
                throw std::runtime_error("Não foi possível gravar o arquivo");
            gravados.push_back(s.PathProjeto);
            if (!conteudo.empty())
                GravarBytes(s.PathProjeto, conteudo);
        };
        g.OnTitulo = [this](const std::string& t) { titulos.push_back(t); };
    }

    TNotifyEvent Registrar(const char* nome) {
        return [this, nome](TGerenteSys& sender) {
            EXPECT_EQ(&sender, &g);
            eventos.push_back(nome);
        };
    }

    void Esquecer() {
        eventos.clear();
        titulos.clear();
        gravados.clear();
    }

    // A named project open and unchanged, the logs empty.
    void AbrirProjeto(const std::string& caminho) {
        dialogos.Abrir(caminho);
        ASSERT_TRUE(g.Abrir());
        Esquecer();
    }

    PastaTemporaria pasta;
    ScriptedDialogService dialogos;
    TGerenteSys g{dialogos};
    Eventos eventos;
    Eventos titulos;
    Eventos gravados;
    bool leituraCerta = true;
    bool leituraLanca = false;
    bool escritaLanca = false;
    std::string conteudo; // what a save writes into the file, when not empty
};

TEST_F(GerenteSysTest, NovoStartsAnUntitledProjectInTheInstallationFolder) {
    EXPECT_TRUE(g.Novo());
    EXPECT_EQ(eventos, (Eventos{"Zerar", "Abilitar", "Limpar"}));
    EXPECT_EQ(titulos, (Eventos{"Sulvo (\"PROJETO.SVO\")"}));
    EXPECT_EQ(g.NomeProjeto, "\"PROJETO.SVO\"");
    EXPECT_EQ(g.PathProjeto, "/opt/sulvo/PROJETO.SVO");
    EXPECT_TRUE(g.Aberto());
    EXPECT_FALSE(g.Alterado);
}

TEST_F(GerenteSysTest, SalvarOfAnUntitledProjectAsksForANameAndThenSavesDirectly) {
    g.Novo();
    Esquecer();
    const std::string destino = pasta / "PROJETO.SVO";
    dialogos.Salvar(destino);
    g.Alterado = true;
    EXPECT_TRUE(g.Salvar());
    ASSERT_EQ(dialogos.Pedidos().size(), 1u);
    EXPECT_EQ(dialogos.Pedidos()[0].opcoes.titulo, "Salvar Como");
    EXPECT_EQ(eventos, (Eventos{"LerCampos", "Escrever"}));
    EXPECT_EQ(gravados, (Eventos{destino}));
    EXPECT_EQ(titulos, (Eventos{"Sulvo ('PROJETO.SVO')"}));
    EXPECT_EQ(g.Recentes[0], destino);
    EXPECT_FALSE(g.Alterado);

    // Named now, though with the default file name: no dialog any more.
    Esquecer();
    EXPECT_TRUE(g.Salvar());
    EXPECT_EQ(eventos, (Eventos{"LerCampos", "Escrever"}));
    EXPECT_EQ(dialogos.Pedidos().size(), 1u);
}

TEST_F(GerenteSysTest, AbrirReadsTheChosenFileAndNamesTheProjectAfterIt) {
    g.Recentes = {"/a.svo", "", "", ""};
    dialogos.Abrir("/obras/barragem.svo");
    EXPECT_TRUE(g.Abrir());
    EXPECT_EQ(eventos, (Eventos{"Limpar", "Zerar", "LerArquivo", "Abilitar", "Preencher"}));
    EXPECT_EQ(titulos, (Eventos{"Sulvo ('barragem.svo')"}));
    EXPECT_EQ(g.NomeProjeto, "barragem.svo");
    EXPECT_EQ(g.PathProjeto, "/obras/barragem.svo");
    EXPECT_EQ(g.SaveDialog.nomeSugerido, "barragem.svo");
    EXPECT_EQ(g.Recentes, (std::array<std::string, 4>{"/obras/barragem.svo", "/a.svo", "", ""}));
    EXPECT_TRUE(g.Aberto());
    EXPECT_TRUE(g.TemArquivo());
}

TEST_F(GerenteSysTest, AbrirArquivoOpensByNameWithoutTouchingTheSaveDialog) {
    EXPECT_TRUE(g.AbrirArquivo("/obras/canal.svo"));
    EXPECT_EQ(eventos, (Eventos{"Limpar", "Zerar", "LerArquivo", "Abilitar", "Preencher"}));
    EXPECT_EQ(titulos, (Eventos{"Sulvo ('canal.svo')"}));
    EXPECT_EQ(g.SaveDialog.nomeSugerido, "");
    EXPECT_EQ(g.Recentes[0], "/obras/canal.svo");
    EXPECT_TRUE(dialogos.Pedidos().empty());
}

TEST_F(GerenteSysTest, CancellingTheOpenDialogChangesNothing) {
    AbrirProjeto("/obras/a.svo");
    g.Alterado = true;
    dialogos.SimNaoCancelar(kAbrir + "a.svo", Resposta::Nao).Abrir(std::nullopt);
    EXPECT_FALSE(g.Abrir());
    EXPECT_TRUE(eventos.empty());
    EXPECT_TRUE(g.Alterado);
    EXPECT_EQ(g.PathProjeto, "/obras/a.svo");
}

// After a failed read no project is left in the window: the manager tells the window to fall
// back to its no-project state and a later Salvar writes nothing and leaves the recent list.
class AberturaFalhaTest : public GerenteSysTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AberturaFalhaTest, AFailedOpenLeavesNoProjectAndNothingToSave) {
    bool lanca = GetParam();
    AbrirProjeto("/obras/a.svo");
    g.Recentes = {"/obras/a.svo", "/b.svo", "", ""};
    leituraCerta = false;
    leituraLanca = lanca;
    dialogos.Abrir("/obras/estragado.svo");
    if (lanca)
        EXPECT_THROW(g.Abrir(), std::runtime_error);
    else
        EXPECT_FALSE(g.Abrir());
    EXPECT_EQ(eventos, (Eventos{"Limpar", "Zerar", "LerArquivo", "Desabilitar"}));
    EXPECT_EQ(titulos, (Eventos{"Sulvo"}));
    EXPECT_EQ(g.PathProjeto, "/obras/a.svo");
    EXPECT_EQ(g.NomeProjeto, "a.svo");
    EXPECT_FALSE(g.Aberto());

    Esquecer();
    EXPECT_FALSE(g.Salvar());
    EXPECT_FALSE(g.SalvarComo());
    EXPECT_TRUE(eventos.empty());
    EXPECT_EQ(g.Recentes, (std::array<std::string, 4>{"/obras/a.svo", "/b.svo", "", ""}));
}

TEST_P(AberturaFalhaTest, ARecentEntryThatCannotBeOpenedFailsSilentlyOrLeavesTheListWhenItsFileIsGone) {
    leituraCerta = false;
    leituraLanca = GetParam();
    g.Novo();
    g.Recentes = {"/sumiu/velho.svo", pasta / "existe.svo", "", ""};
    GravarBytes(pasta / "existe.svo", "estragado");
    Esquecer();
    // A file that exists but does not read: no message, the entry stays.
    EXPECT_FALSE(g.AbrirArquivo(pasta / "existe.svo"));
    EXPECT_TRUE(dialogos.Pedidos().empty());
    EXPECT_EQ(g.Recentes[1], pasta / "existe.svo");
    Esquecer();
    // A file that is gone: the entry leaves the list, with a message.
    dialogos.EsperarMensagem("O arquivo /sumiu/velho.svo não foi encontrado e foi retirado da lista de projetos "
                             "recentes.");
    EXPECT_FALSE(g.AbrirArquivo("/sumiu/velho.svo"));
    EXPECT_EQ(eventos, (Eventos{"Limpar", "Zerar", "LerArquivo", "Desabilitar"}));
    EXPECT_EQ(g.Recentes, (std::array<std::string, 4>{pasta / "existe.svo", "", "", ""}));
    EXPECT_EQ(g.Removidos(), (std::vector<std::string>{"/sumiu/velho.svo"}));
    EXPECT_EQ(g.NomeProjeto, "velho.svo"); // the name is taken before reading
    EXPECT_EQ(g.PathProjeto, "/opt/sulvo/PROJETO.SVO");
    EXPECT_FALSE(g.Aberto());
    Esquecer();
    EXPECT_FALSE(g.Salvar());
    EXPECT_TRUE(eventos.empty());
}

INSTANTIATE_TEST_SUITE_P(LeituraRecusadaOuExcecao, AberturaFalhaTest, ::testing::Bool());

struct RecentesCaso {
    std::array<std::string, 4> antes;
    std::string aberto;
    std::array<std::string, 4> depois;
};

class RecentesTest : public ::testing::TestWithParam<RecentesCaso> {};

TEST_P(RecentesTest, MoveToFrontComparingPathsExactly) {
    ScriptedDialogService dialogos;
    TGerenteSys g(dialogos);
    g.Recentes = GetParam().antes;
    g.PathProjeto = GetParam().aberto;
    g.AtualizarRecentes();
    EXPECT_EQ(g.Recentes, GetParam().depois);
}

// On Linux Caso.svo and caso.svo are two files: a path in other letters is another entry.
INSTANTIATE_TEST_SUITE_P(Listas, RecentesTest,
                         ::testing::Values(RecentesCaso{{"/A", "/B", "/C", "/D"}, "/C", {"/C", "/A", "/B", "/D"}},
                                           RecentesCaso{{"/A", "/B", "/C", "/D"}, "/c", {"/c", "/A", "/B", "/C"}},
                                           RecentesCaso{{"/A", "/B", "/C", "/D"}, "/E", {"/E", "/A", "/B", "/C"}},
                                           RecentesCaso{{"/A", "/B", "/C", "/D"}, "/A", {"/A", "/B", "/C", "/D"}},
                                           RecentesCaso{{"/A", "/B", "/C", "/D"}, "/a", {"/a", "/A", "/B", "/C"}},
                                           RecentesCaso{{"/A", "/B", "/C", "/D"}, "/B", {"/B", "/A", "/C", "/D"}},
                                           RecentesCaso{{"/A", "/B", "/C", "/D"}, "/D", {"/D", "/A", "/B", "/C"}},
                                           RecentesCaso{{"", "", "", ""}, "/A", {"/A", "", "", ""}},
                                           RecentesCaso{{"/Ação", "", "", ""}, "/AÇÃO", {"/AÇÃO", "/Ação", "", ""}},
                                           RecentesCaso{{"/A", "/X", "/A", ""}, "/A", {"/A", "/A", "/X", ""}}));

TEST_F(GerenteSysTest, TheTwoSavePromptsDifferInCapitals) {
    g.Novo();
    g.Alterado = true;
    dialogos.SimNaoCancelar(kNovo + "\"PROJETO.SVO\"", Resposta::Cancelar);
    Esquecer();
    EXPECT_FALSE(g.Novo());
    EXPECT_TRUE(eventos.empty());
    EXPECT_TRUE(g.Alterado);

    dialogos.SimNaoCancelar(kAbrir + "\"PROJETO.SVO\"", Resposta::Cancelar);
    EXPECT_FALSE(g.Abrir());
    dialogos.SimNaoCancelar(kAbrir + "\"PROJETO.SVO\"", Resposta::Cancelar);
    EXPECT_FALSE(g.AbrirArquivo("/x.svo"));
    dialogos.SimNaoCancelar(kAbrir + "\"PROJETO.SVO\"", Resposta::Cancelar);
    EXPECT_FALSE(g.Fechar());
    EXPECT_TRUE(eventos.empty());
    EXPECT_TRUE(g.Aberto());
}

TEST_F(GerenteSysTest, YesAndACancelledSaveAsKeepTheUnsavedProject) {
    g.Novo();
    g.Alterado = true;
    Esquecer();
    dialogos.SimNaoCancelar(kNovo + "\"PROJETO.SVO\"", Resposta::Sim).Salvar(std::nullopt);
    EXPECT_FALSE(g.Novo());
    dialogos.SimNaoCancelar(kAbrir + "\"PROJETO.SVO\"", Resposta::Sim).Salvar(std::nullopt);
    EXPECT_FALSE(g.AbrirArquivo("/obras/b.svo"));
    EXPECT_TRUE(eventos.empty());
    EXPECT_TRUE(g.Aberto());
    EXPECT_TRUE(g.Alterado);
    EXPECT_EQ(g.NomeProjeto, "\"PROJETO.SVO\"");
}

TEST_F(GerenteSysTest, OpeningWithYesSavesTheNamedProjectFirst) {
    AbrirProjeto(pasta / "a.svo");
    g.Alterado = true;
    dialogos.SimNaoCancelar(kAbrir + "a.svo", Resposta::Sim);
    EXPECT_TRUE(g.AbrirArquivo("/obras/b.svo"));
    EXPECT_EQ(eventos, (Eventos{"LerCampos", "Escrever", "Limpar", "Zerar", "LerArquivo", "Abilitar", "Preencher"}));
    EXPECT_EQ(gravados, (Eventos{pasta / "a.svo"}));
    EXPECT_EQ(g.Recentes[0], "/obras/b.svo");
    EXPECT_EQ(g.Recentes[1], pasta / "a.svo");
}

TEST_F(GerenteSysTest, FecharWithYesAndACancelledSaveAsKeepsTheProjectOpen) {
    g.Novo();
    g.Alterado = true;
    Esquecer();
    dialogos.SimNaoCancelar(kAbrir + "\"PROJETO.SVO\"", Resposta::Sim).Salvar(std::nullopt);
    EXPECT_FALSE(g.Fechar());
    EXPECT_TRUE(eventos.empty());
    EXPECT_TRUE(g.Aberto());
    EXPECT_TRUE(g.Alterado);
}

TEST_F(GerenteSysTest, FecharWithYesSavesReadsTheFieldsOnceMoreAndCloses) {
    AbrirProjeto(pasta / "a.svo");
    g.Recentes = {"/outro.svo", pasta / "a.svo", "", ""};
    g.Alterado = true;
    dialogos.SimNaoCancelar(kAbrir + "a.svo", Resposta::Sim);
    EXPECT_TRUE(g.Fechar());
    EXPECT_EQ(eventos, (Eventos{"LerCampos", "Escrever", "LerCampos", "Limpar", "Zerar", "Desabilitar"}));
    EXPECT_TRUE(titulos.empty());
    EXPECT_EQ(g.Recentes[0], pasta / "a.svo");
    EXPECT_FALSE(g.Aberto());
    EXPECT_EQ(g.PathProjeto, pasta / "a.svo");
    EXPECT_EQ(g.NomeProjeto, "a.svo");
}

TEST_F(GerenteSysTest, FecharWithNoRestoresTheBareTitle) {
    AbrirProjeto("/obras/a.svo");
    g.Alterado = true;
    dialogos.SimNaoCancelar(kAbrir + "a.svo", Resposta::Nao);
    EXPECT_TRUE(g.Fechar());
    EXPECT_EQ(titulos, (Eventos{"Sulvo"}));
    EXPECT_EQ(eventos, (Eventos{"Limpar", "Zerar", "Desabilitar"}));
    EXPECT_FALSE(g.Alterado);

    // Unchanged: no question at all.
    Esquecer();
    EXPECT_TRUE(g.Fechar());
    EXPECT_EQ(eventos, (Eventos{"Limpar", "Zerar", "Desabilitar"}));
}

TEST_F(GerenteSysTest, ChangesWithoutAnOpenProjectPromptOnlyOnClose) {
    g.Alterado = true; // no project is open
    EXPECT_TRUE(g.Novo());
    EXPECT_TRUE(g.Fechar());
    g.Alterado = true;
    dialogos.Abrir(std::nullopt);
    EXPECT_FALSE(g.Abrir());
    dialogos.SimNaoCancelar(kAbrir + "\"PROJETO.SVO\"", Resposta::Cancelar);
    EXPECT_FALSE(g.Fechar());
    EXPECT_EQ(dialogos.Pedidos().size(), 2u);
}

TEST_F(GerenteSysTest, SaveAsOntoAnExistingFileAsksAndRepeatsTheDialogOnNo) {
    AbrirProjeto(pasta / "a.svo");
    g.Recentes = {pasta / "a.svo", "", "", ""};
    GravarBytes(pasta / "existe.svo", "[SULVO1]\r\n");
    dialogos.Salvar(pasta / "existe.svo").SimNao(kSubstituir, false).Salvar(std::nullopt);
    EXPECT_FALSE(g.SalvarComo());
    EXPECT_TRUE(eventos.empty());
    EXPECT_TRUE(titulos.empty());
    EXPECT_EQ(g.NomeProjeto, "a.svo");
    EXPECT_EQ(g.Recentes, (std::array<std::string, 4>{pasta / "a.svo", "", "", ""}));

    dialogos.Salvar(pasta / "existe.svo").SimNao(kSubstituir, true);
    EXPECT_TRUE(g.SalvarComo());
    EXPECT_EQ(eventos, (Eventos{"LerCampos", "LerCampos", "Escrever"}));
    EXPECT_EQ(titulos, (Eventos{"Sulvo ('existe.svo')"}));
    EXPECT_EQ(g.Recentes[0], pasta / "existe.svo");
    EXPECT_EQ(g.Recentes[1], pasta / "a.svo");
    for (const auto& pedido : dialogos.Pedidos()) {
        if (pedido.tipo == ScriptedDialogService::Tipo::SalvarArquivo) {
            EXPECT_EQ(pedido.opcoes.titulo, "Salvar Como");
        }
    }
}

TEST_F(GerenteSysTest, AFailedWriteLeavesTheProjectChangedAndTheRecentListAlone) {
    AbrirProjeto("/obras/a.svo");
    g.Recentes = {"/x.svo", "/obras/a.svo", "", ""};
    g.Alterado = true;
    escritaLanca = true;
    EXPECT_THROW(g.Salvar(), std::runtime_error);
    EXPECT_TRUE(g.Alterado);
    EXPECT_EQ(g.Recentes[0], "/x.svo");

    // Closing then asks again instead of losing the changes silently.
    dialogos.SimNaoCancelar(kAbrir + "a.svo", Resposta::Cancelar);
    EXPECT_FALSE(g.Fechar());
}

TEST_F(GerenteSysTest, AFailedSaveAsKeepsTheFormerName) {
    g.Novo();
    g.Alterado = true;
    Esquecer();
    escritaLanca = true;
    dialogos.Salvar("/sem-pasta/novo.svo");
    EXPECT_THROW(g.SalvarComo(), std::runtime_error);
    EXPECT_EQ(g.NomeProjeto, "\"PROJETO.SVO\"");
    EXPECT_EQ(g.PathProjeto, "/opt/sulvo/PROJETO.SVO");
    EXPECT_TRUE(titulos.empty());
    EXPECT_TRUE(g.Alterado);
    EXPECT_EQ(g.Recentes[0], "");

    // Salvar still goes through the dialog, since the project has no file yet.
    escritaLanca = false;
    dialogos.Salvar(pasta / "novo.svo");
    EXPECT_TRUE(g.Salvar());
    EXPECT_EQ(g.Recentes[0], pasta / "novo.svo");
}

TEST_F(GerenteSysTest, FileDialogsStartBesideTheProjectNeverInTheInstallationFolder) {
    std::filesystem::create_directories(pasta / "inst");
    std::filesystem::create_directories(pasta / "docs");
    std::filesystem::create_directories(pasta / "proj");
    g.DefinirPastaInstalacao(pasta / "inst");
    g.DefinirPastasDialogo(pasta / "docs", {pasta / "dados"});
    auto pastaPedida = [this] { return dialogos.Pedidos().back().opcoes.pasta; };
    // Nothing open and no recent project: the documents folder.
    dialogos.Abrir(std::nullopt);
    EXPECT_FALSE(g.Abrir());
    EXPECT_EQ(pastaPedida(), pasta / "docs");
    // The most recent project whose folder is not the installation folder.
    g.Recentes = {pasta / "inst/velho.svo", pasta / "proj/b.svo", "", ""};
    dialogos.Abrir(std::nullopt);
    g.Abrir();
    EXPECT_EQ(pastaPedida(), pasta / "proj");
    // A new project lives in the installation folder until it is saved: "Salvar Como" does not go there.
    g.Novo();
    dialogos.Salvar(std::nullopt);
    g.SalvarComo();
    EXPECT_EQ(pastaPedida(), pasta / "proj");
    EXPECT_EQ(dialogos.Pedidos().back().opcoes.nomeSugerido, "PROJETO.SVO");
    // An open project: its own name in its own folder.
    std::filesystem::create_directories(pasta / "outra");
    dialogos.Abrir(pasta / "outra/a.svo");
    ASSERT_TRUE(g.Abrir());
    dialogos.Salvar(std::nullopt);
    g.SalvarComo();
    EXPECT_EQ(pastaPedida(), pasta / "outra");
    EXPECT_EQ(dialogos.Pedidos().back().opcoes.nomeSugerido, "a.svo");
}

// Two windows on one project, the other one in a process of its own: the later save asks instead of
// overwriting the other's work, and every answer does what it says.
TEST_F(GerenteSysTest, ASaveOverAFileChangedOutsideAsksFirst) {
    const std::string a = pasta / "a.svo";
    GravarBytes(a, "lido");
    g.OnLerArquivo = [](TGerenteSys&, bool& leuCerto) { leuCerto = true; };
    AbrirProjeto(a);
    pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        // The other window opens the same project and saves its own changes.
        ScriptedDialogService semPerguntas([](const std::string&) { _exit(3); });
        TGerenteSys outra(semPerguntas);
        outra.OnLerArquivo = [](TGerenteSys&, bool& leuCerto) { leuCerto = true; };
        outra.OnEscreverArquivo = [](TGerenteSys& s) { GravarBytes(s.PathProjeto, "da outra janela"); };
        _exit(outra.AbrirArquivo(a) && outra.Salvar() ? 0 : 1);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(filho, &estado, 0), filho);
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);

    conteudo = "desta janela";
    g.Alterado = true;
    const std::string pergunta = TGerenteSys::PerguntaAlteradoFora(a, false);
    dialogos.SimNaoCancelar(pergunta, Resposta::Cancelar);
    EXPECT_FALSE(g.Salvar());
    EXPECT_EQ(LerBytes(a), "da outra janela");
    EXPECT_TRUE(g.Alterado);
    // Another name: the other window's file stays, this project now lives in b.svo.
    dialogos.SimNaoCancelar(pergunta, Resposta::Nao).Salvar(pasta / "b.svo");
    EXPECT_TRUE(g.Salvar());
    EXPECT_EQ(LerBytes(a), "da outra janela");
    EXPECT_EQ(LerBytes(pasta / "b.svo"), "desta janela");
    EXPECT_EQ(g.PathProjeto, pasta / "b.svo");
    // Unchanged since this save: no question.
    EXPECT_TRUE(g.Salvar());
    // Removed by someone else: asked too; replacing writes it again.
    std::filesystem::remove(pasta / "b.svo");
    dialogos.SimNaoCancelar(TGerenteSys::PerguntaAlteradoFora(pasta / "b.svo", true), Resposta::Sim);
    EXPECT_TRUE(g.Salvar());
    EXPECT_EQ(LerBytes(pasta / "b.svo"), "desta janela");
}

TEST_F(GerenteSysTest, EachSaveKeepsThePreviousFileAsBak) {
    const std::string a = pasta / "a.svo";
    GravarBytes(a, "primeira");
    AbrirProjeto(a);
    conteudo = "segunda";
    ASSERT_TRUE(g.Salvar());
    EXPECT_EQ(LerBytes(a + ".bak"), "primeira");
    conteudo = "terceira";
    ASSERT_TRUE(g.Salvar());
    EXPECT_EQ(LerBytes(a + ".bak"), "segunda"); // one generation
    EXPECT_EQ(LerBytes(a), "terceira");
}

} // namespace
