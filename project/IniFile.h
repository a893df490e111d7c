#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
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
    // A hint before `n` keys are written to an existing section, so its tables grow once; changes nothing.
    virtual void ReservarChaves(std::string_view /*Section*/, std::size_t /*n*/) {}

    // Decimal, or hexadecimal after "0x"; a missing or unreadable value gives `Default`.
    int ReadInteger(std::string_view Section, std::string_view Ident, int Default);
    void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
    // Either "." or "," is taken as the decimal separator; an unreadable value gives `Default`.
    double ReadFloat(std::string_view Section, std::string_view Ident, double Default);
    // A real at a key that may be missing: false when the section or the key is missing; true otherwise,
    // with `valor` empty when the text is not a number. The survey points of a project are read so.
    virtual bool LerRealSeHouver(std::string_view Section, std::string_view Ident, std::optional<double>& valor);
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
// Lookups: a save or an open asks for the keys of a section in the order of its lines, so the line
// after the last key found is tried first; a section gets its index of names only when a name is not
// found there. A project of 100 000 points thus opens and saves in time proportional to its size.
// A key that a foreign program repeated within one section is read from its first line, as the
// platform does, except when the line before the repeated one was the last key asked for.
//
// Writes that are never followed by UpdateFile are lost: call it once the operation is done.
class TIniFile final : public TCustomIniFile {
public:
    explicit TIniFile(std::string FileName, char separadorDecimal = '.');
    ~TIniFile() override;

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) override;
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) override;
    void UpdateFile() override;
    void ReservarChaves(std::string_view Section, std::size_t n) override;
    // Parses the value where it lies in the file: a number is plain ASCII, the same in Windows-1252 and
    // in UTF-8, so hundreds of thousands of reals are read without a copy of each.
    bool LerRealSeHouver(std::string_view Section, std::string_view Ident, std::optional<double>& valor) override;

    bool SectionExists(std::string_view Section);
    bool ValueExists(std::string_view Section, std::string_view Ident);

    // The content UpdateFile would write (Windows-1252 bytes).
    std::string Conteudo();

    // Takes `conteudo` as the file's content instead of reading the file (the file is not touched until
    // UpdateFile); for checks of the parser on arbitrary bytes.
    void CarregarTexto(std::string conteudo);

    // The longest value a read returns, in characters.
    static constexpr std::size_t kMaxValor = 2047;
    // Files larger than this (a project of a million points takes some 70 MB) are not INI files the
    // program wrote: they read as unreadable, as devices, FIFOs and folders do.
    static constexpr std::uint64_t kMaxBytes = 256u << 20;

