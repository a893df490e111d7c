#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace sulvo {

// A write that the platform refused; the message is "Unable to write to <path>".
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Sections and keys of an INI file, read and written as text; integers and reals are encoded on
// top of the text operations. Names match without regard to letter case.
class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string FileName) : fileName_(std::move(FileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    // The value without surrounding blanks or enclosing quotes, at most 2047 characters;
    // `Default` when the file, the section or the key is missing.
    virtual std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) = 0;
    virtual void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) = 0;
    // Sends the writes made so far to the file; raises EIniFileException when it is refused.
    virtual void UpdateFile() = 0;

    // Decimal, or hexadecimal after "0x"; a missing or unreadable value gives `Default`.
    int ReadInteger(std::string_view Section, std::string_view Ident, int Default);
    void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
    // Either "." or "," is taken as the decimal separator; an unreadable value gives `Default`.
    double ReadFloat(std::string_view Section, std::string_view Ident, double Default);
    // General format, 15 significant digits, with the separator of DecimalSeparator().
    void WriteFloat(std::string_view Section, std::string_view Ident, double Value);

    // The separator reals are written with: the user's regional setting at the time of writing.
    char DecimalSeparator() const { return separador_; }
    void SetDecimalSeparator(char separador) { separador_ = separador; }

private:
    std::string fileName_;
    char separador_ = '.';
};

// An INI file in Windows-1252 with CR LF line ends, held in memory for one operation: the file
// is read once, at the first access; writes change the copy in memory; UpdateFile writes the
// whole merged content back in one go. A save of thousands of keys thus costs one read and one
// write of the file, and the file on disk is replaced atomically (a temporary file in the same
// folder, flushed and renamed over it), so a failed save leaves the former content intact.
//
// Merge rules: writing a key replaces its value in place, a new key goes after the last line
// of its section, a new section at the end of the file; every other line, foreign sections and
// stale keys included, is kept byte for byte.
//
// Writes that are never followed by UpdateFile are lost: call it once the operation is done.
class TIniFile final : public TCustomIniFile {
public:
    explicit TIniFile(std::string FileName, char separadorDecimal = '.');
    ~TIniFile() override;

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) override;
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) override;
    void UpdateFile() override;

    bool SectionExists(std::string_view Section);
    bool ValueExists(std::string_view Section, std::string_view Ident);

    // The content UpdateFile would write (Windows-1252 bytes).
    std::string Conteudo();

    // The longest value a read returns, in characters.
    static constexpr std::size_t kMaxValor = 2047;

private:
    // Names compare and hash with the letter case of Windows-1252 folded, so no folded copies are made.
    struct HashSemCaixa {
        std::size_t operator()(std::string_view nome) const noexcept;
    };
    struct IgualSemCaixa {
        bool operator()(std::string_view a, std::string_view b) const noexcept;
    };
    using Indice = std::unordered_map<std::string_view, std::size_t, HashSemCaixa, IgualSemCaixa>;

    enum class Fim : std::uint8_t { CrLf, Lf, Nenhum };
    struct Linha {
        std::string_view texto; // Windows-1252, without the line end; in arquivo_ or in novos_
        Fim fim = Fim::CrLf;
    };
    struct Secao {
        std::vector<Linha> linhas; // [0] is the "[name]" line, except in the lines before the first section
        Indice chaves;             // key name -> first line holding it
    };

    void Carregar();
    void Interpretar();
    Secao* Procurar(std::string_view Section);
    const Linha* ProcurarChave(std::string_view Section, std::string_view Ident);
    std::string_view Guardar(std::string texto);

    bool carregado_ = false;
    bool alterado_ = false;
    bool falhaLeitura_ = false;     // the file exists but could not be read: it must not be overwritten
    std::string arquivo_;           // the file as read; the lines not rewritten point into it
    std::deque<std::string> novos_; // texts of the lines written since (a deque never moves them)
    std::vector<Secao> secoes_;     // [0]: lines before the first section header
    Indice indice_;                 // section name -> first section so named
    std::optional<std::pair<std::string, std::size_t>> ultimaSecao_; // last name asked for, as given, and its section
};

} // namespace sulvo
