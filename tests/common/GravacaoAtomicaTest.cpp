#include "common/GravacaoAtomica.h"
#include "tests/support/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sulvo;
namespace fs = std::filesystem;

namespace {

std::string Ler(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void Escrever(const std::string& caminho, const std::string& texto) {
    std::ofstream(caminho, std::ios::binary) << texto;
}

// A process that has ended and been reaped: its PID no longer runs.
pid_t PidTerminado() {
    pid_t filho = fork();
    if (filho == 0)
        _exit(0);
    waitpid(filho, nullptr, 0);
    return filho;
}

TEST(GravacaoAtomica, ASaveRemovesTheTemporariesOfDeadSavesOnlyAndNeverFollowsAPlantedName) {
    PastaTemporaria pasta;
    const std::string a = pasta / "a.svo";
    Escrever(a, "antigo");
    const std::string morto = pasta / (".a.svo." + std::to_string(PidTerminado()) + ".0.tmp");
    const std::string vivo = pasta / (".a.svo." + std::to_string(getppid()) + ".3.tmp");
    const std::string outro = pasta / (".b.svo." + std::to_string(PidTerminado()) + ".0.tmp");
    for (const auto& t : {morto, vivo, outro})
        Escrever(t, "meio gravado");
    // The name this process would try first is a link planted towards another file.
    const std::string alvo = pasta / "alheio";
    Escrever(alvo, "intocado");
    fs::create_symlink(alvo, pasta / (".a.svo." + std::to_string(getpid()) + ".0.tmp"));

    EXPECT_EQ(GravarArquivoAtomicamente(a, "novo"), 0);
    EXPECT_EQ(Ler(a), "novo");
    EXPECT_FALSE(fs::exists(morto));
    EXPECT_TRUE(fs::exists(vivo));  // a running process may still be saving
    EXPECT_TRUE(fs::exists(outro)); // another file's
    EXPECT_EQ(Ler(alvo), "intocado");
}

TEST(GravacaoAtomica, ReadersTakeOnlyRegularFilesWithinTheLimitAndNeverBlockOnAFifo) {
    PastaTemporaria pasta;
    const std::string fifo = pasta / "fila";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    int erro = 0;
    EXPECT_FALSE(LerArquivoRegular(fifo, 1000, &erro));
    EXPECT_EQ(erro, EINVAL);
    EXPECT_FALSE(LerArquivoRegular("/dev/zero", 1000, &erro));
    EXPECT_EQ(erro, EINVAL);
    EXPECT_FALSE(LerArquivoRegular(pasta.Caminho().string(), 1000, &erro));
    EXPECT_EQ(erro, EISDIR);
    Escrever(pasta / "grande", std::string(1001, 'x'));
    EXPECT_FALSE(LerArquivoRegular(pasta / "grande", 1000, &erro));
    EXPECT_EQ(erro, EFBIG);
    EXPECT_EQ(LerArquivoRegular(pasta / "grande", 1001).value_or(""), std::string(1001, 'x'));
    EXPECT_FALSE(LerArquivoRegular(pasta / "nada", 1000, &erro));
    EXPECT_EQ(erro, ENOENT);
}

} // namespace
