#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Replacing a file so that a reader sees either the old content or the new one, never a mixture, and
// so that two writers at once leave one of them complete: projects, "Sulvo.ini" and the roughness
// tables are all saved this way.
namespace sulvo {

// Writes `dados` into a temporary file created exclusively beside `caminho` (".name.pid.N.tmp"),
// flushes it to the disk and renames it over `caminho`. A symbolic link stays a link: the file it
// points at is the one replaced. The permission bits of the old file are kept. Before that, the
// temporary files an interrupted earlier save of the same file left behind (those of a process that
// no longer runs) are removed. Returns 0, or the errno of the step that failed, with the old file
// untouched.
int GravarArquivoAtomicamente(const std::string& caminho, std::string_view dados);
// The same, with the content written by `escrever` into the open temporary file (through EscreverTudo, say):
// a large file goes out through a small buffer instead of being assembled whole first. `escrever` returns
// 0, or the errno of a write that failed.
int GravarArquivoAtomicamente(const std::string& caminho, const std::function<int(int fd)>& escrever);
// Writes all of `dados` to `fd`, resuming after interruptions; 0, or the errno of the write that failed.
int EscreverTudo(int fd, std::string_view dados);

// The hidden temporary files ".name.PID.N.tmp" beside `caminho` whose process PID no longer runs
// are removed; the number removed is returned.
int RemoverTemporariosAbandonados(const std::string& caminho);

// Whether the process still runs: it exists and is not a zombie (killed, and not yet reaped by its parent).
bool ProcessoEmExecucao(long pid);

// What is known of a file's content without keeping it: whether it exists, its size, its last
// modification time and a 64-bit hash of its bytes. Two equal fingerprints mean, in practice, the
// same file content.
struct ImpressaoArquivo {
    bool existe = false;
    std::uint64_t tamanho = 0;
    std::int64_t modificadoNs = 0;
    std::uint64_t hash = 0;

    bool operator==(const ImpressaoArquivo&) const = default;
};

// FNV-1a over the bytes.
std::uint64_t HashConteudo(std::string_view dados);

// The fingerprint of the file now; a file that cannot be read counts as missing.
ImpressaoArquivo ImpressaoDe(const std::string& caminho);

// A regular file of at most `limite` bytes, read whole. Nothing for a missing or unreadable file,
// for a folder, a device, a FIFO or a socket (opened without blocking, so a FIFO never holds the
// reader), and for a file beyond the limit; `erro` then receives the errno (EINVAL for a file that
// is not regular, EFBIG for one too large).
std::optional<std::string> LerArquivoRegular(const std::string& caminho, std::uint64_t limite, int* erro = nullptr);

} // namespace sulvo
