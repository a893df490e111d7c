#include "common/Pastas.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace sulvo;

namespace {

class PastasTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modelo = (fs::temp_directory_path() / "pastas-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modelo.data()), nullptr);
        raiz = modelo;
    }
    void TearDown() override { fs::remove_all(raiz); }

    static void Escrever(const fs::path& arquivo, const std::string& texto) {
        fs::create_directories(arquivo.parent_path());
        std::ofstream(arquivo, std::ios::binary) << texto;
    }
    static std::string Ler(const fs::path& arquivo) {
        std::ifstream f(arquivo, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }

    fs::path raiz;
};

TEST_F(PastasTest, UnpackedCopyUsesTheExecutablesFolder) {
    const fs::path programa = raiz / "sulvo";
    fs::create_directories(programa);
    Escrever(programa / "1.cdb", "tabela");
    EXPECT_EQ(EscolherPastaDeInstalacao(programa, raiz / "usuario"), programa);
    EXPECT_FALSE(fs::exists(raiz / "usuario")); // nothing is copied when the program's folder will do
    EXPECT_TRUE(PastaGravavel(programa));
}

// An installed copy under a prefix it cannot write to (a missing folder is as unwritable as a read-only one,
// whoever runs the test), and one whose bin/ root could write to: both move to the user's folder.
TEST_F(PastasTest, InstalledCopyMovesToTheUsersFolderSeededFromShare) {
    for (bool binGravavel : {false, true}) {
        SCOPED_TRACE(binGravavel ? "bin writable" : "bin missing");
        const fs::path prefixo = raiz / (binGravavel ? "opt" : "usr");
        const fs::path bin = prefixo / "bin";
        const fs::path share = prefixo / "share" / "sulvo";
        if (binGravavel)
            fs::create_directories(bin);
        Escrever(share / "1.cdb", "tabela 1");
        Escrever(share / "Sulvo.hlp", "ajuda");
        Escrever(share / "Cabecalho.jpg", "figura");
        Escrever(share / "LEIAME.txt", "nada");
        const fs::path usuario = prefixo / "home" / ".local" / "share" / "sulvo";

        EXPECT_EQ(PastaGravavel(bin), binGravavel);
        EXPECT_EQ(EscolherPastaDeInstalacao(bin, usuario), usuario);
        EXPECT_EQ(Ler(usuario / "1.cdb"), "tabela 1");
        EXPECT_EQ(Ler(usuario / "Sulvo.hlp"), "ajuda");
        EXPECT_EQ(Ler(usuario / "Cabecalho.jpg"), "figura");
        EXPECT_FALSE(fs::exists(usuario / "LEIAME.txt"));
        EXPECT_TRUE(PastaGravavel(usuario));
        if (binGravavel) {
            EXPECT_TRUE(fs::is_empty(bin)); // nothing written into the prefix
        }
    }
}

// The user's own edits of a table or of the settings survive a later seeding.
TEST_F(PastasTest, SeedingNeverReplacesTheUsersFiles) {
    const fs::path origem = raiz / "instalado";
    const fs::path destino = raiz / "usuario";
    Escrever(origem / "2.CDB", "original");
    Escrever(origem / "Sulvo.ini", "[PRINCIPAL]\r\n");
    Escrever(origem / "3.cdb", "novo");
    Escrever(destino / "2.CDB", "editado pelo usuario");
    SemearPasta(origem, destino);
    EXPECT_EQ(Ler(destino / "2.CDB"), "editado pelo usuario");
    EXPECT_EQ(Ler(destino / "3.cdb"), "novo");
    EXPECT_EQ(Ler(destino / "Sulvo.ini"), "[PRINCIPAL]\r\n");
}

TEST_F(PastasTest, NoUsableFolderFallsBackToTheExecutablesFolder) {
    Escrever(raiz / "arquivo", "x"); // a file where the user's folder would have to be created
    const fs::path bin = raiz / "inexistente" / "bin";
    EXPECT_EQ(EscolherPastaDeInstalacao(bin, raiz / "arquivo" / "sulvo"), bin);
}

TEST_F(PastasTest, UserDataFolderFollowsXdg) {
    const char* antigo = std::getenv("XDG_DATA_HOME");
    const std::string guardado = antigo ? antigo : "";
    ::setenv("XDG_DATA_HOME", raiz.c_str(), 1);
    EXPECT_EQ(PastaDadosUsuario(), raiz / "sulvo");
    ::setenv("XDG_DATA_HOME", "relativo", 1); // ignored, as the XDG rules say
    EXPECT_NE(PastaDadosUsuario(), fs::path("relativo") / "sulvo");
    if (antigo)
        ::setenv("XDG_DATA_HOME", guardado.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST_F(PastasTest, ExecutableFolderHoldsThisTest) {
    const fs::path pasta = PastaDoExecutavel();
    EXPECT_TRUE(pasta.is_absolute());
    EXPECT_TRUE(fs::exists(pasta / "common_tests"));
}

} // namespace
