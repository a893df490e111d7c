#include "project/ArquivoIrregular2.h"

#include "common/NumberFormat.h"

#include <array>
#include <optional>

namespace sulvo {
namespace {

// One optional real of the section under its key. A new datum of the section is one more line here.
struct TChaveOpcional {
    const char* Chave;
    std::optional<double> TSulvoIrregular::*Campo;
};

constexpr std::array kChaves{
    TChaveOpcional{"MargemE", &TSulvoIrregular::MargemE}, // bank stations, X in m
    TChaveOpcional{"MargemD", &TSulvoIrregular::MargemD},
};

constexpr const char* kVersao = "1";

bool TemDados(const TSulvoIrregular& s) {
    for (const TChaveOpcional& c : kChaves)
        if ((s.*c.Campo).has_value())
            return true;
    return false;
}

} // namespace

void GravarSecaoIrregular2(const TSulvoIrregular& s, TCustomIniFile& ini) {
    const bool existe = !ini.ReadString(kSecaoIrregular2, "Versao", "").empty();
    if (!existe && !TemDados(s))
        return;
    ini.WriteString(kSecaoIrregular2, "Versao", kVersao);
    for (const TChaveOpcional& c : kChaves) {
        if (const std::optional<double>& valor = s.*c.Campo)
            ini.WriteFloat(kSecaoIrregular2, c.Chave, *valor);
        else
            ini.WriteString(kSecaoIrregular2, c.Chave, ""); // an empty value reads as unset
    }
}

void LerSecaoIrregular2(TSulvoIrregular& s, TCustomIniFile& ini) {
    if (ini.ReadString(kSecaoIrregular2, "Versao", "0") != kVersao)
        return;
    for (const TChaveOpcional& c : kChaves)
        s.*c.Campo = LerReal(ini.ReadString(kSecaoIrregular2, c.Chave, ""));
}

} // namespace sulvo
