#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Recovery copies: while a project has unsaved changes, the main window writes a copy of it every two
// minutes into a folder of the user's data, one copy per running window, named after its process.
// A normal close removes the copy; a copy whose process no longer runs was left by a crash, a kill or
// a power cut, and is offered at the next start.
namespace sulvo {

class TRecuperacao {
public:
    // Every copy of this process goes into `pasta` (created when first needed) as "<pid>.svo", with a
    // note "<pid>.ini" saying which project it is and when it was written.
    explicit TRecuperacao(std::filesystem::path pasta, long pid = -1);

    static constexpr int kIntervaloMs = 2 * 60 * 1000;

    // `escrever(caminho)` writes the project into `caminho`; the note follows only once the copy is
    // complete, so a note always describes a whole copy. `pathProjeto` is the project's file, empty for a
    // project never saved. Errors are the caller's to ignore: a failed copy must not stop the work.
    void Gravar(const std::string& pathProjeto, const std::function<void(const std::string&)>& escrever);
    // The copy of this process, if any, is removed.
    void Remover();
    bool TemCopia() const;

    struct Copia {
        std::string arquivo;     // the copy, a project file
        std::string nota;        // its note
        std::string pathProjeto; // the project it is a copy of; empty for one never saved
        std::int64_t hora = 0;   // when it was written, seconds since 1970
    };
    // Copies whose process no longer runs, the newest first.
    std::vector<Copia> Abandonadas() const;
    static void Descartar(const Copia& copia);
    // "Foi encontrada uma cópia de recuperação do projeto "a.svo", gravada em 09/12/2026 às 14:02 ..."
    static std::string Pergunta(const Copia& copia, const std::string& nomeSemArquivo);

    const std::filesystem::path& Pasta() const { return pasta_; }

private:
    std::filesystem::path pasta_;
    long pid_;
};

} // namespace sulvo
