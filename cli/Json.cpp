#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace sulvo::cli {

std::string JsonNumero(double valor) {
    if (!std::isfinite(valor))
        return "null";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::general, 17);
    return std::string(buf, res.ptr);
}

std::string JsonTexto(std::string_view texto) {
    std::string s = "\"";
    for (unsigned char c : texto) {
        switch (c) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s += buf;
            } else {
                s.push_back(static_cast<char>(c));
            }
        }
    }
    return s + "\"";
}

void JsonObject::Chave(std::string_view chave) {
    if (corpo_.size() > 1)
        corpo_ += ", ";
    corpo_ += JsonTexto(chave);
    corpo_ += ": ";
}

void JsonObject::Numero(std::string_view chave, double valor) {
    Chave(chave);
    corpo_ += JsonNumero(valor);
}

void JsonObject::Inteiro(std::string_view chave, long long valor) {
    Chave(chave);
    corpo_ += std::to_string(valor);
}

void JsonObject::Booleano(std::string_view chave, bool valor) {
    Chave(chave);
    corpo_ += valor ? "true" : "false";
}

void JsonObject::Texto(std::string_view chave, std::string_view valor) {
    Chave(chave);
    corpo_ += JsonTexto(valor);
}

void JsonObject::Bruto(std::string_view chave, std::string_view json) {
    Chave(chave);
    corpo_ += json;
}

} // namespace sulvo::cli
