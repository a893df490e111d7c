#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sulvo {
class TSulvo;
}

namespace sulvo::cli {

class ScriptedPrompt;

// The command line of sulvo-calc, checked for form only; each section checks its own field names.
struct Argumentos {
    std::string secao;
    std::vector<std::pair<std::string, double>> campos; // FIELD=VALUE in the order given, no repeats
    long long sim = 0;                                  // --sim N: Yes to the first N questions
    std::optional<std::string> pontos;                  // --pontos FILE (irregular)
    bool curva = false;                                 // --curva (irregular)
    bool cotas = false;                                 // --cotas (irregular): the points give elevations
    std::optional<std::string> projeto;                 // --projeto FILE: the problem comes from a project file
    bool regular = false;                               // --regular (with --projeto)
    bool irregular = false;                             // --irregular (with --projeto)
    bool gravar = false;                                // --gravar (with --projeto): write the project back
    std::vector<std::string> maisProjetos;              // further --projeto files (with --relatorio FOLDER)
    std::optional<std::string> relatorio;               // --relatorio OUT (with --projeto): the report file
    std::string formato = "pdf";                        // --formato pdf|html: reports written into a folder
    bool csv = false;                                   // --csv (with --curva): the curve as a table
};

// Throws UsageError on a malformed line.
Argumentos LerArgumentos(const std::vector<std::string>& args);

// Takes a field's value as an 8-bit enumeration (Incognita, Metodologia); throws UsageError otherwise.
unsigned char ValorByte(const std::string& campo, double valor);

// Stores FIELD=VALUE pairs into the section: any input its description lists, by key; throws UsageError for
// another field.
void PreencherCampos(const Argumentos& args, TSulvo& secao);

std::string TextoDeUso();

// The two sections' runners: fill a fresh engine object, calculate, print one JSON object.
int CalcularRegular(const Argumentos& args, std::string& saida);
// Checks the inputs of a filled regular section as the window does, calculates, prints one JSON object;
// true when results were stored.
bool CalcularComChecagem(TSulvo& secao, ScriptedPrompt& prompt, std::string& saida);
int CalcularIrregular(const Argumentos& args, std::string& saida);
// --projeto: the regular or irregular problem of a project file, optionally written back, optionally reported
// (--relatorio; several projects into a folder, one report each).
int CalcularProjeto(const Argumentos& args, std::string& saida);

} // namespace sulvo::cli
