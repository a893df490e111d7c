// The roughness table dialog driven like a user would: real widgets on the offscreen platform, every
// message box answered by the scripted dialog service.
#include <QtTest>

#include "tests/support/ScriptedDialogService.h"

#include "controls/EditNumero.h"
#include "roughness/ArqRugosidade.h"
#include "roughness/FRugosidade.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace sulvo;
using sulvo::testing::ScriptedDialogService;

namespace {

using Bytes = std::vector<char>;

Bytes LerBytes(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

QString Celula(const QTableWidget* grade, int linha, int coluna) {
    auto* item = grade->item(linha, coluna);
    return item ? item->text() : QString();
}

std::vector<TRegistroRugosidade> TresMateriais() {
    return {{"Vidro", 0.009, 0.013, 0.010},
            {"Concreto acabado, forma de madeira", 0.011, 0.014, 0.012},
            {"Alvenaria de pedra argamassada", 0.018, 0.030, 0.025}};
}

} // namespace

class FRugosidadeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> pasta_;
    std::unique_ptr<ScriptedDialogService> dialogos_;
    std::unique_ptr<TFRugosidade> janela_;

    std::string Arquivo(const char* nome) const {
        return (std::filesystem::path(pasta_->path().toStdString()) / nome).string();
    }

    void GravarTabela(const char* nome, const std::vector<TRegistroRugosidade>& registros) {
        TArqRugosidade tabela;
        tabela.Registros = registros;
        QVERIFY(tabela.GravarArquivo(Arquivo(nome)));
    }

    std::vector<TRegistroRugosidade> LerTabela(const char* nome) const {
        TArqRugosidade tabela;
        tabela.LerArquivo(Arquivo(nome));
        return tabela.Registros;
    }

    void Abrir(int tipo) {
        janela_->DefinirTabela(tipo);
        janela_->show();
        QVERIFY(janela_->isVisible());
    }

