#pragma once

#include "engine/Subdivisao.h"
#include "engine/uIrregular.h"
#include "engine/uSulvo.h"
#include "engine/ucircular.h"

#include <cstdint>
#include <string>
#include <vector>

// The JSON objects sulvo-calc prints for a calculated section, keys in the order of the fields.
namespace sulvo::cli {

// A prismatic section (triangle, trapezoid, rectangle) with its unknown.
std::string JsonPrismatico(const TSulvoR& s, std::uint8_t incognita, bool ok,
                           const std::vector<std::string>& mensagens);
std::string JsonCircular(const TSulvoCircular& s, bool ok, const std::vector<std::string>& mensagens);
// The irregular section; `curva` adds the discharge–depth chart of the methods, `metodos` the discharge at the
// computed depth by every method.
std::string JsonIrregular(const TSulvoIrregular& s, bool ok, const std::vector<TPontoCurva>* curva,
                          const TComparacaoMetodos* metodos, const std::vector<std::string>& mensagens);

} // namespace sulvo::cli
