#include <QTest>

#include "ui/periferia/Ajuda.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>

#include <vector>

using namespace sulvo;

namespace {

// Records what F1 asked for.
class AjudaGravada : public IAjuda {
public:
    void Conteudo() override { pedidos.push_back(-1); }
    void Pesquisar(const QString&) override { pedidos.push_back(-2); }
    void Topico(int contexto) override { pedidos.push_back(contexto); }
    std::vector<int> pedidos;
};

// A dialog that answers F1 by itself, as the roughness-table window does.
class DialogoComF1 : public QDialog {
public:
    using QDialog::QDialog;
    int f1Recebidos = 0;

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if (evento->key() == Qt::Key_F1)
            ++f1Recebidos;
        QDialog::keyPressEvent(evento);
    }
};

// The help contexts that the windows and fields of the program ask for.
const int kContextosDoPrograma[] = {200, 208, 209, 211, 212, 213, 214, 217, 223, 224, 225,
                                    226, 228, 233, 236, 237, 238, 245, 246, 247, 248, 249};

QString ArquivoGerado() {
    return QStringLiteral(SULVO_PASTA_BIN "/Sulvo.hlp");
}

const char* const kArquivoPequeno = R"(SULVO-AJUDA 1
@conteudo
# comentário
Capítulo um
    20
    10
@fim
@topico 10
@titulo Vazão de projeto
@chaves Vazão; capacidade
<p>Texto sobre a <a href="topico:20">declividade</a> e o molinete.</p>
@fim
@topico 20
@titulo Declividade
@chaves vazao; inclinação; CAPACIDADE
<p>Fala da capacidade.</p>
@fim
)";

void Escrever(const QString& caminho, const QString& texto) {
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    arquivo.write(texto.toUtf8());
}

} // namespace

class AjudaTest : public QObject {
    Q_OBJECT
private slots:
    void arquivoGeradoTemOsContextosDoPrograma_data();
    void arquivoGeradoTemOsContextosDoPrograma();
    void leituraRecusaArquivoDefeituoso_data();
    void leituraRecusaArquivoDefeituoso();
    void indiceJuntaChavesSemAcentoEOrdenaABusca();
    void montagemConfereAsFontes_data();
    void montagemConfereAsFontes();
    void visualizadorAbreTopicoPorNumero();
    void visualizadorPesquisaPalavra();
    void linksEHistorico();
    void arquivoAusenteEDepoisRecolocado();
    void ajudaSobreJanelaModalFicaUtilizavel();
    void f1PedeOContextoMaisProximo_data();
    void f1PedeOContextoMaisProximo();
    void f1SemContextoDeixaATeclaParaAJanela();
};

void AjudaTest::arquivoGeradoTemOsContextosDoPrograma_data() {
    QTest::addColumn<int>("contexto");
    for (int contexto : kContextosDoPrograma)
        QTest::addRow("%d", contexto) << contexto;
}

void AjudaTest::arquivoGeradoTemOsContextosDoPrograma() {
    QFETCH(int, contexto);
    QString erro;
    const auto arquivo = TArquivoAjuda::Carregar(ArquivoGerado(), erro);
    QVERIFY2(arquivo, qPrintable(erro));
    const TTopicoAjuda* topico = arquivo->Topico(contexto);
    QVERIFY(topico);
    QVERIFY(!topico->titulo.isEmpty());
    QVERIFY(!topico->chaves.isEmpty());
    QVERIFY(topico->textoNormalizado.size() > 300);
    bool noConteudo = false;
    for (const TCapituloAjuda& capitulo : arquivo->Capitulos())
        noConteudo = noConteudo || capitulo.topicos.contains(contexto);
    QVERIFY(noConteudo);
}

void AjudaTest::leituraRecusaArquivoDefeituoso_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("erroEsperado");
    const QString topico = QStringLiteral("@topico 5\n@titulo T\ncorpo\n@fim\n");
    QTest::newRow("sem cabeçalho") << QStringLiteral("@topico 5\n@titulo T\n@fim\n") << QStringLiteral("linha 1");
    QTest::newRow("tópico sem @fim") << QStringLiteral("SULVO-AJUDA 1\n@topico 5\n@titulo T\ncorpo\n")
                                     << QStringLiteral("linha 2: tópico 5 sem @fim");
    QTest::newRow("tópico repetido") << QStringLiteral("SULVO-AJUDA 1\n") + topico + topico
                                     << QStringLiteral("linha 6: tópico 5 repetido");
    QTest::newRow("diretiva no corpo") << QStringLiteral(
                                              "SULVO-AJUDA 1\n@topico 5\n@titulo T\ncorpo\n@titulo U\n@fim\n")
                                       << QStringLiteral("linha 5: diretiva inesperada");
    QTest::newRow("conteúdo cita tópico ausente")
        << QStringLiteral("SULVO-AJUDA 1\n@conteudo\nCap\n  7\n@fim\n") + topico << QStringLiteral("tópico 7");
}

