#pragma once

#include "engine/uIrregular.h"
#include "ui/irregular/IrregularEixos.h"

#include <QChartView>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
class QBoxLayout;
class QCategoryAxis;
class QLabel;
class QLineSeries;
class QPushButton;
class QRubberBand;
class QScatterSeries;
QT_END_NAMESPACE

namespace sulvo {

class IDialogService;

// Discharge against normal depth by the methods: IrregularSeries4 (green) the divided section,
// IrregularSeries5 (red) the conventional method, IrregularSeries6 (blue) the subdivision at the roughness
// changes and banks, the solved problem marked on them. Under the mouse it reads the discharges at the
// pointer's depth; a rectangle dragged with the left button zooms into it, a double
// click or the right button goes back to the whole curve.
class TGraficoVazaoProfundidade : public QChartView {
    Q_OBJECT
public:
    explicit TGraficoVazaoProfundidade(QWidget* parent = nullptr);

    void DefinirCurvas(const std::vector<TPontoCurva>& curva);
    void Limpar();
    void DefinirSeparadores(char decimal, char milhar);
    // The calculated depth (m) and discharge (m³/s), marked on the chart until the curves change.
    void DefinirPontoCalculado(double h, double q);
    const std::vector<TPontoCurva>& Curva() const { return curva_; }

    // The readout for the pointer at `posicao` (viewport coordinates): depth and both discharges, one per
    // line; empty outside the plot or beyond the curve.
    QString LeituraEm(QPoint posicao) const;
    // Shows the ranges of depth (x) and discharge (y) in `valores`; RestaurarZoom shows the whole curve again.
    void Ampliar(const QRectF& valores);
    void RestaurarZoom();
    bool Ampliado() const { return ampliado_; }
    TFaixaEixo FaixaProfundidade() const;
    TFaixaEixo FaixaVazao() const;
    // Where the value (h, Q) is drawn, in viewport coordinates.
    QPoint PosicaoDoValor(QPointF valor) const;

    QLineSeries* IrregularSeries4 = nullptr;
    QLineSeries* IrregularSeries5 = nullptr;
    QLineSeries* IrregularSeries6 = nullptr;
    QScatterSeries* PontoCalculado = nullptr;
    QLabel* Leitura = nullptr; // the readout beside the pointer

signals:
    void CurvaAlterada(bool temCurva);
    void ZoomAlterado(bool ampliado);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    void AtualizarEixos();
    QPointF ValorEm(QPoint posicao) const;
    void MostrarLeitura(QPoint posicao);
    void EsconderLeitura();

    std::vector<TPontoCurva> curva_;
    QRectF zoom_;
    bool ampliado_ = false;
    QLineSeries* guia_ = nullptr; // the vertical line at the depth read
    QCategoryAxis* eixoX_ = nullptr;
    QCategoryAxis* eixoY_ = nullptr;
    QRubberBand* banda_ = nullptr;
    QPoint origemBanda_;
    char decimal_ = ',';
    char milhar_ = '.';
};

// The tab "Gráfico Vazão X Profundidade": the chart with its hand-made legend and the buttons that take the
// curve away as a table.
class TPainelCurva : public QWidget {
    Q_OBJECT
public:
    explicit TPainelCurva(IDialogService& dialogos, QWidget* parent = nullptr);

    void DefinirSeparadores(char decimal, char milhar);
    // Full path of the open project: the export starts in its folder, named after it.
    void DefinirCaminhoProjeto(std::function<std::string()> caminho) { caminhoProjeto_ = std::move(caminho); }

    // The curve as the CSV a Brazilian spreadsheet reads (";" between columns, the regional decimal separator,
    // UTF-8 marked as such). False, with the error shown, when the file cannot be written.
    bool ExportarTabela(const std::string& arquivo);
    // The same table with tabs, on the clipboard.
    void CopiarTabela();
    void BtExportarTabelaClick();

    TGraficoVazaoProfundidade* Grafico;
    QLabel* Label78;
    QLabel* Label79;
    QLabel* Label80;
    QLabel* Label81;
    QLabel* Label82; // the subdivision's line and name
    QLabel* Label83;
    QPushButton* BtExportarTabela;
    QPushButton* BtCopiarTabela;
    QPushButton* BtRestaurarZoom;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    IDialogService& dialogos_;
    std::function<std::string()> caminhoProjeto_;
    QBoxLayout* rodape_ = nullptr; // the legend and the buttons: side by side, or one above the other when narrow
    char decimal_ = ',';
};

} // namespace sulvo
