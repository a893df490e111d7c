#include "ui/irregular/MenuMargens.h"

#include "engine/uIrregular.h"
#include "ui/irregular/TabelaPontos.h"

#include <QAction>
#include <QMenu>

namespace sulvo {

void AdicionarAcoesMargens(QMenu& menu, TEditorPontos& editor, const TSulvoIrregular& secao, int linha) {
    const bool ponto = linha >= 0 && linha < static_cast<int>(secao.Pontos.size());
    QAction* esquerda = menu.addAction(QStringLiteral("Margem esquerda neste ponto"), &editor,
                                       [&editor, linha] { editor.DefinirMargemEsquerda(linha); });
    esquerda->setObjectName(QStringLiteral("AcMargemEsquerda"));
    esquerda->setEnabled(ponto);
    QAction* direita = menu.addAction(QStringLiteral("Margem direita neste ponto"), &editor,
                                      [&editor, linha] { editor.DefinirMargemDireita(linha); });
    direita->setObjectName(QStringLiteral("AcMargemDireita"));
    direita->setEnabled(ponto);
    QAction* limpar = menu.addAction(QStringLiteral("Limpar margens"), &editor, [&editor] { editor.LimparMargens(); });
    limpar->setObjectName(QStringLiteral("AcLimparMargens"));
    limpar->setEnabled(secao.MargemE.has_value() || secao.MargemD.has_value());
}

} // namespace sulvo
