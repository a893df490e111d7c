#pragma once

#include "engine/Subdivisao.h"
#include "engine/uIrregular.h"
#include "engine/uSulvo.h"

#include <string>
#include <vector>

// The JSON object sulvo-calc prints for a calculated section: "ok", then every field of the section's
// description in its order, the irregular section's discharge–depth chart when asked, the band of the unknown
// with the tables' minimum and maximum n ("faixa_n", null without one), and the messages.
namespace sulvo::cli {

std::string JsonSecao(const TSulvo& s, bool ok, const std::vector<std::string>& mensagens,
                      const std::vector<TPontoCurva>* curva = nullptr);
// The irregular section: its fields, then its bank stations as used, the velocity coefficient and, when given,
// the discharge at the computed depth by every method.
std::string JsonIrregular(const TSulvoIrregular& s, bool ok, const std::vector<std::string>& mensagens,
                          const std::vector<TPontoCurva>* curva, const TComparacaoMetodos* metodos);

} // namespace sulvo::cli
