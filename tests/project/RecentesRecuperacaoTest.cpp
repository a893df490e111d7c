#include "project/ListaRecentes.h"
#include "project/Recuperacao.h"

#include <gtest/gtest.h>

#include "tests/project/ArquivosTeste.h"

#include <csignal>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

using namespace sulvo;

namespace {

TEST(ListaRecentes, AnyPathRoundTripsAndOlderCopiesStillReadTheOnesWindows1252Holds) {
    PastaTemporaria pasta;
    const std::string ini = pasta / "Sulvo.ini";
    const Recentes4 recentes = {"/obras/Caso.svo", "/obras/caso.svo", "/obras/Проект/канал.svo", "/obras/ação.svo "};
    {
        TIniFile f(ini);
        GravarRecentes(f, "PRINCIPAL", recentes);
        f.UpdateFile();
    }
    TIniFile f(ini);
    EXPECT_EQ(LerRecentes(f, "PRINCIPAL"), recentes);
    // What an older copy sees: the paths Windows-1252 holds as they are, the other one as "?" (it fails to
    // open there, as it always did); the extra key is only where it is needed.
    const std::string bytes = LerBytes(ini);
    EXPECT_NE(bytes.find("path1=/obras/Caso.svo\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("path3=/obras/" + std::string(6, '?') + "/" + std::string(5, '?') + ".svo\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("path4=\"/obras/a\xE7\xE3o.svo \"\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("path1u"), std::string::npos);
    // An older copy replaced entry 3 and kept the extra key it does not know: its entry wins.
    f.WriteString("PRINCIPAL", "path3", "/outra/b.svo");
    EXPECT_EQ(LerRecentes(f, "PRINCIPAL")[2], "/outra/b.svo");
}

// Two running copies: each reads "Sulvo.ini" at its start and stores its list at its exit. The later exit
// merges, so neither erases the other's projects.
TEST(ListaRecentes, TwoInstancesExitingOneAfterTheOtherKeepEachOthersEntries) {
    PastaTemporaria pasta;
    const std::string ini = pasta / "Sulvo.ini";
    GravarBytes(ini, "[PRINCIPAL]\r\npath1=/velho/a.svo\r\npath2=/velho/sumiu.svo\r\n");
    auto sair = [&](const std::vector<std::string>& usados, const Recentes4& lista, std::vector<std::string> sumidos) {
        TIniFile f(ini);
        GravarRecentes(f, "PRINCIPAL", MesclarRecentes(usados, LerRecentes(f, "PRINCIPAL"), lista, sumidos));
        f.UpdateFile();
    };
    // The first copy, a process of its own, opened /b/um.svo and exits first.
    pid_t outra = fork();
    ASSERT_GE(outra, 0);
    if (outra == 0) {
        sair({"/b/um.svo"}, {"/b/um.svo", "/velho/a.svo", "/velho/sumiu.svo", ""}, {});
        _exit(0);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(outra, &estado, 0), outra);
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    // This copy opened /c/dois.svo and found /velho/sumiu.svo gone.
    sair({"/c/dois.svo"}, {"/c/dois.svo", "/velho/a.svo", "", ""}, {"/velho/sumiu.svo"});
    TIniFile f(ini);
    EXPECT_EQ(LerRecentes(f, "PRINCIPAL"), (Recentes4{"/c/dois.svo", "/b/um.svo", "/velho/a.svo", ""}));
}

// A window killed with unsaved changes leaves its copy; a running one's is not offered.
TEST(Recuperacao, TheCopyOfAKilledProcessIsOfferedNamingProjectAndTimeAndCanBeDiscarded) {
    PastaTemporaria pasta;
    const auto dir = pasta.Caminho() / "recuperacao";
    int canal[2];
    ASSERT_EQ(pipe(canal), 0);
    pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
        TRecuperacao r(dir);
        r.Gravar("/obras/canal.svo", [](const std::string& c) { GravarBytes(c, "[SULVO1]\r\nVersao=1.0\r\n"); });
        (void)!write(canal[1], "x", 1);
        pause(); // until the kill
        _exit(0);
    }
    char c;
    ASSERT_EQ(read(canal[0], &c, 1), 1);
    TRecuperacao viva(dir, getppid());
    viva.Gravar("", [](const std::string& c) { GravarBytes(c, "viva"); });
    kill(filho, SIGKILL);
    waitpid(filho, nullptr, 0);

    TRecuperacao estaExecucao(dir);
    auto copias = estaExecucao.Abandonadas();
    ASSERT_EQ(copias.size(), 1u);
    EXPECT_EQ(copias[0].pathProjeto, "/obras/canal.svo");
    EXPECT_EQ(LerBytes(copias[0].arquivo), "[SULVO1]\r\nVersao=1.0\r\n");
    EXPECT_LE(std::abs(copias[0].hora - static_cast<std::int64_t>(std::time(nullptr))), 60);
    const std::string pergunta = TRecuperacao::Pergunta(copias[0], "PROJETO.SVO");
    EXPECT_NE(pergunta.find("\"canal.svo\""), std::string::npos) << pergunta;
    EXPECT_NE(pergunta.find("Deseja restaurá-la?"), std::string::npos);
    char data[16];
    std::time_t agora = std::time(nullptr);
    std::strftime(data, sizeof data, "%d/%m/%Y", std::localtime(&agora));
    EXPECT_NE(pergunta.find(data), std::string::npos) << pergunta;
    TRecuperacao::Descartar(copias[0]);
    EXPECT_TRUE(estaExecucao.Abandonadas().empty());
    // A normal close removes a copy.
    EXPECT_TRUE(viva.TemCopia());
    viva.Remover();
    EXPECT_FALSE(viva.TemCopia());
}

} // namespace
