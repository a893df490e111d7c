// The INI layer on arbitrary bytes: an untouched file is given back byte for byte, a written string
// or real reads back as written, and the merged content parses to itself again.
#include "common/Cp1252.h"
#include "project/IniFile.h"
#include "tests/fuzz/FuzzComum.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace sulvo;
using sulvo::fuzz::Exigir;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string entrada(reinterpret_cast<const char*>(dados), tamanho);
    TIniFile ini("");
    ini.CarregarTexto(entrada);
    Exigir(ini.Conteudo() == entrada, "an untouched file is kept byte for byte");

    // The first section of the input, if any, and some of its keys are read as any caller would.
    std::string secao = "SULVO1";
    if (auto abre = entrada.find('['); abre != std::string::npos) {
        auto fecha = entrada.find_first_of("]\r\n", abre);
        secao = Cp1252ParaUtf8(entrada.substr(abre + 1, fecha == std::string::npos ? fecha : fecha - abre - 1));
    }
    for (const char* chave : {"Versao", "NumPontos", "X1", "Nome"}) {
        (void)ini.ReadString(secao, chave, "");
        (void)ini.ReadInteger(secao, chave, 0);
        (void)ini.ReadFloat(secao, chave, 0);
    }

    // A value made of the input's last bytes (no line breaks: they cannot be stored) and a real made of
    // its first eight.
    std::string valorCp = entrada.substr(tamanho > 300 ? tamanho - 300 : 0);
    std::erase_if(valorCp, [](char c) { return c == '\r' || c == '\n'; });
    const std::string valor = Cp1252ParaUtf8(valorCp);
    double real = 0;
    if (tamanho >= sizeof real)
        std::memcpy(&real, dados, sizeof real);
    ini.WriteString("Fuzz", "Valor", valor);
    ini.WriteFloat("Fuzz", "Real", real);
    ini.WriteString(secao, "Valor", valor);

    const std::string mesclado = ini.Conteudo();
    TIniFile relido("");
    relido.CarregarTexto(mesclado);
    Exigir(relido.Conteudo() == mesclado, "the merged content parses to itself");
    const std::string esperado = Cp1252ParaUtf8(valorCp.substr(0, TIniFile::kMaxValor));
    Exigir(relido.ReadString("Fuzz", "Valor", "\n") == esperado, "a written string reads back");
    const double lido = relido.ReadFloat("Fuzz", "Real", std::numeric_limits<double>::quiet_NaN());
    if (std::isfinite(real)) {
        Exigir(std::isfinite(lido), "a finite real reads back as a number");
        // Fifteen significant digits, or seventeen where fifteen would not read back.
        Exigir(std::fabs(lido - real) <= 1e-14 * std::fabs(real) || real == lido, "a real keeps its digits");
    }
    return 0;
}
