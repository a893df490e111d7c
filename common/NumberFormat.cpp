#include "common/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace sulvo {
namespace {

// A finite value as decimal digits: value = 0.d1d2d3... x 10^exp10 (d1 != 0 unless the value is 0).
struct Decimal {
    bool negativo = false;
    std::string digitos; // most significant first
    int exp10 = 0;       // position of the decimal point relative to the first digit
};

// The value correctly rounded to `significativos` digits.
Decimal Decompor(double valor, int significativos) {
    Decimal d;
    d.negativo = std::signbit(valor) && valor != 0.0;
    if (valor == 0.0) {
        d.digitos = "0";
        d.exp10 = 1;
        return d;
    }
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific, significativos - 1);
    std::string_view texto(buf, res.ptr - buf);
    auto e = texto.find('e');
    for (char c : texto.substr(0, e))
        if (c != '.')
            d.digitos.push_back(c);
    d.exp10 = std::atoi(std::string(texto.substr(e + 1)).c_str()) + 1;
    return d;
}

// Rounds the decimal digits half away from zero so that `decimais` digits follow the point.
void ArredondarDecimais(Decimal& d, int decimais) {
    int manter = d.exp10 + decimais; // digits that stay
    if (manter >= static_cast<int>(d.digitos.size()))
        return;
    if (manter < 0) {
        d.digitos = "0";
        d.exp10 = 1;
        return;
    }
    bool sobe = d.digitos[manter] >= '5';
    d.digitos.resize(manter);
    if (sobe) {
        int i = manter - 1;
        while (i >= 0 && d.digitos[i] == '9')
            d.digitos[i--] = '0';
        if (i >= 0)
            ++d.digitos[i];
        else {
            d.digitos.insert(d.digitos.begin(), '1');
            ++d.exp10;
        }
    }
    if (d.digitos.empty()) {
        d.digitos = "0";
        d.exp10 = 1;
    }
}

std::string EscreverFixo(const Decimal& d, int decimais, char separador) {
    std::string inteiro, fracao;
    for (int pos = 0; pos < d.exp10; ++pos)
        inteiro.push_back(pos < static_cast<int>(d.digitos.size()) ? d.digitos[pos] : '0');
    if (inteiro.empty())
        inteiro = "0";
    for (int pos = d.exp10; pos < d.exp10 + decimais; ++pos)
        fracao.push_back(pos >= 0 && pos < static_cast<int>(d.digitos.size()) ? d.digitos[pos] : '0');
    bool zero =
        inteiro.find_first_not_of('0') == std::string::npos && fracao.find_first_not_of('0') == std::string::npos;
    std::string texto = (d.negativo && !zero) ? "-" : "";
    texto += inteiro;
    if (decimais > 0) {
        texto.push_back(separador);
        texto += fracao;
    }
    return texto;
}

std::string NaoFinito(double valor) {
    if (std::isnan(valor))
        return "NAN";
    return valor > 0 ? "INF" : "-INF";
}

// Scientific notation from significant digits: mantissa without trailing zeros, "E", exponent
// with a "-" when negative and no padding.
std::string EscreverCientifico(const Decimal& d, char separador, bool cortarZeros, bool sinalMais) {
    std::string mant = d.digitos;
    if (cortarZeros)
        while (mant.size() > 1 && mant.back() == '0')
            mant.pop_back();
    std::string texto = d.negativo ? "-" : "";
    texto.push_back(mant[0]);
    if (mant.size() > 1) {
        texto.push_back(separador);
        texto.append(mant, 1);
    }
    int expoente = d.exp10 - 1;
    texto += 'E';
    if (expoente < 0)
        texto += '-';
    else if (sinalMais)
        texto += '+';
    texto += std::to_string(std::abs(expoente));
    return texto;
}

} // namespace

std::string FormatarFixo(double valor, int decimais, char separador) {
    if (!std::isfinite(valor))
        return NaoFinito(valor);
    Decimal d = Decompor(valor, 10);
    if (d.exp10 > 10)
        return EscreverCientifico(d, separador, false, true);
    ArredondarDecimais(d, decimais);
    return EscreverFixo(d, decimais, separador);
}

std::string FormatarPadrao(double valor, int decimais, char separador) {
    if (!std::isfinite(valor))
        return NaoFinito(valor);
    Decimal d = Decompor(valor, 15);
    ArredondarDecimais(d, decimais);
    return EscreverFixo(d, decimais, separador);
}

std::string FormatarEntrada(double valor, int decimais, char separador) {
    if (!std::isfinite(valor))
        return NaoFinito(valor);
    constexpr int kMaisDecimais = 20;
    Decimal d = Decompor(valor, 10);
    if (d.exp10 > 10)
        return EscreverCientifico(d, separador, true, true);
    while (d.digitos.size() > 1 && d.digitos.back() == '0')
        d.digitos.pop_back();
    const int precisos = valor == 0.0 ? 0 : static_cast<int>(d.digitos.size()) - d.exp10;
    const int mostrados = std::clamp(precisos, decimais, std::max(decimais, kMaisDecimais));
    ArredondarDecimais(d, mostrados);
    return EscreverFixo(d, mostrados, separador);
}

std::string FormatarGeral(double valor, char separador, int digitos) {
    if (!std::isfinite(valor))
        return NaoFinito(valor);
    if (valor == 0.0)
        return "0";
    Decimal d = Decompor(valor, digitos);
    double abs = std::fabs(valor);
    if (abs < 1e-4 || d.exp10 > digitos) {
        std::string texto = EscreverCientifico(d, separador, true, false);
        // Near the ends of the range the rounding can leave it: 1.7976931348623157E308 with 15 digits
        // is 1.79769313486232E308, beyond the largest double, which a reader would take as unreadable.
        // Seventeen digits always read back, to the same value.
        if (digitos < 17 && !LerReal(texto))
            return FormatarGeral(valor, separador, 17);
        return texto;
    }
    std::string digs = d.digitos;
    while (!digs.empty() && digs.back() == '0' && static_cast<int>(digs.size()) > d.exp10)
        digs.pop_back();
    Decimal cortado = d;
    cortado.digitos = digs;
    int decimais = std::max(0, static_cast<int>(digs.size()) - d.exp10);
    return EscreverFixo(cortado, decimais, separador);
}

std::optional<double> LerReal(std::string_view texto) {
    auto inicio = texto.find_first_not_of(" \t\r\n");
    if (inicio == std::string_view::npos)
        return std::nullopt;
    auto fim = texto.find_last_not_of(" \t\r\n");
    texto = texto.substr(inicio, fim - inicio + 1);
    // Numbers are short: the copy with the separator replaced lives on the stack (project files hold
    // hundreds of thousands of them).
    char curto[64];
    std::string longo;
    char* s = curto;
    if (texto.size() > sizeof curto) {
        longo.assign(texto);
        s = longo.data();
    } else {
        std::memcpy(curto, texto.data(), texto.size());
    }
    const std::size_t n = texto.size();
    int separadores = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (s[i] == ',' || s[i] == '.') {
            s[i] = '.';
            ++separadores;
        }
    if (separadores > 1)
        return std::nullopt;
    std::size_t pos = 0;
    if (s[0] == '+')
        pos = 1;
    if (pos < n && s[pos] == '-' && pos == 1)
        return std::nullopt;
    double valor = 0;
    const char* primeiro = s + pos;
    const char* ultimo = s + n;
    if (primeiro == ultimo || *primeiro == '+')
        return std::nullopt;
    auto res = std::from_chars(primeiro, ultimo, valor, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != ultimo || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

} // namespace sulvo
