#include "controls/EditNumero.h"
#include "project/DialogService.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTest>

#include <functional>

#include <string>
#include <vector>

using namespace sulvo;
using namespace Qt::StringLiterals;

namespace {

class FiltroDeEventos : public QObject {
public:
    explicit FiltroDeEventos(std::function<void(QEvent*)> f) : f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        f_(e);
        return false;
    }

private:
    std::function<void(QEvent*)> f_;
};

// Records the error boxes of the control; any other kind of dialog is a fault here.
class ErrosGravados final : public IDialogService {
public:
    std::vector<std::string> erros;
    void Mensagem(const std::string& texto) override { Inesperado("Mensagem " + texto); }
    void Erro(const std::string& texto) override { erros.push_back(texto); }
    bool PerguntarSimNao(const std::string& texto) override {
        Inesperado("PerguntarSimNao " + texto);
        return false;
    }
    Resposta PerguntarSimNaoCancelar(const std::string& texto) override {
        Inesperado("PerguntarSimNaoCancelar " + texto);
        return Resposta::Cancelar;
    }
    std::optional<std::string> AbrirArquivo(const OpcoesArquivo&) override {
        Inesperado("AbrirArquivo");
        return std::nullopt;
    }
    std::optional<std::string> SalvarArquivo(const OpcoesArquivo&) override {
        Inesperado("SalvarArquivo");
        return std::nullopt;
    }
    void ConfigurarImpressora() override { Inesperado("ConfigurarImpressora"); }
    bool Imprimir(QPrinter&) override {
        Inesperado("Imprimir");
        return false;
    }
    int ExibirModal(QDialog&) override {
        Inesperado("ExibirModal");
        return QDialog::Rejected;
    }

private:
    static void Inesperado(const std::string& o) { QFAIL(("unexpected dialog: " + o).c_str()); }
};

} // namespace

class EditNumeroTest : public QObject {
    Q_OBJECT

