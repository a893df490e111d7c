#pragma once

#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/IdentProjeto.h"
#include "project/IniFile.h"

#include <cstdint>
#include <stdexcept>
#include <string>

// The project file (extension svo): one INI file with a head section, the identification, the
// sections of the selected regular type and the irregular section. Each model class has a
// write and a read of its own section; a derived class runs its base's first and goes on only
// when that returned true. The engine stays free of file code: these are free functions,
// overloaded per class, and the caller names the class it means.
namespace sulvo {

// A failed save or open of a whole project; the message is the one the user sees.
class EArquivoProjeto : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A section whose content contradicts itself, as a "NumPontos" beyond the points present; the message
// names what is missing. The reader of a whole project turns it into a refused open.
class ESecaoDanificada : public EArquivoProjeto {
public:
    using EArquivoProjeto::EArquivoProjeto;
};

// A damaged "NumPontos" must not make the reader build billions of points: a larger count
// rejects the irregular section.
inline constexpr int kMaxPontos = 1'000'000;

// Each section's fields as its description lists them, in the file sections it names; the irregular section
// adds its points and, in "SULVOIRREGULAR2", what the first format has no key for (project/ArquivoIrregular2.h).
bool GravarNoArquivo(const TSulvo& s, TCustomIniFile& ini);
bool GravarNoArquivo(const TSulvoIrregular& s, TCustomIniFile& ini);
bool GravarNoArquivo(const TIDProjeto& id, TCustomIniFile& ini);

// False when the section is missing, has another version or holds an unknown out of range;
// what was read before the rejection stays stored. The irregular reader raises ESecaoDanificada when
// a point announced by "NumPontos" has none of its keys.
bool LerDoArquivo(TSulvo& s, TCustomIniFile& ini);
bool LerDoArquivo(TSulvoIrregular& s, TCustomIniFile& ini);
bool LerDoArquivo(TIDProjeto& id, TCustomIniFile& ini);

// The models of one workspace, as the main window (or sulvo-calc) holds them.
struct ModelosProjeto {
    TIDProjeto& IDProjeto;
    TSulvoTriangular& SulvoTriangular;
    TSulvoTrapezoidal& SulvoTrapezoidal;
    TSulvoRetangular& SulvoRetangular;
    TSulvoCircular& SulvoCircular;
    TSulvoIrregular& SulvoIrregular;
    std::uint8_t& IndSulvoReg;  // selected regular type: 0 triangular, 1 trapezoidal, 2 rectangular, 3 circular
    std::uint8_t& IndIncognita; // position last chosen in either list of unknowns

    // The regular section of type `tipo` (0 to 3); nullptr for any other.
    TSulvo* Regular(int tipo) const {
        TSulvo* secoes[] = {&SulvoTriangular, &SulvoTrapezoidal, &SulvoRetangular, &SulvoCircular};
        return tipo >= 0 && tipo < kTiposRegulares ? secoes[tipo] : nullptr;
    }
};

// Writes the whole project into PathProjeto, merged into what the file already holds, with
// reals in the given decimal separator. Raises EArquivoProjeto ("Não foi possível gravar o
// arquivo <path>.") on failure, in which case the file is left exactly as it was.
void EscreverArquivoProjeto(const std::string& PathProjeto, const ModelosProjeto& m, char separadorDecimal);

// Reads a project from PathProjeto into models the caller has just reset. A missing file or
// one whose head is not a project sets LeuCerto false and raises EArquivoProjeto ("Não foi
// possível abrir o arquivo <path>."); so does a damaged irregular section, with the reason after
// it. Sections that are missing or rejected leave their models at the reset values.
void LerArquivoProjeto(const std::string& PathProjeto, const ModelosProjeto& m, bool& LeuCerto);

// "Não foi possível abrir o arquivo <path>.", the message of a project that cannot be opened.
std::string MensagemNaoAbriu(const std::string& PathProjeto);

} // namespace sulvo
