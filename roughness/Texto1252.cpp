#include "Texto1252.h"

#include <cstdint>

namespace sulvo::texto1252 {
namespace {

// Code points of the bytes 80 to 9F; the rest of the code page coincides with Latin-1.
constexpr char32_t Faixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AnexarUtf8(std::string& saida, char32_t c) {
    if (c < 0x80) {
        saida.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        saida.push_back(static_cast<char>(0xC0 | (c >> 6)));
        saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        saida.push_back(static_cast<char>(0xE0 | (c >> 12)));
        saida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char ByteDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Faixa80[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string ParaUtf8(std::string_view cp1252) {
    std::string saida;
    saida.reserve(cp1252.size() * 2);
    for (char ch : cp1252) {
        auto b = static_cast<unsigned char>(ch);
        AnexarUtf8(saida, b >= 0x80 && b < 0xA0 ? Faixa80[b - 0x80] : char32_t{b});
    }
    return saida;
}

std::string DeUtf8(std::string_view utf8) {
    std::string saida;
    saida.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        int extras = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extras < 0 || i + extras >= utf8.size()) {
            saida.push_back('?');
            ++i;
            continue;
        }
        char32_t c = extras == 0 ? b : (b & (0x3F >> extras));
        bool valido = true;
        for (int k = 1; k <= extras; ++k) {
            auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80) {
                valido = false;
                break;
            }
            c = (c << 6) | (cont & 0x3F);
        }
        constexpr char32_t menor[4] = {0, 0x80, 0x800, 0x10000}; // overlong forms are malformed
        if (!valido || c < menor[extras]) {
            saida.push_back('?');
            ++i;
            continue;
        }
        saida.push_back(ByteDe(c));
        i += extras + 1;
    }
    return saida;
}

} // namespace sulvo::texto1252
