#include "ui/irregular/EixosGrafico.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>

namespace sulvo {

QCategoryAxis* NovoEixo(const QString& titulo) {
    auto* eixo = new QCategoryAxis;
    eixo->setTitleText(titulo);
    eixo->setGridLineVisible(false);
    eixo->setMinorGridLineVisible(false);
    eixo->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    return eixo;
}

void AplicarFaixa(QCategoryAxis* eixo, const TFaixaEixo& faixa, char decimal, char milhar, int marcas) {
    for (const QString& rotulo : eixo->categoriesLabels())
        eixo->remove(rotulo);
    eixo->setRange(faixa.Minimo, faixa.Maximo);
    eixo->setStartValue(faixa.Minimo);
    for (double marca : MarcasEixo(faixa, marcas))
        eixo->append(QString::fromStdString(FormatarRotuloEixo(marca, decimal, milhar)), marca);
}

void ConfigurarGrafico(QChart* grafico, const QString& titulo) {
    grafico->setTitle(titulo);
    grafico->legend()->hide();
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->setBackgroundRoundness(0);
    grafico->setDropShadowEnabled(false);
}

} // namespace sulvo
