#include "ui/irregular/TabelaMetodos.h"

#include "common/NumberFormat.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sulvo {
namespace {

constexpr int kLinhas = 6; // the three methods of the page and the three composite formulas

} // namespace

TTabelaMetodos::TTabelaMetodos(QWidget* pai) : QGroupBox(QStringLiteral(" Comparação dos Métodos "), pai) {
    setObjectName(QStringLiteral("TabelaMetodos"));
    Tabela = new QTableWidget(0, 3, this);
    Tabela->setObjectName(QStringLiteral("TabelaMetodosGrade"));
    Tabela->setHorizontalHeaderLabels({QStringLiteral("Método"), QStringLiteral("Q (m³/s)"), QStringLiteral("n")});
    Tabela->verticalHeader()->hide();
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabela->setFocusPolicy(Qt::ClickFocus); // not in the Tab order; a click lets F1 find its help
    Tabela->setWordWrap(false);
    Tabela->setStatusTip(QStringLiteral("Vazão na profundidade calculada por cada método, com o n equivalente"));
    // Compact: rows as tall as the text, every row in sight without scrolling.
    const int linha = fontMetrics().height() + 4;
    Tabela->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tabela->verticalHeader()->setDefaultSectionSize(linha);
    Tabela->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabela->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* colunas = Tabela->horizontalHeader();
    colunas->setSectionResizeMode(0, QHeaderView::Stretch);
    colunas->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    colunas->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    Tabela->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Divisão do Sulvo em Seções")) +
                            fontMetrics().horizontalAdvance(QStringLiteral("12345,678  0,0000")) + 40);
    Tabela->setFixedHeight(colunas->sizeHint().height() + kLinhas * linha + 2 * Tabela->frameWidth());
    Dispersao = new QLabel(this);
    Dispersao->setObjectName(QStringLiteral("DispersaoMetodos"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(Tabela);
    layout->addWidget(Dispersao);
    Limpar();
}

void TTabelaMetodos::Mostrar(const TComparacaoMetodos& c, int metodologia, char separador) {
    Limpar();
    if (c.Metodos.empty())
        return;
    Tabela->setRowCount(static_cast<int>(c.Metodos.size()));
    for (int i = 0; i < static_cast<int>(c.Metodos.size()); ++i) {
        const TVazaoMetodo& m = c.Metodos[static_cast<std::size_t>(i)];
        // The vertical slices have no single n of their own.
        const QString n = m.n > 0 ? QString::fromStdString(FormatarFixo(m.n, 4, separador)) : QStringLiteral("—");
        const QString textos[] = {QString::fromStdString(m.Nome),
                                  QString::fromStdString(FormatarFixo(m.Q, 3, separador)), n};
        for (int col = 0; col < 3; ++col) {
            auto* item = new QTableWidgetItem(textos[col]);
            item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (i == metodologia) {
                QFont fonte = item->font();
                fonte.setBold(true);
                item->setFont(fonte);
            }
            Tabela->setItem(i, col, item);
        }
    }
    Dispersao->setText(QStringLiteral("Dispersão entre o maior e o menor: %1 %")
                           .arg(QString::fromStdString(FormatarFixo(c.Dispersao * 100, 1, separador))));
}

void TTabelaMetodos::Limpar() {
    Tabela->setRowCount(0);
    Dispersao->setText(QStringLiteral("Dispersão entre o maior e o menor: —"));
}

} // namespace sulvo
