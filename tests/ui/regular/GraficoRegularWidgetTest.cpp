#include "ui/regular/GraficoRegular.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLocale>
#include <QValueAxis>
#include <QtTest>

using namespace sulvo;

namespace {

const QColor kAgua(1, 96, 255);

// The colour drawn at the chart coordinates (x, y) of the section `tipo`.
QColor CorEm(TGraficoRegular& g, int tipo, double x, double y) {
    QChart* chart = g.Secao(tipo)->Grafico();
    QImage img = g.Imagem(tipo);
    QPointF pos = chart->mapToPosition(QPointF(x, y), chart->series().first());
    return img.pixelColor(pos.toPoint());
}

bool Vermelho(const QColor& c) {
    return c.red() > 200 && c.green() < 120 && c.blue() < 120;
}

} // namespace

class GraficoRegularWidgetTest : public QObject {
    Q_OBJECT

private:
    TGraficoRegular* grafico_ = nullptr;
    QColor fundo_;

    void Mostrar() {
        grafico_->show();
        QVERIFY(QTest::qWaitForWindowExposed(grafico_));
        QCoreApplication::processEvents();
    }

private slots:
    void init() {
        grafico_ = new TGraficoRegular;
        fundo_ = grafico_->palette().color(QPalette::Button);
    }
    void cleanup() { delete grafico_; }

    // The series hold exactly the lists computed from the dimensions, back to front.
    void seriesRecebemOsPontos() {
        DimensoesSecao d{0.8, 0.3, 1.2, 2.0, 1.5};
        for (int tipo = 0; tipo < 4; ++tipo) {
            grafico_->AtualizarGrafico(tipo, d);
            PontosSecao p = PontosSecaoRegular(tipo, d);
            TGraficoSecao* s = grafico_->Secao(tipo);
            if (tipo == kCircular) {
                QVERIFY(s->Pontos(QStringLiteral("SCir1")) == p.contorno);
                QVERIFY(s->Pontos(QStringLiteral("SCir2")) == p.agua);
                QVERIFY(s->Pontos(QStringLiteral("SCir3")) == p.contornoSuperior);
            } else {
                const QString prefixo = QLatin1String(tipo == kTriangular    ? "STri"
                                                      : tipo == kTrapezoidal ? "STra"
                                                                             : "SRet");
                QVERIFY(s->Pontos(prefixo + u'1') == p.contorno);
                QVERIFY(s->Pontos(prefixo + u'2') == p.agua);
            }
        }
        grafico_->LimparSeries();
        for (int tipo = 0; tipo < 4; ++tipo)
            for (const char* nome : {"STri1", "STri2", "STra1", "STra2", "SRet1", "SRet2", "SCir1", "SCir2", "SCir3"})
                QVERIFY(grafico_->Secao(tipo)->Pontos(QLatin1String(nome)).empty());
    }

    void aparencia() {
        for (int tipo = 0; tipo < 4; ++tipo) {
            QChart* chart = grafico_->Secao(tipo)->Grafico();
            QVERIFY(!chart->legend()->isVisible());
            QCOMPARE(chart->axes(Qt::Horizontal).first()->titleText(), QStringLiteral("Largura (m)"));
            QCOMPARE(chart->axes(Qt::Vertical).first()->titleText(), QStringLiteral("Profundidade (m)"));
            QCOMPARE(grafico_->Secao(tipo)->minimumSize(), tipo == kCircular ? QSize(149, 149) : QSize(240, 149));
        }
    }

