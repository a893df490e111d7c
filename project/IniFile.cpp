#include "project/IniFile.h"

#include "common/Cp1252.h"
#include "common/GravacaoAtomica.h"
#include "common/NumberFormat.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace sulvo {
namespace {

std::string_view Aparar(std::string_view t) {
    constexpr std::string_view kBrancos = " \t\r";
    auto inicio = t.find_first_not_of(kBrancos);
    if (inicio == std::string_view::npos)
        return {};
    auto fim = t.find_last_not_of(kBrancos);
    return t.substr(inicio, fim - inicio + 1);
}

char Minuscula(char c) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
        return (b >= 'A' && b <= 'Z') ? static_cast<char>(b + ('a' - 'A')) : c;
    return MinusculaCp1252(c);
}

// Decimal with an optional sign, or hexadecimal after "0x"/"0X"; the 32-bit range of the
// readers the files were written for (hexadecimal wraps, as 0xFFFFFFFF reads as -1).
std::optional<int> LerInteiro(std::string_view t) {
    bool negativo = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negativo = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty())
        return std::nullopt;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        t.remove_prefix(2);
        std::uint64_t v = 0;
        for (char c : t) {
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return std::nullopt;
            v = v * 16 + static_cast<std::uint64_t>(d);
            if (v > 0xFFFFFFFFu)
                return std::nullopt;
        }
        auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return negativo ? static_cast<int>(-static_cast<std::int64_t>(bits)) : bits;
    }
    std::int64_t v = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL)
            return std::nullopt;
    }
    if (negativo)
        v = -v;
    if (v > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(v);
}

// A value that would lose something on reading is written between double quotes, which the reader
// (and the platform's own) takes off: one with blanks at either end, or one already enclosed in a
// pair of quotes. Every other value is stored unchanged.
bool PrecisaDeAspas(std::string_view v) {
    if (v.empty())
        return false;
    auto branco = [](char c) { return c == ' ' || c == '\t'; };
    if (branco(v.front()) || branco(v.back()))
        return true;
    return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

} // namespace

int TCustomIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default) {
    return LerInteiro(ReadString(Section, Ident, "")).value_or(Default);
}

void TCustomIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value) {
    WriteString(Section, Ident, std::to_string(Value));
}

double TCustomIniFile::ReadFloat(std::string_view Section, std::string_view Ident, double Default) {
    return LerReal(ReadString(Section, Ident, "")).value_or(Default);
}

bool TCustomIniFile::LerRealSeHouver(std::string_view Section, std::string_view Ident, std::optional<double>& valor) {
    // A value never holds a line break, so this default cannot be a value read back.
    constexpr std::string_view kAusente = "\n";
    std::string texto = ReadString(Section, Ident, kAusente);
    if (texto == kAusente)
        return false;
    valor = LerReal(texto);
    return true;
}

void TCustomIniFile::WriteFloat(std::string_view Section, std::string_view Ident, double Value) {
    WriteString(Section, Ident, FormatarGeral(Value, separador_));
}

TIniFile::TIniFile(std::string FileName, char separadorDecimal) : TCustomIniFile(std::move(FileName)) {
    SetDecimalSeparator(separadorDecimal);
}

TIniFile::~TIniFile() = default;

namespace {

std::uint32_t HashSemCaixa(std::string_view nome) {
    std::uint64_t h = 14695981039346656037ULL; // FNV-1a
    for (char c : nome) {
        h ^= static_cast<unsigned char>(Minuscula(c));
        h *= 1099511628211ULL;
    }
    // The low bits choose the slot, and FNV's low bits mix poorly: names that differ in their last
    // digits (X1, X2 ...) would crowd together. A 64-bit finaliser spreads every bit over all of them.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return static_cast<std::uint32_t>(h) | 1; // 0 marks a free slot
}

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && Minuscula(a[i]) != Minuscula(b[i]))
            return false;
    return true;
}

} // namespace

namespace {

// Splits a name into a prefix and the decimal number that ends it: "Rug12" is ("Rug", 12). False for a name
// without such a number, with a leading zero ("X01" is another name than "X1") or with more than 9 digits.
bool Numerado(std::string_view nome, std::string_view& prefixo, std::uint32_t& numero) {
    std::size_t i = nome.size();
    while (i > 0 && nome[i - 1] >= '0' && nome[i - 1] <= '9')
        --i;
    const std::size_t digitos = nome.size() - i;
    if (digitos == 0 || digitos > 9 || (digitos > 1 && nome[i] == '0'))
        return false;
    numero = 0;
    for (std::size_t k = i; k < nome.size(); ++k)
        numero = numero * 10 + static_cast<std::uint32_t>(nome[k] - '0');
    prefixo = nome.substr(0, i);
    return true;
}

} // namespace

