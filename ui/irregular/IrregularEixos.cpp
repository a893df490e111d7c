#include "ui/irregular/IrregularEixos.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace sulvo {

TFaixaEixo FaixaAutomatica(double menor, double maior) {
    if (!std::isfinite(menor) || !std::isfinite(maior))
        return {};
    if (maior < menor)
        std::swap(menor, maior);
    if (maior - menor <= 1e-12 * std::max(1.0, std::fabs(maior)))
        return {menor - 1, maior + 1};
    return {menor, maior};
}

std::vector<double> MarcasEixo(const TFaixaEixo& faixa, int alvo) {
    std::vector<double> marcas;
    const double largura = faixa.Maximo - faixa.Minimo;
    if (!(largura > 0) || !std::isfinite(largura) || alvo < 1)
        return marcas;
    const double bruto = largura / alvo;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    double passo = potencia * 10;
    for (double fator : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (fator * potencia >= bruto) {
            passo = fator * potencia;
            break;
        }
    const double tolerancia = passo * 1e-9;
    for (double k = std::ceil((faixa.Minimo - tolerancia) / passo);; k += 1) {
        double valor = k * passo;
        if (valor > faixa.Maximo + tolerancia)
            break;
        marcas.push_back(std::fabs(valor) < tolerancia ? 0.0 : valor);
    }
    return marcas;
}

std::string FormatarRotuloEixo(double valor, char separadorDecimal, char separadorMilhar) {
    if (!std::isfinite(valor))
        return {};
    char buf[400];
    auto fim = std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::fixed, 2).ptr;
    std::string texto(buf, fim);
    auto ponto = texto.find('.');
    std::string inteiro = texto.substr(0, ponto);
    std::string fracao = ponto == std::string::npos ? "" : texto.substr(ponto + 1);
    while (!fracao.empty() && fracao.back() == '0')
        fracao.pop_back();
    std::string agrupado;
    for (std::size_t i = 0; i < inteiro.size(); ++i) {
        if (i > 0 && (inteiro.size() - i) % 3 == 0)
            agrupado.push_back(separadorMilhar);
        agrupado.push_back(inteiro[i]);
    }
    bool zero = inteiro.find_first_not_of('0') == std::string::npos && fracao.empty();
    std::string resultado = (valor < 0 && !zero) ? "-" : "";
    resultado += agrupado;
    if (!fracao.empty()) {
        resultado.push_back(separadorDecimal);
        resultado += fracao;
    }
    return resultado;
}

} // namespace sulvo
