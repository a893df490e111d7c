#include "roughness/ArqRugosidade.h"

#include "common/Cp1252.h"
#include "common/GravacaoAtomica.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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

// The whole table as it goes to the disk: the count, then every record.
std::string CodificarTabela(const std::vector<TRegistroRugosidade>& registros) {
    std::string dados(TamanhoCabecalhoRugosidade + TamanhoRegistroRugosidade * registros.size(), '\0');
    auto* p = reinterpret_cast<unsigned char*>(dados.data());
    GravarInt32(p, static_cast<std::int32_t>(registros.size()));
    p += TamanhoCabecalhoRugosidade;
    for (const auto& registro : registros) {
        auto bytes = CodificarRegistro(registro);
        std::memcpy(p, bytes.data(), bytes.size());
        p += bytes.size();
    }
    return dados;
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
    int causa = 0;
    auto dados = LerArquivoRegular(nome, MaxBytesTabelaRugosidade, &causa);
    if (!dados) {
        if (erro)
            *erro = MensagemArquivo("open", nome, causa);
        return false;
    }
    if (dados->size() < TamanhoCabecalhoRugosidade)
        return true; // not even a count: an empty table
    const auto* bytes = reinterpret_cast<const unsigned char*>(dados->data());
    std::int32_t quantidade = LerInt32(bytes);
    // The count is not trusted for memory: records are taken while whole ones remain.
    std::size_t completos = (dados->size() - TamanhoCabecalhoRugosidade) / TamanhoRegistroRugosidade;
    std::size_t n = quantidade <= 0 ? 0 : std::min(completos, static_cast<std::size_t>(quantidade));
    Registros.reserve(Registros.size() + n);
    for (std::size_t i = 0; i < n; ++i)
        Registros.push_back(DecodificarRegistro(bytes + TamanhoCabecalhoRugosidade + TamanhoRegistroRugosidade * i));
    return true;
}

bool TArqRugosidade::GravarArquivo(const std::string& nome, std::string* erro) const {
    auto falhar = [&](int causa) {
        if (erro)
            *erro = MensagemArquivo("create", nome, causa);
        return false;
    };
    // Saved as projects are: a table nobody else writes at the same moment, complete or not at all, and a
    // table that is a link keeps being one.
    const std::string dados = CodificarTabela(Registros);
    int causa = GravarArquivoAtomicamente(nome, dados);
    if (causa == 0)
        return true;
    bool somenteLeitura = ::access(nome.c_str(), F_OK) == 0 && ::access(nome.c_str(), W_OK) != 0;
    if (somenteLeitura || (causa != EACCES && causa != EPERM && causa != EROFS))
        return falhar(causa);

    // A folder that refuses new files may still hold a writable table: rewrite it in place.
    int fd = ::open(nome.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return falhar(errno);
    std::size_t escrito = 0;
    while (escrito < dados.size()) {
        ssize_t n = ::write(fd, dados.data() + escrito, dados.size() - escrito);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            causa = errno;
            ::close(fd);
            return falhar(causa);
        }
        escrito += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        return falhar(errno);
    return true;
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
