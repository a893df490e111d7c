#include "engine/Descricao.h"

#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"

#include <array>
#include <stdexcept>

namespace sulvo {
namespace {

// Every table lists only the members of its own section's class.

struct Apresentacao {
    const char* unidade = nullptr;
    const char* unidadeRelatorio = nullptr;
    int decimais = 0;
    const char* nome = nullptr;
    const char* legenda = nullptr;
};

struct Conferencia {
    EtapaValidacao etapa = EtapaValidacao::Nenhuma;
    const char* mensagem = nullptr;
};

template <auto M>
constexpr TCampoSecao Entrada(const char* chave, Apresentacao a, Conferencia c = {}, bool dimensao = false,
                              int soComIncognita = -1) {
    TCampoSecao campo;
    campo.Chave = chave;
    campo.Real = &Membro<M>;
    campo.Entrada = true;
    campo.Dimensao = dimensao;
    campo.Unidade = a.unidade;
    campo.UnidadeRelatorio = a.unidadeRelatorio;
    campo.Decimais = a.decimais;
    campo.Nome = a.nome;
    campo.Legenda = a.legenda;
    campo.Etapa = c.etapa;
    campo.MensagemZero = c.mensagem;
    campo.SoComIncognita = soComIncognita;
    return campo;
}

template <auto M> constexpr TCampoSecao Resultado(const char* chave, Apresentacao a = {}) {
    TCampoSecao campo = Entrada<M>(chave, a);
    campo.Entrada = false;
    return campo;
}

template <auto M> constexpr TCampoSecao Texto(const char* chave, Apresentacao a) {
    TCampoSecao campo;
    campo.Chave = chave;
    campo.Tipo = TipoValor::Texto;
    campo.Texto = &Membro<M>;
    campo.Nome = a.nome;
    campo.Legenda = a.legenda;
    return campo;
}

template <auto M> constexpr TCampoSecao Byte(const char* chave, int maximo) {
    TCampoSecao campo;
    campo.Chave = chave;
    campo.Tipo = TipoValor::Byte;
    campo.Byte = &Membro<M>;
    campo.Maximo = maximo;
    campo.Entrada = true;
    return campo;
}

constexpr EtapaValidacao kManning = EtapaValidacao::Manning;
constexpr EtapaValidacao kDimensao = EtapaValidacao::Dimensao;

// The Manning quantities and the results every section shares, in the file's order.
constexpr TCampoSecao kReaisComuns[] = {
    Entrada<&TSulvo::Q>("Q", {"m³/s", "m3/s", 2, "Vazão", "Vazão (Q) :"},
                        {kManning, "A vazao deve ser maior do que 0.0!"}),
    Entrada<&TSulvo::H>("H", {"m", "m", 3, "Profundidade Normal", "Profundidade Normal (Yn) :"},
                        {kManning, "A profundidade deve ser maior do que 0.0!"}, true),
    Entrada<&TSulvo::I>("I", {"m/m", "m/m", 4, "Declividade", "Declividade ( I ) :"},
                        {kManning, "A declividade deve ser maior do que 0.0!"}),
    Entrada<&TSulvo::n>("n", {nullptr, nullptr, 4, "Coeficiente de Rugosidade", "Coeficiente de Rugosidade (n) :"},
                        {kManning, "A rugosidade do material deve ser maior do que 0.0!"}),
    Resultado<&TSulvo::A>("A", {"m²", "m2", 4, "Área", "Área (A) :"}),
    Resultado<&TSulvo::P>("P", {"m", "m", 3, "Perímetro Molhado", "Perimetro Molhado (P) :"}),
    Resultado<&TSulvo::V>("V", {"m/s", "m/s", 3, "Velocidade", "Velocidade (V) :"}),
    Resultado<&TSulvo::S>("S", {"m", "m", 3, "Largura da Superfície", "Largura da Superfície (B) :"}),
    Resultado<&TSulvo::E>("E", {"m", "m", 3, "Energia Específica", "Energia Específica (E) :"}),
    Resultado<&TSulvo::Yc>("Yc", {"m", "m", 3, "Profundidade Crítica", "Profundidade Crítica (Yc) :"}),
    Resultado<&TSulvo::NF>("NF", {nullptr, nullptr, 3, "Número de Froude", "Número de Froude (Fr) :"}),
};

const TCampoSecao kRegime[] = {
    Texto<&TSulvo::Regime>("Regime", {nullptr, nullptr, 0, "Regime de Escoamento", "Regime de Escoamento :"}),
};

// The prismatic sections keep every dimension, even one their shape does not use.
const TCampoSecao kPrismaticos[] = {
    Entrada<&TSulvoR::b>("b", {"m", nullptr, 2, "Largura da Base", "Largura da Base (b) :"},
                         {kDimensao, "A largura da base deve ser maior do que 0.0!"}, true),
    Entrada<&TSulvoR::Comp>("Comp", {"m", "m", 1, "Comprimento do Sulvo", "Comprimento do Sulvo :"},
                            {EtapaValidacao::Comprimento, "O comprimento do sulvo deve ser maior do que 0.0!"}),
    Resultado<&TSulvoR::Vol_Terra>("Vol_Terra", {"m³", "m3", 3, "Movimentação de Terra", "Movimentação de Terra :"}),
    Entrada<&TSulvoR::z>("z", {nullptr, nullptr, 2, "Inclinação do Talude", "Inclinação do Talude (z) :"},
                         {kDimensao, "A inclinacao do talude deve ser maior do que 0.0!"}, true),
    // The freeboard may be zero.
    Entrada<&TSulvoR::f>("f", {"m", "m", 2, "Folga", "Folga ( f ) :"}, {}, true),
};

const TCampoSecao kIncognita[] = {Byte<&TSulvo::Incognita>("Incognita", -1)};

// The report writes the diameter and the ratio, like the base width above, without their units.
const TCampoSecao kCirculares[] = {
    Entrada<&TSulvoCircular::D>("D", {"m", nullptr, 2, "Diâmetro", "Diâmetro (D) :"},
                                {kDimensao, "O diâmetro deve ser maior do que 0.0!"}, true),
    // The depth/diameter ratio is an input only when diameter and depth are both unknown.
    Entrada<&TSulvoCircular::T>("T", {"m/m", nullptr, 2, "Profundidade/Diâmetro", "Profundidade/Diâmetro :"},
                                {kDimensao, "A relação entre a profundidade e o diâmetro deve ser maior do que 0.0!"},
                                false, static_cast<int>(IncognitaCircular::DiametroProfundidade)),
    Byte<&TSulvo::Incognita>("Incognita", -1),
};

// The irregular section shares the Manning quantities and the results, as its page shows them: the surface
// width is typed there (the survey's width, two decimals), the depth is called "altura" when it is missing,
// a critical depth above the banks comes back negative, and the single roughness shows only as the unknown
// (the intervals carry their own coefficients).
constexpr std::array<TCampoSecao, std::size(kReaisComuns)> ReaisIrregulares() {
    std::array<TCampoSecao, std::size(kReaisComuns)> campos{};
    for (std::size_t k = 0; k < campos.size(); ++k) {
        TCampoSecao campo = kReaisComuns[k];
        const std::string_view chave = campo.Chave;
        if (chave == "S")
            campo.Decimais = 2;
        else if (chave == "H")
            campo.MensagemZero = "A altura deve ser maior do que 0.0!";
        else if (chave == "Yc")
            campo.TextoNegativo = "Maior que altura";
        else if (chave == "n")
            campo.SoComIncognita = static_cast<int>(IncognitaIrregular::Rugosidade);
        campos[k] = campo;
    }
    return campos;
}
constexpr std::array<TCampoSecao, std::size(kReaisComuns)> kReaisIrregulares = ReaisIrregulares();

const TCampoSecao kIrregulares[] = {
    Entrada<&TSulvoIrregular::Comp>("Comp", {"m", "m", 1, "Comprimento do Sulvo", "Comprimento do Sulvo :"}),
    Resultado<&TSulvoIrregular::Vol_Terra>("Vol_Terra",
                                           {"m³", "m3", 3, "Movimentação de Terra", "Movimentação de Terra :"}),
    Texto<&TSulvo::Regime>("Regime", {nullptr, nullptr, 0, "Regime de Escoamento", "Regime de Escoamento :"}),
    Byte<&TSulvo::Incognita>("Incognita", -1),
    Byte<&TSulvoIrregular::Metodologia>("Metodologia", 2),
};

// Computed from the points on every calculation: reported, never stored.
const TCampoSecao kSoCalculados[] = {
    Resultado<&TSulvoIrregular::YMinimo>("YMinimo"),
    // The velocity coefficient: 1 but for the subdivision at roughness changes, whose page and report show it.
    Resultado<&TSulvoIrregular::Alfa>(
        "Alfa", {nullptr, nullptr, 3, "Coeficiente de Coriolis (α)", "Coeficiente de Coriolis (α) :"}),
};

const TGrupoCampos kGruposTriangular[] = {
    {"SULVO", kReaisComuns}, {"SULVO", kRegime}, {"SULVOR", kPrismaticos}, {"SULVOTRIANGULAR", kIncognita}};
const TGrupoCampos kGruposTrapezoidal[] = {
    {"SULVO", kReaisComuns}, {"SULVO", kRegime}, {"SULVOR", kPrismaticos}, {"SULVOTRAPEZOIDAL", kIncognita}};
const TGrupoCampos kGruposRetangular[] = {
    {"SULVO", kReaisComuns}, {"SULVO", kRegime}, {"SULVOR", kPrismaticos}, {"SULVORETANGULAR", kIncognita}};
const TGrupoCampos kGruposCircular[] = {{"SULVO", kReaisComuns}, {"SULVO", kRegime}, {"SULVOCIRCULAR", kCirculares}};
const TGrupoCampos kGruposIrregular[] = {
    {"SULVOIRREGULAR", kReaisIrregulares}, {"SULVOIRREGULAR", kIrregulares}, {nullptr, kSoCalculados}};

// The unknowns' captions as the lists show them, with the fields each one solves.
const TIncognitaSecao kIncognitasTriangular[] = {{"Vazão", {"Q"}},
                                                 {"Profundidade Normal", {"H"}},
                                                 {"Declividade", {"I"}},
                                                 {"Coeficiente de Rugosidade", {"n"}},
                                                 {"Inclinação do Talude", {"z"}}};
const TIncognitaSecao kIncognitasTrapezoidal[] = {{"Vazão", {"Q"}},
                                                  {"Profundidade Normal", {"H"}},
                                                  {"Declividade", {"I"}},
                                                  {"Coeficiente de Rugosidade", {"n"}},
                                                  {"Inclinação do Talude", {"z"}},
                                                  {"Largura da Base", {"b"}}};
const TIncognitaSecao kIncognitasRetangular[] = {{"Vazão", {"Q"}},
                                                 {"Profundidade Normal", {"H"}},
                                                 {"Declividade", {"I"}},
                                                 {"Coeficiente de Rugosidade", {"n"}},
                                                 {"Largura da Base", {"b"}}};
const TIncognitaSecao kIncognitasCircular[] = {{"Vazão", {"Q"}},       {"Profundidade Normal", {"H"}},
                                               {"Declividade", {"I"}}, {"Coeficiente de Rugosidade", {"n"}},
                                               {"Diâmetro", {"D"}},    {"Diâmetro e Profundidade", {"D", "H"}}};
const TIncognitaSecao kIncognitasIrregular[] = {{"Vazão", {"Q"}},
                                                {"Profundidade Normal", {"H"}},
                                                {"Declividade", {"I"}},
                                                {"Coeficiente de Rugosidade Único", {"n"}}};

const TDescricaoSecao kDescricoes[] = {
    {kTriangular,
     "triangular",
     "0 vazão, 1 profundidade normal, 2 declividade, 3 coeficiente de rugosidade, 4 inclinação do talude",
     kGruposTriangular,
     kIncognitasTriangular,
     {"Q", "H", "I", "n", "f", "Comp", "z"},
     {"A", "P", "S", "Yc", "NF", "Regime", "V", "E", "Vol_Terra"}},
    {kTrapezoidal,
     "trapezoidal",
     "0 vazão, 1 profundidade normal, 2 declividade, 3 coeficiente de rugosidade, 4 inclinação do talude, "
     "5 largura da base",
     kGruposTrapezoidal,
     kIncognitasTrapezoidal,
     {"Q", "H", "I", "n", "f", "Comp", "z", "b"},
     {"A", "P", "S", "Yc", "NF", "Regime", "V", "E", "Vol_Terra"}},
    {kRetangular,
     "retangular",
     "0 vazão, 1 profundidade normal, 2 declividade, 3 coeficiente de rugosidade, 4 largura da base",
     kGruposRetangular,
     kIncognitasRetangular,
     {"Q", "H", "I", "n", "f", "Comp", "b"},
     {"A", "P", "S", "Yc", "NF", "Regime", "V", "E", "Vol_Terra"}},
    {kCircular,
     "circular",
     "0 vazão, 1 profundidade normal, 2 declividade, 3 coeficiente de rugosidade, 4 diâmetro, "
     "5 diâmetro e profundidade",
     kGruposCircular,
     kIncognitasCircular,
     {"Q", "H", "I", "n", "D", "T"},
     {"A", "P", "S", "Yc", "NF", "Regime", "V", "E"}},
    {kIrregular,
     "irregular",
     "0 vazão, 1 profundidade normal, 2 declividade, 3 coeficiente de rugosidade único",
     kGruposIrregular,
     kIncognitasIrregular,
     {"Q", "S", "H", "I", "Comp", "n"},
     {"A", "P", "Yc", "NF", "Regime", "V", "E", "Vol_Terra"}},
};

} // namespace

const TCampoSecao* TDescricaoSecao::Campo(std::string_view chave) const {
    for (const TGrupoCampos& grupo : Grupos)
        for (const TCampoSecao& campo : grupo.Campos)
            if (chave == campo.Chave)
                return &campo;
    return nullptr;
}

bool TDescricaoSecao::Resolve(int incognita, std::string_view chave) const {
    if (incognita < 0 || incognita >= static_cast<int>(Incognitas.size()))
        return false;
    for (const char* campo : Incognitas[static_cast<std::size_t>(incognita)].Campos)
        if (chave == campo)
            return true;
    return false;
}

bool TDescricaoSecao::Resolvivel(std::string_view chave) const {
    for (int k = 0; k < static_cast<int>(Incognitas.size()); ++k)
        if (Resolve(k, chave))
            return true;
    return false;
}

const TDescricaoSecao& DescricaoSecao(int tipo) {
    if (tipo < 0 || tipo > kIrregular)
        throw std::out_of_range("tipo de seção fora de 0..4");
    return kDescricoes[tipo];
}

} // namespace sulvo