    // Drawn to scale at every size: a trapezoid 20 m wide at the top and 3.5 m deep is wide and flat, with
    // equal metres per pixel on both axes however the chart is resized.
    void emEscalaAposRedimensionar() {
        grafico_->AtualizarGrafico(kTrapezoidal, {3.0, 0.5, 1.0, 13.0, 0.0});
        grafico_->MostrarTipo(kTrapezoidal);
        Mostrar();
        QChart* chart = grafico_->Secao(kTrapezoidal)->Grafico();
        auto metrosPorPixel = [chart](Qt::Orientation o) {
            const auto* eixo = qobject_cast<QValueAxis*>(chart->axes(o).first());
            const QRectF area = chart->plotArea();
            return (eixo->max() - eixo->min()) / (o == Qt::Horizontal ? area.width() : area.height());
        };
        for (QSize tamanho : {QSize(240, 149), QSize(700, 300), QSize(300, 500)}) {
            grafico_->resize(tamanho);
            for (int i = 0; i < 5; ++i)
                QCoreApplication::processEvents();
            const double x = metrosPorPixel(Qt::Horizontal), y = metrosPorPixel(Qt::Vertical);
            QVERIFY2(std::fabs(x / y - 1) < 1e-3, qPrintable(QStringLiteral("%1 x %2").arg(x).arg(y)));
            // The section lies whole inside the plot.
            const auto* eixoX = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).first());
            const auto* eixoY = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
            QVERIFY(eixoX->min() < 0 && eixoX->max() > 20 && eixoY->min() < -3.5 && eixoY->max() > 0);
        }
    }

    // Triangle z = 1.5, H = 1, f = 0.2: blue only inside the V and under y = -0.2.
    void aguaSoDentroDoTriangulo() {
        grafico_->AtualizarGrafico(kTriangular, {1.0, 0.2, 1.5, 0.0, 0.0});
        Mostrar();
        QCOMPARE(CorEm(*grafico_, kTriangular, 1.8, -0.7), kAgua);
        QCOMPARE(CorEm(*grafico_, kTriangular, 1.2, -0.5), kAgua);
        QCOMPARE(CorEm(*grafico_, kTriangular, 0.3, -1.0), fundo_); // beside the V, under the water line
        QCOMPARE(CorEm(*grafico_, kTriangular, 3.3, -1.1), fundo_);
        QCOMPARE(CorEm(*grafico_, kTriangular, 1.8, -0.05), fundo_); // freeboard
        QCOMPARE(CorEm(*grafico_, kTriangular, 0.1, -0.2), fundo_);  // the water line, beside the V
        QCOMPARE(CorEm(*grafico_, kTriangular, 3.5, -0.2), fundo_);
        QVERIFY(Vermelho(CorEm(*grafico_, kTriangular, 1.8, -1.2)));
    }

    // With an empty depth the water lies on the bed and nothing blue shows.
    void semProfundidadeNaoHaAgua() {
        grafico_->AtualizarGrafico(kTrapezoidal, {0.0, 0.5, 1.0, 2.0, 0.0});
        grafico_->MostrarTipo(kTrapezoidal);
        Mostrar();
        QImage img = grafico_->Imagem(kTrapezoidal);
        int azuis = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == kAgua)
                    ++azuis;
        QCOMPARE(azuis, 0);
    }

    void aguaSoDentroDoCirculo_data() {
        QTest::addColumn<double>("H");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<bool>("azul");
        QTest::newRow("meia, fundo") << 0.5 << 0.5 << 0.25 << true;
        QTest::newRow("meia, acima") << 0.5 << 0.5 << 0.75 << false;
        QTest::newRow("meia, canto") << 0.5 << 0.05 << 0.05 << false;
        QTest::newRow("rasa, dentro") << 0.3 << 0.3 << 0.2 << true;
        QTest::newRow("rasa, fora sob a faixa") << 0.3 << 0.02 << 0.15 << false;
        QTest::newRow("rasa, linha da agua fora") << 0.3 << 0.01 << 0.3 << false;
        QTest::newRow("rasa, linha da agua fora a direita") << 0.3 << 0.99 << 0.3 << false;
        QTest::newRow("0,8, centro") << 0.8 << 0.5 << 0.5 << true;
        QTest::newRow("0,8, sob a superficie") << 0.8 << 0.5 << 0.7 << true;
        QTest::newRow("0,8, acima da superficie") << 0.8 << 0.5 << 0.9 << false;
        QTest::newRow("0,8, fora no alto") << 0.8 << 0.04 << 0.9 << false;
        QTest::newRow("0,8, fora embaixo") << 0.8 << 0.96 << 0.05 << false;
        QTest::newRow("cheia, perto do topo") << 2.0 << 0.5 << 0.9 << true;
        QTest::newRow("cheia, fora no alto") << 2.0 << 0.96 << 0.95 << false;
    }

    void aguaSoDentroDoCirculo() {
        QFETCH(double, H);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(bool, azul);
        grafico_->AtualizarGrafico(kCircular, {H, 0.0, 0.0, 0.0, 1.0});
        grafico_->MostrarTipo(kCircular);
        Mostrar();
        QCOMPARE(CorEm(*grafico_, kCircular, x, y), azul ? kAgua : fundo_);
    }

    // The red line of the conduit stays visible at its top even when the water reaches it.
    void contornoDoCirculoVisivelComAguaCheia() {
        grafico_->AtualizarGrafico(kCircular, {1.0, 0.0, 0.0, 0.0, 1.0});
        grafico_->MostrarTipo(kCircular);
        Mostrar();
        QVERIFY(Vermelho(CorEm(*grafico_, kCircular, 0.5, 1.0)));
        QVERIFY(Vermelho(CorEm(*grafico_, kCircular, 0.5, 0.0)));
        QVERIFY(Vermelho(CorEm(*grafico_, kCircular, 0.0, 0.5)));
    }
};

QTEST_MAIN(GraficoRegularWidgetTest)
#include "GraficoRegularWidgetTest.moc"