    void Inserir(const QString& descricao, const QString& minima, const QString& normal, const QString& maxima) {
        QTest::mouseClick(janela_->BtInserir, Qt::LeftButton);
        janela_->EdDescricao->setText(descricao);
        QTest::keyClicks(janela_->EdMinima, minima);
        QTest::keyClicks(janela_->EdNormal, normal);
        QTest::keyClicks(janela_->EdMaxima, maxima);
        QTest::mouseClick(janela_->btConfirmar, Qt::LeftButton);
    }

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u',', u'.'); }

    void init() {
        pasta_ = std::make_unique<QTemporaryDir>();
        QVERIFY(pasta_->isValid());
        dialogos_ = std::make_unique<ScriptedDialogService>();
        janela_ = std::make_unique<TFRugosidade>(*dialogos_);
        janela_->DefinirPasta(pasta_->path().toStdString());
    }

    void cleanup() {
        janela_.reset();
        dialogos_.reset(); // fails the test when a scripted message was never shown
        pasta_.reset();
    }

    void opensWithTheRecordsInFileOrderAndColumnsMinNormalMax() {
        GravarTabela("2.cdb", TresMateriais());
        Abrir(1);
        QCOMPARE(janela_->windowTitle(), QStringLiteral("Tabela de Rugosidade para Condutos Circulares"));
        QCOMPARE(janela_->size(), QSize(662, 221));
        auto* grade = janela_->StringGrid1;
        QCOMPARE(grade->rowCount(), 3);
        QCOMPARE(grade->horizontalHeaderItem(0)->text(), QStringLiteral("Descrição"));
        QCOMPARE(grade->horizontalHeaderItem(3)->text(), QStringLiteral("Máximo"));
        QCOMPARE(Celula(grade, 0, 0), QStringLiteral("Vidro"));
        QCOMPARE(Celula(grade, 0, 1), QStringLiteral("0,009"));
        QCOMPARE(Celula(grade, 0, 2), QStringLiteral("0,010"));
        QCOMPARE(Celula(grade, 0, 3), QStringLiteral("0,013"));
        QCOMPARE(Celula(grade, 2, 2), QStringLiteral("0,025"));
        QCOMPARE(janela_->LinhaSelecionada, 1);
        QCOMPARE(grade->currentRow(), 0);
        QCOMPARE(janela_->focusWidget(), grade);
    }

    void navigationButtonsMoveTheHighlightWithinTheTable() {
        GravarTabela("1.cdb", TresMateriais());
        Abrir(0);
        struct Passo {
            QToolButton* botao;
            int linha;
        };
        for (auto [botao, linha] :
             {Passo{janela_->SpeedButton4, 3}, Passo{janela_->SpeedButton3, 3}, Passo{janela_->SpeedButton2, 2},
              Passo{janela_->SpeedButton2, 1}, Passo{janela_->SpeedButton2, 1}, Passo{janela_->SpeedButton3, 2},
              Passo{janela_->SpeedButton1, 1}}) {
            QTest::mouseClick(botao, Qt::LeftButton);
            QCOMPARE(janela_->LinhaSelecionada, linha);
            QCOMPARE(janela_->StringGrid1->currentRow(), linha - 1);
            QCOMPARE(janela_->StringGrid1->selectionModel()->selectedRows().size(), 1);
        }
    }

    void insertingGrowsTheWindowAndConfirmAppendsTheRow() {
        GravarTabela("1.cdb", TresMateriais());
        const Bytes antes = LerBytes(Arquivo("1.cdb"));
        Abrir(0);
        QTest::mouseClick(janela_->BtInserir, Qt::LeftButton);
        QCOMPARE(janela_->size(), QSize(662, 321));
        QVERIFY(janela_->Panel1->isVisible());
        QVERIFY(!janela_->BtInserir->isEnabled());
        QCOMPARE(janela_->focusWidget(), janela_->EdDescricao);

        janela_->EdDescricao->setText(QStringLiteral("Gabião – pedra arrumada"));
        QTest::keyClicks(janela_->EdMinima, QStringLiteral("0,022"));
        QTest::keyClicks(janela_->EdNormal, QStringLiteral("0.027"));
        QTest::keyClicks(janela_->EdMaxima, QStringLiteral("0,035"));
        QTest::mouseClick(janela_->btConfirmar, Qt::LeftButton);

        QCOMPARE(janela_->size(), QSize(662, 221));
        QVERIFY(!janela_->Panel1->isVisible());
        QVERIFY(janela_->BtInserir->isEnabled());
        QCOMPARE(janela_->StringGrid1->rowCount(), 4);
        QCOMPARE(Celula(janela_->StringGrid1, 3, 0), QStringLiteral("Gabião – pedra arrumada"));
        QCOMPARE(Celula(janela_->StringGrid1, 3, 2), QStringLiteral("0,027"));
        QCOMPARE(LerBytes(Arquivo("1.cdb")), antes); // nothing written before OK

        QTest::mouseClick(janela_->SpeedButton4, Qt::LeftButton);
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(janela_->result(), int(QDialog::Accepted));
        QVERIFY(!janela_->isVisible());
        QCOMPARE(janela_->RugosidadeEscolhida, 0.027);
        auto registros = LerTabela("1.cdb");
        QCOMPARE(registros.size(), std::size_t{4});
        QVERIFY((registros.back() == TRegistroRugosidade{"Gabião – pedra arrumada", 0.022, 0.035, 0.027}));
    }

    void confirmRefusesZeroAndNonNumbers_data() {
        QTest::addColumn<QString>("minima");
        QTest::addColumn<QString>("normal");
        QTest::addColumn<QString>("maxima");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("campo");         // 0 minimum, 1 normal, 2 maximum
        QTest::addColumn<QString>("textoFica"); // the refused field's text afterwards

        QTest::newRow("minimo vazio") << ""
                                      << "0,01"
                                      << "0,02"
                                      << "Valor Mínimo Invalido!" << 0 << "";
        QTest::newRow("minimo zero") << "0"
                                     << "0,01"
                                     << "0,02"
                                     << "Valor Mínimo Invalido!" << 0 << "0";
        QTest::newRow("normal zero") << "0,01"
                                     << "0,000"
                                     << "0,02"
                                     << "Valor Normal Invalido!" << 1 << "0,000";
        QTest::newRow("normal vazio") << "0,01"
                                      << ""
                                      << "0,02"
                                      << "Valor Normal Invalido!" << 1 << "";
        QTest::newRow("maximo vazio") << "0,01"
                                      << "0,02"
                                      << ""
                                      << "Valor Máximo Invalido!" << 2 << "";
        // The minimum is checked first even when every field is wrong.
        QTest::newRow("todos vazios") << ""
                                      << ""
                                      << ""
                                      << "Valor Mínimo Invalido!" << 0 << "";
    }

    void confirmRefusesZeroAndNonNumbers() {
        QFETCH(QString, minima);
        QFETCH(QString, normal);
        QFETCH(QString, maxima);
        QFETCH(QString, mensagem);
        QFETCH(int, campo);
        QFETCH(QString, textoFica);
        GravarTabela("3.cdb", TresMateriais());
        Abrir(2);
        dialogos_->EsperarMensagem(mensagem.toStdString());
        Inserir(QStringLiteral("Terra"), minima, normal, maxima);
        TEditNumero* campos[] = {janela_->EdMinima, janela_->EdNormal, janela_->EdMaxima};
        QCOMPARE(campos[campo]->text(), textoFica);
        QVERIFY(janela_->Panel1->isVisible());
        QCOMPARE(janela_->size(), QSize(662, 321));
        QCOMPARE(janela_->ArqRugosidade.Registros.size(), std::size_t{3});
        QCOMPARE(janela_->StringGrid1->rowCount(), 3);
    }

    void pastedTextThatIsNoNumberIsRefusedAndEmptied() {
        GravarTabela("3.cdb", TresMateriais());
        Abrir(2);
        dialogos_->EsperarMensagem("Valor Máximo Invalido!");
        QTest::mouseClick(janela_->BtInserir, Qt::LeftButton);
        QTest::keyClicks(janela_->EdMinima, QStringLiteral("0,02"));
        QTest::keyClicks(janela_->EdNormal, QStringLiteral("0,03"));
        janela_->EdMaxima->setText(QStringLiteral("abc")); // pasted: the key filter never saw it
        QTest::mouseClick(janela_->btConfirmar, Qt::LeftButton);
        QCOMPARE(janela_->EdMaxima->text(), QString());
        QCOMPARE(janela_->ArqRugosidade.Registros.size(), std::size_t{3});
    }

    void longDescriptionsKeepTheirFirst255Characters() {
        GravarTabela("1.cdb", {});
        Abrir(0);
        Inserir(QString(300, u'ç'), QStringLiteral("0,01"), QStringLiteral("0,02"), QStringLiteral("0,03"));
        QCOMPARE(janela_->ArqRugosidade.Registros.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(janela_->ArqRugosidade.Registros[0].Descricao), QString(255, u'ç'));
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(std::filesystem::file_size(Arquivo("1.cdb")), std::uintmax_t{284});
    }

    void panelCancelAddsNothing() {
        GravarTabela("1.cdb", TresMateriais());
        Abrir(0);
        QTest::mouseClick(janela_->BtInserir, Qt::LeftButton);
        janela_->EdDescricao->setText(QStringLiteral("Esquecido"));
        QTest::keyClicks(janela_->EdNormal, QStringLiteral("0,5"));
        QTest::mouseClick(janela_->Button1, Qt::LeftButton);
        QVERIFY(!janela_->Panel1->isVisible());
        QCOMPARE(janela_->size(), QSize(662, 221));
        QVERIFY(janela_->BtInserir->isEnabled());
        QCOMPARE(janela_->StringGrid1->rowCount(), 3);
        QCOMPARE(janela_->ArqRugosidade.Registros.size(), std::size_t{3});
    }

    void deletingRemovesTheHighlightedRowAndCancelKeepsTheFile() {
        GravarTabela("4.cdb", TresMateriais());
        const Bytes antes = LerBytes(Arquivo("4.cdb"));
        Abrir(3);
        QTest::mouseClick(janela_->SpeedButton3, Qt::LeftButton);
        QTest::mouseClick(janela_->BtEliminar, Qt::LeftButton);
        QCOMPARE(janela_->StringGrid1->rowCount(), 2);
        QCOMPARE(Celula(janela_->StringGrid1, 1, 0), QStringLiteral("Alvenaria de pedra argamassada"));
        QCOMPARE(janela_->LinhaSelecionada, 2);

        // Deleting the last row moves the highlight to the new last one.
        QTest::mouseClick(janela_->BtEliminar, Qt::LeftButton);
        QCOMPARE(janela_->StringGrid1->rowCount(), 1);
        QCOMPARE(janela_->LinhaSelecionada, 1);
        QCOMPARE(janela_->StringGrid1->currentRow(), 0);

        QTest::mouseClick(janela_->BtCancel, Qt::LeftButton);
        QCOMPARE(janela_->result(), int(QDialog::Rejected));
        QVERIFY(!janela_->isVisible());
        QVERIFY(janela_->ArqRugosidade.Registros.empty());
        QCOMPARE(LerBytes(Arquivo("4.cdb")), antes);
    }

    void okWithoutChangesRewritesIdenticalContentAndReturnsTheNormal() {
        GravarTabela("5.cdb", TresMateriais());
        const Bytes antes = LerBytes(Arquivo("5.cdb"));
        Abrir(4);
        janela_->StringGrid1->setCurrentCell(2, 1); // the user clicks the third row
        QCOMPARE(janela_->LinhaSelecionada, 3);
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(janela_->result(), int(QDialog::Accepted));
        QCOMPARE(janela_->RugosidadeEscolhida, 0.025);
        QCOMPARE(LerBytes(Arquivo("5.cdb")), antes);
    }

    void doubleClickWritesAndChoosesButStaysOpen() {
        GravarTabela("6.cdb", TresMateriais());
        Abrir(5);
        QTest::mouseClick(janela_->BtEliminar, Qt::LeftButton); // changes the table: the write must show
        auto* grade = janela_->StringGrid1;
        QRect celula = grade->visualItemRect(grade->item(1, 0));
        QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, celula.center());
        QCOMPARE(janela_->LinhaSelecionada, 2);
        QCOMPARE(janela_->RugosidadeEscolhida, 0.025);
        QVERIFY(janela_->isVisible());
        QCOMPARE(LerTabela("6.cdb").size(), std::size_t{2});
    }

    void emptyTableShowsOnlyTheHeaderAndOkChoosesNothing_data() {
        QTest::addColumn<int>("contagem");
        QTest::newRow("zero") << 0;
        QTest::newRow("negativa") << -7;
    }

    void emptyTableShowsOnlyTheHeaderAndOkChoosesNothing() {
        QFETCH(int, contagem);
        {
            std::ofstream f(Arquivo("1.cdb"), std::ios::binary);
            f.write(reinterpret_cast<const char*>(&contagem), 4);
        }
        janela_->RugosidadeEscolhida = 0.5;
        Abrir(0);
        QCOMPARE(janela_->StringGrid1->rowCount(), 0);
        QCOMPARE(janela_->LinhaSelecionada, 0);
        QTest::mouseClick(janela_->SpeedButton4, Qt::LeftButton);
        QTest::mouseClick(janela_->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(janela_->BtEliminar, Qt::LeftButton); // nothing to delete
        QCOMPARE(janela_->LinhaSelecionada, 0);
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QVERIFY(!janela_->isVisible());
        QCOMPARE(janela_->result(), int(QDialog::Rejected)); // no coefficient for the caller
        QCOMPARE(janela_->RugosidadeEscolhida, 0.5);
        QCOMPARE(std::filesystem::file_size(Arquivo("1.cdb")), std::uintmax_t{4});
    }

    void firstRowInsertedIntoAnEmptyTableIsChosen() {
        GravarTabela("1.cdb", {});
        Abrir(0);
        Inserir(QStringLiteral("Vidro"), QStringLiteral("0,009"), QStringLiteral("0,010"), QStringLiteral("0,013"));
        QCOMPARE(janela_->LinhaSelecionada, 1);
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(janela_->result(), int(QDialog::Accepted));
        QCOMPARE(janela_->RugosidadeEscolhida, 0.010);
    }

    void missingFileIsReportedAndOkCreatesAnEmptyTable() {
        dialogos_->EsperarErro("Cannot open file \"" + Arquivo("2.cdb") + "\". No such file or directory");
        Abrir(1);
        QCOMPARE(janela_->StringGrid1->rowCount(), 0);
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(std::filesystem::file_size(Arquivo("2.cdb")), std::uintmax_t{4});
    }

    void shortFileShowsItsCompleteRecordsOnly() {
        GravarTabela("1.cdb", TresMateriais());
        std::filesystem::resize_file(Arquivo("1.cdb"), 4 + 280 * 2 + 100);
        Abrir(0);
        QCOMPARE(janela_->StringGrid1->rowCount(), 2);
        QCOMPARE(Celula(janela_->StringGrid1, 1, 3), QStringLiteral("0,014"));
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(std::filesystem::file_size(Arquivo("1.cdb")), std::uintmax_t{4 + 280 * 2});
    }

    void unwritableTableKeepsTheDialogOpenAndLosesNothing() {
        GravarTabela("1.cdb", TresMateriais());
        Abrir(0);
        Inserir(QStringLiteral("Novo material"), QStringLiteral("0,02"), QStringLiteral("0,03"),
                QStringLiteral("0,04"));
        // The table's folder disappears while the dialog is open.
        const std::string nome = Arquivo("1.cdb");
        std::filesystem::remove_all(pasta_->path().toStdString());
        dialogos_->EsperarErro("Cannot create file \"" + nome + "\". No such file or directory");
        janela_->RugosidadeEscolhida = 0.5;
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QVERIFY(janela_->isVisible());
        QCOMPARE(janela_->RugosidadeEscolhida, 0.5);
        QCOMPARE(janela_->ArqRugosidade.Registros.size(), std::size_t{4});
        QCOMPARE(janela_->StringGrid1->rowCount(), 4);

        // Once the folder is back, OK writes everything of this opening.
        std::filesystem::create_directories(pasta_->path().toStdString());
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QVERIFY(!janela_->isVisible());
        QCOMPARE(LerTabela("1.cdb").size(), std::size_t{4});
        QCOMPARE(janela_->RugosidadeEscolhida, 0.010);
    }

    void reopeningKeepsTheHighlightWithinTheNewTable() {
        GravarTabela("1.cdb", TresMateriais());
        GravarTabela("2.cdb", {TresMateriais()[1]});
        Abrir(0);
        QTest::mouseClick(janela_->SpeedButton4, Qt::LeftButton);
        QTest::mouseClick(janela_->BtInserir, Qt::LeftButton); // left open on purpose
        QTest::mouseClick(janela_->BtCancel, Qt::LeftButton);

        Abrir(0);
        QCOMPARE(janela_->LinhaSelecionada, 3);
        QCOMPARE(janela_->StringGrid1->currentRow(), 2);
        QVERIFY(!janela_->Panel1->isVisible());
        QCOMPARE(janela_->size(), QSize(662, 221));
        QVERIFY(janela_->BtInserir->isEnabled());
        janela_->reject();

        Abrir(1);
        QCOMPARE(janela_->LinhaSelecionada, 1);
        QTest::mouseClick(janela_->BtOk, Qt::LeftButton);
        QCOMPARE(janela_->RugosidadeEscolhida, 0.012);
    }

    void f1AsksForTheDialogsHelpTopic() {
        GravarTabela("1.cdb", TresMateriais());
        Abrir(0);
        QSignalSpy ajuda(janela_.get(), &TFRugosidade::PedirAjuda);
        QTest::keyClick(janela_->StringGrid1, Qt::Key_F1);
        QCOMPARE(ajuda.size(), 1);
        QCOMPARE(ajuda.at(0).at(0).toInt(), 233);
    }
};

QTEST_MAIN(FRugosidadeTest)
#include "FRugosidadeTest.moc"