template <class NomeDe>
std::size_t TIniFile::Indice::FamiliaDe(std::string_view prefixo, std::uint32_t hash, NomeDe nomeDe) const {
    for (std::size_t i = 0; i < familias_.size(); ++i) {
        const Familia& f = familias_[i];
        if (f.hash == hash && f.tamanhoPrefixo == prefixo.size() &&
            IgualSemCaixa(nomeDe(f.exemplo).substr(0, f.tamanhoPrefixo), prefixo))
            return i;
    }
    return npos;
}

template <class NomeDe> std::size_t TIniFile::Indice::ProcurarNaTabela(std::string_view nome, NomeDe nomeDe) const {
    if (tabela_.empty())
        return npos;
    const std::uint32_t h = HashSemCaixa(nome);
    const std::size_t mascara = tabela_.size() - 1;
    for (std::size_t i = h & mascara;; i = (i + 1) & mascara) {
        const Entrada& e = tabela_[i];
        if (e.hash == 0)
            return npos;
        if (e.hash == h && IgualSemCaixa(nomeDe(e.posicao), nome))
            return e.posicao;
    }
}

template <class NomeDe> std::size_t TIniFile::Indice::Procurar(std::string_view nome, NomeDe nomeDe) const {
    std::string_view prefixo;
    std::uint32_t numero = 0;
    if (Numerado(nome, prefixo, numero))
        if (std::size_t i = FamiliaDe(prefixo, HashSemCaixa(prefixo), nomeDe); i != npos) {
            const std::vector<std::uint32_t>& posicoes = familias_[i].posicoes;
            if (numero < posicoes.size() && posicoes[numero] != 0)
                return posicoes[numero] - 1;
        }
    return ProcurarNaTabela(nome, nomeDe);
}

void TIniFile::Indice::Crescer(std::size_t n) {
    std::size_t tamanho = 16;
    while (3 * tamanho < 4 * n)
        tamanho *= 2;
    if (tamanho <= tabela_.size())
        return;
    std::vector<Entrada> antiga(tamanho);
    antiga.swap(tabela_);
    const std::size_t mascara = tabela_.size() - 1;
    for (const Entrada& e : antiga) {
        if (e.hash == 0)
            continue;
        std::size_t i = e.hash & mascara;
        while (tabela_[i].hash != 0)
            i = (i + 1) & mascara;
        tabela_[i] = e;
    }
}

void TIniFile::Indice::InserirNaTabela(std::uint32_t hash, std::size_t posicao) {
    if (4 * (usados_ + 1) > 3 * tabela_.size())
        Crescer(2 * (usados_ + 1));
    const std::size_t mascara = tabela_.size() - 1;
    std::size_t i = hash & mascara;
    while (tabela_[i].hash != 0)
        i = (i + 1) & mascara;
    tabela_[i] = {hash, static_cast<std::uint32_t>(posicao)};
    ++usados_;
}

template <class NomeDe>
std::size_t TIniFile::Indice::InserirOuAchar(std::string_view nome, std::size_t posicao, NomeDe nomeDe) {
    // A name is kept in one place only, so a name already present is found wherever it went.
    if (std::size_t existente = Procurar(nome, nomeDe); existente != npos)
        return existente;
    ++nomes_;
    std::string_view prefixo;
    std::uint32_t numero = 0;
    // The families' arrays stay within a few words a name: a lone "X999999999" goes to the table.
    if (Numerado(nome, prefixo, numero) && numero < 2 * nomes_ + 1024) {
        const std::uint32_t h = HashSemCaixa(prefixo);
        std::size_t i = FamiliaDe(prefixo, h, nomeDe);
        if (i == npos && familias_.size() < kMaxFamilias) {
            familias_.push_back(
                {h, static_cast<std::uint32_t>(posicao), static_cast<std::uint32_t>(prefixo.size()), {}});
            i = familias_.size() - 1;
        }
        if (i != npos) {
            std::vector<std::uint32_t>& posicoes = familias_[i].posicoes;
            if (numero >= posicoes.size())
                posicoes.resize(std::max<std::size_t>(numero + 1, 2 * posicoes.size()));
            posicoes[numero] = static_cast<std::uint32_t>(posicao) + 1;
            return npos;
        }
    }
    InserirNaTabela(HashSemCaixa(nome), posicao);
    return npos;
}

