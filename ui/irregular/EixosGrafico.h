#pragma once

#include "ui/irregular/IrregularEixos.h"

#include <QString>

QT_BEGIN_NAMESPACE
class QCategoryAxis;
class QChart;
QT_END_NAMESPACE

// The Qt side of the irregular page's scales, shared by its two charts.
namespace sulvo {

// An axis with the given title, labels on round values and no grid.
QCategoryAxis* NovoEixo(const QString& titulo);
// Gives the axis the range and labels the marks of MarcasEixo (about `marcas` of them) in the user's notation.
void AplicarFaixa(QCategoryAxis* eixo, const TFaixaEixo& faixa, char decimal, char milhar, int marcas = 6);
// Title, no legend, no animation, square corners: the look both charts share.
void ConfigurarGrafico(QChart* grafico, const QString& titulo);

} // namespace sulvo