void AjudaTest::leituraRecusaArquivoDefeituoso() {
    QFETCH(QString, texto);
    QFETCH(QString, erroEsperado);
    QString erro;
    QVERIFY(!TArquivoAjuda::Ler(texto, erro));
    QVERIFY2(erro.contains(erroEsperado), qPrintable(erro));
}

void AjudaTest::indiceJuntaChavesSemAcentoEOrdenaABusca() {
    QString erro;
    const auto arquivo = TArquivoAjuda::Ler(QString::fromUtf8(kArquivoPequeno), erro);
    QVERIFY2(arquivo, qPrintable(erro));
    QCOMPARE(arquivo->TopicoInicial(), 20);
    QCOMPARE(arquivo->Capitulos().size(), 1);
    QCOMPARE(arquivo->Capitulos().front().titulo, QStringLiteral("Capítulo um"));
    // "Vazão"/"vazao" and "capacidade"/"CAPACIDADE" are one entry each, shown as first written.
    QCOMPARE(arquivo->Chaves(),
             (QStringList{QStringLiteral("capacidade"), QStringLiteral("inclinação"), QStringLiteral("Vazão")}));
    QCOMPARE(arquivo->TopicosDaChave(QStringLiteral("VAZAO")), (QList<int>{10, 20}));
    QCOMPARE(arquivo->ChavesCom(QStringLiteral("ca")),
             (QStringList{QStringLiteral("capacidade"), QStringLiteral("inclinação")}));
    QCOMPARE(arquivo->ChavesCom(QString()), arquivo->Chaves());
    // Keyword first, then the title, then the text.
    QCOMPARE(arquivo->Pesquisar(QStringLiteral("declividade")), (QList<int>{20, 10}));
    QCOMPARE(arquivo->Pesquisar(QStringLiteral("Molinete")), QList<int>{10});
    QVERIFY(arquivo->Pesquisar(QStringLiteral("  ")).isEmpty());
    QVERIFY(arquivo->Pesquisar(QStringLiteral("comporta")).isEmpty());
}

void AjudaTest::montagemConfereAsFontes_data() {
    QTest::addColumn<QString>("conteudo");
    QTest::addColumn<QStringList>("topicos");
    QTest::addColumn<QString>("falha"); // empty: the assembly succeeds
    const QString a =
        QStringLiteral("@topico 1\n@titulo Um\n@chaves um\n<p>veja <a href=\"topico:2\">dois</a>; ok</p>\n");
    const QString b = QStringLiteral("@topico 2\n@titulo Dois\n<p>dois</p>\n");
    const QString conteudo = QStringLiteral("# c\nCap\n    1\n    2\n");
    QTest::newRow("válidas") << conteudo << QStringList{a, b} << QString();
    QTest::newRow("link quebrado") << QStringLiteral("Cap\n    1\n") << QStringList{a}
                                   << QStringLiteral("link to topic 2");
    QTest::newRow("fora do conteúdo") << QStringLiteral("Cap\n    1\n") << QStringList{b}
                                      << QStringLiteral("missing from conteudo.txt");
    QTest::newRow("número repetido") << conteudo << QStringList{b, b} << QStringLiteral("defined twice");
}

