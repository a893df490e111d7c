#pragma once

#include "engine/FaixaRugosidade.h"

#include <QLabel>
#include <QString>

#include <optional>

// Shows, under the results of a calculation, the unknown solved again with the tables' minimum and maximum n;
// hidden when there is no band. Both work pages show it this way.
inline void MostrarFaixaN(QLabel& rotulo, const std::optional<sulvo::TResultadoFaixa>& faixa, char separador) {
    rotulo.setText(faixa ? QString::fromStdString(sulvo::TextoFaixaN(*faixa, separador)) : QString());
    rotulo.setVisible(faixa.has_value());
}
