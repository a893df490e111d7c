#pragma once

#include "ui/irregular/IrregularSecao.h"

#include <QChartView>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>

#include <optional>
#include <vector>

QT_BEGIN_NAMESPACE
class QAreaSeries;
class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
QT_END_NAMESPACE

namespace sulvo {

// The cross-section of the irregular page: the water drawn first and filled down to the bottom of the plot,
// then the ground below the bed filled with the background colour over it, so that blue shows only between
// the bed and the water surface; the bed itself is a red line with a marker on every surveyed point.
// A survey denser than the screen is drawn at the screen's resolution (the band the bed covers in each pixel
// column, one marker per spot); the exact points stay for picking and for the calculation.
class TGraficoSecaoIrregular : public QChartView {
    Q_OBJECT
public:
    explicit TGraficoSecaoIrregular(QWidget* parent = nullptr);

    // IrregularSeries1: the surveyed points, in the order of the section.
    void DefinirSecao(const std::vector<TPontoSecao>& pontos);
    void LimparSecao();
    QList<QPointF> PontosSecao() const;

    // IrregularSeries2: the water surface at elevation z (0 at the banks) from 0 to `largura`.
    void DefinirNivelAgua(double largura, double z);
    void LimparAgua();
    QList<QPointF> PontosAgua() const;

    // Colour of the ground below the bed; the window face colour, as the chart's background.
    void DefinirCorLeito(const QColor& cor);
    QColor CorLeito() const;

    void DefinirSeparadores(char decimal, char milhar);

    // Rings point `indice` (the one selected in the point table); -1 for none. Kept across redraws.
    void DestacarPonto(int indice);
    int PontoDestacado() const;

    // The bank stations, drawn as dashed verticals named "Margem esquerda" and "Margem direita"; an unset one
    // (the end of the section) is not drawn.
    void DefinirMargens(std::optional<double> esquerda, std::optional<double> direita);
    std::optional<double> MargemEsquerda() const { return margemE_; }
    std::optional<double> MargemDireita() const { return margemD_; }

    // Where point `indice` of the section is drawn, in the coordinates of the view's viewport.
    QPoint PosicaoDoPonto(int indice) const;

    // The vertical exaggeration the section is drawn with (1 at true scale) and the depth axis's title stating it.
    int Exagero() const { return exagero_; }
    static QString TituloEixoVertical(int exagero);

    // The chart drawn on the given background (the report pictures it on white), at its on-screen size.
    Q_INVOKABLE QImage Imagem(const QColor& fundo);

    QAreaSeries* IrregularSeries1 = nullptr; // the ground below the bed
    QAreaSeries* IrregularSeries2 = nullptr; // the water

signals:
    // A surveyed point was clicked or double-clicked; `posicao` is the click in viewport coordinates.
    void PontoClicado(int indice, QPoint posicao);
    void PontoDuploClicado(int indice);
    // The right button on a surveyed point: the page offers the bank stations there.
    void MenuDoPonto(int indice, QPoint posicao);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void drawForeground(QPainter* pintor, const QRectF& area) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    int PontoProximo(QPoint posicao) const;
    void AtualizarEixos();
    void AtualizarDesenho();

    QLineSeries* leito_ = nullptr;         // upper edge of IrregularSeries1
    QLineSeries* agua_ = nullptr;          // upper edge of IrregularSeries2
    QLineSeries* linhaAgua_ = nullptr;     // the water surface's outline
    QLineSeries* linhaLeito_ = nullptr;    // upper edge of the red bed line
    QLineSeries* baseLeito_ = nullptr;     // lower edge of the red bed line; the same points where it is sparse
    QAreaSeries* faixaLeito_ = nullptr;    // the red bed line
    QScatterSeries* marcadores_ = nullptr; // the point markers
    QScatterSeries* destaque_ = nullptr;   // the ring around the selected point
    int destacado_ = -1;
    std::optional<double> margemE_, margemD_;
    QCategoryAxis* eixoX_ = nullptr;
    QCategoryAxis* eixoY_ = nullptr;
    QList<QPointF> pontos_; // the surveyed points, exact
    QSizeF areaDesenhada_;  // plot area, in pixels, for which the bed was last drawn
    static constexpr int kMaximoReajustes = 4;
    int reajustes_ = 0; // ranges made again for a changed plot area since the last change of data or size
    int exagero_ = 1;
    char decimal_ = ',';
    char milhar_ = '.';
};

} // namespace sulvo
