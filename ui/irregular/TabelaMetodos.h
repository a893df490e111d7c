#pragma once

#include "engine/Subdivisao.h"

#include <QGroupBox>

class QLabel;
class QTableWidget;

namespace sulvo {

// The discharge at the computed depth by every method side by side, with each method's equivalent single n
// and the spread between the highest and the lowest: how much the choice of method weighs on the result.
// The method of the calculation is in bold.
class TTabelaMetodos : public QGroupBox {
    Q_OBJECT
public:
    explicit TTabelaMetodos(QWidget* pai = nullptr);

    // `metodologia` is the method the page calculated with (its row in the comparison); numbers with `separador`.
    void Mostrar(const TComparacaoMetodos& comparacao, int metodologia, char separador);
    void Limpar();

    QTableWidget* Tabela;
    QLabel* Dispersao; // "Dispersão: 12,3 %"
};

} // namespace sulvo
