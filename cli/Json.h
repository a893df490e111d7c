#pragma once

#include <string>
#include <string_view>

namespace sulvo::cli {

// A minimal writer for the one JSON object sulvo-calc prints; keys in the order they are added.
class JsonObject {
public:
    void Numero(std::string_view chave, double valor);
    void Inteiro(std::string_view chave, long long valor);
    void Booleano(std::string_view chave, bool valor);
    void Texto(std::string_view chave, std::string_view valor);
    // A value already written as JSON (a list or a nested object).
    void Bruto(std::string_view chave, std::string_view json);
    std::string Fechar() const { return corpo_ + "}"; }

private:
    void Chave(std::string_view chave);
    std::string corpo_ = "{";
};

std::string JsonNumero(double valor); // 17 significant digits; null for non-finite values
std::string JsonTexto(std::string_view texto);

} // namespace sulvo::cli
