#include "common/Cp1252.h"

#include <array>
#include <cstdint>

namespace sulvo {
namespace {

// Unicode code points of the bytes 0x80 to 0x9F; the undefined five map to themselves.
constexpr std::array<char32_t, 32> kAlto = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kInvalido = 0xFFFFFFFF;

char32_t CodigoDoByte(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kAlto[b - 0x80] : b;
}

// The Windows-1252 byte of a code point, or -1 when the code page lacks it.
int ByteDoCodigo(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kAlto.size(); ++i)
        if (kAlto[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

void AcrescentarUtf8(std::string& saida, char32_t cp) {
    if (cp < 0x80) {
        saida.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        saida.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        saida.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        saida.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        saida.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        saida.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        saida.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one code point at `pos` and advances; malformed input yields kInvalido and advances
// by one byte. Overlong forms, surrogates and values above U+10FFFF are malformed.
char32_t Decodificar(std::string_view t, std::size_t& pos) {
    auto b0 = static_cast<unsigned char>(t[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra;
    char32_t cp, minimo;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, minimo = 0x10000;
    } else {
        ++pos;
        return kInvalido;
    }
    if (pos + extra >= t.size()) {
        ++pos;
        return kInvalido;
    }
    for (int k = 1; k <= extra; ++k) {
        auto b = static_cast<unsigned char>(t[pos + k]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kInvalido;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kInvalido;
    }
    pos += extra + 1;
    return cp;
}

char32_t Dobrar(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
        return cp + 32;
    switch (cp) {
    case 0x0160:
        return 0x0161;
    case 0x0152:
        return 0x0153;
    case 0x017D:
        return 0x017E;
    case 0x0178:
        return 0x00FF;
    default:
        return cp;
    }
}

bool SoAscii(std::string_view texto) {
    for (char c : texto)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Lower case of every Windows-1252 byte, computed once.
struct TabelaMinusculas {
    std::array<char, 256> byte{};
    TabelaMinusculas() {
        for (int b = 0; b < 256; ++b) {
            int novo = ByteDoCodigo(Dobrar(CodigoDoByte(static_cast<unsigned char>(b))));
            byte[b] = static_cast<char>(novo < 0 ? b : novo);
        }
    }
};

} // namespace

std::string Cp1252ParaUtf8(std::string_view texto) {
    if (SoAscii(texto))
        return std::string(texto);
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 8);
    for (char c : texto)
        AcrescentarUtf8(saida, CodigoDoByte(static_cast<unsigned char>(c)));
    return saida;
}

std::string Utf8ParaCp1252(std::string_view texto) {
    if (SoAscii(texto))
        return std::string(texto);
    std::string saida;
    saida.reserve(texto.size());
    std::size_t pos = 0;
    while (pos < texto.size()) {
        char32_t cp = Decodificar(texto, pos);
        int b = cp == kInvalido ? -1 : ByteDoCodigo(cp);
        saida.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return saida;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        std::size_t ii = i, jj = j;
        char32_t ca = Decodificar(a, i), cb = Decodificar(b, j);
        // Malformed bytes only match the same malformed byte.
        if (ca == kInvalido || cb == kInvalido) {
            if (ca != cb || a[ii] != b[jj])
                return false;
            continue;
        }
        if (Dobrar(ca) != Dobrar(cb))
            return false;
    }
    return i == a.size() && j == b.size();
}

char MinusculaCp1252(char c) {
    static const TabelaMinusculas tabela;
    return tabela.byte[static_cast<unsigned char>(c)];
}

} // namespace sulvo
