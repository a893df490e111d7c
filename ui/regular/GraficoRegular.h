#pragma once

#include "engine/Descricao.h"

#include <QColor>
#include <QSizeF>
#include <QStackedWidget>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QAbstractSeries;
class QAreaSeries;
class QChart;
class QChartView;
class QImage;
class QLineSeries;
class QCategoryAxis;

namespace sulvo {

// One point of a section chart: x across the channel from the left bank (m); y the height in m,
// relative to the top of the banks for the prismatic sections, above the invert for the circle.
struct PontoGrafico {
    double x = 0;
    double y = 0;
    friend bool operator==(const PontoGrafico&, const PontoGrafico&) = default;
};
using SeriePontos = std::vector<PontoGrafico>;

// The dimensions a section chart is drawn from, as read from the entry fields (m; z horizontal
// per unit height). An empty field reads 0.
struct DimensoesSecao {
    double H = 0; // normal depth
    double f = 0; // freeboard
    double z = 0; // side slope
    double b = 0; // base width
    double D = 0; // diameter
};

// The point lists of one section chart, each sorted by ascending x (points of equal x keep the
// order in which they were produced).
struct PontosSecao {
    SeriePontos contorno;         // STri1, STra1, SRet1; for the circle SCir1, the lower half
    SeriePontos agua;             // STri2, STra2, SRet2, SCir2
    SeriePontos contornoSuperior; // SCir3, the upper half of the circle; empty for the others
};

PontosSecao PontosTriangular(double H, double f, double z);
PontosSecao PontosTrapezoidal(double H, double f, double z, double b);
PontosSecao PontosRetangular(double H, double f, double b);
PontosSecao PontosCircular(double H, double D);
// The lists of the section `tipo` (0 to 3); any other type gives empty lists.
PontosSecao PontosSecaoRegular(int tipo, const DimensoesSecao& d);

// Axis labels in the pattern "#,##0.##": grouped thousands, at most two decimals, no trailing zeros.
QString FormatarRotuloEixo(double valor, QChar separadorDecimal, QChar separadorMilhar);

// The scale drawing of one regular section: the outline in red over the water in blue. Each
// polyline is filled down to the bottom of the plot; the outline's fill in the background colour
// hides the water outside the section.
class TGraficoSecao : public QWidget {
    Q_OBJECT
public:
    // The chart of one section type (0 triangle ... 3 circle), its series named as STri1, STri2 ... SCir3.
    explicit TGraficoSecao(int tipo, QWidget* parent = nullptr);

    void Desenhar(const PontosSecao& pontos);
    void Limpar();

    QChart* Grafico() const { return chart_; }
    QChartView* Vista() const { return view_; }
    // The chart at its on-screen size with `fundo` behind it and in the outline's fill (the report pictures
    // it on white).
    Q_INVOKABLE QImage Imagem(const QColor& fundo);
    // The points currently drawn, by the names of the chart's series.
    SeriePontos Pontos(const QString& serie) const;

private:
    struct Serie {
        QString nome;
        QAreaSeries* area = nullptr;  // the fill, without a pen
        QLineSeries* linha = nullptr; // the visible line (and the outline's point marks)
        QLineSeries* borda = nullptr; // upper boundary of the area
        bool estendeFundo = false;    // an outline whose fill hides the water outside the section
    };
    Serie CriarSerie(const QString& nome, const QColor& linha, int largura, const QColor& preenchimento, bool marcas,
                     bool cobreAgua);
    void AdicionarAoGrafico(QAbstractSeries* serie);
    void Preencher(Serie& serie, const SeriePontos& pontos);
    void AjustarEixos();
    void AjustarMargens();
    void resizeEvent(QResizeEvent* evento) override;

    void PintarFundo(const QColor& fundo);

    bool circular_;
    QColor fundo_;
    QChart* chart_;
    QChartView* view_;
    QCategoryAxis* eixoX_;
    QCategoryAxis* eixoY_;
    std::vector<Serie> series_; // back to front
    static constexpr int kMaximoReajustes = 4;
    QSizeF areaEscala_; // the plot area, in pixels, the ranges were made for
    int reajustes_ = 0; // ranges made again for a changed plot area since the last drawing or resize
};

// The group " Gráfico ": one chart page per regular type, the page of the selected type shown.
class TGraficoRegular : public QStackedWidget {
    Q_OBJECT
public:
    explicit TGraficoRegular(QWidget* parent = nullptr);

    // AtualizarGrafico: redraws the chart of `tipo` from the dimensions typed on the page.
    void AtualizarGrafico(int tipo, const DimensoesSecao& d);
    void MostrarTipo(int tipo);
    // Empties every series of the four charts (the project's variables were reset).
    void LimparSeries();

    TGraficoSecao* Secao(int tipo) const { return secoes_.at(static_cast<std::size_t>(tipo)); }
    // The chart of `tipo` painted on its background, at its size on the page (for the report).
    QImage Imagem(int tipo) const;

private:
    std::array<TGraficoSecao*, 4> secoes_{};
};

} // namespace sulvo
