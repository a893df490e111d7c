#include "report/RelatorioMetodos.h"

#include <algorithm>

namespace sulvo {

TComparacaoMetodos CompararMetodosDoRelatorio(const TSulvoIrregular& secao, char separador) {
    if (!(secao.A > 0) || secao.Pontos.size() < 3)
        return {};
    // The evaluations need the lowest point of the bed, which a project reopened with its results has not
    // computed yet; a copy keeps the reported section untouched.
    TSulvoIrregular copia = secao;
    copia.YMinimo = std::min_element(copia.Pontos.begin(), copia.Pontos.end(), [](const auto& a, const auto& b) {
                        return a.Y < b.Y;
                    })->Y;
    return CompararMetodos(copia, secao.H, secao.I, separador);
}

void AnexarTabelaMetodos(TConstrutorRelatorio& r, const TComparacaoMetodos& c) {
    if (c.Metodos.empty())
        return;
    r.Anexar("<p>");
    r.Anexar("<FONT SIZE=3><B>COMPARAÇÃO DOS MÉTODOS</B></FONT>");
    r.Anexar("<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=2 WIDTH=\"100%\">");
    r.Anexar("<TR><TD><B>Método</B></TD><TD><B>Vazão (m3/s)</B></TD><TD><B>n equivalente</B></TD></TR>");
    for (const TVazaoMetodo& m : c.Metodos) {
        r.Anexar("<TR>");
        r.Celula("<TD>", m.Nome, "</TD>");
        r.Celula("<TD ALIGN=RIGHT>", r.Fixo(m.Q, 3), "</TD>");
        // The vertical slices have no single n of their own.
        r.Celula("<TD ALIGN=RIGHT>", m.n > 0 ? r.Fixo(m.n, 4) : std::string("-"), "</TD>");
        r.Anexar("</TR>");
    }
    r.Anexar("</TABLE>");
    r.Anexar("<p>&nbsp;&nbsp;&nbsp;&nbsp;<B> Dispersão entre a maior e a menor vazão: </B>");
    r.Anexar(r.Fixo(c.Dispersao * 100, 1));
    r.Anexar(" %</p>");
}

} // namespace sulvo
