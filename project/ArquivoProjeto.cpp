#include "project/ArquivoProjeto.h"

#include "common/NumberFormat.h"

#include <string>

namespace sulvo {
namespace {

// Every section carries "Versao"; a reader takes the section only when the trimmed text is
// exactly this (case and form included: "1.00" or "01" do not match).
constexpr const char* kVersaoSecao = "1";
constexpr const char* kVersaoProjeto = "1.0";

bool VersaoCerta(TCustomIniFile& ini, const char* secao) {
    return ini.ReadString(secao, "Versao", "0") == kVersaoSecao;
}

// "Incognita" with default -1: stored only when it lies in 0..maximo.
bool LerIncognita(TCustomIniFile& ini, const char* secao, int maximo, std::uint8_t& incognita) {
    int valor = ini.ReadInteger(secao, "Incognita", -1);
    if (valor < 0 || valor > maximo)
        return false;
    incognita = static_cast<std::uint8_t>(valor);
    return true;
}

// The unknowns of the prismatic sections: the four common ones, then the side slope (all
// three) and the base width (trapezoid only; the rectangle has no side slope to solve).
constexpr int kMaxIncognitaTriangular = 4;
constexpr int kMaxIncognitaTrapezoidal = 5;
constexpr int kMaxIncognitaRetangular = 4;
constexpr int kMaxIncognitaCircular = 5;
constexpr int kMaxIncognitaIrregular = 3;
constexpr int kMaxMetodologia = 1;

// Real fields of one section in the order the file lists them; reading and writing walk the same table.
template <class T> struct CampoReal {
    const char* chave;
    double T::*membro;
};

template <class T, std::size_t N>
void GravarReais(TCustomIniFile& ini, const char* secao, const T& s, const CampoReal<T> (&campos)[N]) {
    for (const auto& c : campos)
        ini.WriteFloat(secao, c.chave, s.*c.membro);
}

template <class T, std::size_t N>
void LerReais(TCustomIniFile& ini, const char* secao, T& s, const CampoReal<T> (&campos)[N]) {
    for (const auto& c : campos)
        s.*c.membro = ini.ReadFloat(secao, c.chave, 0);
}

// The eleven results every section shares, then the irregular section's length and earthwork.
#define SULVO_CAMPOS_BASE(T)                                                                                           \
    {"Q", &T::Q}, {"H", &T::H}, {"I", &T::I}, {"n", &T::n}, {"A", &T::A}, {"P", &T::P}, {"V", &T::V}, {"S", &T::S},    \
        {"E", &T::E}, {"Yc", &T::Yc}, {                                                                                \
        "NF", &T::NF                                                                                                   \
    }
const CampoReal<TSulvo> kCamposSulvo[] = {SULVO_CAMPOS_BASE(TSulvo)};
const CampoReal<TSulvoIrregular> kCamposIrregular[] = {
    SULVO_CAMPOS_BASE(TSulvoIrregular), {"Comp", &TSulvoIrregular::Comp}, {"Vol_Terra", &TSulvoIrregular::Vol_Terra}};
#undef SULVO_CAMPOS_BASE
const CampoReal<TSulvoR> kCamposSulvoR[] = {{"b", &TSulvoR::b},
                                            {"Comp", &TSulvoR::Comp},
                                            {"Vol_Terra", &TSulvoR::Vol_Terra},
                                            {"z", &TSulvoR::z},
                                            {"f", &TSulvoR::f}};

template <class T> bool GravarTipo(const T& s, TCustomIniFile& ini, const char* secao) {
    if (!GravarNoArquivo(static_cast<const TSulvoR&>(s), ini))
        return false;
    ini.WriteString(secao, "Versao", kVersaoSecao);
    ini.WriteInteger(secao, "Incognita", s.Incognita);
    return true;
}

template <class T> bool LerTipo(T& s, TCustomIniFile& ini, const char* secao, int maximo) {
    if (!LerDoArquivo(static_cast<TSulvoR&>(s), ini))
        return false;
    if (!VersaoCerta(ini, secao))
        return false;
    return LerIncognita(ini, secao, maximo, s.Incognita);
}

} // namespace

bool GravarNoArquivo(const TSulvo& s, TCustomIniFile& ini) {
    const char* secao = "SULVO";
    ini.WriteString(secao, "Versao", kVersaoSecao);
    GravarReais(ini, secao, s, kCamposSulvo);
    ini.WriteString(secao, "Regime", s.Regime);
    return true;
}

bool LerDoArquivo(TSulvo& s, TCustomIniFile& ini) {
    const char* secao = "SULVO";
    if (!VersaoCerta(ini, secao))
        return false;
    LerReais(ini, secao, s, kCamposSulvo);
    s.Regime = ini.ReadString(secao, "Regime", "");
    return true;
}

bool GravarNoArquivo(const TSulvoR& s, TCustomIniFile& ini) {
    if (!GravarNoArquivo(static_cast<const TSulvo&>(s), ini))
        return false;
    const char* secao = "SULVOR";
    ini.WriteString(secao, "Versao", kVersaoSecao);
    GravarReais(ini, secao, s, kCamposSulvoR);
    return true;
}

bool LerDoArquivo(TSulvoR& s, TCustomIniFile& ini) {
    if (!LerDoArquivo(static_cast<TSulvo&>(s), ini))
        return false;
    const char* secao = "SULVOR";
    if (!VersaoCerta(ini, secao))
        return false;
    LerReais(ini, secao, s, kCamposSulvoR);
    return true;
}

bool GravarNoArquivo(const TSulvoTriangular& s, TCustomIniFile& ini) {
    return GravarTipo(s, ini, "SULVOTRIANGULAR");
}
bool GravarNoArquivo(const TSulvoTrapezoidal& s, TCustomIniFile& ini) {
    return GravarTipo(s, ini, "SULVOTRAPEZOIDAL");
}
bool GravarNoArquivo(const TSulvoRetangular& s, TCustomIniFile& ini) {
    return GravarTipo(s, ini, "SULVORETANGULAR");
}

bool LerDoArquivo(TSulvoTriangular& s, TCustomIniFile& ini) {
    return LerTipo(s, ini, "SULVOTRIANGULAR", kMaxIncognitaTriangular);
}
bool LerDoArquivo(TSulvoTrapezoidal& s, TCustomIniFile& ini) {
    return LerTipo(s, ini, "SULVOTRAPEZOIDAL", kMaxIncognitaTrapezoidal);
}
bool LerDoArquivo(TSulvoRetangular& s, TCustomIniFile& ini) {
    return LerTipo(s, ini, "SULVORETANGULAR", kMaxIncognitaRetangular);
}

bool GravarNoArquivo(const TSulvoCircular& s, TCustomIniFile& ini) {
    if (!GravarNoArquivo(static_cast<const TSulvo&>(s), ini))
        return false;
    const char* secao = "SULVOCIRCULAR";
    ini.WriteString(secao, "Versao", kVersaoSecao);
    ini.WriteFloat(secao, "D", s.D);
    ini.WriteFloat(secao, "T", s.T);
    ini.WriteInteger(secao, "Incognita", s.Incognita);
    return true;
}

bool LerDoArquivo(TSulvoCircular& s, TCustomIniFile& ini) {
    if (!LerDoArquivo(static_cast<TSulvo&>(s), ini))
        return false;
    const char* secao = "SULVOCIRCULAR";
    if (!VersaoCerta(ini, secao))
        return false;
    s.D = ini.ReadFloat(secao, "D", 0);
    s.T = ini.ReadFloat(secao, "T", 0);
    return LerIncognita(ini, secao, kMaxIncognitaCircular, s.Incognita);
}

bool GravarNoArquivo(const TSulvoIrregular& s, TCustomIniFile& ini) {
    const char* secao = "SULVOIRREGULAR";
    ini.WriteString(secao, "Versao", kVersaoSecao);
    GravarReais(ini, secao, s, kCamposIrregular);
    ini.WriteString(secao, "Regime", s.Regime);
    ini.WriteInteger(secao, "Incognita", s.Incognita);
    ini.WriteInteger(secao, "Metodologia", s.Metodologia);
    ini.WriteInteger(secao, "NumPontos", static_cast<int>(s.Pontos.size()));
    std::string k;
    for (std::size_t i = 0; i < s.Pontos.size(); ++i) {
        k = std::to_string(i + 1);
        ini.WriteFloat(secao, "X" + k, s.Pontos[i].X);
        ini.WriteFloat(secao, "Y" + k, s.Pontos[i].Y);
        ini.WriteFloat(secao, "Rug" + k, s.Pontos[i].Rug);
    }
    return true;
}

bool LerDoArquivo(TSulvoIrregular& s, TCustomIniFile& ini) {
    const char* secao = "SULVOIRREGULAR";
    if (!VersaoCerta(ini, secao))
        return false;
    LerReais(ini, secao, s, kCamposIrregular);
    s.Regime = ini.ReadString(secao, "Regime", "");

    bool certo = false;
    if (LerIncognita(ini, secao, kMaxIncognitaIrregular, s.Incognita)) {
        int metodologia = ini.ReadInteger(secao, "Metodologia", -1);
        if (metodologia >= 0 && metodologia <= kMaxMetodologia) {
            s.Metodologia = static_cast<std::uint8_t>(metodologia);
            certo = true;
        }
    }

    // The points are read whatever became of the unknown; a missing coordinate reads -1.
    s.Pontos.clear();
    int numPontos = ini.ReadInteger(secao, "NumPontos", -1);
    if (numPontos > kMaxPontos)
        return false;
    if (numPontos > 0) {
        // A key a reader could never get back from a written value: values hold no line breaks.
        constexpr const char* kAusente = "\n";
        std::string k;
        for (int i = 1; i <= numPontos; ++i) {
            k = std::to_string(i);
            std::string x = ini.ReadString(secao, "X" + k, kAusente);
            std::string y = ini.ReadString(secao, "Y" + k, kAusente);
            std::string rug = ini.ReadString(secao, "Rug" + k, kAusente);
            // A point with none of its keys: the count promises more points than the file holds, so the
            // section is damaged (a count of a million in a small file must not invent a million points).
            if (x == kAusente && y == kAusente && rug == kAusente)
                throw ESecaoDanificada("A seção " + std::string(secao) + " está danificada: \"NumPontos\" é " +
                                       std::to_string(numPontos) + ", mas falta a chave X" + k + ".");
            TPontoSecao ponto;
            ponto.X = LerReal(x).value_or(-1);
            ponto.Y = LerReal(y).value_or(-1);
            ponto.Rug = LerReal(rug).value_or(-1);
            s.Pontos.push_back(ponto);
        }
    }
    return certo;
}

bool GravarNoArquivo(const TIDProjeto& id, TCustomIniFile& ini) {
    const char* secao = "IDENTIFICACAO";
    ini.WriteString(secao, "Versao", kVersaoSecao);
    ini.WriteString(secao, "Nome", id.Nome);
    ini.WriteString(secao, "Empresa", id.Empresa);
    ini.WriteString(secao, "Local", id.Local);
    ini.WriteString(secao, "Estado", id.Estado);
    ini.WriteString(secao, "Tecnico", id.Tecnico);
    ini.WriteString(secao, "Data", id.Data);
    return true;
}

bool LerDoArquivo(TIDProjeto& id, TCustomIniFile& ini) {
    const char* secao = "IDENTIFICACAO";
    if (!VersaoCerta(ini, secao))
        return false;
    try {
        id.Nome = ini.ReadString(secao, "Nome", "");
        id.Empresa = ini.ReadString(secao, "Empresa", "");
        id.Local = ini.ReadString(secao, "Local", "");
        id.Estado = ini.ReadString(secao, "Estado", "");
        id.Tecnico = ini.ReadString(secao, "Tecnico", "");
        id.Data = ini.ReadString(secao, "Data", "");
    } catch (...) {
        return false;
    }
    return true;
}

void EscreverArquivoProjeto(const std::string& PathProjeto, const ModelosProjeto& m, char separadorDecimal) {
    try {
        TIniFile ini(PathProjeto, separadorDecimal);
        ini.WriteString("SULVO1", "Versao", kVersaoProjeto);
        ini.WriteInteger("SULVO1", "IndSulvoReg", m.IndSulvoReg);
        ini.WriteInteger("SULVO1", "IndIncognita", m.IndIncognita);
        GravarNoArquivo(m.IDProjeto, ini);
        switch (m.IndSulvoReg) {
        case 0:
            GravarNoArquivo(m.SulvoTriangular, ini);
            break;
        case 1:
            GravarNoArquivo(m.SulvoTrapezoidal, ini);
            break;
        case 2:
            GravarNoArquivo(m.SulvoRetangular, ini);
            break;
        case 3:
            GravarNoArquivo(m.SulvoCircular, ini);
            break;
        default:
            break;
        }
        GravarNoArquivo(m.SulvoIrregular, ini);
        ini.UpdateFile();
    } catch (...) {
        throw EArquivoProjeto("Não foi possível gravar o arquivo " + PathProjeto + ".");
    }
}

void LerArquivoProjeto(const std::string& PathProjeto, const ModelosProjeto& m, bool& LeuCerto) {
    TIniFile ini(PathProjeto);
    if (ini.ReadString("SULVO1", "Versao", "0.0") != kVersaoProjeto) {
        LeuCerto = false;
        throw EArquivoProjeto("Não foi possível abrir o arquivo " + PathProjeto + ".");
    }
    // Both indices are bytes: a larger integer keeps its low 8 bits.
    m.IndSulvoReg = static_cast<std::uint8_t>(ini.ReadInteger("SULVO1", "IndSulvoReg", 0));
    m.IndIncognita = static_cast<std::uint8_t>(ini.ReadInteger("SULVO1", "IndIncognita", 0));
    LerDoArquivo(m.IDProjeto, ini);
    switch (m.IndSulvoReg) {
    case 0:
        LerDoArquivo(m.SulvoTriangular, ini);
        break;
    case 1:
        LerDoArquivo(m.SulvoTrapezoidal, ini);
        break;
    case 2:
        LerDoArquivo(m.SulvoRetangular, ini);
        break;
    case 3:
        LerDoArquivo(m.SulvoCircular, ini);
        break;
    default:
        break;
    }
    try {
        LerDoArquivo(m.SulvoIrregular, ini);
    } catch (const ESecaoDanificada& e) {
        LeuCerto = false;
        throw EArquivoProjeto("Não foi possível abrir o arquivo " + PathProjeto + ". " + e.what());
    }
    LeuCerto = true;
}

} // namespace sulvo
