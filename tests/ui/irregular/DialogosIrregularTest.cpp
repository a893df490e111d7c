// The point window ("Alterar Ponto") and the interval-roughness window ("Definir Rugosidades") on their own,
// over a section model, with scripted message boxes and modal windows.
#include <QTest>

#include "tests/support/ScriptedDialogService.h"

#include "controls/EditNumero.h"
#include "engine/uIrregular.h"
#include "roughness/ArqRugosidade.h"
#include "roughness/FRugosidade.h"
#include "tests/ui/irregular/JanelasRoteiro.h"
#include "ui/irregular/AltPonto.h"
#include "ui/irregular/DefinirRugosidade.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <optional>

using namespace sulvo;
using sulvo::testing::JanelasRoteiro;
using sulvo::testing::ScriptedDialogService;

namespace {

// (0,0) (2,-1) (4,-1.5) (6,0)
TSulvoIrregular Secao() {
    TSulvoIrregular s;
    s.Pontos = {{0, 0, 0}, {2, -1, 0.02}, {4, -1.5, 0.03}, {6, 0, 0.04}};
    return s;
}

QList<QPointF> Coordenadas(const TSulvoIrregular& s) {
    QList<QPointF> xy;
    for (const auto& p : s.Pontos)
        xy.append(QPointF(p.X, p.Y));
    return xy;
}

QString Texto(QTableWidget* t, int linha, int coluna) {
    auto* item = t->item(linha, coluna);
    return item ? item->text() : QString();
}

const std::string kSairInvalido = "Existe valor de rugosidade inválido. Deseja realmente sair?";

} // namespace

class DialogosIrregularTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u',', u'.'); }

    void AltPontoCamposPorPosicao_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("xHabilitado");
        QTest::addColumn<bool>("yHabilitado");
        QTest::newRow("margem esquerda") << 0 << "0,00"
                                         << "0,00" << false << false;
        QTest::newRow("interior") << 2 << "4,00"
                                  << "1,50" << true << true;
        QTest::newRow("margem direita") << 3 << "6,00"
                                        << "0,00" << true << false;
    }

    void AltPontoCamposPorPosicao() {
        QFETCH(int, indice);
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        TFAltPonto f(s, dialogos);
        f.IndicePonto = indice;
        f.show();
        QCOMPARE(f.windowTitle(), QStringLiteral("Alterar Ponto"));
        QTEST(f.EdX->text(), "x");
        QTEST(f.EdY->text(), "y");
        QTEST(f.EdX->isEnabled(), "xHabilitado");
        QTEST(f.EdY->isEnabled(), "yHabilitado");
    }

    // Each row moves one point with "&Alterar"; a refused move shows its message and keeps the window open.
    void AltPontoLimites_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("profundidade");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<bool>("xEsvaziado");
        QTest::addColumn<QList<QPointF>>("esperado");
        const QList<QPointF> original{{0, 0}, {2, -1}, {4, -1.5}, {6, 0}};
        QTest::newRow("interior entre os vizinhos")
            << 1 << 3.0 << 2.0 << QString() << false << QList<QPointF>{{0, 0}, {3, -2}, {4, -1.5}, {6, 0}};
        QTest::newRow("interior sobre o vizinho")
            << 2 << 6.0 << 1.5 << QString() << false << QList<QPointF>{{0, 0}, {2, -1}, {6, -1.5}, {6, 0}};
        QTest::newRow("interior alem da margem")
            << 2 << 6.5 << 1.5 << QStringLiteral("A largura é maior que a largura total do sulvo") << true << original;
        QTest::newRow("interior alem do vizinho")
            << 1 << 4.5 << 1.0 << QStringLiteral("Largura Invalida!") << false << original;
        QTest::newRow("interior aquem do vizinho")
            << 2 << 1.0 << 1.5 << QStringLiteral("Largura Invalida!") << false << original;
        QTest::newRow("margem direita alarga")
            << 3 << 8.0 << 0.0 << QString() << false << QList<QPointF>{{0, 0}, {2, -1}, {4, -1.5}, {8, 0}};
        QTest::newRow("margem direita antes do vizinho")
            << 3 << 3.5 << 0.0 << QStringLiteral("Largura Invalida!") << false << original;
    }

    void AltPontoLimites() {
        QFETCH(int, indice);
        QFETCH(double, x);
        QFETCH(double, profundidade);
        QFETCH(QString, mensagem);
        QFETCH(bool, xEsvaziado);
        QFETCH(QList<QPointF>, esperado);
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        TFAltPonto f(s, dialogos);
        QSignalSpy alterada(&f, &TFAltPonto::SecaoAlterada);
        QSignalSpy largura(&f, &TFAltPonto::LarguraAlterada);
        f.IndicePonto = indice;
        f.show();
        f.EdX->SetValor(x);
        if (f.EdY->isEnabled())
            f.EdY->SetValor(profundidade);
        if (!mensagem.isEmpty())
            dialogos.EsperarMensagem(mensagem.toStdString());
        QTest::keyClick(f.EdX, Qt::Key_Return); // Enter in a field presses the default "&Alterar"
        QCOMPARE(Coordenadas(s), esperado);
        QCOMPARE(f.isVisible(), !mensagem.isEmpty());
        QCOMPARE(alterada.size(), mensagem.isEmpty() ? 1 : 0);
        QCOMPARE(f.EdX->text().isEmpty(), xEsvaziado);
        const bool margemDireita = indice == 3 && mensagem.isEmpty();
        QCOMPARE(largura.size(), margemDireita ? 1 : 0);
        if (margemDireita)
            QCOMPARE(largura[0][0].toDouble(), x);
        // The roughness stays with its point.
        QCOMPARE(s.Pontos[static_cast<std::size_t>(indice)].Rug, Secao().Pontos[static_cast<std::size_t>(indice)].Rug);
    }

    void AltPontoEliminar() {
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        TFAltPonto f(s, dialogos);
        QSignalSpy alterada(&f, &TFAltPonto::SecaoAlterada);
        for (int margem : {0, 3}) {
            f.IndicePonto = margem;
            f.show();
            dialogos.EsperarMensagem("Não é possivel eliminar este ponto!");
            f.BtEliminar->click();
            QVERIFY(f.isVisible());
            f.btCancelar->click();
            QVERIFY(!f.isVisible());
        }
        QCOMPARE(s.Pontos.size(), 4u);
        f.IndicePonto = 1;
        f.show();
        f.BtEliminar->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(Coordenadas(s), (QList<QPointF>{{0, 0}, {4, -1.5}, {6, 0}}));
        QCOMPARE(s.Pontos[1].Rug, 0.03); // the merged interval keeps the coefficient of its end point
        QCOMPARE(alterada.size(), 1);
        // Down to the two banks.
        f.show();
        f.BtEliminar->click();
        QCOMPARE(Coordenadas(s), (QList<QPointF>{{0, 0}, {6, 0}}));
    }

    void DefinirRugosidadeListasETabela() {
        TSulvoIrregular s = Secao();
        s.Pontos[2].Rug = 0;
        s.Pontos[1].X = 2.5;
        ScriptedDialogService dialogos;
        TFDefinirRugosidade f(s, dialogos);
        f.FormActivate();
        QCOMPARE(f.windowTitle(), QStringLiteral("Definir Rugosidades"));
        QCOMPARE(f.CBInicio->count(), 3);
        QCOMPARE(f.CBFinal->count(), 3);
        QCOMPARE(f.CBInicio->itemText(0), QStringLiteral("(0 ; 0)"));
        QCOMPARE(f.CBInicio->itemText(1), QStringLiteral("(2,5 ; -1)"));
        QCOMPARE(f.CBFinal->itemText(2), QStringLiteral("(6 ; 0)"));
        QCOMPARE(f.CBInicio->currentIndex(), 0);
        QCOMPARE(f.CBFinal->currentIndex(), 0);
        QCOMPARE(f.SGTabela->rowCount(), 3);
        QCOMPARE(f.SGTabela->horizontalHeaderItem(2)->text(), QStringLiteral("       Rugosidade"));
        QCOMPARE(Texto(f.SGTabela, 1, 0), QStringLiteral("(2,5 ; -1)"));
        QCOMPARE(Texto(f.SGTabela, 1, 1), QStringLiteral("(4 ; -1,5)"));
        QCOMPARE(f.TextosRugosidade(), (std::vector<std::string>{"0,02", "", "0,04"}));
        // Only the coefficient column can be selected and typed into.
        QVERIFY(!(f.SGTabela->item(0, 0)->flags() & Qt::ItemIsSelectable));
        QVERIFY(!(f.SGTabela->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(f.SGTabela->item(0, 2)->flags() & Qt::ItemIsEditable);
        // Opening again shows the current points once, not appended to the old items.
        f.FormActivate();
        QCOMPARE(f.CBInicio->count(), 3);
    }

    void DefinirRugosidadeTrechos() {
        TSulvoIrregular s = Secao();
        for (auto& p : s.Pontos)
            p.Rug = 0;
        ScriptedDialogService dialogos;
        TFDefinirRugosidade f(s, dialogos);
        QSignalSpy alterada(&f, &TFDefinirRugosidade::RugosidadeAlterada);
        f.FormActivate();
        f.EdRugosidade->SetValor(0.015);
        f.BtAdicionar->click();
        QCOMPARE(s.Pontos[1].Rug, 0.015);
        QCOMPARE(s.Pontos[2].Rug, 0.0);
        QCOMPARE(f.TextosRugosidade(), (std::vector<std::string>{"0,01500000", "", ""}));
        // Backwards: nothing assigned, the project still marked.
        f.CBInicio->setCurrentIndex(2);
        f.CBFinal->setCurrentIndex(0);
        f.EdRugosidade->SetValor(0.05);
        f.BtAdicionar->click();
        QCOMPARE(s.Pontos[3].Rug, 0.0);
        QCOMPARE(alterada.size(), 2);
        // A run over the last two intervals.
        f.CBInicio->setCurrentIndex(1);
        f.CBFinal->setCurrentIndex(2);
        f.BtAdicionar->click();
        QCOMPARE(s.Pontos[2].Rug, 0.05);
        QCOMPARE(s.Pontos[3].Rug, 0.05);
        QCOMPARE(s.Pontos[1].Rug, 0.015);
        // An empty field removes the coefficient from the run.
        f.EdRugosidade->clear();
        f.BtAdicionar->click();
        QCOMPARE(s.Pontos[2].Rug, 0.0);
        QCOMPARE(f.TextosRugosidade(), (std::vector<std::string>{"0,01500000", "", ""}));
    }

    // A value typed into the table is the section's value too.
    void DefinirRugosidadeCelulaDigitada() {
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        TFDefinirRugosidade f(s, dialogos);
        QSignalSpy alterada(&f, &TFDefinirRugosidade::RugosidadeAlterada);
        f.FormActivate();
        f.SGTabela->item(1, 2)->setText(QStringLiteral("0,025"));
        QCOMPARE(s.Pontos[2].Rug, 0.025);
        f.SGTabela->item(2, 2)->setText(QStringLiteral("abc"));
        QCOMPARE(s.Pontos[3].Rug, 0.0);
        QCOMPARE(alterada.size(), 2);
        // The table and the section agree at the closing check.
        QSignalSpy fechado(&f, &TFDefinirRugosidade::Fechado);
        f.show();
        dialogos.SimNao(kSairInvalido, false);
        f.BtSair->click();
        QVERIFY(f.isVisible());
        f.SGTabela->item(2, 2)->setText(QStringLiteral("0,035"));
        f.BtSair->click();
        QVERIFY(!f.isVisible());
        QCOMPARE(fechado.size(), 1);
        QCOMPARE(fechado[0][0].toBool(), true);
        QCOMPARE(s.Pontos[3].Rug, 0.035);
        // LimparGrade empties the column without touching the section.
        f.FormActivate();
        f.LimparGrade();
        QCOMPARE(f.TextosRugosidade(), (std::vector<std::string>{"", "", ""}));
        QCOMPARE(s.Pontos[2].Rug, 0.025);
    }

    void DefinirRugosidadeFechamento() {
        TSulvoIrregular s = Secao();
        s.Pontos[0].Rug = 0.7; // meaningless for the first point: reset on closing
        s.Pontos[2].Rug = 0;
        ScriptedDialogService dialogos;
        JanelasRoteiro janelas{dialogos};
        TFDefinirRugosidade f(s, dialogos);
        QSignalSpy fechado(&f, &TFDefinirRugosidade::Fechado);
        QSignalSpy relatorio(&f, &TFDefinirRugosidade::RelatorioInvalidado);
        dialogos.SimNao(kSairInvalido, false).SimNao(kSairInvalido, true);
        janelas.Depois([&](QDialog&) {
            f.BtSair->click(); // No: stays
            QVERIFY(f.isVisible());
            QCOMPARE(fechado.size(), 0);
            QCOMPARE(f.CBInicio->count(), 3);
            f.reject(); // the close box or Escape, answered Yes
        });
        f.Executar();
        QCOMPARE(fechado.size(), 1);
        QCOMPARE(fechado[0][0].toBool(), false);
        QCOMPARE(relatorio.size(), 2);
        QCOMPARE(f.CBInicio->count(), 0);
        QCOMPARE(s.Pontos[0].Rug, 0.0);
        QCOMPARE(s.Pontos[1].Rug, 0.02); // what was given stays in the section

        janelas.Depois([](QDialog& d) {
            auto& g = static_cast<TFDefinirRugosidade&>(d);
            g.CBInicio->setCurrentIndex(1);
            g.CBFinal->setCurrentIndex(1);
            g.EdRugosidade->SetValor(0.03);
            g.BtAdicionar->click();
            g.BtSair->click();
        });
        f.Executar();
        QCOMPARE(fechado.size(), 2);
        QCOMPARE(fechado[1][0].toBool(), true);
    }

    void DefinirRugosidadeZeroEInvalido() {
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        TFDefinirRugosidade f(s, dialogos);
        f.FormActivate();
        f.show();
        f.EdRugosidade->SetValor(0);
        f.BtAdicionar->click();
        QCOMPARE(f.TextosRugosidade()[0], "0,00000000");
        QCOMPARE(s.Pontos[1].Rug, 0.0);
        dialogos.SimNao(kSairInvalido, true);
        f.BtSair->click();
        QVERIFY(!f.isVisible());
    }

    void MenuDeTabelas() {
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        TFDefinirRugosidade f(s, dialogos);
        const auto acoes = f.PpMRugosidade->actions();
        QStringList textos;
        for (QAction* a : acoes)
            textos << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(textos, (QStringList{QStringLiteral("Condutos Circulares"), QStringLiteral("-"),
                                      QStringLiteral("Canais Revestidos"), QStringLiteral("-"),
                                      QStringLiteral("Cursos D'Água Dragados ou Escavados"),
                                      QStringLiteral("Cusros D'Água Naturais Menores"), QStringLiteral("Enchentes"),
                                      QStringLiteral("Cursos D'Água Naturais Maiores")}));
        QCOMPARE(f.PpMRugosidade->defaultAction(), f.CursosDguaDragadosouEscavados1);
    }

    // An entry of "...": the window hides, the table opens, and the window returns with the chosen
    // coefficient in its field, its lists as they were.
    void TabelaEscolhidaVoltaAoCampo() {
        QTemporaryDir pasta;
        QVERIFY(pasta.isValid());
        TArqRugosidade tabela;
        tabela.Registros = {{"Concreto", 0.011, 0.016, 0.013}, {"Pedra", 0.020, 0.030, 0.025}};
        QVERIFY(tabela.GravarArquivo(pasta.filePath(QStringLiteral("1.cdb")).toStdString()));

        TSulvoIrregular s = Secao();
        for (auto& p : s.Pontos)
            p.Rug = 0;
        ScriptedDialogService dialogos;
        JanelasRoteiro janelas{dialogos};
        TFRugosidade tabelas(dialogos);
        tabelas.DefinirPasta(pasta.path().toStdString());
        TFDefinirRugosidade f(s, dialogos);
        f.DefinirTabelas(&tabelas);

        janelas
            .Depois([](QDialog& d) {
                auto& g = static_cast<TFDefinirRugosidade&>(d);
                g.CBFinal->setCurrentIndex(2);
                g.CanaisRevestidos1->trigger();
                QVERIFY(!g.isVisible());
            })
            .Depois([](QDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Tabela de Rugosidade para Canais Revestidos"));
                static_cast<TFRugosidade&>(d).BtOk->click();
            })
            .Depois([](QDialog& d) {
                auto& g = static_cast<TFDefinirRugosidade&>(d);
                QCOMPARE(g.EdRugosidade->text(), QStringLiteral("0,01300000"));
                QCOMPARE(g.CBInicio->count(), 3);
                QCOMPARE(g.CBFinal->currentIndex(), 2);
                g.Enchentes1->trigger();
            })
            .Depois([](QDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Tabela de Rugosidade para Enchentes"));
                static_cast<TFRugosidade&>(d).BtCancel->click();
            })
            .Depois([](QDialog& d) {
                auto& g = static_cast<TFDefinirRugosidade&>(d);
                QCOMPARE(g.EdRugosidade->text(), QStringLiteral("0,01300000")); // Cancel keeps it
                g.BtAdicionar->click();
                g.BtSair->click();
            });
        // The flood table has no file in the folder: the table dialog says so and shows an empty table.
        dialogos.EsperarErro(std::nullopt);
        f.Executar();
        QVERIFY(janelas.Cumprido());
        // The row's minimum and maximum went with the coefficient to every interval of the run...
        for (std::size_t k = 1; k < 4; ++k) {
            QCOMPARE(s.Pontos[k].Rug, 0.013);
            QVERIFY(s.Pontos[k].Faixa().Descreve(0.013));
            QCOMPARE(s.Pontos[k].RugMin, 0.011);
            QCOMPARE(s.Pontos[k].RugMax, 0.016);
        }
        // ...and a coefficient typed into the table leaves its interval without one.
        f.FormActivate();
        f.SGTabela->item(0, 2)->setText(QStringLiteral("0,02"));
        QCOMPARE(s.Pontos[1].Rug, 0.02);
        QVERIFY(!s.Pontos[1].Faixa().Definida());
        QVERIFY(s.Pontos[2].Faixa().Descreve(0.013));
    }

    void TabelaSemDialogoSoEscondeEMostra() {
        TSulvoIrregular s = Secao();
        ScriptedDialogService dialogos;
        JanelasRoteiro janelas{dialogos};
        TFDefinirRugosidade f(s, dialogos);
        janelas
            .Depois([](QDialog& d) {
                auto& g = static_cast<TFDefinirRugosidade&>(d);
                g.EdRugosidade->SetValor(0.02);
                g.CondutosCirculares1->trigger();
            })
            .Depois([](QDialog& d) {
                auto& g = static_cast<TFDefinirRugosidade&>(d);
                QCOMPARE(g.EdRugosidade->text(), QStringLiteral("0,02000000"));
                g.BtSair->click();
            });
        f.Executar();
        QCOMPARE(janelas.Titulos().size(), 2u);
    }
};

QTEST_MAIN(DialogosIrregularTest)
#include "DialogosIrregularTest.moc"