void AjudaTest::montagemConfereAsFontes() {
    QFETCH(QString, conteudo);
    QFETCH(QStringList, topicos);
    QFETCH(QString, falha);
    QTemporaryDir pasta;
    QVERIFY(QDir(pasta.path()).mkdir(QStringLiteral("topicos")));
    Escrever(pasta.filePath(QStringLiteral("conteudo.txt")), conteudo);
    for (int i = 0; i < topicos.size(); ++i)
        Escrever(pasta.filePath(QStringLiteral("topicos/%1.html").arg(i)), topicos[i]);
    const QString saida = pasta.filePath(QStringLiteral("Sulvo.hlp"));
    QProcess cmake;
    cmake.start(QStringLiteral(SULVO_CMAKE),
                {QStringLiteral("-DPASTA=") + pasta.path(), QStringLiteral("-DSAIDA=") + saida, QStringLiteral("-P"),
                 QStringLiteral(SULVO_MONTAR_AJUDA)});
    QVERIFY(cmake.waitForFinished(60000));
    const QString mensagens = QString::fromUtf8(cmake.readAllStandardError());
    if (!falha.isEmpty()) {
        QVERIFY(cmake.exitCode() != 0);
        QVERIFY2(mensagens.contains(falha), qPrintable(mensagens));
        QVERIFY(!QFile::exists(saida));
        return;
    }
    QVERIFY2(cmake.exitCode() == 0, qPrintable(mensagens));
    QString erro;
    const auto arquivo = TArquivoAjuda::Carregar(saida, erro);
    QVERIFY2(arquivo, qPrintable(erro));
    QCOMPARE(arquivo->Contextos(), (QList<int>{1, 2}));
    QCOMPARE(arquivo->Topico(1)->html, QStringLiteral("<p>veja <a href=\"topico:2\">dois</a>; ok</p>"));
}

void AjudaTest::visualizadorAbreTopicoPorNumero() {
    TAjudaViewer ajuda(QStringLiteral(SULVO_PASTA_BIN));
    ajuda.Topico(212);
    TFAjuda& janela = ajuda.Janela();
    QVERIFY(janela.isVisible());
    QCOMPARE(janela.TopicoAtual(), 212);
    QVERIFY(janela.Texto->toPlainText().startsWith(QStringLiteral("Canais trapezoidais")));
    QCOMPARE(janela.windowTitle(), QStringLiteral("Ajuda do Sulvo - Canais trapezoidais"));
    QCOMPARE(janela.ArvoreConteudo->currentItem()->data(0, Qt::UserRole).toInt(), 212);

    ajuda.Topico(999);
    QCOMPARE(janela.TopicoAtual(), 0);
    QVERIFY(janela.Texto->toPlainText().contains(QStringLiteral("não tem o tópico número 999")));

    ajuda.Conteudo();
    QCOMPARE(janela.Abas->currentIndex(), 0);
    QCOMPARE(janela.TopicoAtual(), 100);
}

void AjudaTest::visualizadorPesquisaPalavra() {
    TAjudaViewer ajuda(QStringLiteral(SULVO_PASTA_BIN));
    ajuda.Pesquisar(QString());
    TFAjuda& janela = ajuda.Janela();
    QCOMPARE(janela.Abas->currentIndex(), 1);
    QVERIFY(janela.EdPalavra->text().isEmpty());
    QVERIFY(janela.LbChaves->count() > 100);

    ajuda.Pesquisar(QStringLiteral("froude"));
    QCOMPARE(janela.LbChaves->currentItem()->text(), QStringLiteral("Froude"));
    QCOMPARE(janela.LbTopicos->currentItem()->data(Qt::UserRole).toInt(), 102);
    QTest::keyClick(janela.EdPalavra, Qt::Key_Return);
    QCOMPARE(janela.TopicoAtual(), 102);

    // Not a keyword: the topics whose text mentions it.
    janela.EdPalavra->setText(QStringLiteral("molinete"));
    QCOMPARE(janela.LbChaves->count(), 0);
    QCOMPARE(janela.LbTopicos->count(), 1);
    QCOMPARE(janela.LbTopicos->item(0)->data(Qt::UserRole).toInt(), 246);
}

void AjudaTest::linksEHistorico() {
    TAjudaViewer ajuda(QStringLiteral(SULVO_PASTA_BIN));
    ajuda.Topico(224);
    TFAjuda& janela = ajuda.Janela();
    emit janela.Texto->anchorClicked(QUrl(QStringLiteral("topico:249")));
    QCOMPARE(janela.TopicoAtual(), 249);
    QVERIFY(janela.BtVoltar->isEnabled());
    QVERIFY(!janela.BtAvancar->isEnabled());
    janela.BtVoltar->click();
    QCOMPARE(janela.TopicoAtual(), 224);
    janela.BtAvancar->click();
    QCOMPARE(janela.TopicoAtual(), 249);
    // A new topic after going back drops the forward history.
    janela.BtVoltar->click();
    ajuda.Topico(226);
    QVERIFY(!janela.BtAvancar->isEnabled());
    janela.BtVoltar->click();
    QCOMPARE(janela.TopicoAtual(), 224);
}

