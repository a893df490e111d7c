#pragma once

#include "report/URelatorio.h"

#include <QImage>
#include <QString>

class QWidget;

namespace sulvo {

// Name of the chart picture the reports refer to; it lives in the installation folder.
inline constexpr const char* kArquivoImagemGrafico = "Bit.bmp";

// The widget (a chart view or any other) drawn at its on-screen size over a white background. A widget with
// an invokable `QImage Imagem(QColor)` draws itself on that background.
QImage DesenharGrafico(QWidget& grafico);

// Pictures `grafico`, leaves the picture on the clipboard and writes it as "Bit.bmp" in `pasta`,
// replacing an earlier one. Throws ErroImagemGrafico with "Cannot create file "<path>". <reason>"
// when the file cannot be written.
TImagemGrafico FotografarGraficoQt(QWidget& grafico, const QString& pasta);

} // namespace sulvo
