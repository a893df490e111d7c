#pragma once

#include "engine/Subdivisao.h"
#include "report/URelatorio.h"

// The irregular report's comparison of the methods at the computed depth.
namespace sulvo {

// Every method's discharge at the section's depth H and slope I, as the page shows it after a calculation; empty
// without results (A not positive) or when a wetted interval has no coefficient.
TComparacaoMetodos CompararMetodosDoRelatorio(const TSulvoIrregular& secao, char separador);

// "COMPARAÇÃO DOS MÉTODOS": a bordered table of method, discharge and equivalent n, and the spread below it.
// Nothing for an empty comparison.
void AnexarTabelaMetodos(TConstrutorRelatorio& r, const TComparacaoMetodos& comparacao);

} // namespace sulvo
