#pragma once

#include "engine/Descricao.h"

#include <cstdint>
#include <functional>
#include <string>

namespace sulvo {

// What a checked field must be: greater than zero (an empty field of the window reads zero), or not below zero.
enum class LimiteValidacao : std::uint8_t { MaiorQueZero, NaoNegativo };

// The value a field holds where the check looks: the page's entry field or the section's member.
using ValorDoCampo = std::function<double(const TCampoSecao&)>;

// The first input of stage `etapa` that is not greater than zero, as the message to show; empty when all are.
// Only the inputs the section shows are checked, in their order; a field the unknown solves is skipped, and a
// field the section takes only with one unknown is checked only then.
std::string ValidarEtapa(const TDescricaoSecao& descricao, int incognita, EtapaValidacao etapa,
                         const ValorDoCampo& valor, LimiteValidacao limite = LimiteValidacao::MaiorQueZero);

// Every stage in turn on the section's own fields and unknown: what the window checks before it calculates.
// `comprimento` is what the channel length must be (sulvo-calc lets a length left out mean no earthwork).
std::string ValidarEntrada(const TSulvo& secao, LimiteValidacao comprimento = LimiteValidacao::MaiorQueZero);

} // namespace sulvo