void AjudaTest::arquivoAusenteEDepoisRecolocado() {
    QTemporaryDir pasta;
    TAjudaViewer ajuda(pasta.path());
    ajuda.Topico(212);
    TFAjuda& janela = ajuda.Janela();
    QVERIFY(janela.isVisible());
    QVERIFY(!janela.TemArquivo());
    QCOMPARE(janela.TopicoAtual(), 0);
    QVERIFY(janela.Texto->toPlainText().contains(QStringLiteral("O arquivo de ajuda \"%1\" não foi encontrado.")
                                                     .arg(QDir::toNativeSeparators(ajuda.Caminho()))));
    QVERIFY(!janela.BtIndice->isEnabled());

    QVERIFY(QFile::copy(ArquivoGerado(), ajuda.Caminho()));
    ajuda.Topico(212);
    QVERIFY(janela.TemArquivo());
    QCOMPARE(janela.TopicoAtual(), 212);
}

void AjudaTest::ajudaSobreJanelaModalFicaUtilizavel() {
    TAjudaViewer ajuda(QStringLiteral(SULVO_PASTA_BIN));
    ajuda.Topico(200);
    QCOMPARE(ajuda.Janela().windowModality(), Qt::NonModal);
    {
        QDialog dialogo;
        dialogo.setModal(true);
        dialogo.show();
        QCOMPARE(QApplication::activeModalWidget(), &dialogo);
        ajuda.Topico(208);
        // Shown above the modal dialog, the help must be modal too, or it could not be used.
        QCOMPARE(ajuda.Janela().windowModality(), Qt::ApplicationModal);
        QVERIFY(ajuda.Janela().isVisible());
        ajuda.Janela().close();
    }
    ajuda.Topico(200);
    QCOMPARE(ajuda.Janela().windowModality(), Qt::NonModal);
}

void AjudaTest::f1PedeOContextoMaisProximo_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("contexto");
    QTest::newRow("campo com contexto próprio") << QStringLiteral("EdDiametro") << 248;
    QTest::newRow("campo dentro de grupo") << QStringLiteral("EdX") << 226;
    QTest::newRow("campo solto na janela") << QStringLiteral("EdComprimento") << 200;
    QTest::newRow("contexto do campo vence o do grupo") << QStringLiteral("EdY") << 237;
    QTest::newRow("diálogo com contexto") << QStringLiteral("EdRugosidadeIntervalo") << 228;
}

void AjudaTest::f1PedeOContextoMaisProximo() {
    QFETCH(QString, widget);
    QFETCH(int, contexto);
    const auto campo = [](QWidget* pai, const char* nome, int contextoProprio) {
        auto* c = new QLineEdit(pai);
        c->setObjectName(QLatin1String(nome));
        if (contextoProprio)
            c->setProperty(kPropriedadeContextoAjuda, contextoProprio);
    };
    QWidget janela;
    janela.setProperty(kPropriedadeContextoAjuda, 200);
    campo(&janela, "EdDiametro", 248);
    campo(&janela, "EdComprimento", 0);
    auto* grupo = new QGroupBox(QStringLiteral("Pontos do Gráfico"), &janela);
    grupo->setProperty(kPropriedadeContextoAjuda, 226);
    campo(grupo, "EdX", 0);
    campo(grupo, "EdY", 237);
    QDialog intervalos(&janela);
    intervalos.setProperty(kPropriedadeContextoAjuda, 228);
    campo(&intervalos, "EdRugosidadeIntervalo", 0);

    AjudaGravada ajuda;
    InstalarTeclaAjuda(ajuda, &janela);
    janela.show();
    intervalos.show();
    auto* alvo = janela.findChild<QLineEdit*>(widget);
    QVERIFY(alvo);
    QTest::keyClick(alvo, Qt::Key_F1);
    QCOMPARE(ajuda.pedidos, std::vector<int>{contexto});
    QTest::keyClick(alvo, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(ajuda.pedidos.size(), std::size_t{1});
}

void AjudaTest::f1SemContextoDeixaATeclaParaAJanela() {
    QWidget janela;
    janela.setProperty(kPropriedadeContextoAjuda, 200);
    // A dialog owned by the main window does not take the window's topic: it answers F1 itself.
    DialogoComF1 tabela(&janela);
    auto* campo = new QLineEdit(&tabela);
    AjudaGravada ajuda;
    InstalarTeclaAjuda(ajuda, &janela);
    tabela.show();
    QCOMPARE(ContextoAjuda(campo), 0);
    QTest::keyClick(campo, Qt::Key_F1);
    QVERIFY(ajuda.pedidos.empty());
    QCOMPARE(tabela.f1Recebidos, 1);
}

QTEST_MAIN(AjudaTest)
#include "AjudaTest.moc"
