#include <QTest>

#include "tests/support/ScriptedDialogService.h"
#include "ui/periferia/Internet.h"
#include "ui/periferia/SplashSulvo.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <vector>

using namespace sulvo;
using sulvo::testing::ScriptedDialogService;

class PeriferiaTest : public QObject {
    Q_OBJECT
private slots:
    void sobreCobreAJanelaEFechaComUmClique_data();
    void sobreCobreAJanelaEFechaComUmClique();
    void sobreSemFiguraAindaFecha();
    void paginasPorTag_data();
    void paginasPorTag();
    void falhaAoAbrirMostraAMensagem();
};

void PeriferiaTest::sobreCobreAJanelaEFechaComUmClique_data() {
    QTest::addColumn<QPoint>("clique");
    QTest::newRow("centro da figura") << QPoint(280, 170);
    QTest::newRow("canto superior esquerdo") << QPoint(1, 1);
    QTest::newRow("canto inferior direito da figura") << QPoint(558, 339);
    QTest::newRow("coluna da janela fora da figura") << QPoint(559, 170);
}

void PeriferiaTest::sobreCobreAJanelaEFechaComUmClique() {
    QFETCH(QPoint, clique);
    QTemporaryDir pasta;
    QImage figura(559, 340, QImage::Format_RGB32);
    figura.fill(QColor(30, 90, 160));
    QVERIFY(figura.save(QDir(pasta.path()).filePath(QStringLiteral("Sobre.jpg"))));

    TFSplashSulvo sobre(pasta.path());
    QVERIFY(sobre.FiguraCarregada());
    QVERIFY(sobre.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(sobre.size(), QSize(560, 340));
    QCOMPARE(sobre.Image1->geometry(), QRect(0, 0, 559, 340));
    QSignalSpy aceito(&sobre, &QDialog::accepted);
    sobre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sobre));
    const QRect tela = sobre.screen()->availableGeometry();
    QVERIFY((sobre.frameGeometry().center() - tela.center()).manhattanLength() <= 2);
    // The column the picture leaves uncovered shows the picture's edge, not the window's grey.
    const QImage visto = sobre.grab().toImage();
    QCOMPARE(visto.pixelColor(559, 170), visto.pixelColor(558, 170));

    QWidget* alvo = sobre.childAt(clique);
    if (!alvo)
        alvo = &sobre;
    QTest::mouseClick(alvo, Qt::LeftButton, {}, alvo->mapFrom(&sobre, clique));
    QVERIFY(!sobre.isVisible());
    QCOMPARE(aceito.count(), 1);
}

void PeriferiaTest::sobreSemFiguraAindaFecha() {
    QTemporaryDir pasta;
    TFSplashSulvo sobre(pasta.path());
    QVERIFY(!sobre.FiguraCarregada());
    QVERIFY(!sobre.Image1->pixmap().isNull());
    sobre.show();
    QTest::mouseClick(sobre.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!sobre.isVisible());
}

void PeriferiaTest::paginasPorTag_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("abre");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("instituição") << 1 << true;
    QTest::newRow("departamento") << 2 << true;
    QTest::newRow("grupo") << 3 << true;
    QTest::newRow("Sulvo") << 4 << true;
    QTest::newRow("5") << 5 << false;
    QTest::newRow("-1") << -1 << false;
}

void PeriferiaTest::paginasPorTag() {
    QFETCH(int, tag);
    QFETCH(bool, abre);
    ScriptedDialogService dialogos;
    std::vector<QUrl> abertas;
    TInternet internet(dialogos, [&abertas](const QUrl& endereco) {
        abertas.push_back(endereco);
        return true;
    });
    QCOMPARE(internet.PaginaInternetClick(tag), abre);
    QVERIFY(dialogos.Pedidos().empty());
    if (!abre) {
        QVERIFY(abertas.empty());
        return;
    }
    QCOMPARE(abertas.size(), std::size_t{1});
    const QUrl& endereco = abertas.front();
    QVERIFY(endereco.isValid());
    QCOMPARE(endereco.scheme(), QStringLiteral("https"));
    QCOMPARE(endereco.toString(), PaginaInternet(tag)->Endereco);
    QVERIFY(PaginaInternet(tag)->Dica().endsWith(QStringLiteral(" (%1)").arg(endereco.toString())));
    // Each button has a page of its own.
    QSet<QString> outras;
    for (const TPaginaInternet& pagina : PaginasInternet())
        if (pagina.Tag != tag)
            outras.insert(pagina.Endereco);
    QVERIFY(!outras.contains(endereco.toString()));
}

void PeriferiaTest::falhaAoAbrirMostraAMensagem() {
    ScriptedDialogService dialogos;
    dialogos.EsperarErro(std::string("Não foi possível abrir a página escolhida."));
    int tentativas = 0;
    TInternet internet(dialogos, [&tentativas](const QUrl&) {
        ++tentativas;
        return false;
    });
    QVERIFY(!internet.PaginaInternetClick(3));
    QCOMPARE(tentativas, 1);
    QVERIFY(dialogos.RoteiroCumprido());
}

QTEST_MAIN(PeriferiaTest)
#include "PeriferiaTest.moc"
