#include "engine/Levantamento.h"

#include "common/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace sulvo {
namespace {

struct LinhaTexto {
    std::size_t numero = 0; // 1-based
    std::string_view texto; // without the end of line and the blanks around it
};

std::string_view SemBrancos(std::string_view t) {
    const auto inicio = t.find_first_not_of(' ');
    if (inicio == std::string_view::npos)
        return {};
    return t.substr(inicio, t.find_last_not_of(' ') - inicio + 1);
}

// The lines that hold data or a header: blank lines and comments are left out. Any of "\r\n", "\n" and "\r"
// ends a line, so files from every system read alike.
std::vector<LinhaTexto> Linhas(std::string_view texto) {
    if (texto.substr(0, 3) == "\xEF\xBB\xBF") // a byte-order mark left by some editors
        texto.remove_prefix(3);
    std::vector<LinhaTexto> linhas;
    std::size_t numero = 1;
    while (!texto.empty()) {
        const auto fim = texto.find_first_of("\r\n");
        std::string_view linha = texto.substr(0, fim);
        if (fim == std::string_view::npos)
            texto = {};
        else {
            const bool crlf = texto[fim] == '\r' && fim + 1 < texto.size() && texto[fim + 1] == '\n';
            texto.remove_prefix(fim + (crlf ? 2 : 1));
        }
        // Tabs at the ends are kept: an empty spreadsheet cell is a field too.
        linha = SemBrancos(linha);
        if (!linha.empty() && linha.front() != '#' && linha.find_first_not_of('\t') != std::string_view::npos)
            linhas.push_back({numero, linha});
        ++numero;
    }
    return linhas;
}

// The fields of a line; `separador` 0 stands for runs of blanks.
std::vector<std::string_view> Campos(std::string_view linha, char separador) {
    std::vector<std::string_view> campos;
    if (separador == 0) {
        std::size_t i = 0;
        while (i < linha.size()) {
            i = linha.find_first_not_of(" \t", i);
            if (i == std::string_view::npos)
                break;
            const auto fim = std::min(linha.find_first_of(" \t", i), linha.size());
            campos.push_back(linha.substr(i, fim - i));
            i = fim;
        }
        return campos;
    }
    while (true) {
        const auto fim = linha.find(separador);
        std::string_view campo = SemBrancos(linha.substr(0, fim));
        if (separador != '\t')
            campo = campo.substr(0, campo.find_last_not_of('\t') + 1);
        // A spreadsheet quotes a cell that holds the separator.
        if (campo.size() >= 2 && campo.front() == '"' && campo.back() == '"')
            campo = SemBrancos(campo.substr(1, campo.size() - 2));
        campos.push_back(campo);
        if (fim == std::string_view::npos)
            break;
        linha.remove_prefix(fim + 1);
    }
    // Empty cells after the third column are what a wider selection in a spreadsheet leaves.
    while (campos.size() > 3 && campos.back().empty())
        campos.pop_back();
    return campos;
}

std::string Numero(double v, char separador) {
    return FormatarGeral(v, separador, 10);
}

struct Leitura {
    std::vector<TPontoSecao> pontos;       // as read: stations and elevations (or Y)
    std::vector<std::size_t> linhaDoPonto; // line of each point, for the messages
    bool cabecalho = false;
    bool comRugosidade = false;
    std::optional<TErroLevantamento> erro;
};

Leitura LerCom(const std::vector<LinhaTexto>& linhas, char separador, char decimal) {
    Leitura r;
    auto recusar = [&](const LinhaTexto& l, std::string mensagem) {
        r.erro = TErroLevantamento{l.numero, std::move(mensagem), std::string(l.texto)};
        return r;
    };
    // The widest data line decides whether there is a column of n.
    std::size_t colunas = 0;
    for (std::size_t k = 0; k < linhas.size(); ++k)
        colunas = std::max(colunas, Campos(linhas[k].texto, separador).size());
    colunas = std::clamp<std::size_t>(colunas, 2, 3);
    const char* esperado =
        colunas == 3 ? "esperados 3 valores (estaca, cota e n)" : "esperados 2 valores (estaca e cota)";

    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const LinhaTexto& l = linhas[k];
        const auto campos = Campos(l.texto, separador);
        // A first line without a single number names the columns.
        if (k == 0 && std::none_of(campos.begin(), campos.end(), [](std::string_view c) { return LerReal(c); })) {
            r.cabecalho = true;
            continue;
        }
        // The left bank ends no interval, so the first point may leave its n out.
        const bool primeiro = r.pontos.empty();
        if (campos.size() != colunas && !(primeiro && campos.size() == 2))
            return recusar(l, esperado);
        double valores[3] = {0, 0, 0};
        for (std::size_t c = 0; c < campos.size(); ++c) {
            if (c == 2 && campos[c].empty())
                continue; // an empty cell: the interval has no coefficient yet
            const auto v = LerReal(campos[c]);
            if (!v)
                return recusar(l, "\"" + std::string(campos[c]) + "\" não é um número");
            valores[c] = *v;
        }
        if (valores[2] < 0)
            return recusar(l, "o coeficiente de rugosidade não pode ser negativo");
        if (!primeiro && valores[0] < r.pontos.back().X)
            return recusar(l, "a estaca " + Numero(valores[0], decimal) + " é menor que a anterior (" +
                                  Numero(r.pontos.back().X, decimal) + ")");
        r.comRugosidade = r.comRugosidade || campos.size() == 3;
        r.pontos.push_back({valores[0], valores[1], valores[2]});
        r.linhaDoPonto.push_back(l.numero);
    }
    return r;
}

