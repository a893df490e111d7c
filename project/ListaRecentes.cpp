#include "project/ListaRecentes.h"

#include "common/Cp1252.h"

#include <algorithm>

namespace sulvo {
namespace {

std::string Chave(int n, bool extra) {
    return "path" + std::to_string(n) + (extra ? "u" : "");
}

bool CabeEmCp1252(const std::string& utf8) {
    return Cp1252ParaUtf8(Utf8ParaCp1252(utf8)) == utf8;
}

std::string Codificar(const std::string& bytes) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string saida;
    for (unsigned char c : bytes) {
        if (c > 0x20 && c < 0x7F && c != '%') {
            saida.push_back(static_cast<char>(c));
        } else {
            saida.push_back('%');
            saida.push_back(kHex[c >> 4]);
            saida.push_back(kHex[c & 15]);
        }
    }
    return saida;
}

int Hex(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string Decodificar(std::string_view texto) {
    std::string saida;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '%' && i + 2 < texto.size() && Hex(texto[i + 1]) >= 0 && Hex(texto[i + 2]) >= 0) {
            saida.push_back(static_cast<char>(Hex(texto[i + 1]) * 16 + Hex(texto[i + 2])));
            i += 2;
        } else {
            saida.push_back(texto[i]);
        }
    }
    return saida;
}

} // namespace

Recentes4 LerRecentes(TCustomIniFile& ini, std::string_view secao) {
    Recentes4 r;
    for (int n = 1; n <= 4; ++n) {
        std::string comum = ini.ReadString(secao, Chave(n, false), "");
        std::string extra = ini.ReadString(secao, Chave(n, true), "");
        std::string completo = extra.empty() ? std::string() : Decodificar(extra);
        r[n - 1] = !completo.empty() && Cp1252ParaUtf8(Utf8ParaCp1252(completo)) == comum ? completo : comum;
    }
    return r;
}

void GravarRecentes(TCustomIniFile& ini, std::string_view secao, const Recentes4& recentes) {
    for (int n = 1; n <= 4; ++n) {
        const std::string& caminho = recentes[n - 1];
        ini.WriteString(secao, Chave(n, false), caminho);
        // The extra key only where it is needed (an empty one is the same as none, and clears a stale one).
        const bool precisa = !CabeEmCp1252(caminho);
        if (precisa || !ini.ReadString(secao, Chave(n, true), "").empty())
            ini.WriteString(secao, Chave(n, true), precisa ? Codificar(caminho) : std::string());
    }
}

Recentes4 MesclarRecentes(const std::vector<std::string>& usadosNestaExecucao, const Recentes4& doArquivo,
                          const Recentes4& destaExecucao, const std::vector<std::string>& removidos) {
    Recentes4 r;
    std::size_t n = 0;
    auto juntar = [&](const std::string& caminho) {
        if (n == r.size() || caminho.empty() || std::find(r.begin(), r.begin() + n, caminho) != r.begin() + n ||
            std::find(removidos.begin(), removidos.end(), caminho) != removidos.end())
            return;
        r[n++] = caminho;
    };
    for (const auto& c : usadosNestaExecucao)
        juntar(c);
    for (const auto& c : doArquivo)
        juntar(c);
    for (const auto& c : destaExecucao)
        juntar(c);
    return r;
}

} // namespace sulvo