template <class NomeDe> bool TIniFile::Indice::Inserir(std::string_view nome, std::size_t posicao, NomeDe nomeDe) {
    return InserirOuAchar(nome, posicao, nomeDe) == npos;
}

std::string_view TIniFile::Guardar(std::initializer_list<std::string_view> partes) {
    std::size_t tamanho = 0;
    for (auto p : partes)
        tamanho += p.size();
    if (tamanho > livreNoBloco_) {
        // Blocks grow from 4 KB to 256 KB: a settings file costs one small block, a large save a few big ones.
        const std::size_t kBloco = std::size_t{4096} << std::min<std::size_t>(novos_.size(), 6);
        std::size_t bloco = std::max(kBloco, tamanho);
        novos_.push_back(std::unique_ptr<char[]>(new char[bloco]));
        fimDoBloco_ = novos_.back().get();
        livreNoBloco_ = bloco;
    }
    char* inicio = fimDoBloco_;
    for (auto p : partes) {
        if (!p.empty())
            std::memcpy(fimDoBloco_, p.data(), p.size());
        fimDoBloco_ += p.size();
    }
    livreNoBloco_ -= tamanho;
    return {inicio, tamanho};
}

void TIniFile::CarregarTexto(std::string conteudo) {
    carregado_ = true;
    arquivo_ = std::move(conteudo);
    Interpretar();
}

void TIniFile::Carregar() {
    if (carregado_)
        return;
    carregado_ = true;
    int erro = 0;
    auto dados = LerArquivoRegular(FileName(), kMaxBytes, &erro);
    if (!dados) {
        // A missing file reads as empty; anything else (a folder, a device, a FIFO, a file too large or
        // unreadable) reads as empty too but must also keep a later write off it.
        falhaLeitura_ = erro != ENOENT && erro != ENOTDIR;
        secoes_.emplace_back();
        return;
    }
    arquivo_ = std::move(*dados);
    Interpretar();
}

namespace {

// The first character of the line that starts at `pos` that is not a blank.
char PrimeiroNaoBranco(std::string_view bytes, std::size_t pos) {
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r'))
        ++pos;
    return pos < bytes.size() ? bytes[pos] : '\n';
}

} // namespace

void TIniFile::Interpretar() {
    std::string_view bytes = arquivo_;
    // A first pass counts the lines of each section, so each section's lines are allocated once at
    // their final size: a file of a million keys is split without growing and copying its tables.
    std::vector<std::size_t> contagem{0};
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (PrimeiroNaoBranco(bytes, pos) == '[')
            contagem.push_back(0);
        ++contagem.back();
        auto nl = bytes.find('\n', pos);
        pos = nl == std::string_view::npos ? bytes.size() : nl + 1;
    }
    secoes_.reserve(contagem.size());
    secoes_.emplace_back();
    secoes_.back().linhas.reserve(contagem[0]);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        Linha linha;
        auto nl = bytes.find('\n', pos);
        if (nl == std::string_view::npos) {
            linha.DefinirTexto(bytes.substr(pos));
            linha.fim = Fim::Nenhum;
            pos = bytes.size();
        } else {
            bool cr = nl > pos && bytes[nl - 1] == '\r';
            linha.DefinirTexto(bytes.substr(pos, nl - pos - (cr ? 1 : 0)));
            linha.fim = cr ? Fim::CrLf : Fim::Lf;
            pos = nl + 1;
        }
        auto t = Aparar(linha.texto());
        if (!t.empty() && t[0] == '[') {
            auto fecha = t.find(']');
            auto nome = Aparar(t.substr(1, fecha == std::string_view::npos ? std::string_view::npos : fecha - 1));
            secoes_.emplace_back();
            secoes_.back().nome = nome;
            secoes_.back().linhas.reserve(contagem[secoes_.size() - 1]);
            indice_.Inserir(nome, secoes_.size() - 1, NomeDaSecao());
            secoes_.back().linhas.push_back(linha);
            continue;
        }
        Secao& secao = secoes_.back();
        if (secoes_.size() > 1 && !t.empty() && t[0] != ';') {
            auto igual = t.find('=');
            if (igual != std::string_view::npos)
                linha.DefinirChave(Aparar(t.substr(0, igual)));
        }
        secao.linhas.push_back(linha);
    }
}