bool Finito(const TPontoSecao& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

// The point of the segment a-b at Y = 0, with the roughness of the interval it ends.
TPontoSecao NoNivel(const TPontoSecao& a, const TPontoSecao& b, double rug) {
    const double t = (0 - a.Y) / (b.Y - a.Y);
    return {a.X + t * (b.X - a.X), 0, rug};
}

} // namespace

TLeituraLevantamento LerLevantamento(std::string_view texto, TTipoCota tipo, char separador) {
    TLeituraLevantamento resultado;
    const std::vector<LinhaTexto> linhas = Linhas(texto);

    // The separator that reads every line wins; a text that none reads is refused with the reasons given by
    // the most likely one (the first of tab, semicolon, comma that occurs, else blanks).
    std::vector<char> candidatos;
    for (char c : {'\t', ';', ','})
        if (std::any_of(linhas.begin(), linhas.end(),
                        [c](const LinhaTexto& l) { return l.texto.find(c) != std::string_view::npos; }))
            candidatos.push_back(c);
    candidatos.push_back(0);
    std::optional<Leitura> lida;
    std::optional<TErroLevantamento> primeiroErro;
    for (char c : candidatos) {
        Leitura l = LerCom(linhas, c, separador);
        if (!l.erro) {
            lida = std::move(l);
            break;
        }
        if (!primeiroErro)
            primeiroErro = l.erro;
    }
    if (!lida) {
        resultado.Erro = primeiroErro;
        return resultado;
    }

    TLevantamento& lev = resultado.Levantamento;
    lev.Cabecalho = lida->cabecalho;
    lev.ComRugosidade = lida->comRugosidade;
    std::vector<TPontoSecao> pontos = std::move(lida->pontos);
    if (pontos.empty())
        return resultado;
    const auto recusarTudo = [&](std::string mensagem) {
        resultado.Erro = TErroLevantamento{0, std::move(mensagem), {}};
        resultado.Levantamento = {};
        return resultado;
    };

    lev.Convertido = tipo == TTipoCota::Cotas ||
                     std::any_of(pontos.begin(), pontos.end(), [](const TPontoSecao& p) { return p.Y > 0; });
    if (lev.Convertido && pontos.size() >= 2) {
        const double esquerda = pontos.front().Y;
        const double direita = pontos.back().Y;
        lev.CotaReferencia = std::min(esquerda, direita);
        for (TPontoSecao& p : pontos)
            p.Y -= lev.CotaReferencia;
        // From the lower bank towards the other side, the first point above the level ends the section.
        const bool baixaAEsquerda = esquerda <= direita;
        const std::size_t n = pontos.size();
        if (baixaAEsquerda) {
            std::size_t i = 1;
            while (i < n && !(pontos[i].Y > 0))
                ++i;
            if (i < n) {
                const bool noNivel = pontos[i - 1].Y == 0;
                const TPontoSecao fim = NoNivel(pontos[i - 1], pontos[i], pontos[i].Rug);
                lev.Corte = noNivel ? pontos[i - 1].X : fim.X;
                lev.Descartados = n - i;
                pontos.resize(i);
                if (!noNivel)
                    pontos.push_back(fim);
            }
        } else {
            std::size_t i = n - 1;
            while (i > 0 && !(pontos[i - 1].Y > 0))
                --i;
            if (i > 0) {
                const bool noNivel = pontos[i].Y == 0;
                const TPontoSecao inicio = NoNivel(pontos[i - 1], pontos[i], 0);
                lev.Corte = noNivel ? pontos[i].X : inicio.X;
                lev.Descartados = i;
                pontos.erase(pontos.begin(), pontos.begin() + static_cast<std::ptrdiff_t>(i));
                if (!noNivel)
                    pontos.insert(pontos.begin(), inicio);
            }
        }
        if (lev.Corte) {
            const bool umPonto = lev.Descartados == 1;
            lev.Aviso = "As cotas foram convertidas para a seção, com 0 no nível da margem mais baixa (cota " +
                        Numero(lev.CotaReferencia, separador) + "). O terreno sobe acima desse nível na estaca " +
                        Numero(*lev.Corte, separador) + ": a seção foi cortada ali e " +
                        std::to_string(lev.Descartados) + (umPonto ? " ponto " : " pontos ") +
                        (baixaAEsquerda ? "além" : "antes") + " dessa estaca " +
                        (umPonto ? "foi descartado." : "foram descartados.");
        }
    }

    lev.EstacaInicial = pontos.front().X;
    for (TPontoSecao& p : pontos)
        p.X -= lev.EstacaInicial;
    pontos.front().Rug = 0; // the left bank ends no interval
    if (!std::all_of(pontos.begin(), pontos.end(), Finito))
        return recusarTudo("os valores do levantamento estão fora do alcance dos cálculos");
    if (lev.Convertido &&
        (pontos.size() < 3 || std::none_of(pontos.begin(), pontos.end(), [](const TPontoSecao& p) { return p.Y < 0; })))
        return recusarTudo("o levantamento não tem pontos abaixo do nível da margem mais baixa (cota " +
                           Numero(lev.CotaReferencia, separador) + ")");
    lev.Pontos = std::move(pontos);
    return resultado;
}

} // namespace sulvo
