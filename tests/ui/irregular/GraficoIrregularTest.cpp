#include <QTest>

#include "tests/support/ScriptedDialogService.h"

#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QValueAxis>

#include <cmath>

using namespace sulvo;
using namespace sulvo::testing;
using namespace Qt::StringLiterals;

namespace {

// Trapezoid 8 m wide and 2 m deep with a point in the middle of the bed.
std::vector<TPontoSecao> Trapezio() {
    return {{0, 0, 0}, {2, -2, 0}, {4, -2, 0}, {6, -2, 0}, {8, 0, 0}};
}

bool Azulado(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 80;
}

} // namespace

class GraficoIrregularTest : public QObject {
    Q_OBJECT

private slots:
    void SeriesSeguemASecao() {
        TGraficoSecaoIrregular g;
        g.DefinirSecao(Trapezio());
        g.DefinirNivelAgua(8, -1);
        const auto secao = g.PontosSecao();
        QCOMPARE(secao.size(), 5);
        QCOMPARE(secao[1], QPointF(2, -2));
        QCOMPARE(secao[4], QPointF(8, 0));
        QCOMPARE(g.PontosAgua(), (QList<QPointF>{{0, -1}, {8, -1}}));
        // The water is drawn first, under the ground of the bed.
        const auto series = g.chart()->series();
        QVERIFY(series.indexOf(g.IrregularSeries2) < series.indexOf(g.IrregularSeries1));
        g.LimparAgua();
        QVERIFY(g.PontosAgua().isEmpty());
        g.LimparSecao();
        QVERIFY(g.PontosSecao().isEmpty());
    }

    void AguaSoEntreOLeitoEASuperficie() {
        TGraficoSecaoIrregular g;
        g.resize(500, 360);
        g.DefinirSecao(Trapezio());
        g.DefinirNivelAgua(8, -1);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const QImage img = g.Imagem(Qt::white);
        auto pixel = [&](double x, double y) {
            QPointF p = g.chart()->mapToPosition(QPointF(x, y), g.IrregularSeries1);
            return img.pixel(p.toPoint());
        };
        QVERIFY2(Azulado(pixel(4, -1.5)), "water between bed and surface");
        QVERIFY2(Azulado(pixel(1.8, -1.2)), "water above the sloping bank");
        QCOMPARE(QColor(pixel(0.5, -1.8)), QColor(Qt::white)); // ground below the left bank
        QCOMPARE(QColor(pixel(4, -0.5)), QColor(Qt::white));   // dry above the water
        // The picture's background does not stay on the chart shown on the page.
        QCOMPARE(g.CorLeito(), g.palette().color(QPalette::Window));
    }

    // Drawn to scale: the metres per pixel across are the exaggeration times those up, and the depth axis says
    // the exaggeration, at any size of the chart. A trapezoid of 8 x 2 m needs none; a floodplain 200 m wide
    // and 5 m deep would be a line at true scale.
    void EscalaEExageroVertical() {
        TGraficoSecaoIrregular g;
        g.resize(500, 360);
        g.DefinirSecao(Trapezio());
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        auto metrosPorPixel = [&g](Qt::Orientation o) {
            const QList<QAbstractAxis*> eixos = g.chart()->axes(o);
            const auto* eixo = qobject_cast<QValueAxis*>(eixos.first());
            const QRectF area = g.chart()->plotArea();
            return (eixo->max() - eixo->min()) / (o == Qt::Horizontal ? area.width() : area.height());
        };
        auto titulo = [&g] { return g.chart()->axes(Qt::Vertical).first()->titleText(); };
        QCoreApplication::processEvents();
        QCOMPARE(g.Exagero(), 1);
        QCOMPARE(titulo(), u"Profundidade (m)"_s);
        QVERIFY(std::fabs(metrosPorPixel(Qt::Horizontal) / metrosPorPixel(Qt::Vertical) - 1) < 1e-3);

        g.DefinirSecao({{0, 0, 0}, {60, -1, 0}, {95, -5, 0}, {105, -5, 0}, {140, -1, 0}, {200, 0, 0}});
        for (QSize tamanho : {QSize(600, 300), QSize(900, 260), QSize(400, 420)}) {
            g.resize(tamanho);
            for (int i = 0; i < 5; ++i)
                QCoreApplication::processEvents();
            const int e = g.Exagero();
            QVERIFY2(e >= 5, qPrintable(QString::number(e)));
            QCOMPARE(titulo(), u"Profundidade (m)<br>exagero vertical %1x"_s.arg(e));
            const double razao = metrosPorPixel(Qt::Horizontal) / metrosPorPixel(Qt::Vertical);
            QVERIFY2(std::fabs(razao / e - 1) < 1e-3, qPrintable(QString::number(razao)));
            // The section fills at least 40 % of the plot's height.
            const QRectF area = g.chart()->plotArea();
            QVERIFY(5.0 / metrosPorPixel(Qt::Vertical) >= 0.4 * area.height() - 1);
        }
    }

    void CliqueSoNosPontos() {
        TGraficoSecaoIrregular g;
        g.resize(500, 360);
        g.DefinirSecao(Trapezio());
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QSignalSpy clique(&g, &TGraficoSecaoIrregular::PontoClicado);
        QSignalSpy duplo(&g, &TGraficoSecaoIrregular::PontoDuploClicado);

        QPoint p2 = g.PosicaoDoPonto(2);
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, p2 + QPoint(2, -2));
        QCOMPARE(clique.size(), 1);
        QCOMPARE(clique[0][0].toInt(), 2);

