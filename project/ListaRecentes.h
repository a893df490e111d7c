#pragma once

#include "project/IniFile.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The recent-project list as "Sulvo.ini" keeps it, and the merge that lets two running copies share it.
namespace sulvo {

using Recentes4 = std::array<std::string, 4>;

// Entries 1 to 4 from the keys "path1" ... "path4" of `secao`. The settings file is Windows-1252, so a
// path with other characters cannot be stored there as it is: such a path is also kept in "path1u" ...
// "path4u", every byte outside printable ASCII (and "%") as %XX, and that copy is taken while "pathN"
// still holds the same path as far as Windows-1252 can tell (an older copy of the program rewrites
// "pathN" and knows nothing of "pathNu").
Recentes4 LerRecentes(TCustomIniFile& ini, std::string_view secao);
void GravarRecentes(TCustomIniFile& ini, std::string_view secao, const Recentes4& recentes);

// The list to store at exit, when another copy may have stored its own meanwhile: first the entries this
// run used (most recent first), then those of the file as it is now, then the rest of this run's list;
// without repetitions (exact comparison), without the entries this run found gone, four at most.
Recentes4 MesclarRecentes(const std::vector<std::string>& usadosNestaExecucao, const Recentes4& doArquivo,
                          const Recentes4& destaExecucao, const std::vector<std::string>& removidos);

} // namespace sulvo
