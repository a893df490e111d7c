#include "report/TabelaCurva.h"

#include "common/NumberFormat.h"

namespace sulvo {

std::string TabelaCurva(const std::vector<TPontoCurva>& curva, char separadorDecimal, char separadorColunas) {
    std::string texto;
    texto.reserve(56 * (curva.size() + 1));
    const std::string sep(1, separadorColunas);
    texto += std::string(kColunaProfundidade) + sep + kColunaConvencional + sep + kColunaDivisao + sep +
             kColunaSubdivisao + "\n";
    for (const TPontoCurva& p : curva) {
        texto += FormatarGeral(p.h, separadorDecimal, 10);
        texto += sep;
        texto += FormatarGeral(p.QConvencional, separadorDecimal, 10);
        texto += sep;
        texto += FormatarGeral(p.QDivisao, separadorDecimal, 10);
        texto += sep;
        texto += FormatarGeral(p.QSubdivisao, separadorDecimal, 10);
        texto += '\n';
    }
    return texto;
}

std::optional<TPontoCurva> InterpolarCurva(const std::vector<TPontoCurva>& curva, double h) {
    if (curva.empty() || !(h >= 0) || h > curva.back().h)
        return std::nullopt;
    TPontoCurva antes{0, 0, 0};
    for (const TPontoCurva& p : curva) {
        if (h <= p.h) {
            const double t = p.h > antes.h ? (h - antes.h) / (p.h - antes.h) : 1.0;
            return TPontoCurva{h, antes.QDivisao + t * (p.QDivisao - antes.QDivisao),
                               antes.QConvencional + t * (p.QConvencional - antes.QConvencional),
                               antes.QSubdivisao + t * (p.QSubdivisao - antes.QSubdivisao)};
        }
        antes = p;
    }
    return curva.back();
}

std::vector<TPontoCurva> AmostrarCurva(const std::vector<TPontoCurva>& curva, std::size_t linhas) {
    if (linhas == 0 || curva.size() <= linhas)
        return curva;
    std::vector<TPontoCurva> amostra;
    amostra.reserve(linhas);
    // Row k takes the point at (k + 1) / linhas of the curve, so the deepest point always closes the table.
    for (std::size_t k = 0; k < linhas; ++k)
        amostra.push_back(curva[((k + 1) * curva.size()) / linhas - 1]);
    return amostra;
}

void AnexarTabelaCurva(std::string& textoRelatorio, const std::vector<TPontoCurva>& curva, char separadorDecimal) {
    if (curva.empty())
        return;
    std::string tabela = "<P><FONT SIZE=3><B>Tabela Profundidade × Vazão</B></FONT>";
    tabela += "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=2 WIDTH=\"100%\">";
    tabela += std::string("<TR><TD><B>") + kColunaProfundidade + "</B></TD><TD><B>" + kColunaConvencional +
              "</B></TD><TD><B>" + kColunaDivisao + "</B></TD><TD><B>" + kColunaSubdivisao + "</B></TD></TR>";
    for (const TPontoCurva& p : AmostrarCurva(curva, 20)) {
        tabela += "<TR><TD ALIGN=RIGHT>" + FormatarFixo(p.h, 3, separadorDecimal) + "</TD><TD ALIGN=RIGHT>" +
                  FormatarFixo(p.QConvencional, 3, separadorDecimal) + "</TD><TD ALIGN=RIGHT>" +
                  FormatarFixo(p.QDivisao, 3, separadorDecimal) + "</TD><TD ALIGN=RIGHT>" +
                  FormatarFixo(p.QSubdivisao, 3, separadorDecimal) + "</TD></TR>";
    }
    tabela += "</TABLE>";
    // The appendix belongs to the body: it goes before the closing tags, or at the end of a text without them.
    const auto fim = textoRelatorio.rfind("</BODY>");
    textoRelatorio.insert(fim == std::string::npos ? textoRelatorio.size() : fim, tabela);
}

} // namespace sulvo
