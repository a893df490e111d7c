// The pieces around the work pages as the main window uses them: the two reports, the help topics asked
// by menus, buttons and F1, the about window and the web pages.
#include "tests/ui/ciclo/CicloComum.h"

#include "report/FRelatorio.h"
#include "roughness/FRugosidade.h"
#include "ui/periferia/Internet.h"
#include "ui/periferia/SplashSulvo.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

using namespace sulvo;
using namespace sulvo::testing;
using namespace Qt::StringLiterals;

// A number as the page shows it (the test's comma), written with the decimal separator of the system's
// regional settings, which the report follows.
// The report writes numbers with the window's own separator, as the fields show them.
QString NoRelatorio(QString texto) {
    return texto;
}

class PeriferiaPrincipalTest : public QObject {
    Q_OBJECT

    // What the report window showed while it was open.
    struct Visto {
        QString titulo, texto;
        bool figura = false;
        int pixelsCinza = -1; // pixels of the chart picture in the window's grey: the report asks for white
        int pixels = 0;
    };

    static void EsperarRelatorio(AmbienteJanela& a, Visto& visto) {
        a.modais.Esperar([&a, &visto](QDialog& d) {
            auto* relatorio = qobject_cast<TFRelatorio*>(&d);
            QVERIFY(relatorio);
            visto.titulo = relatorio->windowTitle();
            visto.texto = relatorio->Viewer->toPlainText();
            visto.figura = QFile::exists(a.pasta.filePath(u"Bit.bmp"_s));
            const QImage imagem(a.pasta.filePath(u"Bit.bmp"_s));
            const QRgb cinza = a.J().palette().color(QPalette::Button).rgb();
            visto.pixelsCinza = 0;
            visto.pixels = imagem.width() * imagem.height();
            for (int y = 0; y < imagem.height(); ++y)
                for (int x = 0; x < imagem.width(); ++x)
                    visto.pixelsCinza += (imagem.pixel(x, y) | 0xff000000u) == (cinza | 0xff000000u);
            relatorio->BFechar->click();
        });
    }

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u',', u'.'); }

    void relatorios() {
        AmbienteJanela a;
        a.Abrir();
        a.NovoProjeto(u"Canal Leste"_s);
        a.J().Trapezoidais1->trigger();
        Digitar(a.R().EdProfundidade, u"0,8"_s);
        Digitar(a.R().EdDeclividade, u"0,001"_s);
        Digitar(a.R().EdRugosidade, u"0,015"_s);
        Digitar(a.R().EdTalude, u"1,5"_s);
        Digitar(a.R().EdLargura, u"1"_s);
        Digitar(a.R().EdComprimento, u"100"_s);
        a.R().BCalcular->click();
        QVERIFY(a.R().BtRelatorio->isEnabled());

        Visto regular;
        EsperarRelatorio(a, regular);
        a.R().BtRelatorio->click();
        QCOMPARE(a.modais.Exibidos(), 2);
        QVERIFY(regular.figura);
        // The background is white; only a few smoothed edges of the black labels may happen to hit the grey.
        QVERIFY(regular.pixels > 0 && regular.pixelsCinza < regular.pixels / 200);
        QVERIFY(!QFile::exists(a.pasta.filePath(u"Bit.bmp"_s))); // gone with its window
        QVERIFY2(regular.titulo.contains(u"rapez"_s), qPrintable(regular.titulo));
        for (const QString& esperado :
             {u"Canal Leste"_s, a.R().EdArea->text(), a.R().EdVelocidade->text(), a.R().EdMovTerra->text(), u"Vazão"_s})
            QVERIFY2(regular.texto.contains(NoRelatorio(esperado)), qPrintable(esperado));

        a.J().Irregular1->trigger();
        a.Largura(u"6"_s);
        a.Ponto(u"2"_s, u"1"_s);
        a.Ponto(u"4"_s, u"1"_s);
        a.Rugosidade(0, -1, 0.02);
        Digitar(a.I().EdIAltura, u"0,5"_s);
        Digitar(a.I().EdIDeclividade, u"0,001"_s);
        a.I().BtICalcular->click();
        QVERIFY(a.I().BtIRelatorio->isEnabled());
        Visto irregular;
        EsperarRelatorio(a, irregular);
        a.I().BtIRelatorio->click();
        QVERIFY(irregular.figura);
        QVERIFY(irregular.pixels > 0 && irregular.pixelsCinza < irregular.pixels / 200);
        QVERIFY(irregular.texto.contains(u"Tabela Profundidade × Vazão"_s)); // the curve's appendix
        for (const QString& esperado : {u"Canal Leste"_s, a.I().EdIArea->text(), a.I().EdIVelocidade->text(),
                                        a.I().EdIRegime->text(), a.I().CBMetodologia->currentText()})
            QVERIFY2(irregular.texto.contains(NoRelatorio(esperado)), qPrintable(esperado));
        QVERIFY(irregular.titulo != regular.titulo);

        // A keystroke on either page outdates the regular report.
        QTest::keyClicks(a.I().EdIComprimento, u"5"_s);
        QVERIFY(!a.R().BtRelatorio->isEnabled());
    }

    // The report prints through the window's print dialog, which may decline.
    void relatorioUsaODialogoDeImpressaoDaJanela() {
        AmbienteJanela a;
        a.Abrir();
        a.NovoProjeto();
        a.J().Triangulares1->trigger();
        Digitar(a.R().EdProfundidade, u"0,5"_s);
        Digitar(a.R().EdDeclividade, u"0,002"_s);
        Digitar(a.R().EdRugosidade, u"0,02"_s);
        Digitar(a.R().EdTalude, u"1"_s);
        Digitar(a.R().EdComprimento, u"10"_s);
        a.R().BCalcular->click();
        a.modais.Esperar([](QDialog& d) {
            auto& relatorio = static_cast<TFRelatorio&>(d);
            relatorio.ToolButton1->click();
            relatorio.BFechar->click();
        });
        a.dialogos.Imprimir(false);
        a.R().BtRelatorio->click();
        QVERIFY(a.dialogos.RoteiroCumprido());
    }

    void ajudaPorMenusEBotoes() {
        AmbienteJanela a;
        a.Abrir();
        a.J().Contedo1->trigger();
        a.J().ObterAjudaSobre1->trigger();
        a.NovoProjeto();
        for (QAction* tipo : {a.J().Triangulares1, a.J().Trapezoidais1, a.J().Retangulares1, a.J().Circulares1}) {
            tipo->trigger();
            a.R().Button1->click();
        }
        a.J().Irregular1->trigger();
        a.I().Button2->click();
        a.modais.Esperar([](QDialog& d) { static_cast<TFIdentProjeto&>(d).Ajuda->click(); });
        a.J().IdentificaodoProjeto1->trigger();
        QCOMPARE(a.ajuda.pedidos, (QStringList{u"conteudo"_s, u"pesquisa:"_s, u"211"_s, u"212"_s, u"214"_s, u"213"_s,
                                               u"224"_s, u"208"_s}));
    }

    // F1 asks for the topic of the focused control, or of the window that has one.
    void teclaF1() {
        AmbienteJanela a;
        a.Abrir();
        a.NovoProjeto();
        a.J().Circulares1->trigger();
        a.J().activateWindow();
        a.R().EdDiametro->setFocus();
        QTest::keyClick(a.R().EdDiametro, Qt::Key_F1);
        a.J().Irregular1->trigger();
        QTest::keyClick(a.I().EdISuperficie, Qt::Key_F1);
        QTest::keyClick(a.I().BtICalcular, Qt::Key_F1); // no topic of its own: the window's
        a.modais.Esperar([](QDialog& d) { QTest::keyClick(static_cast<TFIdentProjeto&>(d).Edit3, Qt::Key_F1); });
        a.J().IdentificacaoProjeto->trigger();
        a.modais.Esperar([](QDialog& d) { QTest::keyClick(&d, Qt::Key_F1); });
        a.R().AbrirTabelaRugosidade(0);
        QCOMPARE(a.ajuda.pedidos, (QStringList{u"248"_s, u"238"_s, u"200"_s, u"208"_s, u"233"_s}));
    }

    void sobreEPaginas() {
        AmbienteJanela a;
        a.Abrir();
        bool sobreVisto = false;
        a.modais.Esperar([&sobreVisto](QDialog& d) {
            auto* sobre = qobject_cast<TFSplashSulvo*>(&d);
            QVERIFY(sobre);
            sobreVisto = sobre->isVisible();
            QTest::mouseClick(sobre->Image1, Qt::LeftButton, {}, QPoint(100, 100));
            QVERIFY(!sobre->isVisible());
        });
        a.J().TBSobre->trigger();
        QVERIFY(sobreVisto);
        a.modais.Esperar([](QDialog& d) { QTest::mouseClick(static_cast<TFSplashSulvo&>(d).Image1, Qt::LeftButton); });
        a.J().SobreoSulvo1->trigger();
        QCOMPARE(a.modais.Exibidos(), 2);

        QList<QUrl> abertas;
        a.J().DefinirNavegador([&abertas](const QUrl& url) {
            abertas << url;
            return url != QUrl(PaginasInternet()[1].Endereco);
        });
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(a.J().BtPaginas[i]->statusTip(), PaginasInternet()[i].Dica());
            if (i == 1)
                a.dialogos.EsperarErro(TInternet::kMensagemFalha);
            a.J().BtPaginas[i]->trigger();
        }
        QCOMPARE(abertas.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(abertas[i], QUrl(PaginasInternet()[i].Endereco));
    }
};

QTEST_MAIN(PeriferiaPrincipalTest)
#include "PeriferiaPrincipalTest.moc"
