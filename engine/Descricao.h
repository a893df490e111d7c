#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// What each section is, written once: its unknowns, its fields with their keys, units, decimals and captions,
// and where the project file keeps them. The page, the project file, sulvo-calc and the report walk these
// tables instead of naming fields one by one.
namespace sulvo {

class TSulvo;

// Section types; the four regular ones in the order of the type selector and of the project file's IndSulvoReg.
enum TipoSulvoRegular : std::uint8_t { kTriangular = 0, kTrapezoidal = 1, kRetangular = 2, kCircular = 3 };
inline constexpr int kTiposRegulares = 4;
inline constexpr int kIrregular = 4;

// The unknowns of each section; the values are the project file's "Incognita".
enum class IncognitaTriangular : std::uint8_t { Vazao, Profundidade, Declividade, Rugosidade, Talude };
enum class IncognitaTrapezoidal : std::uint8_t { Vazao, Profundidade, Declividade, Rugosidade, Talude, Largura };
enum class IncognitaRetangular : std::uint8_t { Vazao, Profundidade, Declividade, Rugosidade, Largura };
enum class IncognitaCircular : std::uint8_t {
    Vazao,
    Profundidade,
    Declividade,
    Rugosidade,
    Diametro,
    DiametroProfundidade
};
enum class IncognitaIrregular : std::uint8_t { Vazao, Profundidade, Declividade, Rugosidade };

// The four Manning unknowns every section lists first, with the same numbers.
enum class IncognitaComum : std::uint8_t { Vazao, Profundidade, Declividade, Rugosidade };

// When the window checks a field that must be greater than zero: the Manning quantities before the fields are
// taken into the section, the dimensions after, the channel length (earthwork only) last.
enum class EtapaValidacao : std::uint8_t { Nenhuma, Manning, Dimensao, Comprimento };

enum class TipoValor : std::uint8_t { Real, Texto, Byte };

template <class> struct ClasseDoMembro;
template <class C, class T> struct ClasseDoMembro<T C::*> {
    using Classe = C;
    using Tipo = T;
};

// The accessor a field of the description holds for member M of its section's class, reached from the common
// base. A caller that needs one particular field, whatever its key, names it by this member.
template <auto M> auto& Membro(TSulvo& s) {
    return static_cast<typename ClasseDoMembro<decltype(M)>::Classe&>(s).*M;
}

// One field of a section.
struct TCampoSecao {
    const char* Chave = nullptr; // key in the project file, in sulvo-calc's arguments and in its JSON
    TipoValor Tipo = TipoValor::Real;
    double& (*Real)(TSulvo&) = nullptr;
    std::string& (*Texto)(TSulvo&) = nullptr;
    std::uint8_t& (*Byte)(TSulvo&) = nullptr;
    int Maximo = 0;                         // a byte's largest valid value; -1: the last unknown of the section
    bool Entrada = false;                   // typed by the user (sulvo-calc accepts it as FIELD=VALUE)
    bool Dimensao = false;                  // a dimension of the section's drawing
    const char* Unidade = nullptr;          // as the page shows it, nullptr for none
    const char* UnidadeRelatorio = nullptr; // as the report writes it, nullptr for none
    int Decimais = 0;                       // decimals shown in the page and the report
    const char* Nome = nullptr;             // as the report and the list of unknowns name it
    const char* Legenda = nullptr;          // the page's caption
    EtapaValidacao Etapa = EtapaValidacao::Nenhuma;
    const char* MensagemZero = nullptr;  // the message when the field is not greater than zero
    int SoComIncognita = -1;             // shown only while this unknown is selected; -1 always
    const char* TextoNegativo = nullptr; // written instead of a negative value, the engine's mark for "none"

    double& ValorReal(TSulvo& s) const { return Real(s); }
    double ValorReal(const TSulvo& s) const { return Real(const_cast<TSulvo&>(s)); }

    // Whether this is the field of member M.
    template <auto M> bool De() const {
        using Tipo = typename ClasseDoMembro<decltype(M)>::Tipo;
        if constexpr (std::is_same_v<Tipo, double>)
            return Real == &Membro<M>;
        else if constexpr (std::is_same_v<Tipo, std::string>)
            return Texto == &Membro<M>;
        else
            return Byte == &Membro<M>;
    }
};

// A run of fields kept in one section of the project file (nullptr: not kept in the file).
struct TGrupoCampos {
    const char* SecaoArquivo;
    std::span<const TCampoSecao> Campos;
};

// One unknown: its caption in the list and the fields it solves.
struct TIncognitaSecao {
    const char* Nome;
    std::initializer_list<const char*> Campos;
};

struct TDescricaoSecao {
    int Tipo;
    const char* Nome;                              // sulvo-calc's name of the section
    const char* NomeIncognitas;                    // sulvo-calc's usage line for "Incognita"
    std::span<const TGrupoCampos> Grupos;          // every field, in the file's and the JSON's order
    std::span<const TIncognitaSecao> Incognitas;   // by their number
    std::initializer_list<const char*> Entradas;   // inputs in the page's and the report's order
    std::initializer_list<const char*> Resultados; // results in the page's and the report's order

    // The field of key `chave`; nullptr when the section has none.
    const TCampoSecao* Campo(std::string_view chave) const;
    // Whether unknown `incognita` solves the field of key `chave`.
    bool Resolve(int incognita, std::string_view chave) const;
    // Whether any unknown of the section solves the field of key `chave`.
    bool Resolvivel(std::string_view chave) const;
    int MaximoIncognita() const { return static_cast<int>(Incognitas.size()) - 1; }
};

// The description of section `tipo` (kTriangular … kIrregular).
const TDescricaoSecao& DescricaoSecao(int tipo);

} // namespace sulvo
