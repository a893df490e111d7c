#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The roughness tables: typical Manning coefficients per material or watercourse, one small binary
// file per table ("1.cdb" … "6.cdb"). Plain C++, shared by the table dialog and the table generator.
namespace sulvo {

// One row of a table. Coefficients are Manning's n (s/m^(1/3)).
struct TRegistroRugosidade {
    std::string Descricao; // UTF-8 in memory; Windows-1252, at most 255 bytes, on disk
    double Minima = 0.0;
    double Maxima = 0.0;
    double Normal = 0.0;

    bool operator==(const TRegistroRugosidade&) const = default;
};

// On disk: a signed 32-bit little-endian count, then the records of 280 bytes each.
inline constexpr std::size_t TamanhoCabecalhoRugosidade = 4;
inline constexpr std::size_t TamanhoRegistroRugosidade = 280;
inline constexpr std::size_t MaxDescricaoRugosidade = 255;
// Tables beyond this size (some 240 000 records) are refused as damaged or foreign files.
inline constexpr std::size_t MaxBytesTabelaRugosidade = 64u << 20;

// The 280 bytes of a record: length byte, 255 description bytes (zero-filled), then the minimum,
// maximum and normal coefficients as little-endian IEEE doubles at offsets 256, 264 and 272.
// A description longer than 255 bytes in Windows-1252 is cut to its first 255.
std::array<unsigned char, TamanhoRegistroRugosidade> CodificarRegistro(const TRegistroRugosidade& registro);
TRegistroRugosidade DecodificarRegistro(const unsigned char* bytes);

// A description cut to `maximo` characters (code points), for the entry panel's 255-character limit.
std::string CortarDescricao(const std::string& utf8, std::size_t maximo = MaxDescricaoRugosidade);

// The in-memory table; owns its records.
class TArqRugosidade {
public:
    std::vector<TRegistroRugosidade> Registros;

    // Appends the records of the file. A count of zero or less means no records, and a file shorter than
    // its count yields its complete records only. Returns false, with the message in `erro`, when the file
    // cannot be opened, is not a regular file or is larger than MaxBytesTabelaRugosidade.
    bool LerArquivo(const std::string& nome, std::string* erro = nullptr);

    // Replaces the file by the count and every record. The new content goes to a temporary file created
    // exclusively beside the table, synced and renamed over it, so a failed write leaves the old table intact
    // and two saves at once leave one complete table; a table that is a link updates the file it points at. Returns
    // false, with the message in `erro`, when the file cannot be created or written.
    bool GravarArquivo(const std::string& nome, std::string* erro = nullptr) const;
};

// The six tables, indexed by `TipoTabela`; any index outside 0 to 4 stands for the last table.
inline constexpr int NumeroTabelasRugosidade = 6;
int NormalizarTipoTabela(int tipo);
std::string NomeArquivoTabela(int tipo);      // "1.cdb" … "6.cdb"
std::string CategoriaTabela(int tipo);        // menu entry, e.g. "Canais Revestidos"
std::string TituloTabelaRugosidade(int tipo); // dialog title

} // namespace sulvo
