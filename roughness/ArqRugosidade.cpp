#include "roughness/ArqRugosidade.h"

#include "common/Cp1252.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace sulvo {
namespace {

constexpr std::size_t PosMinima = 256;
constexpr std::size_t PosMaxima = 264;
constexpr std::size_t PosNormal = 272;

void GravarInt32(unsigned char* p, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(u >> (8 * i));
}

std::int32_t LerInt32(const unsigned char* p) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= std::uint32_t{p[i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

void GravarDouble(unsigned char* p, double v) {
    auto u = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<unsigned char>(u >> (8 * i));
}

double LerDouble(const unsigned char* p) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i)
        u |= std::uint64_t{p[i]} << (8 * i);
    return std::bit_cast<double>(u);
}

// The name as the user knows it: full path, as in the system's file messages.
std::string CaminhoCompleto(const std::string& nome) {
    std::error_code ec;
    auto caminho = std::filesystem::absolute(nome, ec);
    return ec ? nome : caminho.lexically_normal().string();
}

std::string MensagemArquivo(const char* acao, const std::string& nome, int erro) {
    return std::string("Cannot ") + acao + " file \"" + CaminhoCompleto(nome) + "\". " + std::strerror(erro);
}

struct FecharArquivo {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Arquivo = std::unique_ptr<std::FILE, FecharArquivo>;

// Writes the whole table into an open file; false on the first failed write or on a failed flush.
bool EscreverTabela(std::FILE* f, const std::vector<TRegistroRugosidade>& registros) {
    unsigned char cabecalho[TamanhoCabecalhoRugosidade];
    GravarInt32(cabecalho, static_cast<std::int32_t>(registros.size()));
    if (std::fwrite(cabecalho, 1, sizeof cabecalho, f) != sizeof cabecalho)
        return false;
    for (const auto& registro : registros) {
        auto bytes = CodificarRegistro(registro);
        if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
            return false;
    }
    return std::fflush(f) == 0;
}

} // namespace

std::array<unsigned char, TamanhoRegistroRugosidade> CodificarRegistro(const TRegistroRugosidade& registro) {
    std::array<unsigned char, TamanhoRegistroRugosidade> bytes{};
    std::string descricao = Utf8ParaCp1252(registro.Descricao);
    if (descricao.size() > MaxDescricaoRugosidade)
        descricao.resize(MaxDescricaoRugosidade);
    bytes[0] = static_cast<unsigned char>(descricao.size());
    std::memcpy(bytes.data() + 1, descricao.data(), descricao.size());
    GravarDouble(bytes.data() + PosMinima, registro.Minima);
    GravarDouble(bytes.data() + PosMaxima, registro.Maxima);
    GravarDouble(bytes.data() + PosNormal, registro.Normal);
    return bytes;
}

TRegistroRugosidade DecodificarRegistro(const unsigned char* bytes) {
    TRegistroRugosidade registro;
    std::size_t tamanho = bytes[0]; // at most 255: always within the 255-byte field
    registro.Descricao = Cp1252ParaUtf8(std::string_view(reinterpret_cast<const char*>(bytes + 1), tamanho));
    registro.Minima = LerDouble(bytes + PosMinima);
    registro.Maxima = LerDouble(bytes + PosMaxima);
    registro.Normal = LerDouble(bytes + PosNormal);
    return registro;
}

std::string CortarDescricao(const std::string& utf8, std::size_t maximo) {
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        bool inicio = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (inicio && caracteres++ == maximo)
            return utf8.substr(0, i);
    }
    return utf8;
}

bool TArqRugosidade::LerArquivo(const std::string& nome, std::string* erro) {
    Arquivo f(std::fopen(nome.c_str(), "rb"));
    if (!f) {
        if (erro)
            *erro = MensagemArquivo("open", nome, errno);
        return false;
    }
    unsigned char cabecalho[TamanhoCabecalhoRugosidade];
    if (std::fread(cabecalho, 1, sizeof cabecalho, f.get()) != sizeof cabecalho)
        return true; // not even a count: an empty table
    std::int32_t quantidade = LerInt32(cabecalho);
    // The count is not trusted for memory: records are taken one by one while whole ones remain.
    unsigned char bytes[TamanhoRegistroRugosidade];
    for (std::int32_t i = 0; i < quantidade; ++i) {
        if (std::fread(bytes, 1, sizeof bytes, f.get()) != sizeof bytes)
            break;
        Registros.push_back(DecodificarRegistro(bytes));
    }
    return true;
}

bool TArqRugosidade::GravarArquivo(const std::string& nome, std::string* erro) const {
    auto falhar = [&](int causa) {
        if (erro)
            *erro = MensagemArquivo("create", nome, causa);
        return false;
    };
    // A table the user made read-only stays as it is, as it would if it were rewritten in place.
    if (::access(nome.c_str(), F_OK) == 0 && ::access(nome.c_str(), W_OK) != 0)
        return falhar(errno);

    // The new table goes to a file beside the old one and replaces it only when complete, so a full disk
    // or a failed write never leaves a truncated table behind.
    std::string provisorio = nome + ".novo";
    if (Arquivo f{std::fopen(provisorio.c_str(), "wb")}) {
        std::error_code ec;
        auto permissoes = std::filesystem::status(nome, ec).permissions();
        if (!ec && permissoes != std::filesystem::perms::unknown)
            std::filesystem::permissions(provisorio, permissoes, ec);
        bool escrito = EscreverTabela(f.get(), Registros);
        int causa = errno;
        if (std::fclose(f.release()) != 0 && escrito) {
            escrito = false;
            causa = errno;
        }
        if (escrito && std::rename(provisorio.c_str(), nome.c_str()) == 0)
            return true;
        if (escrito)
            causa = errno;
        std::remove(provisorio.c_str());
        return falhar(causa);
    }

    // A folder that refuses new files may still hold a writable table: rewrite it in place.
    Arquivo f(std::fopen(nome.c_str(), "wb"));
    if (!f)
        return falhar(errno);
    bool escrito = EscreverTabela(f.get(), Registros);
    int causa = errno;
    if (std::fclose(f.release()) != 0 && escrito) {
        escrito = false;
        causa = errno;
    }
    return escrito || falhar(causa);
}

int NormalizarTipoTabela(int tipo) {
    return tipo >= 0 && tipo <= 4 ? tipo : 5;
}

std::string NomeArquivoTabela(int tipo) {
    return std::to_string(NormalizarTipoTabela(tipo) + 1) + ".cdb";
}

std::string CategoriaTabela(int tipo) {
    static const char* const categorias[NumeroTabelasRugosidade] = {
        "Canais Revestidos",
        "Condutos Circulares",
        "Cursos D'Água Dragados ou Escavados",
        "Cursos D'Água Naturais Menores",
        "Enchentes",
        "Cursos D'Água Naturais Maiores",
    };
    return categorias[NormalizarTipoTabela(tipo)];
}

std::string TituloTabelaRugosidade(int tipo) {
    static const char* const titulos[NumeroTabelasRugosidade] = {
        "Tabela de Rugosidade para Canais Revestidos",
        "Tabela de Rugosidade para Condutos Circulares",
        "Tabela de Rugosidade para Cursos D'Água Dragados ou Escavados",
        "Tabela de Rugosidade Cursos D'Água Naturais Menores",
        "Tabela de Rugosidade para Enchentes",
        "Tabela de Rugosidade para Cursos D'Água Naturais Maiores",
    };
    return titulos[NormalizarTipoTabela(tipo)];
}

} // namespace sulvo
