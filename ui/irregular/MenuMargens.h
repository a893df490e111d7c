#pragma once

class QMenu;

namespace sulvo {

class TEditorPontos;
class TSulvoIrregular;

// The bank-station entries of the menus of a point (the point table's and the section chart's): "Margem
// esquerda neste ponto", "Margem direita neste ponto" and "Limpar margens", each an undoable edit of the editor.
void AdicionarAcoesMargens(QMenu& menu, TEditorPontos& editor, const TSulvoIrregular& secao, int linha);

} // namespace sulvo