private:
    // Section or key name -> the first line (or section) so named. Names match with the letter case of
    // Windows-1252 folded, without folded copies.
    //
    // A name made of a prefix and a decimal number (X1, Y1, Rug1 ... the points of a survey) is kept in
    // an array of its prefix, by number: a section of hundreds of thousands of such names is then indexed
    // and looked up in the order its lines lie in memory, where a hash table of that size, megabytes
    // large, would cost a cache miss a name. Other names, and numbers far beyond the count of names, go
    // to an open-addressing table of (hash, position) in one array.
    class Indice {
    public:
        static constexpr std::size_t npos = static_cast<std::size_t>(-1);
        // `nomeDe(posicao)` gives the name stored at a position, for the rare hash that matches.
        template <class NomeDe> std::size_t Procurar(std::string_view nome, NomeDe nomeDe) const;
        // Adds the name unless it is there already; true when added.
        template <class NomeDe> bool Inserir(std::string_view nome, std::size_t posicao, NomeDe nomeDe);
        // Adds the name at `posicao` unless it is there already; the position it had, or npos when added.
        template <class NomeDe> std::size_t InserirOuAchar(std::string_view nome, std::size_t posicao, NomeDe nomeDe);

    private:
        // Eight bytes a name, so the table stays small enough to stay in the cache.
        struct Entrada {
            std::uint32_t hash = 0; // 0: free
            std::uint32_t posicao = 0;
        };
        // The names of one prefix that end in a number without leading zeros.
        struct Familia {
            std::uint32_t hash = 0;    // of the prefix
            std::uint32_t exemplo = 0; // the position of a name of the family: where the prefix is read
            std::uint32_t tamanhoPrefixo = 0;
            std::vector<std::uint32_t> posicoes; // by number: the position + 1, or 0 when there is no such name
        };
        static constexpr std::size_t kMaxFamilias = 8;

        // The index in familias_ of the prefix's family, or npos.
        template <class NomeDe>
        std::size_t FamiliaDe(std::string_view prefixo, std::uint32_t hash, NomeDe nomeDe) const;
        template <class NomeDe> std::size_t ProcurarNaTabela(std::string_view nome, NomeDe nomeDe) const;
        void InserirNaTabela(std::uint32_t hash, std::size_t posicao);
        void Crescer(std::size_t n);

        std::vector<Entrada> tabela_; // a power of two in size, at most three quarters full
        std::size_t usados_ = 0;
        std::vector<Familia> familias_;
        std::size_t nomes_ = 0; // in the table and the families together
    };

    enum class Fim : std::uint8_t { CrLf, Lf, Nenhum };
    // 24 bytes a line: a project of 100 000 points has 300 000 of them.
    struct Linha {
        Linha() = default;
        Linha(std::string_view texto, std::string_view chave, Fim fim, bool primeira)
            : inicio_(texto.data()), tamanho_(static_cast<std::uint32_t>(texto.size())), fim(fim), primeira(primeira) {
            DefinirChave(chave);
        }
        // Windows-1252, without the line end; in arquivo_ or in a block of novos_.
        std::string_view texto() const { return {inicio_, tamanho_}; }
        // The key name within texto, trimmed; empty for other lines.
        std::string_view chave() const { return {inicio_ + inicioChave_, tamanhoChave_}; }
        void DefinirTexto(std::string_view texto) {
            inicio_ = texto.data();
            tamanho_ = static_cast<std::uint32_t>(texto.size());
        }
        // `chave` lies within texto.
        void DefinirChave(std::string_view chave) {
            inicioChave_ = chave.empty() ? 0 : static_cast<std::uint32_t>(chave.data() - inicio_);
            tamanhoChave_ = static_cast<std::uint32_t>(chave.size());
        }

    private:
        // Offsets and sizes fit 32 bits: a file larger than kMaxBytes is never read.
        const char* inicio_ = "";
        std::uint32_t tamanho_ = 0;
        std::uint32_t inicioChave_ = 0;
        std::uint32_t tamanhoChave_ = 0;

    public:
        Fim fim = Fim::CrLf;
        bool primeira = false; // the first line of its section holding this key: the one reads see
    };
    struct Secao {
        std::string_view nome;     // as in its header, trimmed
        std::vector<Linha> linhas; // [0] is the "[name]" line, except in the lines before the first section
        Indice chaves;             // key name -> first line holding it
        std::size_t proxima = 1;   // the line after the last key found: where the next one usually is
        bool indexada = false;     // chaves is built at the first name not found where expected
    };

    void Carregar();
    // Hands the content UpdateFile writes to `receber`, piece by piece, in order.
    template <class Receber> void ParaCadaPedaco(Receber receber) const;
    void Interpretar();
    auto NomeDaSecao() const {
        return [this](std::size_t i) { return secoes_[i].nome; };
    }
    static auto ChaveDaLinha(const Secao& secao) {
        return [&secao](std::size_t i) { return secao.linhas[i].chave(); };
    }
    Secao* Procurar(std::string_view Section);
    void Indexar(Secao& secao);
    Linha* ProcurarChave(Secao& secao, std::string_view chaveCp);
    // The line after the last key found, when it holds this key (trimmed, Windows-1252).
    Linha* ProximaSeFor(Secao& secao, std::string_view chaveCp);
    const Linha* ProcurarChave(std::string_view Section, std::string_view Ident);
    // The value of a key line as a read returns it, still in Windows-1252: trimmed, without enclosing
    // quotes, at most kMaxValor bytes.
    static std::string_view ValorDaLinha(const Linha& linha);
    // Copies the pieces, one after the other, into the store of written texts.
    std::string_view Guardar(std::initializer_list<std::string_view> partes);

    bool carregado_ = false;
    bool alterado_ = false;
    bool falhaLeitura_ = false; // the file exists but could not be read: it must not be overwritten
    std::string arquivo_;       // the file as read; the lines not rewritten point into it
    // Texts of the lines written since, packed in blocks that never move, so a save of many keys
    // allocates a few blocks instead of one string per line.
    std::vector<std::unique_ptr<char[]>> novos_;
    std::size_t livreNoBloco_ = 0;
    char* fimDoBloco_ = nullptr;
    std::vector<Secao> secoes_;                                      // [0]: lines before the first section header
    Indice indice_;                                                  // section name -> first section so named
    std::optional<std::pair<std::string, std::size_t>> ultimaSecao_; // last name asked for, as given, and its section
};

} // namespace sulvo