    QWidget* janela = nullptr;
    TEditNumero* ed = nullptr;
    TEditNumero* outro = nullptr; // takes the focus when a test leaves the field
    ErrosGravados erros;
    int teclasAceitas = 0;

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u',', u'.'); }

    void init() {
        TEditNumero::DefinirSeparadores(u',', u'.');
        janela = new QWidget;
        auto* layout = new QHBoxLayout(janela);
        ed = new TEditNumero(janela);
        outro = new TEditNumero(janela);
        layout->addWidget(ed);
        layout->addWidget(outro);
        ed->DefinirServicoDialogos(&erros);
        erros.erros.clear();
        teclasAceitas = 0;
        connect(ed, &TEditNumero::OnKeyPress, this, [this](QChar&) { ++teclasAceitas; });
        janela->show();
        janela->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(janela));
    }

    void cleanup() {
        delete janela;
        janela = nullptr;
    }

    void filtroDeTeclas_data() {
        QTest::addColumn<bool>("negativo");
        QTest::addColumn<bool>("inteiro");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("aceitas");
        QTest::newRow("thousands key types the decimal comma") << false << false << u"1.5"_s << u"1,5"_s << 3;
        QTest::newRow("second comma refused") << false << false << u"1,5,"_s << u"1,5"_s << 3;
        QTest::newRow("second separator typed as point refused") << false << false << u"1,5.2"_s << u"1,52"_s << 4;
        QTest::newRow("letters, plus, E and blank refused") << false << false << u"1a+E 2"_s << u"12"_s << 2;
        QTest::newRow("minus refused unless negative") << false << false << u"-3"_s << u"3"_s << 1;
        QTest::newRow("minus accepted when negative") << true << false << u"-3"_s << u"-3"_s << 2;
        QTest::newRow("whole numbers take no separator") << false << true << u"1,5"_s << u"15"_s << 2;
        QTest::newRow("comma first stays, as the 0 of 0,5") << false << false << u",5"_s << u",5"_s << 2;
    }
    void filtroDeTeclas() {
        QFETCH(bool, negativo);
        QFETCH(bool, inteiro);
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        QFETCH(int, aceitas);
        ed->SetMinimo(negativo ? -100 : 0);
        ed->SetNegativo(negativo);
        if (inteiro)
            ed->SetFormato(TFormato::fInteger);
        QTest::keyClicks(ed, teclas);
        QCOMPARE(ed->text(), texto);
        QCOMPARE(teclasAceitas, aceitas);
    }

    // Enter confirms the field as leaving it does, keeps the focus, and goes on to the window around it.
    void enterEBackspace() {
        ed->SetDecimais(2);
        int enterNaJanela = 0;
        FiltroDeEventos filtro([&](QEvent* e) {
            if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return)
                ++enterNaJanela;
        });
        janela->installEventFilter(&filtro);
        QSignalSpy saiu(ed, &TEditNumero::OnExit);
        ed->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(ed, u"12"_s);
        QTest::keyClick(ed, Qt::Key_Return);
        QCOMPARE(ed->text(), u"12,00"_s);
        QCOMPARE(saiu.count(), 1);
        QCOMPARE(enterNaJanela, 1);
        QVERIFY(ed->hasFocus());
        QCOMPARE(ed->selectedText(), u"12,00"_s);
        QCOMPARE(teclasAceitas, 2);
        QTest::keyClick(ed, Qt::Key_End);
        QTest::keyClick(ed, Qt::Key_Backspace);
        QCOMPARE(ed->text(), u"12,0"_s);
        QCOMPARE(teclasAceitas, 3);
        QCOMPARE(ed->Valor(), 12.0);
    }

    void textoDeMetodoDeEntrada() {
        QInputMethodEvent evento;
        evento.setCommitString(u"1a.5"_s);
        QCoreApplication::sendEvent(ed, &evento);
        QCOMPARE(ed->text(), u"1,5"_s);
        QCOMPARE(teclasAceitas, 3);
    }

    void englishSeparators() {
        TEditNumero::DefinirSeparadores(u'.', u',');
        TEditNumero campo;
        campo.SetDecimais(2);
        QTest::keyClicks(&campo, u"2,5,1"_s);
        QCOMPARE(campo.text(), u"2.51"_s);
        QCOMPARE(campo.Valor(), 2.51);
        campo.SetValor(0.5);
        QCOMPARE(campo.text(), u"0.50"_s);
    }

    void separadorComTextoSelecionado() {
        ed->SetDecimais(3);
        ed->SetValor(1.5);
        QCOMPARE(ed->text(), u"1,500"_s);
        outro->setFocus(Qt::TabFocusReason);
        ed->setFocus(Qt::TabFocusReason);
        QCOMPARE(ed->selectedText(), u"1,500"_s);
        QTest::keyClick(ed, ',');
        QCOMPARE(ed->text(), u"1,500"_s);
        QCOMPARE(teclasAceitas, 0);
        QTest::keyClick(ed, '7');
        QCOMPARE(ed->text(), u"7"_s);
        QCOMPARE(ed->Valor(), 7.0);
    }

    void manipuladorDescartaTecla() {
        connect(ed, &TEditNumero::OnKeyPress, this, [](QChar& c) {
            if (c == u'5')
                c = QChar();
        });
        QTest::keyClicks(ed, u"152"_s);
        QCOMPARE(ed->text(), u"12"_s);
        QCOMPARE(ed->Valor(), 12.0);
    }

    // Text that does not read as a number goes back to the text before the last keystroke.
    void textoInvalidoVolta() {
        QTest::keyClicks(ed, u"12"_s);
        ed->insert(u"x"_s); // as a paste would
        QCOMPARE(ed->text(), u"1"_s);
        QCOMPARE(ed->Valor(), 1.0);

        ed->SetValor(4);
        ed->setText(u"abc"_s); // set by code while settled: the value stays
        QCOMPARE(ed->Valor(), 4.0);
    }

    void menosSozinhoValeZero() {
        ed->SetMinimo(-10);
        ed->SetNegativo(true);
        QSignalSpy mudou(ed, &TEditNumero::OnChange);
        QTest::keyClick(ed, '-');
        QCOMPARE(ed->text(), u"-"_s);
        QCOMPARE(mudou.count(), 1);
        QCOMPARE(ed->Valor(), 0.0);
    }

    void limitesAoDigitar() {
        ed->SetDecimais(2);
        QTest::keyClicks(ed, u"3000000000"_s);
        QCOMPARE(ed->text(), u"2147483647,00"_s);
        QCOMPARE(ed->Valor(), 2147483647.0);
        QVERIFY(!ed->Digitando());
    }

    void atribuicaoDeValor_data() {
        QTest::addColumn<bool>("inteiro");
        QTest::addColumn<int>("decimais");
        QTest::addColumn<double>("valor");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("lido");
        QTest::newRow("whole number, half to even down") << true << 0 << 2.5 << u"2"_s << 2.5;
        QTest::newRow("whole number, half to even up") << true << 0 << 3.5 << u"4"_s << 3.5;
        QTest::newRow("above the maximum") << false << 2 << 1e12 << u"2147483647,00"_s << 2147483647.0;
        QTest::newRow("below the minimum") << false << 2 << -5.0 << u"0,00"_s << 0.0;
        QTest::newRow("padded to two characters") << false << 0 << 5.0 << u" 5"_s << 5.0;
        QTest::newRow("more decimals than the field's") << false << 3 << 1.2345 << u"1,2345"_s << 1.2345;
        QTest::newRow("solved slope") << false << 4 << 3.27e-5 << u"0,0000327"_s << 3.27e-5;
        QTest::newRow("solved 58 L/s") << false << 2 << 0.058 << u"0,058"_s << 0.058;
        QTest::newRow("up to 10 significant digits") << false << 2 << 2.0 / 3 << u"0,6666666667"_s << 2.0 / 3;
        QTest::newRow("not a number goes to the minimum") << false << 1 << qQNaN() << u"0,0"_s << 0.0;
    }
    void atribuicaoDeValor() {
        QFETCH(bool, inteiro);
        QFETCH(int, decimais);
        QFETCH(double, valor);
        QFETCH(QString, texto);
        QFETCH(double, lido);
        if (inteiro)
            ed->SetFormato(TFormato::fInteger);
        ed->SetDecimais(decimais);
        ed->SetValor(valor);
        QCOMPARE(ed->text(), texto);
        QCOMPARE(ed->Valor(), lido);
    }

    // A refused key puts the field into typing mode without changing the text, so the text is read.
    void textoFormatadoLidoDeVolta() {
        ed->SetValor(5);
        QTest::keyClick(ed, 'a');
        QVERIFY(ed->Digitando());
        QCOMPARE(ed->text(), u" 5"_s);
        QCOMPARE(ed->Valor(), 5.0);
    }

    // What is typed is what is kept: leaving the field tidies the text, never the value.
    void saidaMantemOValorDigitado_data() {
        QTest::addColumn<int>("decimais");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("mostrado");
        QTest::addColumn<double>("valor");
        QTest::newRow("slope 0,00025") << 4 << u"0,00025"_s << u"0,00025"_s << 0.00025;
        QTest::newRow("more decimals than the field's") << 3 << u"1,23456"_s << u"1,23456"_s << 1.23456;
        QTest::newRow("discharge of 4 L/s") << 2 << u"0,004"_s << u"0,004"_s << 0.004;
        QTest::newRow("leading separator") << 2 << u",5"_s << u"0,50"_s << 0.5;
        QTest::newRow("separator alone") << 2 << u","_s << u"0,00"_s << 0.0;
        QTest::newRow("shown to 10 digits, kept whole")
            << 2 << u"1,23456789012345"_s << u"1,23456789"_s << 1.23456789012345;
    }
    void saidaMantemOValorDigitado() {
        QFETCH(int, decimais);
        QFETCH(QString, teclas);
        QFETCH(QString, mostrado);
        QFETCH(double, valor);
        ed->SetDecimais(decimais);
        outro->setFocus(Qt::TabFocusReason);
        ed->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(ed, teclas);
        QString textoNaSaida;
        connect(ed, &TEditNumero::OnExit, this, [&] { textoNaSaida = ed->text(); });
        outro->setFocus(Qt::TabFocusReason);
        QCOMPARE(textoNaSaida, mostrado);
        QCOMPARE(ed->text(), mostrado);
        QCOMPARE(ed->Valor(), valor);
        QVERIFY(!ed->Digitando());
    }

    // Text from the clipboard or a drop is read as a number or refused at once, never shown and then dropped.
    void colarEArrastar_data() {
        QTest::addColumn<bool>("arrastar");
        QTest::addColumn<QString>("colado");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("valor");
        QTest::newRow("cell with blanks and point") << false << u" 0.00025\t\n"_s << u"0,00025"_s << 0.00025;
        QTest::newRow("comma") << false << u"315,5"_s << u"315,5"_s << 315.5;
        QTest::newRow("exponent") << false << u"3.27e-5"_s << u"3,27e-5"_s << 3.27e-5;
        QTest::newRow("dropped") << true << u"12.5"_s << u"12,5"_s << 12.5;
        QTest::newRow("words refused") << false << u"abc"_s << u"7,00"_s << 7.0;
        QTest::newRow("negative refused") << false << u"-3"_s << u"7,00"_s << 7.0;
        QTest::newRow("grouping refused") << false << u"1.234,5"_s << u"7,00"_s << 7.0;
        QTest::newRow("drop refused") << true << u"x1"_s << u"7,00"_s << 7.0;
    }
    void colarEArrastar() {
        QFETCH(bool, arrastar);
        QFETCH(QString, colado);
        QFETCH(QString, texto);
        QFETCH(double, valor);
        ed->SetDecimais(2);
        ed->SetValor(7);
        QStringList dicas;
        FiltroDeEventos filtro([&](QEvent* e) {
            if (e->type() == QEvent::StatusTip)
                dicas << static_cast<QStatusTipEvent*>(e)->tip();
        });
        janela->installEventFilter(&filtro);
        QSignalSpy editado(ed, &TEditNumero::Editado);
        outro->setFocus(Qt::TabFocusReason);
        ed->setFocus(Qt::TabFocusReason);
        if (arrastar) {
            // As a drag from another window arrives: entering, moving, dropping.
            QMimeData dados;
            dados.setText(colado);
            QDragEnterEvent entrar(QPoint(5, 5), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(ed, &entrar);
            QVERIFY(entrar.isAccepted());
            QDragMoveEvent mover(QPoint(6, 5), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(ed, &mover);
            QDropEvent soltar(QPointF(6, 5), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(ed, &soltar);
        } else {
            QGuiApplication::clipboard()->setText(colado);
            QTest::keyClick(ed, Qt::Key_V, Qt::ControlModifier);
        }
        const bool aceito = texto != u"7,00"_s;
        QCOMPARE(ed->text(), texto);
        QCOMPARE(editado.count(), aceito ? 1 : 0);
        QCOMPARE(dicas.size(), aceito ? 0 : 1);
        if (!aceito)
            QVERIFY2(dicas.front().contains(u"não é um número"_s), qPrintable(dicas.front()));
        outro->setFocus(Qt::TabFocusReason);
        QCOMPARE(ed->Valor(), valor);
    }

    // A click into the field selects all, as Tab does, so that "20" replaces "4,00" instead of making 204,00.
    void cliqueSelecionaTudo() {
        ed->SetDecimais(2);
        ed->SetValor(4);
        outro->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(ed, Qt::LeftButton, {}, QPoint(ed->width() - 8, ed->height() / 2));
        QVERIFY(ed->hasFocus());
        QCOMPARE(ed->selectedText(), u"4,00"_s);
        QTest::keyClicks(ed, u"20"_s);
        QCOMPARE(ed->text(), u"20"_s);
        // A second click, in a field that has the focus, places the cursor.
        QTest::mouseClick(ed, Qt::LeftButton, {}, QPoint(ed->width() - 8, ed->height() / 2));
        QVERIFY(!ed->hasSelectedText());
    }

    // Every change by the user counts as an edit (the windows mark the project changed on it); code does not.
    void edicoesContam_data() {
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QKeySequence>("comando");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Delete") << QString() << QKeySequence(Qt::Key_Delete) << QString();
        QTest::newRow("Cut") << QString() << QKeySequence(QKeySequence::Cut) << QString();
        QTest::newRow("Undo") << u"5"_s << QKeySequence(QKeySequence::Undo) << u"12,5"_s;
    }
    void edicoesContam() {
        QFETCH(QString, teclas);
        QFETCH(QKeySequence, comando);
        QFETCH(QString, texto);
        ed->SetDecimais(1);
        ed->SetValor(12.5);
        outro->setFocus(Qt::TabFocusReason);
        ed->setFocus(Qt::TabFocusReason);
        QSignalSpy editado(ed, &TEditNumero::Editado);
        QTest::keyClicks(ed, teclas);
        QTest::keySequence(ed, comando);
        QCOMPARE(ed->text(), texto);
        QCOMPARE(editado.count(), teclas.size() + 1);
        ed->SetValor(3); // code
        QCOMPARE(editado.count(), teclas.size() + 1);
    }

    void campoVazio() {
        ed->SetDecimais(2);
        ed->SetValor(3);
        ed->SetValorZero(7);
        outro->setFocus(Qt::TabFocusReason);
        ed->setFocus(Qt::TabFocusReason);
        QTest::keyClick(ed, Qt::Key_Backspace); // the whole text was selected on entry
        QCOMPARE(ed->text(), QString());
        QCOMPARE(ed->Valor(), 7.0);
        outro->setFocus(Qt::TabFocusReason);
        QCOMPARE(ed->text(), QString());
        QCOMPARE(ed->Valor(), 7.0);
    }

    void mensagensDePropriedades() {
        ed->SetMaximo(5);
        ed->SetMinimo(10);
        QCOMPARE(ed->Minimo(), 0.0);
        ed->SetMinimo(5); // a limit equal to the other is accepted
        QCOMPARE(ed->Minimo(), 5.0);
        ed->SetMaximo(2.5);
        QCOMPARE(ed->Maximo(), 5.0);
        ed->SetMaximo(5);
        ed->SetFormato(TFormato::fInteger);
        ed->SetDecimais(2);
        QCOMPARE(ed->Decimais(), 0);
        ed->SetDecimais(0); // zero is no fault
        const std::vector<std::string> esperado = {
            "Ocorreu um erro ao tentar atribuir para a propriedade Minimo um valor maior(10) que a propriedade "
            "Maximo(5) .",
            "Ocorreu um erro ao tentar atribuir para a propriedade Maximo um valor menor(2,5) que a propriedade "
            "Minimo(5) .",
            "Números inteiros não possuem casas decimais.",
        };
        QCOMPARE(erros.erros, esperado);
    }

    void mensagemPeloServicoDaAplicacao() {
        ErrosGravados daAplicacao;
        TEditNumero::DefinirServicoDialogosPadrao(&daAplicacao);
        TEditNumero campo;
        campo.SetMaximo(-1);
        TEditNumero::DefinirServicoDialogosPadrao(nullptr);
        QCOMPARE(daAplicacao.erros.size(), size_t(1));
        QCOMPARE(campo.Maximo(), 2147483647.0);
    }
};

QTEST_MAIN(EditNumeroTest)
#include "EditNumeroTest.moc"
