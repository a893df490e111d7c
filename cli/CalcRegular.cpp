// sulvo-calc for the four regular sections.
#include "Argumentos.h"
#include "Usage.h"

namespace sulvo::cli {

int CalcularRegular(const Argumentos& args, std::string& saida) {
    saida.clear();
    throw UsageError("seção desconhecida: " + args.secao);
}

} // namespace sulvo::cli