TIniFile::Secao* TIniFile::Procurar(std::string_view Section) {
    Carregar();
    // A whole save or open asks for the same section many times in a row.
    if (ultimaSecao_ && Section == ultimaSecao_->first)
        return &secoes_[ultimaSecao_->second];
    std::string nome = Utf8ParaCp1252(Section);
    std::size_t posicao = indice_.Procurar(Aparar(nome), NomeDaSecao());
    if (posicao == Indice::npos)
        return nullptr;
    ultimaSecao_.emplace(std::string(Section), posicao);
    return &secoes_[posicao];
}

void TIniFile::Indexar(Secao& secao) {
    if (secao.indexada)
        return;
    secao.indexada = true;
    for (std::size_t i = 0; i < secao.linhas.size(); ++i) {
        Linha& linha = secao.linhas[i];
        if (!linha.chave().empty())
            linha.primeira = secao.chaves.Inserir(linha.chave(), i, ChaveDaLinha(secao));
    }
}

TIniFile::Linha* TIniFile::ProximaSeFor(Secao& secao, std::string_view chaveCp) {
    // A save or an open walks a section in the order of its lines (X1, Y1, Rug1, X2 ...): the line
    // after the last one found is tried first, so a large section is read as it lies in memory.
    // The last one found is tried next: a reader that checks a section's "Versao" twice must not
    // make the section build its index of names for that alone.
    for (std::size_t i : {secao.proxima, secao.proxima - 1}) {
        if (i == 0 || i >= secao.linhas.size())
            continue;
        Linha& provavel = secao.linhas[i];
        if ((provavel.primeira || !secao.indexada) && !provavel.chave().empty() &&
            IgualSemCaixa(provavel.chave(), chaveCp)) {
            secao.proxima = i + 1;
            return &provavel;
        }
    }
    return nullptr;
}

TIniFile::Linha* TIniFile::ProcurarChave(Secao& secao, std::string_view chaveCp) {
    chaveCp = Aparar(chaveCp);
    if (Linha* linha = ProximaSeFor(secao, chaveCp))
        return linha;
    Indexar(secao);
    std::size_t posicao = secao.chaves.Procurar(chaveCp, ChaveDaLinha(secao));
    if (posicao == Indice::npos)
        return nullptr;
    secao.proxima = posicao + 1;
    return &secao.linhas[posicao];
}

const TIniFile::Linha* TIniFile::ProcurarChave(std::string_view Section, std::string_view Ident) {
    Secao* secao = Procurar(Section);
    if (!secao)
        return nullptr;
    return ProcurarChave(*secao, Utf8ParaCp1252(Ident));
}

std::string_view TIniFile::ValorDaLinha(const Linha& linha) {
    auto t = Aparar(linha.texto());
    auto valor = Aparar(t.substr(t.find('=') + 1));
    if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') && valor.back() == valor.front())
        valor = valor.substr(1, valor.size() - 2);
    return valor.substr(0, kMaxValor);
}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) {
    const Linha* linha = ProcurarChave(Section, Ident);
    if (!linha)
        return std::string(Default);
    return Cp1252ParaUtf8(ValorDaLinha(*linha));
}

