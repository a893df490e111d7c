#include "report/FRelatorio.h"

#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/DialogService.h"
#include "project/IdentProjeto.h"
#include "report/ImagemGraficoQt.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLineSeries>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>
#include <vector>

using namespace sulvo;

namespace {

// Records the error boxes and the save dialogs, answered with `arquivos` in turn; any other dialog would be a
// fault of the report window.
class ErrosRegistrados : public IDialogService {
public:
    std::vector<std::string> erros;
    std::vector<std::string> arquivos;
    std::vector<OpcoesArquivo> pedidos;
    void Mensagem(const std::string& t) override { QFAIL(("unexpected message: " + t).c_str()); }
    void Erro(const std::string& t) override { erros.push_back(t); }
    bool PerguntarSimNao(const std::string&) override { return false; }
    Resposta PerguntarSimNaoCancelar(const std::string&) override { return Resposta::Cancelar; }
    std::optional<std::string> AbrirArquivo(const OpcoesArquivo&) override { return std::nullopt; }
    std::optional<std::string> SalvarArquivo(const OpcoesArquivo& o) override {
        pedidos.push_back(o);
        if (arquivos.empty())
            return std::nullopt;
        std::string a = arquivos.front();
        arquivos.erase(arquivos.begin());
        return a;
    }
    void ConfigurarImpressora() override {}
    bool Imprimir(QPrinter&) override { return false; }
    int ExibirModal(QDialog&) override { return QDialog::Rejected; }
};

// What one of poppler's tools says of a PDF: pdftotext its text, pdfinfo its title and page size.
QString Poppler(const char* ferramenta, const QString& pdf) {
    QProcess p;
    QStringList args{pdf, QStringLiteral("-")};
    if (QLatin1String(ferramenta) == QLatin1String("pdfinfo"))
        args = QStringList{pdf};
    p.start(QString::fromLatin1(ferramenta), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A section chart like the regular page's: a trapezoid drawn as a line series.
std::unique_ptr<QChartView> Grafico(QSize tamanho) {
    auto* serie = new QLineSeries;
    *serie << QPointF(0, 1) << QPointF(1, 0) << QPointF(2, 0) << QPointF(3, 1);
    auto* chart = new QChart;
    chart->addSeries(serie);
    chart->createDefaultAxes();
    chart->legend()->hide();
    auto view = std::make_unique<QChartView>(chart);
    view->resize(tamanho);
    view->show();
    return view;
}

int ContarPaginasPdf(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString pdf = QString::fromLatin1(f.readAll());
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

} // namespace

class FRelatorioTest : public QObject {
    Q_OBJECT

    TSulvoTriangular tri;
    TSulvoTrapezoidal trap;
    TSulvoRetangular ret;
    TSulvoCircular cir;
    TIDProjeto id;
    std::unique_ptr<QChartView> graficos[4];

    // A report window whose installation folder is a fresh temporary folder holding the banner.
    std::unique_ptr<TFRelatorio> Janela(QTemporaryDir& pasta) {
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Cabecalho.jpg"),
                    pasta.filePath(QStringLiteral("Cabecalho.jpg")));
        return std::make_unique<TFRelatorio>(pasta.path());
    }
    bool GerarTrapezio(TFRelatorio& janela, IDialogService& dialogos) {
        return janela.GerarRelatorioRegular(
            1, {tri, trap, ret, cir}, "Profundidade Normal", id,
            {graficos[0].get(), graficos[1].get(), graficos[2].get(), graficos[3].get()}, dialogos);
    }

private slots:
    void initTestCase() {
        for (int i = 0; i < 4; ++i)
            graficos[i] = Grafico(QSize(300 + 40 * i, 200 + 10 * i));
        trap.Q = 1.5;
        trap.H = 0.8;
        trap.Regime = "Subcrítico";
        id.Nome = "Canal Norte";
        QVERIFY(QTest::qWaitForWindowExposed(graficos[1].get()));
    }

    void picturesTheChartOfTheTypeOnWhiteAndShowsTheDocument() {
        QTemporaryDir pasta;
        auto janela = Janela(pasta);
        ErrosRegistrados dialogos;
        QVERIFY(GerarTrapezio(*janela, dialogos));
        QVERIFY(dialogos.erros.empty());
        QCOMPARE(janela->windowTitle(), QStringLiteral("Relatório - Dimensionamento de Canais Trapezoidais"));

        // The trapezoid's chart, at its on-screen size, drawn on white.
        QImage bit(pasta.filePath(QStringLiteral("Bit.bmp")), "BMP");
        QCOMPARE(bit.size(), QSize(340, 210));
        QCOMPARE(bit.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(340, 210));

        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        QVERIFY(janela->isMaximized());
        QCOMPARE(janela->TituloDocumento(), QStringLiteral("Dimensionamento de Canais Trapezoidais"));
        const QString texto = janela->Viewer->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("RELATÓRIO")));
        QVERIFY(texto.contains(QStringLiteral("Canal Norte")));
        QVERIFY(texto.contains(QStringLiteral("Subcrítico")));
        QVERIFY(!texto.contains(QStringLiteral("<TD>"))); // rendered, not shown as source

        // Both pictures the document names are found and decode: the chart by its bare name, the
        // banner by the absolute name the regular report gives it.
        const QVariant imagem =
            janela->Viewer->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("Bit.bmp")));
        QVERIFY(imagem.isValid());
        QImage banner;
        QVERIFY(banner.load(pasta.filePath(QStringLiteral("Cabecalho.jpg")), "JPEG"));
        QCOMPARE(banner.size(), QSize(550, 62));
        const QVariant bannerNoDocumento = janela->Viewer->loadResource(
            QTextDocument::ImageResource, QUrl::fromLocalFile(pasta.filePath(QStringLiteral("Cabecalho.jpg"))));
        QVERIFY(bannerNoDocumento.isValid());
    }

    void irregularReportFindsTheBannerByItsBareName() {
        QTemporaryDir pasta;
        auto janela = Janela(pasta);
        ErrosRegistrados dialogos;
        TSulvoIrregular irr;
        irr.Yc = -1;
        QVERIFY(janela->GerarRelatorioIrregular(irr, "Vazão", "Convencional", id, *graficos[2], dialogos));
        QCOMPARE(janela->windowTitle(), QStringLiteral("Relatório - Dimensionamento de Canais Irregulares"));
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        QVERIFY(janela->Viewer->toPlainText().contains(QStringLiteral("Maior que altura")));
        const QVariant banner =
            janela->Viewer->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("Cabecalho.jpg")));
        QVERIFY(banner.isValid());
        QImage decodificada;
        QVERIFY(decodificada.loadFromData(banner.toByteArray(), "JPEG"));
        QCOMPARE(decodificada.size(), QSize(550, 62));
    }

    void destroyingTheWindowRemovesTheChartPictureOnly() {
        QTemporaryDir pasta;
        const QString bit = pasta.filePath(QStringLiteral("Bit.bmp"));
        {
            auto janela = Janela(pasta);
            ErrosRegistrados dialogos;
            QVERIFY(GerarTrapezio(*janela, dialogos));
            janela->show();
            QVERIFY(QFile::exists(bit));
            janela->BFechar->click();
            QVERIFY(!janela->isVisible());
        }
        QVERIFY(!QFile::exists(bit));
        QVERIFY(QFile::exists(pasta.filePath(QStringLiteral("Cabecalho.jpg"))));
    }

    void aPictureThatCannotBeWrittenIsReportedAndNoReportIsMade() {
        QTemporaryDir pai;
        const QString ausente = pai.filePath(QStringLiteral("nao-existe"));
        TFRelatorio janela(ausente);
        ErrosRegistrados dialogos;
        QVERIFY(!GerarTrapezio(janela, dialogos));
        QCOMPARE(dialogos.erros.size(), std::size_t(1));
        const QString esperado =
            QStringLiteral("Cannot create file \"%1\". ").arg(QDir(ausente).filePath(QStringLiteral("Bit.bmp")));
        QVERIFY2(QString::fromStdString(dialogos.erros[0]).startsWith(esperado), dialogos.erros[0].c_str());
        QVERIFY(QString::fromStdString(dialogos.erros[0]).size() > esperado.size()); // the system's reason follows
    }

    void printsToAOnePagePdfWithTheTitleAsJobName() {
        QTemporaryDir pasta;
        auto janela = Janela(pasta);
        ErrosRegistrados dialogos;
        QVERIFY(GerarTrapezio(*janela, dialogos));
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));

        const QString pdf = pasta.filePath(QStringLiteral("relatorio.pdf"));
        QString nomeTrabalho;
        QMarginsF margens;
        janela->DefinirDialogoImpressao([&](QPrinter& impressora) {
            nomeTrabalho = impressora.docName();
            margens = impressora.pageLayout().margins(QPageLayout::Millimeter);
            impressora.setOutputFormat(QPrinter::PdfFormat);
            impressora.setOutputFileName(pdf);
            impressora.setPageSize(QPageSize(QPageSize::A4));
            return true;
        });
        janela->ToolButton1->click();
        QCOMPARE(nomeTrabalho, QStringLiteral("Dimensionamento de Canais Trapezoidais"));
        QCOMPARE(margens, QMarginsF(20, 20, 20, 20));
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(ContarPaginasPdf(pdf), 1);
        if (qEnvironmentVariableIsSet("SULVO_GUARDAR_PDF"))
            QFile::copy(pdf, qEnvironmentVariable("SULVO_GUARDAR_PDF"));
    }

    // "Salvar PDF…" and "Salvar HTML…": the dialogs start beside the project with its name, the PDF is the
    // one-page A4 print with text to extract, the HTML carries its pictures inside.
    void savesAPdfAndASelfContainedHtml() {
        QTemporaryDir pasta;
        auto janela = Janela(pasta);
        ErrosRegistrados dialogos;
        QVERIFY(GerarTrapezio(*janela, dialogos));
        const QString pdf = pasta.filePath(QStringLiteral("canal.pdf"));
        const QString html = pasta.filePath(QStringLiteral("canal.html"));
        dialogos.arquivos = {pdf.toStdString(), html.toStdString()};
        janela->DefinirDestino(dialogos, "/projetos/norte", "Canal Norte");
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        janela->BSalvarPdf->click();
        janela->BSalvarHtml->click();
        QVERIFY(dialogos.erros.empty());
        QCOMPARE(dialogos.pedidos.size(), std::size_t(2));
        QCOMPARE(dialogos.pedidos[0].pasta, std::string("/projetos/norte"));
        QCOMPARE(dialogos.pedidos[0].nomeSugerido, std::string("Canal Norte.pdf"));
        QCOMPARE(dialogos.pedidos[1].nomeSugerido, std::string("Canal Norte.html"));

        QCOMPARE(ContarPaginasPdf(pdf), 1);
        const QString info = Poppler("pdfinfo", pdf);
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Dimensionamento de Canais Trapezoidais"))));
        const QString texto = Poppler("pdftotext", pdf);
        QVERIFY2(texto.contains(QStringLiteral("Dimensionamento de Canais Trapezoidais")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("Canal Norte")));
        QVERIFY(texto.contains(QStringLiteral("Vazão:")));
        QVERIFY(texto.contains(QStringLiteral("Subcrítico")));

        QFile arquivo(html);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QString pagina = QString::fromUtf8(arquivo.readAll());
        // Nothing outside the file: both pictures are data, and they decode.
        static const QRegularExpression fonte(QStringLiteral("SRC=\"([^\"]*)\""));
        int imagens = 0;
        for (auto it = fonte.globalMatch(pagina); it.hasNext(); ++imagens) {
            const QString valor = it.next().captured(1);
            QVERIFY2(valor.startsWith(QStringLiteral("data:image/")), qPrintable(valor.left(80)));
            const QByteArray base64 = valor.mid(valor.indexOf(u',') + 1).toLatin1();
            QVERIFY(!QImage::fromData(QByteArray::fromBase64(base64)).isNull());
        }
        QCOMPARE(imagens, 2);
        QVERIFY(pagina.contains(QStringLiteral("charset=utf-8")));
        QVERIFY(pagina.contains(QStringLiteral("Canal Norte")));
    }

    void cancellingThePrintDialogPrintsNothing() {
        QTemporaryDir pasta;
        auto janela = Janela(pasta);
        ErrosRegistrados dialogos;
        QVERIFY(GerarTrapezio(*janela, dialogos));
        janela->show();
        const QString pdf = pasta.filePath(QStringLiteral("cancelado.pdf"));
        bool perguntou = false;
        janela->DefinirDialogoImpressao([&](QPrinter& impressora) {
            perguntou = true;
            impressora.setOutputFormat(QPrinter::PdfFormat);
            impressora.setOutputFileName(pdf);
            return false;
        });
        janela->ToolButton1->click();
        QVERIFY(perguntou);
        QVERIFY(!QFile::exists(pdf));
    }

    void sizeLimitsComeFromTheScreenAndRestoringCentres() {
        QTemporaryDir pasta;
        auto janela = Janela(pasta);
        const QSize tela = janela->screen()->geometry().size();
        QCOMPARE(janela->maximumSize(), tela);
        QCOMPARE(janela->minimumSize(), QSize(ArredondarPar(0.75 * tela.width()), ArredondarPar(0.75 * tela.height())));

        janela->move(5, 5); // a position of its own, so nothing but the restore can centre it
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        QVERIFY(janela->isMaximized());
        janela->setWindowState(Qt::WindowNoState);
        // The platform gives the normal size back; here it is the smallest the window may take.
        janela->resize(janela->minimumSize());
        const QRect t = janela->screen()->geometry();
        const QSize moldura = janela->frameGeometry().size();
        QVERIFY(moldura.width() < t.width());
        QTRY_COMPARE(janela->frameGeometry().topLeft(), QPoint(ArredondarPar((t.width() - moldura.width()) / 2.0),
                                                               ArredondarPar((t.height() - moldura.height()) / 2.0)));
    }
};

QTEST_MAIN(FRelatorioTest)
#include "FRelatorioTest.moc"
