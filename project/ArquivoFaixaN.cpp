#include "project/ArquivoFaixaN.h"

#include "project/ArquivoIrregular2.h"

#include <string>

namespace sulvo {
namespace {

constexpr const char* kVersao = "1";

// The band section of a regular type.
const char* SecaoRegular(const TSulvo& s) {
    return s.Descricao().Tipo == kCircular ? "SULVOCIRCULAR2" : "SULVOR2";
}

bool SecaoExiste(TCustomIniFile& ini, const char* secao) {
    return !ini.ReadString(secao, "Versao", "").empty();
}

bool VersaoCerta(TCustomIniFile& ini, const char* secao) {
    return ini.ReadString(secao, "Versao", "0") == kVersao;
}

void Gravar(TCustomIniFile& ini, const char* secao, const std::string& normal, const std::string& minimo,
            const std::string& maximo, const TFaixaRugosidade& f) {
    ini.WriteFloat(secao, normal, f.Normal);
    ini.WriteFloat(secao, minimo, f.Minimo);
    ini.WriteFloat(secao, maximo, f.Maximo);
}

// The band of the keys given, kept only when it describes coefficient n.
TFaixaRugosidade Ler(TCustomIniFile& ini, const char* secao, const std::string& normal, const std::string& minimo,
                     const std::string& maximo, double n) {
    TFaixaRugosidade f;
    f.Normal = ini.ReadFloat(secao, normal, 0);
    if (!(f.Normal > 0))
        return {};
    f.Minimo = ini.ReadFloat(secao, minimo, 0);
    f.Maximo = ini.ReadFloat(secao, maximo, 0);
    return f.Descreve(n) ? f : TFaixaRugosidade{};
}

} // namespace

void GravarFaixaN(const TSulvo& s, TCustomIniFile& ini) {
    if (s.Descricao().Tipo >= kTiposRegulares)
        return;
    const char* secao = SecaoRegular(s);
    const bool descreve = s.FaixaN.Descreve(s.n);
    if (!descreve && !SecaoExiste(ini, secao))
        return;
    ini.WriteString(secao, "Versao", kVersao);
    Gravar(ini, secao, "nTabela", "nMin", "nMax", descreve ? s.FaixaN : TFaixaRugosidade{});
}

void LerFaixaN(TSulvo& s, TCustomIniFile& ini) {
    s.FaixaN = {};
    if (s.Descricao().Tipo >= kTiposRegulares)
        return;
    const char* secao = SecaoRegular(s);
    if (VersaoCerta(ini, secao))
        s.FaixaN = Ler(ini, secao, "nTabela", "nMin", "nMax", s.n);
}

void GravarFaixaN(const TSulvoIrregular& s, TCustomIniFile& ini) {
    bool versao = SecaoExiste(ini, kSecaoIrregular2);
    std::string k;
    for (std::size_t i = 0; i < s.Pontos.size(); ++i) {
        const TPontoSecao& p = s.Pontos[i];
        k = std::to_string(i + 1);
        const bool descreve = p.Faixa().Descreve(p.Rug);
        // An older band at this point is overwritten; a point that never had one adds no keys.
        if (!descreve && (!versao || ini.ReadString(kSecaoIrregular2, "RugTabela" + k, "").empty()))
            continue;
        if (!versao) {
            ini.WriteString(kSecaoIrregular2, "Versao", kVersao);
            versao = true;
        }
        Gravar(ini, kSecaoIrregular2, "RugTabela" + k, "RugMin" + k, "RugMax" + k,
               descreve ? p.Faixa() : TFaixaRugosidade{});
    }
}

void LerFaixaN(TSulvoIrregular& s, TCustomIniFile& ini) {
    for (TPontoSecao& p : s.Pontos)
        p.DefinirFaixa({});
    if (!VersaoCerta(ini, kSecaoIrregular2))
        return;
    std::string k;
    for (std::size_t i = 0; i < s.Pontos.size(); ++i) {
        k = std::to_string(i + 1);
        s.Pontos[i].DefinirFaixa(
            Ler(ini, kSecaoIrregular2, "RugTabela" + k, "RugMin" + k, "RugMax" + k, s.Pontos[i].Rug));
    }
}

} // namespace sulvo
