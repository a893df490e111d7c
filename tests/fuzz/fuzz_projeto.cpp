// Every section's reader on arbitrary bytes, as the read of a project: whatever a reader takes from a
// file, saving it, reading that save and saving again gives the same text (save -> read -> save).
#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/ArquivoProjeto.h"
#include "project/IdentProjeto.h"
#include "project/IniFile.h"
#include "tests/fuzz/FuzzComum.h"

#include <cstdint>

using namespace sulvo;
using sulvo::fuzz::Exigir;

namespace {

template <class T> std::string Gravar(const T& objeto, char separador) {
    TIniFile ini("", separador);
    ini.CarregarTexto("");
    GravarNoArquivo(objeto, ini);
    return ini.Conteudo();
}

// One section's class: read from the input, then save, read, save.
template <class T> void IdaEVolta(const std::string& entrada, char separador) {
    T lido;
    bool aceito = false;
    {
        TIniFile ini("");
        ini.CarregarTexto(entrada);
        try {
            aceito = LerDoArquivo(lido, ini);
        } catch (const ESecaoDanificada&) {
            return; // refused with its message: nothing to save
        }
    }
    const std::string primeira = Gravar(lido, separador);
    T relido;
    TIniFile ini("");
    ini.CarregarTexto(primeira);
    // Our own save is never damaged, and a section accepted once is accepted again.
    const bool reaceito = LerDoArquivo(relido, ini);
    Exigir(reaceito || !aceito, "a section read from a file is read back from its save");
    const std::string segunda = Gravar(relido, separador);
    Exigir(primeira == segunda, "save -> read -> save gives the same section");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string entrada(reinterpret_cast<const char*>(dados), tamanho);
    // Both regional separators a save may use.
    const char separador = tamanho > 0 && (dados[0] & 1) ? ',' : '.';
    IdaEVolta<TIDProjeto>(entrada, separador);
    IdaEVolta<TSulvoTriangular>(entrada, separador);
    IdaEVolta<TSulvoTrapezoidal>(entrada, separador);
    IdaEVolta<TSulvoRetangular>(entrada, separador);
    IdaEVolta<TSulvoCircular>(entrada, separador);
    IdaEVolta<TSulvoIrregular>(entrada, separador);
    return 0;
}
