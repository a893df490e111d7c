#include <QTest>

#include "project/IdentProjeto.h"
#include "ui/principal/FIdentProjeto.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace sulvo;
using namespace Qt::StringLiterals;

namespace {

// Types text with accents too, which QTest::keyClicks cannot map to keys.
void Digitar(QWidget* w, const QString& texto) {
    for (QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class FIdentProjetoTest : public QObject {
    Q_OBJECT

    TIDProjeto id;
    int marcas = 0;
    TFIdentProjeto* dialogo = nullptr;

    QList<QLineEdit*> Caixas() const {
        return {dialogo->Edit1, dialogo->Edit2, dialogo->Edit3, dialogo->Edit4, dialogo->Edit5, dialogo->Edit6};
    }

    void Abrir() {
        dialogo->show();
        dialogo->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialogo));
    }

private slots:
    void init() {
        id = TIDProjeto{};
        id.Nome = "Canal Norte";
        id.Empresa = "Cooperativa";
        id.Local = "Pelotas";
        id.Estado = "RS";
        id.Tecnico = "Ana";
        id.Data = "05/03/2026";
        marcas = 0;
        dialogo = new TFIdentProjeto(id, [this] { ++marcas; });
    }
    void cleanup() {
        delete dialogo;
        dialogo = nullptr;
    }

    void layout() {
        Abrir();
        QCOMPARE(dialogo->windowTitle(), u"Identificação do Projeto"_s);
        QVERIFY(dialogo->width() >= 362 && dialogo->height() >= 267);
        QCOMPARE(dialogo->minimumSize(), dialogo->maximumSize()); // fixed border
        const QStringList rotulos = {u"&Nome:"_s,   u"&Empresa:"_s, u"&Localidade:"_s,
                                     u"E&stado:"_s, u"&Técnico:"_s, u"&Data:"_s};
        for (int i = 0; i < 6; ++i) {
            auto* rotulo = dialogo->findChild<QLabel*>(u"Label%1"_s.arg(i + 1));
            QVERIFY(rotulo);
            QCOMPARE(rotulo->text(), rotulos[i]);
            QCOMPARE(rotulo->buddy(), Caixas()[i]); // the access key moves the focus to the box
        }
        QCOMPARE(dialogo->Fechar->text(), u"&Ok"_s);
        QCOMPARE(dialogo->Button1->text(), u"&Cancelar"_s);
        QCOMPARE(dialogo->Ajuda->text(), u"Aj&uda"_s);
        QVERIFY(dialogo->Fechar->isDefault());
        QVERIFY(dialogo->Fechar->x() < dialogo->Button1->x() && dialogo->Button1->x() < dialogo->Ajuda->x());
    }

    void ordemDeTabulacao() {
        Abrir();
        QCOMPARE(QApplication::focusWidget(), dialogo->Edit1);
        const QList<QWidget*> esperada = {dialogo->Edit2, dialogo->Edit3,  dialogo->Edit4,   dialogo->Edit5,
                                          dialogo->Edit6, dialogo->Fechar, dialogo->Button1, dialogo->Ajuda};
        for (QWidget* proximo : esperada) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), proximo);
        }
        QCOMPARE(marcas, 0); // moving between boxes changes nothing
    }

    void mostraOsTextosGuardados() {
        Abrir();
        const QStringList esperado = {u"Canal Norte"_s, u"Cooperativa"_s, u"Pelotas"_s,
                                      u"RS"_s,          u"Ana"_s,         u"05/03/2026"_s};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Caixas()[i]->text(), esperado[i]);
    }

    void okGuardaOsSeisTextos() {
        Abrir();
        dialogo->Edit1->clear();
        Digitar(dialogo->Edit1, u"Açude"_s);
        dialogo->Edit6->clear();
        Digitar(dialogo->Edit6, u"março de 2026"_s);
        QTest::keyClick(dialogo->Edit6, Qt::Key_Return); // the default button
        QCOMPARE(dialogo->result(), int(QDialog::Accepted));
        QVERIFY(!dialogo->isVisible());
        QCOMPARE(id.Nome, std::string("Açude"));
        QCOMPARE(id.Data, std::string("março de 2026"));
        QCOMPARE(id.Empresa, std::string("Cooperativa"));
        QCOMPARE(marcas, 5 + 13);
    }

    // Cancel leaves the identification alone but the keystrokes still count as changes, and the next
    // showing brings back the stored texts.
    void cancelarNaoGuardaMasMarca() {
        Abrir();
        QTest::keyClicks(dialogo->Edit3, u"xyz"_s);
        QTest::keyClick(dialogo->Edit3, Qt::Key_Backspace);
        QTest::mouseClick(dialogo->Button1, Qt::LeftButton);
        QCOMPARE(dialogo->result(), int(QDialog::Rejected));
        QCOMPARE(id.Local, std::string("Pelotas"));
        QCOMPARE(marcas, 4);
        Abrir();
        QCOMPARE(dialogo->Edit3->text(), u"Pelotas"_s);
    }

    void escapeCancela() {
        Abrir();
        QTest::keyClicks(dialogo->Edit2, u"!"_s);
        QTest::keyClick(dialogo->Edit2, Qt::Key_Escape);
        QVERIFY(!dialogo->isVisible());
        QCOMPARE(dialogo->result(), int(QDialog::Rejected));
        QCOMPARE(id.Empresa, std::string("Cooperativa"));
        QCOMPARE(marcas, 1);
    }

    void ajudaPedeOContexto208() {
        QSignalSpy pedidos(dialogo, &TFIdentProjeto::PedirAjuda);
        Abrir();
        QTest::mouseClick(dialogo->Ajuda, Qt::LeftButton);
        QCOMPARE(pedidos.count(), 1);
        QCOMPARE(pedidos.at(0).at(0).toInt(), 208);
        QVERIFY(dialogo->isVisible());
    }
};

QTEST_MAIN(FIdentProjetoTest)
#include "FIdentProjetoTest.moc"