bool TIniFile::LerRealSeHouver(std::string_view Section, std::string_view Ident, std::optional<double>& valor) {
    const Linha* linha = ProcurarChave(Section, Ident);
    if (!linha)
        return false;
    // Bytes above 127 are never part of a number, in either encoding: such a value is unreadable both ways.
    valor = LerReal(ValorDaLinha(*linha));
    return true;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) {
    std::string chaveCp = Utf8ParaCp1252(Ident);
    std::string valorCp = Utf8ParaCp1252(Value);
    // A line break inside a value would start a new key of the caller's choosing.
    for (char& c : valorCp)
        if (c == '\r' || c == '\n')
            c = ' ';
    const bool aspas = PrecisaDeAspas(valorCp);
    const std::string_view aspa = aspas ? "\"" : "";

    Secao* secao = Procurar(Section);
    if (!secao) {
        for (auto it = secoes_.rbegin(); it != secoes_.rend(); ++it)
            if (!it->linhas.empty()) {
                if (it->linhas.back().fim == Fim::Nenhum)
                    it->linhas.back().fim = Fim::CrLf;
                break;
            }
        std::string secaoCp = Utf8ParaCp1252(Section);
        std::string_view cabecalho = Guardar({"[", secaoCp, "]"});
        secoes_.emplace_back();
        secoes_.back().linhas.push_back({cabecalho, {}, Fim::CrLf, false});
        secoes_.back().indexada = true;
        secoes_.back().nome = Aparar(cabecalho.substr(1, secaoCp.size()));
        indice_.Inserir(secoes_.back().nome, secoes_.size() - 1, NomeDaSecao());
        secao = &secoes_.back();
        ultimaSecao_.reset();
    }

    std::string_view chave = Aparar(chaveCp);
    Linha* linha = ProximaSeFor(*secao, chave);
    // After the last line of the section that is not blank, so blank separators stay last.
    std::size_t pos = secao->linhas.size();
    if (!linha) {
        while (pos > 1 && Aparar(secao->linhas[pos - 1].texto()).empty())
            --pos;
        // One probe of the key table both finds a key the section has and claims the slot of a new one:
        // a save into a new file adds hundreds of thousands of keys, each a miss.
        Indexar(*secao);
        const std::size_t existente = secao->chaves.InserirOuAchar(chave, pos, ChaveDaLinha(*secao));
        if (existente != Indice::npos) {
            linha = &secao->linhas[existente];
            secao->proxima = existente + 1;
        }
    }
    if (linha) {
        // The key keeps the spelling the file had.
        const std::string_view texto = Guardar({linha->chave(), "=", aspa, valorCp, aspa});
        linha->DefinirTexto(texto);
        linha->DefinirChave(texto.substr(0, linha->chave().size()));
    } else {
        if (secao->linhas[pos - 1].fim == Fim::Nenhum)
            secao->linhas[pos - 1].fim = Fim::CrLf;
        std::string_view texto = Guardar({chave, "=", aspa, valorCp, aspa});
        secao->linhas.insert(secao->linhas.begin() + static_cast<std::ptrdiff_t>(pos),
                             Linha{texto, texto.substr(0, chave.size()), Fim::CrLf, true});
        secao->proxima = pos + 1;
    }
    alterado_ = true;
}

void TIniFile::ReservarChaves(std::string_view Section, std::size_t n) {
    // A large save into a new file would otherwise grow the lines of the section step by step, copying
    // them and touching fresh memory each time. A save over the same project finds the keys in place:
    // its section, already as long, is left alone rather than copied into twice the room.
    Secao* secao = Procurar(Section);
    if (!secao || secao->linhas.size() >= n)
        return;
    secao->linhas.reserve(secao->linhas.size() + n);
}

bool TIniFile::SectionExists(std::string_view Section) {
    return Procurar(Section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view Section, std::string_view Ident) {
    return ProcurarChave(Section, Ident) != nullptr;
}

template <class Receber> void TIniFile::ParaCadaPedaco(Receber receber) const {
    for (const auto& secao : secoes_)
        for (const auto& linha : secao.linhas) {
            receber(linha.texto());
            if (linha.fim == Fim::CrLf)
                receber("\r\n");
            else if (linha.fim == Fim::Lf)
                receber("\n");
        }
}

std::string TIniFile::Conteudo() {
    Carregar();
    std::size_t total = 0;
    ParaCadaPedaco([&total](std::string_view pedaco) { total += pedaco.size(); });
    std::string dados;
    dados.reserve(total);
    ParaCadaPedaco([&dados](std::string_view pedaco) { dados += pedaco; });
    return dados;
}

void TIniFile::UpdateFile() {
    if (!alterado_)
        return;
    // The lines go out through a buffer of 256 KB: a project of 100 000 points, some 7 MB, is not first
    // assembled in fresh memory.
    auto escrever = [this](int fd) {
        constexpr std::size_t kBuffer = std::size_t{256} << 10;
        std::string buffer;
        buffer.reserve(kBuffer);
        int falha = 0;
        ParaCadaPedaco([&](std::string_view pedaco) {
            if (falha)
                return;
            if (buffer.size() + pedaco.size() > kBuffer) {
                falha = EscreverTudo(fd, buffer);
                buffer.clear();
            }
            if (pedaco.size() > kBuffer)
                falha = falha ? falha : EscreverTudo(fd, pedaco);
            else
                buffer += pedaco;
        });
        return falha ? falha : EscreverTudo(fd, buffer);
    };
    if (falhaLeitura_ || GravarArquivoAtomicamente(FileName(), escrever) != 0)
        throw EIniFileException("Unable to write to " + FileName());
    alterado_ = false;
}

} // namespace sulvo
