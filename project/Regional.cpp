#include "project/Regional.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string>

namespace sulvo {
namespace {

// Languages that write decimals with a comma in their usual regions.
constexpr std::array<std::string_view, 49> kLinguasVirgula = {
    "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi", "fo", "fr", "fy",
    "gl", "hr", "hu", "hy", "id", "is", "it", "ka", "kk", "ky", "lb", "lt", "lv", "mk", "mn", "nb", "nl",
    "nn", "no", "oc", "pl", "pt", "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "vi"};

// Regions where such a language writes a point.
constexpr std::array<std::string_view, 12> kRegioesPonto = {"es_MX", "es_US", "es_PR", "es_GT", "es_HN", "es_NI",
                                                            "es_PA", "es_SV", "es_DO", "es_PE", "de_CH", "it_CH"};

} // namespace

char SeparadorDecimalDoLocale(std::string_view nome) {
    if (nome.empty() || nome == "C" || nome == "POSIX" || nome.rfind("C.", 0) == 0)
        return '.';
    // The exact answer when the system has the locale installed.
    std::string completo(nome);
    if (locale_t loc = newlocale(LC_NUMERIC_MASK, completo.c_str(), static_cast<locale_t>(nullptr))) {
        std::string_view radix = nl_langinfo_l(RADIXCHAR, loc);
        char sep = radix == "," ? ',' : '.';
        freelocale(loc);
        return sep;
    }
    std::string_view base = nome.substr(0, nome.find_first_of(".@"));
    std::string_view lingua = base.substr(0, base.find('_'));
    if (std::find(kRegioesPonto.begin(), kRegioesPonto.end(), base) != kRegioesPonto.end())
        return '.';
    return std::find(kLinguasVirgula.begin(), kLinguasVirgula.end(), lingua) != kLinguasVirgula.end() ? ',' : '.';
}

char SeparadorDecimalDoAmbiente() {
    for (const char* variavel : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* valor = std::getenv(variavel);
        if (valor && *valor)
            return SeparadorDecimalDoLocale(valor);
    }
    return '.';
}

char SeparadorDecimalDaExecucao() {
    static const char separador = SeparadorDecimalDoAmbiente();
    return separador;
}

} // namespace sulvo