        // Halfway along the bed between points 2 and 3: a line, not a point.
        QPoint meio = (g.PosicaoDoPonto(2) + g.PosicaoDoPonto(3)) / 2;
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, meio);
        QCOMPARE(clique.size(), 1);

        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, g.PosicaoDoPonto(4));
        QCOMPARE(duplo.size(), 1);
        QCOMPARE(duplo[0][0].toInt(), 4);
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, meio);
        QCOMPARE(duplo.size(), 1);
    }

    void CurvasDosDoisMetodos() {
        TGraficoVazaoProfundidade g;
        std::vector<TPontoCurva> curva{{0.5, 2.0, 1.5}, {1.0, 6.0, 5.0}, {1.5, 11.0, 9.0}};
        g.DefinirCurvas(curva);
        QCOMPARE(g.IrregularSeries4->points(), (QList<QPointF>{{0.5, 2.0}, {1.0, 6.0}, {1.5, 11.0}}));
        QCOMPARE(g.IrregularSeries5->points(), (QList<QPointF>{{0.5, 1.5}, {1.0, 5.0}, {1.5, 9.0}}));
        QCOMPARE(g.IrregularSeries4->pen().color(), QColor(0, 128, 0));
        QCOMPARE(g.IrregularSeries5->pen().color(), QColor(255, 0, 0));
        QCOMPARE(g.chart()->title(), QStringLiteral("Gráfico Q X Yn"));
        QVERIFY(!g.chart()->legend()->isVisible());
        g.Limpar();
        QVERIFY(g.IrregularSeries4->points().isEmpty());
        QVERIFY(g.IrregularSeries5->points().isEmpty());
    }

    // Under the mouse both discharges at the pointer's depth; a rectangle dragged zooms, a double click shows
    // the whole curve again; the panel's table goes to a CSV file and to the clipboard.
    void LeituraZoomETabela() {
        ScriptedDialogService dialogos;
        TPainelCurva painel(dialogos);
        painel.resize(600, 400);
        painel.DefinirSeparadores(',', '.');
        TGraficoVazaoProfundidade& g = *painel.Grafico;
        QVERIFY(!painel.BtExportarTabela->isEnabled());
        g.DefinirCurvas({{0.5, 2.0, 1.5, 1.8}, {1.0, 6.0, 5.0, 5.5}, {1.5, 11.0, 9.0, 10.0}});
        g.DefinirPontoCalculado(1.0, 5.0);
        painel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&painel));
        QVERIFY(painel.BtExportarTabela->isEnabled() && painel.BtCopiarTabela->isEnabled());
        QCOMPARE(g.PontoCalculado->points(), (QList<QPointF>{{1.0, 5.0}}));

        const QPoint meio = g.PosicaoDoValor({0.75, 3.0});
        QMouseEvent mover(QEvent::MouseMove, QPointF(meio), g.viewport()->mapToGlobal(QPointF(meio)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(g.viewport(), &mover);
        QVERIFY(g.Leitura->isVisible());
        const QString leitura = g.Leitura->text();
        QVERIFY2(leitura.contains(u"Convencional: 3,2"_s) && leitura.contains(u"Divisão em seções: 4,0"_s),
                 qPrintable(leitura));
        QVERIFY(g.LeituraEm(g.PosicaoDoValor({1.6, 3.0})).isEmpty()); // beyond the curve

        const TFaixaEixo inteira = g.FaixaProfundidade();
        QTest::mousePress(g.viewport(), Qt::LeftButton, {}, g.PosicaoDoValor({0.6, 8.0}));
        QTest::mouseMove(g.viewport(), g.PosicaoDoValor({1.1, 2.0}));
        QTest::mouseRelease(g.viewport(), Qt::LeftButton, {}, g.PosicaoDoValor({1.1, 2.0}));
        QVERIFY(g.Ampliado() && painel.BtRestaurarZoom->isEnabled());
        QVERIFY(std::fabs(g.FaixaProfundidade().Minimo - 0.6) < 0.02 && std::fabs(g.FaixaVazao().Maximo - 8) < 0.1);
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, g.PosicaoDoValor({0.8, 4.0}));
        QVERIFY(!g.Ampliado());
        QCOMPARE(g.FaixaProfundidade().Maximo, inteira.Maximo);

        painel.BtCopiarTabela->click();
        QCOMPARE(QGuiApplication::clipboard()->text().section(u'\n', 1, 1), u"0,5\t1,5\t2\t1,8"_s);
        QTemporaryDir pasta;
        const QString csv = pasta.filePath(u"curva.csv"_s);
        dialogos.Salvar(csv.toStdString());
        painel.BtExportarTabela->click();
        QFile arquivo(csv);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray dados = arquivo.readAll();
        QVERIFY(dados.startsWith("\xEF\xBB\xBF")); // marked as UTF-8 for the spreadsheet
        QVERIFY(dados.contains("\n1,5;9;11;10\n"));
    }
};

QTEST_MAIN(GraficoIrregularTest)
#include "GraficoIrregularTest.moc"
