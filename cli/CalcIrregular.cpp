// sulvo-calc irregular: reads a point file, solves one uniform-flow problem and prints the result.
#include "Argumentos.h"
#include "Json.h"
#include "Usage.h"

namespace sulvo::cli {

int CalcularIrregular(const Argumentos& args, std::string& saida) {
    (void)args;
    JsonObject json;
    json.Booleano("ok", false);
    saida = json.Fechar();
    return kFalhou;
}

} // namespace sulvo::cli
