// The "Irregulares" page driven as the user drives it: widths, points, the point and roughness windows,
// the unknown and method, "Calcular", and the page's part of the project lifecycle.
#include <QTest>

#include "tests/support/ScriptedDialogService.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "engine/uIrregular.h"
#include "tests/support/LevantamentoGerado.h"
#include "tests/ui/irregular/JanelasRoteiro.h"
#include "ui/irregular/AltPonto.h"
#include "ui/irregular/DefinirRugosidade.h"
#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/irregular/PaginaIrregular.h"
#include "ui/irregular/TabelaMetodos.h"
#include "ui/irregular/TabelaPontos.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <cmath>
#include <optional>

using namespace sulvo;
using sulvo::testing::JanelasRoteiro;
using sulvo::testing::ScriptedDialogService;

namespace {

const std::string kLimpar = "Tem certeza que deseja eliminar todos os pontos?";

struct Ambiente {
    TSulvoIrregular secao;
    std::uint8_t indIncognita = 0;
    ScriptedDialogService dialogos;
    JanelasRoteiro janelas{dialogos};
    int alterado = 0;
    int relatorioRegular = 0;
    TPaginaIrregular pagina;

    Ambiente()
        : pagina(ContextoPaginaIrregular{secao, indIncognita, dialogos, [this] { ++alterado; },
                                         [this] { ++relatorioRegular; }}) {}

    // Types the width B and leaves the field, confirming the new section.
    void Largura(double b) {
        dialogos.SimNao(kLimpar, true);
        pagina.EdISuperficie->SetValor(b);
        pagina.EdISuperficieExit();
    }
    void Inserir(double x, double profundidade) {
        pagina.EdX->SetValor(x);
        pagina.EdY->SetValor(profundidade);
        pagina.BtInserirPonto->click();
    }
    // Chooses an item of a pick-only list as the user does, running its change handler.
    void Incognita(int k) {
        pagina.CbIncognitaIrregular->setCurrentIndex(k);
        emit pagina.CbIncognitaIrregular->activated(k);
    }
    void Metodologia(int k) {
        pagina.CBMetodologia->setCurrentIndex(k);
        emit pagina.CBMetodologia->activated(k);
    }
    // Gives n to every interval through the roughness window.
    void RugosidadeTodos(double n) {
        janelas.Depois([n](QDialog& d) {
            auto& f = static_cast<TFDefinirRugosidade&>(d);
            f.CBInicio->setCurrentIndex(0);
            f.CBFinal->setCurrentIndex(f.CBFinal->count() - 1);
            f.EdRugosidade->SetValor(n);
            f.BtAdicionar->click();
            f.BtSair->click();
        });
        pagina.BtDefinirRugosidade->click();
    }
    // The worked trapezoid: 8 m wide, bed from x = 2 to 6 at 2 m, n = 0.015 on every interval.
    void Trapezio() {
        Largura(8);
        Inserir(2, 2);
        Inserir(6, 2);
        RugosidadeTodos(0.015);
    }
};

QList<QPointF> Coordenadas(const TSulvoIrregular& s) {
    QList<QPointF> xy;
    for (const auto& p : s.Pontos)
        xy.append(QPointF(p.X, p.Y));
    return xy;
}

// Picks the action named `acao` from the popup menu as soon as one opens (a menu runs its own event loop).
void EscolherNoMenu(const char* acao, int tentativas = 100) {
    QTimer::singleShot(10, [acao, tentativas] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (tentativas > 0)
                EscolherNoMenu(acao, tentativas - 1);
            return;
        }
        if (auto* a = menu->findChild<QAction*>(QString::fromLatin1(acao)))
            a->trigger();
        menu->close();
    });
}

bool Amarelo(const QWidget* w) {
    return w->palette().color(QPalette::Base) == QColor(Qt::yellow);
}

} // namespace

class PaginaIrregularTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u',', u'.'); }

    void LarguraCriaAsMargens() {
        Ambiente a;
        QVERIFY(!a.pagina.BtInserirPonto->isEnabled());
        a.Largura(6);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {6, 0}}));
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));
        QCOMPARE(a.pagina.LarguraSuperficie, 6.0);
        QVERIFY(a.pagina.BtInserirPonto->isEnabled());
        QCOMPARE(a.alterado, 1);
        // Leaving the field again with the same width asks nothing.
        a.pagina.EdISuperficieExit();
        QCOMPARE(a.secao.Pontos.size(), 2u);
    }

    void InsercaoMantemAsMargensNasPontas() {
        Ambiente a;
        a.Largura(6);
        a.Inserir(2, 1);
        QVERIFY(a.pagina.BtDefinirRugosidade->isEnabled());
        a.Inserir(4, 1.5);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {4, -1.5}, {6, 0}}));
        a.Inserir(6, 1); // a wall at the right bank
        a.Inserir(0, 1); // a wall at the left bank
        a.Inserir(4, 0.5);
        QCOMPARE(Coordenadas(a.secao),
                 (QList<QPointF>{{0, 0}, {0, -1}, {2, -1}, {4, -1.5}, {4, -0.5}, {6, -1}, {6, 0}}));
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));
        QCOMPARE(a.alterado, 1 + 5);
        QVERIFY(!a.pagina.RugosidadeDefinida);
        // The water line is redrawn after each point, across the whole width.
        QCOMPARE(a.pagina.IrregularChart1->PontosAgua(), (QList<QPointF>{{0, -1.5}, {6, -1.5}}));
    }

    void InserirSemTextoNadaFaz() {
        Ambiente a;
        a.Largura(6);
        a.pagina.EdX->SetValor(2);
        a.pagina.EdY->clear();
        a.pagina.BtInserirPonto->click();
        a.pagina.EdX->clear();
        a.pagina.EdY->SetValor(1);
        a.pagina.BtInserirPonto->click();
        QCOMPARE(a.secao.Pontos.size(), 2u);
        QCOMPARE(a.alterado, 1);
    }

    void InserirAlemDaLargura() {
        Ambiente a;
        a.Largura(6);
        a.Inserir(2, 1);
        a.pagina.RugosidadeDefinida = true;
        const int antes = a.alterado;
        a.dialogos.EsperarMensagem("A largura é maior que a largura total do sulvo");
        a.Inserir(6.01, 1);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {6, 0}}));
        QVERIFY(a.pagina.EdX->text().isEmpty());
        QVERIFY(!a.pagina.RugosidadeDefinida);
        QCOMPARE(a.alterado, antes);
    }

    void LimparPedeConfirmacao() {
        Ambiente a;
        a.Trapezio();
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.BtICalcular->click();
        QVERIFY(a.pagina.BtIRelatorio->isEnabled());
        a.pagina.EdX->SetValor(3);
        a.pagina.EdY->SetValor(1);

        a.dialogos.SimNao(kLimpar, false);
        a.pagina.BtLimpar->click();
        QCOMPARE(a.secao.Pontos.size(), 4u);
        QVERIFY(a.pagina.BtIRelatorio->isEnabled());

        a.dialogos.SimNao(kLimpar, true);
        a.pagina.BtLimpar->click();
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {8, 0}}));
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));
        QVERIFY(a.pagina.IrregularChart1->PontosAgua().isEmpty());
        QVERIFY(a.pagina.IrregularChart2->IrregularSeries4->points().isEmpty());
        QVERIFY(a.pagina.IrregularChart2->IrregularSeries5->points().isEmpty());
        QVERIFY(a.pagina.EdIAltura->text().isEmpty());
        QVERIFY(a.pagina.EdX->text().isEmpty());
        QVERIFY(a.pagina.EdY->text().isEmpty());
        for (const auto& texto : a.pagina.FDefinirRugosidade->TextosRugosidade())
            QVERIFY(texto.empty());
        QVERIFY(!a.pagina.BtIRelatorio->isEnabled());
        QVERIFY(a.pagina.BtInserirPonto->isEnabled());

        // A width of 0 leaves nothing to insert into.
        a.pagina.EdISuperficie->SetValor(0);
        a.dialogos.SimNao(kLimpar, true);
        a.pagina.EdISuperficieExit();
        QVERIFY(!a.pagina.BtInserirPonto->isEnabled());
    }

    void NaoDesfazALarguraDigitada() {
        Ambiente a;
        a.Largura(6);
        a.Inserir(2, 1);
        QTest::keyClicks(a.pagina.EdISuperficie, QStringLiteral("8"));
        a.dialogos.SimNao(kLimpar, false);
        a.pagina.EdISuperficieExit();
        QCOMPARE(a.pagina.EdISuperficie->text(), QStringLiteral("6,00"));
        QCOMPARE(a.pagina.LarguraSuperficie, 6.0);
        QCOMPARE(a.secao.Pontos.size(), 3u);
    }

    // After a new project the section has no banks: "Inserir" must wait for a width.
    void NovoProjetoExigeNovaLargura() {
        Ambiente a;
        a.Largura(6);
        a.Inserir(2, 1);
        a.pagina.LimparCamposDados();
        a.secao.Zerar();
        a.pagina.LimparSeries();
        QVERIFY(!a.pagina.BtInserirPonto->isEnabled());
        QCOMPARE(a.pagina.LarguraSuperficie, 0.0);
        QVERIFY(a.pagina.EdISuperficie->text().isEmpty());
        // The same width as before creates the banks again.
        a.Largura(6);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {6, 0}}));
        QVERIFY(a.pagina.BtInserirPonto->isEnabled());
    }

    void DicaDeCoordenadas() {
        Ambiente a;
        a.pagina.resize(780, 470);
        a.pagina.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.pagina));
        QCOMPARE(a.pagina.Timer1->interval(), 1000);
        a.Largura(6);
        a.Inserir(2, 1.5);
        auto* grafico = a.pagina.IrregularChart1;
        QTest::mouseClick(grafico->viewport(), Qt::LeftButton, {}, grafico->PosicaoDoPonto(1));
        QVERIFY(a.pagina.Edit1->isVisible());
        QCOMPARE(a.pagina.Edit1->text(), QStringLiteral("(2 , -1,5)"));
        QVERIFY(a.pagina.Timer1->isActive());
        QVERIFY(a.pagina.Edit1->width() >= qRound(a.pagina.Edit1->text().size() * 5.5));
        QTRY_VERIFY_WITH_TIMEOUT(!a.pagina.Edit1->isVisible(), 3000);
        QVERIFY(!a.pagina.Timer1->isActive());
    }

    void DuploCliqueAlteraOPonto() {
        Ambiente a;
        a.pagina.resize(780, 470);
        a.pagina.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.pagina));
        a.Largura(6);
        a.Inserir(2, 1);
        a.Inserir(4, 1.5);
        a.pagina.EdIAltura->SetValor(1);
        const int antes = a.alterado;
        a.janelas.Depois([](QDialog& d) {
            auto& f = static_cast<TFAltPonto&>(d);
            QCOMPARE(f.IndicePonto, 2);
            QCOMPARE(f.EdX->text(), QStringLiteral("4,00"));
            QCOMPARE(f.EdY->text(), QStringLiteral("1,50"));
            f.EdX->SetValor(3);
            f.EdY->SetValor(2);
            f.btAlterar->click();
        });
        auto* grafico = a.pagina.IrregularChart1;
        QTest::mouseDClick(grafico->viewport(), Qt::LeftButton, {}, grafico->PosicaoDoPonto(2));
        QVERIFY(a.janelas.Cumprido());
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {3, -2}, {6, 0}}));
        QCOMPARE(grafico->PontosSecao(), Coordenadas(a.secao));
        QCOMPARE(grafico->PontosAgua(), (QList<QPointF>{{0, -1}, {6, -1}}));
        QCOMPARE(a.alterado, antes + 1);
    }

    // Moving the right bank widens the section and its water line, while the width field keeps the
    // typed width until it is left again.
    void MargemDireitaAlargaASecao() {
        Ambiente a;
        a.Largura(6);
        a.Inserir(3, 1);
        a.janelas.Depois([](QDialog& d) {
            auto& f = static_cast<TFAltPonto&>(d);
            QVERIFY(f.EdX->isEnabled());
            QVERIFY(!f.EdY->isEnabled());
            f.EdX->SetValor(8);
            f.btAlterar->click();
        });
        a.pagina.IrregularSeries1DblClick(2);
        QCOMPARE(a.pagina.LarguraSuperficie, 8.0);
        QCOMPARE(a.secao.Pontos.back().X, 8.0);
        QCOMPARE(a.pagina.IrregularChart1->PontosAgua().back().x(), 8.0);
        QCOMPARE(a.pagina.EdISuperficie->text(), QStringLiteral("6,00"));
        a.dialogos.SimNao(kLimpar, false);
        a.pagina.EdISuperficieExit();
        QCOMPARE(a.pagina.EdISuperficie->text(), QStringLiteral("8,00"));
        QCOMPARE(a.secao.Pontos.size(), 3u);
    }

    void EliminarJuntaOsIntervalos() {
        Ambiente a;
        a.Largura(6);
        a.Inserir(2, 1);
        a.Inserir(4, 1);
        a.secao.Pontos[2].Rug = 0.02;
        a.secao.Pontos[3].Rug = 0.03;
        a.dialogos.EsperarMensagem("Não é possivel eliminar este ponto!");
        a.janelas.Depois([](QDialog& d) {
            auto& f = static_cast<TFAltPonto&>(d);
            f.BtEliminar->click(); // the left bank stays
            f.btCancelar->click();
        });
        a.pagina.IrregularSeries1DblClick(0);
        QCOMPARE(a.secao.Pontos.size(), 4u);
        a.janelas.Depois([](QDialog& d) { static_cast<TFAltPonto&>(d).BtEliminar->click(); });
        a.pagina.IrregularSeries1DblClick(2);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {6, 0}}));
        QCOMPARE(a.secao.Pontos[2].Rug, 0.03);
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));
    }

    void RugosidadeDosIntervalosHabilitaOCalculo() {
        Ambiente a;
        a.Largura(8);
        a.Inserir(2, 2);
        QVERIFY(a.pagina.BtDefinirRugosidade->isEnabled());
        a.Inserir(6, 2);
        QVERIFY(!a.pagina.BtICalcular->isEnabled());
        a.pagina.BtIRelatorio->setEnabled(true);
        a.RugosidadeTodos(0.015);
        QVERIFY(a.pagina.BtICalcular->isEnabled());
        QVERIFY(a.pagina.RugosidadeDefinida);
        QVERIFY(!a.pagina.BtIRelatorio->isEnabled());
        for (std::size_t k = 1; k < 4; ++k)
            QCOMPARE(a.secao.Pontos[k].Rug, 0.015);

        // A new point leaves an interval without roughness: leaving the window with it disables Calcular.
        a.Inserir(4, 2);
        a.dialogos.SimNao("Existe valor de rugosidade inválido. Deseja realmente sair?", true);
        a.janelas.Depois([](QDialog& d) {
            auto& f = static_cast<TFDefinirRugosidade&>(d);
            QCOMPARE(f.TextosRugosidade(), (std::vector<std::string>{"0,015", "", "0,015", "0,015"}));
            f.BtSair->click();
        });
        a.pagina.BtDefinirRugosidade->click();
        QVERIFY(!a.pagina.BtICalcular->isEnabled());
        QCOMPARE(a.secao.Pontos[3].Rug, 0.015);
    }

    void IncognitaMudaOsCampos() {
        Ambiente a;
        a.Largura(8);
        a.Inserir(2, 2);
        a.Inserir(6, 2);
        a.pagina.BtIRelatorio->setEnabled(true);
        a.Incognita(3);
        QCOMPARE(a.indIncognita, 3);
        QCOMPARE(a.secao.Incognita, 3);
        QVERIFY(!a.pagina.EdIRugosidade->isHidden());
        QVERIFY(!a.pagina.Label67->isHidden());
        // The unknown is an output that can still be selected and copied: read-only, not disabled.
        QVERIFY(a.pagina.EdIRugosidade->isReadOnly() && a.pagina.EdIRugosidade->isEnabled());
        QVERIFY(Amarelo(a.pagina.EdIRugosidade));
        QVERIFY(!a.pagina.BtDefinirRugosidade->isEnabled());
        QVERIFY(a.pagina.BtICalcular->isEnabled());
        QVERIFY(!a.pagina.BtIRelatorio->isEnabled());
        QVERIFY(!a.pagina.EdIVazao->isReadOnly());

        a.Incognita(1);
        QVERIFY(a.pagina.EdIRugosidade->isHidden());
        QVERIFY(!a.pagina.EdIRugosidade->isReadOnly());
        QVERIFY(!Amarelo(a.pagina.EdIRugosidade));
        QVERIFY(a.pagina.EdIAltura->isReadOnly());
        QVERIFY(Amarelo(a.pagina.EdIAltura));
        QVERIFY(a.pagina.BtDefinirRugosidade->isEnabled());
        QVERIFY(!a.pagina.BtICalcular->isEnabled()); // no interval roughness yet
        QCOMPARE(a.indIncognita, 1);

        const int antes = a.alterado;
        a.Metodologia(1);
        QCOMPARE(a.alterado, antes + 1);
        QCOMPARE(a.pagina.TextoMetodologia(), QStringLiteral("Divisão do Sulvo em Seções"));
        QCOMPARE(a.pagina.TextoIncognita(), QStringLiteral("Profundidade Normal"));
    }

    void ChecagensDoCalculoEmOrdem() {
        Ambiente a;
        a.Trapezio();
        // Unknown depth: the discharge is checked first, the depth not at all.
        a.Incognita(1);
        a.pagina.BtICalcular->setEnabled(true);
        a.dialogos.EsperarMensagem("A vazao deve ser maior do que 0.0!");
        a.pagina.BtICalcular->click();
        a.pagina.EdIVazao->SetValor(2);
        a.dialogos.EsperarMensagem("A declividade deve ser maior do que 0.0!");
        a.pagina.BtICalcular->click();
        // Unknown discharge with an empty discharge field: the depth is the next check.
        a.Incognita(0);
        a.pagina.EdIVazao->clear();
        a.dialogos.EsperarMensagem("A altura deve ser maior do que 0.0!");
        a.pagina.BtICalcular->click();
        a.pagina.EdIAltura->SetValor(1);
        a.dialogos.EsperarMensagem("A declividade deve ser maior do que 0.0!");
        a.pagina.BtICalcular->click();
        QVERIFY(a.pagina.EdIArea->text().isEmpty());
        QVERIFY(a.pagina.IrregularChart2->IrregularSeries4->points().isEmpty());
    }

    void VazaoPelosDoisMetodos() {
        Ambiente a;
        a.Trapezio();
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIComprimento->SetValor(100);
        // Enter in a field runs "Calcular".
        QTest::keyClicks(a.pagina.EdIDeclividade, QStringLiteral("0,001"));
        QTest::keyClick(a.pagina.EdIDeclividade, Qt::Key_Return);
        // The solved discharge is shown with the digits it needs, and the field keeps it whole.
        QVERIFY2(a.pagina.EdIVazao->text().startsWith(QStringLiteral("8,563")), qPrintable(a.pagina.EdIVazao->text()));
        QCOMPARE(a.pagina.EdIVazao->Valor(), a.secao.Q);
        QCOMPARE(a.pagina.EdIArea->text(), QStringLiteral("5,0000"));
        QCOMPARE(a.pagina.EdIPerimetro->text(), QStringLiteral("6,828"));
        QCOMPARE(a.pagina.EdIMovTerra->text(), QStringLiteral("500,000"));
        QCOMPARE(a.pagina.EdIRegime->text(), QStringLiteral("Subcrítico"));
        QVERIFY(a.pagina.BtIRelatorio->isEnabled());
        const double velocidade = a.secao.Q / 5.0;
        QCOMPARE(a.pagina.EdIVelocidade->text(), QString::number(velocidade, 'f', 3).replace(u'.', u','));

        a.Metodologia(1);
        QVERIFY(!a.pagina.BtIRelatorio->isEnabled());
        QCOMPARE(a.pagina.EdIArea->text(), QStringLiteral("5,0000")); // results stay on display
        a.pagina.BtICalcular->click();
        QVERIFY(a.pagina.EdIVazao->text().startsWith(QStringLiteral("9,48")));
        QVERIFY(std::fabs(a.secao.Q - 300.0 * std::sqrt(0.001)) < 0.01);
    }

    void CurvasAposOCalculo() {
        Ambiente a;
        a.Trapezio();
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.BtICalcular->click();
        const auto divisao = a.pagina.IrregularChart2->IrregularSeries4->points();
        const auto convencional = a.pagina.IrregularChart2->IrregularSeries5->points();
        QVERIFY(divisao.size() == 99 || divisao.size() == 100);
        QCOMPARE(convencional.size(), divisao.size());
        QVERIFY(std::fabs(divisao.front().x() - 0.02) < 1e-12);
        QVERIFY(divisao.back().x() <= 2.0 && divisao.back().x() > 1.97);
        for (qsizetype k = 0; k < divisao.size(); ++k) {
            QCOMPARE(divisao[k].x(), convencional[k].x());
            QVERIFY2(divisao[k].y() > convencional[k].y(), qPrintable(QString::number(divisao[k].x())));
        }
        QVERIFY(std::fabs(divisao[49].x() - 1.0) < 1e-9);
        QVERIFY(std::fabs(divisao[49].y() - 300.0 * std::sqrt(0.001)) < 0.005);
        QVERIFY(std::fabs(convencional[49].y() - 270.80 * std::sqrt(0.001)) < 0.005);
    }

    void ProfundidadeRedesenhaAAgua() {
        Ambiente a;
        a.Trapezio();
        a.Incognita(1);
        a.pagina.BtICalcular->setEnabled(true);
        a.pagina.EdIVazao->SetValor(8.56);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.BtICalcular->click();
        QVERIFY(std::fabs(a.secao.H - 1.0) < 0.005);
        QCOMPARE(a.pagina.EdIAltura->Valor(), a.secao.H);
        const auto agua = a.pagina.IrregularChart1->PontosAgua();
        QCOMPARE(agua.size(), 2);
        QCOMPARE(agua[0].y(), a.secao.H - 2.0);
        QCOMPARE(agua[1].x(), 8.0);
    }

    void DeclividadeComecaEmUmDecimo() {
        Ambiente a;
        a.Trapezio();
        a.Incognita(2);
        a.pagina.BtICalcular->setEnabled(true);
        a.pagina.EdIVazao->SetValor(8.56);
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.BtICalcular->click();
        QVERIFY(std::fabs(a.secao.I - 0.001) < 0.00002);
        // Not "0,0010": the field shows the solved slope with its significant digits.
        QVERIFY2(a.pagina.EdIDeclividade->text().startsWith(QStringLiteral("0,000999")),
                 qPrintable(a.pagina.EdIDeclividade->text()));
        QVERIFY(a.pagina.IrregularChart2->IrregularSeries5->points().size() >= 99);
    }

    void RugosidadeUnicaSemRugosidadeDosIntervalos() {
        Ambiente a;
        a.Largura(8);
        a.Inserir(2, 2);
        a.Inserir(6, 2);
        a.Incognita(3);
        a.pagina.EdIVazao->SetValor(8.5634);
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.BtICalcular->click(); // no interval warning for this unknown
        QVERIFY(std::fabs(a.secao.n - 0.015) < 0.0002);
        QCOMPARE(a.pagina.EdIRugosidade->Valor(), a.secao.n);
        // The curves show the section with the solved coefficient on every interval.
        const auto convencional = a.pagina.IrregularChart2->IrregularSeries5->points();
        QVERIFY(convencional.size() >= 99);
        QVERIFY(std::fabs(convencional[49].y() - 8.5634) < 0.1);
    }

    void RugosidadeInvalidaAvisaEOMotorRecusa() {
        Ambiente a;
        a.Trapezio();
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.BtICalcular->click();
        const QString area = a.pagina.EdIArea->text();
        a.Inserir(4, 2); // splits the bed: the interval (2, -2) -> (4, -2) has no coefficient
        a.dialogos.EsperarMensagem("Existe rugosidade inválida!");
        a.dialogos.EsperarMensagem(std::nullopt); // the engine names the interval
        a.pagina.BtICalcular->click();
        QCOMPARE(a.pagina.EdIArea->text(), area);
        QVERIFY(a.pagina.BtIRelatorio->isEnabled());
    }

    void ProfundidadeAcimaDaSecaoMantemResultados() {
        Ambiente a;
        a.Trapezio();
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.BtICalcular->click();
        const auto curva = a.pagina.IrregularChart2->IrregularSeries4->points();
        const QString vazao = a.pagina.EdIVazao->text();
        a.pagina.EdIAltura->SetValor(3);
        a.dialogos.EsperarMensagem("A altura está maior que a profundidade do sulvo.");
        a.pagina.BtICalcular->click();
        QCOMPARE(a.pagina.EdIArea->text(), QStringLiteral("5,0000"));
        QCOMPARE(a.pagina.EdIVazao->text(), vazao);
        QCOMPARE(a.pagina.IrregularChart2->IrregularSeries4->points(), curva);
    }

    void ProfundidadeCriticaMaiorQueAltura() {
        Ambiente a;
        a.Trapezio();
        a.pagina.EdIAltura->SetValor(2);
        a.pagina.EdIDeclividade->SetValor(0.5);
        a.pagina.BtICalcular->click();
        QCOMPARE(a.secao.Yc, -1.0);
        QCOMPARE(a.pagina.EdIProfCrit->text(), QStringLiteral("Maior que altura"));
        QCOMPARE(a.pagina.EdIRegime->text(), QStringLiteral("Supercrítico"));
        // A gentle slope keeps the critical depth inside the section.
        a.pagina.EdIDeclividade->SetValor(0.0001);
        a.pagina.BtICalcular->click();
        QVERIFY(a.secao.Yc > 0 && a.secao.Yc < 2);
        QCOMPARE(a.pagina.EdIProfCrit->text(), QString::number(a.secao.Yc, 'f', 3).replace(u'.', u','));
    }

    void LeituraDosCampos() {
        Ambiente a;
        a.Largura(8);
        a.Incognita(2);
        a.Metodologia(1);
        a.pagina.EdIVazao->SetValor(3.5);
        a.pagina.EdIAltura->SetValor(1.25);
        a.pagina.EdIComprimento->SetValor(120);
        a.pagina.LerCamposDados();
        QCOMPARE(a.secao.Q, 3.5);
        QCOMPARE(a.secao.H, 1.25);
        QCOMPARE(a.secao.I, 0.0);
        QCOMPARE(a.secao.Comp, 120.0);
        QCOMPARE(a.secao.S, 8.0);
        QCOMPARE(a.secao.n, 0.0);
        QCOMPARE(a.secao.Metodologia, 1);
        QCOMPARE(a.secao.Incognita, 2);
    }

    void PreenchimentoDeUmProjetoAberto() {
        Ambiente a;
        a.secao.Pontos = {{0, 0, 0}, {2, -2, 0.015}, {6, -2, 0.015}, {8, 0, 0.015}};
        a.secao.S = 8;
        a.secao.H = 1;
        a.secao.I = 0.001;
        a.secao.Comp = 50;
        a.secao.Incognita = 0;
        a.secao.Metodologia = 1;
        a.indIncognita = 2;
        a.pagina.PreencherCamposDados();
        QCOMPARE(a.pagina.CbIncognitaIrregular->currentIndex(), 0);
        QCOMPARE(a.indIncognita, 0);
        QCOMPARE(a.pagina.EdISuperficie->text(), QStringLiteral("8,00"));
        QCOMPARE(a.pagina.LarguraSuperficie, 8.0);
        QVERIFY(a.pagina.BtInserirPonto->isEnabled());
        QVERIFY(a.pagina.EdIVazao->text().isEmpty());
        QCOMPARE(a.pagina.EdIAltura->text(), QStringLiteral("1,000"));
        QCOMPARE(a.pagina.EdIDeclividade->text(), QStringLiteral("0,0010"));
        QCOMPARE(a.pagina.EdIComprimento->text(), QStringLiteral("50,0"));
        QCOMPARE(a.pagina.CBMetodologia->currentIndex(), 1);
        QVERIFY(a.pagina.BtICalcular->isEnabled());
        QVERIFY(a.pagina.RugosidadeDefinida);
        QVERIFY(a.pagina.BtDefinirRugosidade->isEnabled());
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));
        QCOMPARE(a.pagina.IrregularChart1->PontosAgua(), (QList<QPointF>{{0, -1}, {8, -1}}));
        // Loaded and calculated as it was saved.
        a.pagina.BtICalcular->click();
        QVERIFY(a.pagina.EdIVazao->text().startsWith(QStringLiteral("9,48")));
    }

    // A compound section opened with the subdivision: the bank stations set by a right-click on a point of the
    // chart and from the point table, marked in both and undone like a point edit; after "Calcular" every
    // method's discharge side by side, the velocity coefficient and the spread's warning.
    void SubdivisaoComMargensEMetodosLadoALado() {
        Ambiente a;
        a.pagina.resize(1100, 640);
        a.pagina.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.pagina));
        // Overbanks 1 m deep with n = 0.05, a main channel 3 m deep between x = 7 and 13 with n = 0.03.
        a.secao.Pontos = {{0, 0, 0},      {4, -1, 0.05},  {7, -1, 0.05},  {8, -3, 0.03},
                          {12, -3, 0.03}, {13, -1, 0.03}, {16, -1, 0.05}, {20, 0, 0.05}};
        a.secao.S = 20;
        a.secao.H = 2.5;
        a.secao.I = 0.001;
        a.secao.Metodologia = 2;
        a.pagina.PreencherCamposDados();
        QCOMPARE(a.pagina.CBMetodologia->currentIndex(), 2);
        QCOMPARE(a.pagina.CBMetodologia->currentText(), QStringLiteral("Subdivisão por rugosidade"));

        auto* grafico = a.pagina.IrregularChart1;
        auto* modelo = a.pagina.TabelaPontos->model();
        const int antes = a.alterado;
        EscolherNoMenu("AcMargemEsquerda");
        QTest::mouseClick(grafico->viewport(), Qt::RightButton, {}, grafico->PosicaoDoPonto(2));
        QCOMPARE(a.secao.MargemE, std::optional<double>(7));
        QCOMPARE(grafico->MargemEsquerda(), std::optional<double>(7));
        QCOMPARE(modelo->headerData(2, Qt::Vertical).toString(), QStringLiteral("3 E"));
        QCOMPARE(modelo->headerData(2, Qt::Vertical, Qt::ToolTipRole).toString(), QStringLiteral("Margem esquerda"));
        QVERIFY(a.alterado > antes);
        // The right bank cannot stand left of the left one.
        a.dialogos.EsperarMensagem("A margem direita deve ficar à direita da margem esquerda.");
        QVERIFY(!a.pagina.EditorPontos->DefinirMargemDireita(1));
        QVERIFY(a.pagina.EditorPontos->DefinirMargemDireita(5));
        QCOMPARE(modelo->headerData(5, Qt::Vertical).toString(), QStringLiteral("6 D"));
        a.pagina.AcDesfazer->trigger();
        QVERIFY(!a.secao.MargemD && !grafico->MargemDireita());
        QCOMPARE(modelo->headerData(5, Qt::Vertical).toInt(), 6);
        a.pagina.AcRefazer->trigger();
        QCOMPARE(grafico->MargemDireita(), std::optional<double>(13));
        // A station follows its point when the point moves and goes when it is deleted, in the same undo step.
        QVERIFY(modelo->setData(modelo->index(2, 0), 6.5));
        QCOMPARE(a.secao.MargemE, std::optional<double>(6.5));
        QCOMPARE(modelo->headerData(2, Qt::Vertical).toString(), QStringLiteral("3 E"));
        a.pagina.AcDesfazer->trigger();
        QCOMPARE(a.secao.Pontos[2].X, 7.0);
        QCOMPARE(a.secao.MargemE, std::optional<double>(7));
        a.dialogos.EsperarMensagem(
            "A margem direita do canal principal estava num ponto que não existe mais e voltou à extremidade "
            "direita da seção.");
        QVERIFY(a.pagina.EditorPontos->Excluir({5}));
        QVERIFY(!a.secao.MargemD && !grafico->MargemDireita());
        a.pagina.AcDesfazer->trigger();
        QCOMPARE(a.secao.Pontos.size(), std::size_t{8});
        QCOMPARE(a.secao.MargemD, std::optional<double>(13));

        a.pagina.BtICalcular->click();
        // By hand at 0.5 m over the overbanks: each overbank A = 2 m², P = 3 + √4.25 m, K = 21.539; the channel
        // A = 13 m², P = 4 + 2√5 m, K = 576.486; Q = 619.564·√0.001; α = Σ(K³/A²)/(K³/A²) over the three.
        QVERIFY2(std::fabs(a.secao.Q - 19.5923) < 5e-4, qPrintable(QString::number(a.secao.Q, 'f', 6)));
        QVERIFY(std::fabs(a.secao.Alfa - 1.38366) < 5e-5);
        QVERIFY(a.pagina.EdIAlfa->isVisible());
        QCOMPARE(a.pagina.EdIAlfa->text(), QString::fromStdString(FormatarFixo(a.secao.Alfa, 3, ',')));
        QTableWidget* grade = a.pagina.TabelaMetodos->Tabela;
        QCOMPARE(grade->rowCount(), 6);
        QCOMPARE(grade->item(2, 0)->text(), QStringLiteral("Subdivisão por rugosidade"));
        QCOMPARE(grade->item(2, 1)->text(), QString::fromStdString(FormatarFixo(a.secao.Q, 3, ',')));
        QVERIFY(grade->item(2, 0)->font().bold() && !grade->item(0, 0)->font().bold());
        QCOMPARE(grade->item(1, 2)->text(), QStringLiteral("—")); // the slices have no single n
        double menor = 1e300, maior = 0;
        for (int k = 0; k < grade->rowCount(); ++k) {
            const double q = LerReal(grade->item(k, 1)->text().toStdString()).value_or(-1);
            menor = std::min(menor, q);
            maior = std::max(maior, q);
        }
        QVERIFY(menor > 0);
        const bool avisa = a.pagina.LabelAvisos->text().contains(QStringLiteral("A maior vazão dos métodos excede"));
        QCOMPARE(avisa, (maior - menor) / menor > 0.1 + 1e-3);
        QVERIFY(a.pagina.TabelaMetodos->Dispersao->text().endsWith(QStringLiteral(" %")));
        // The discharge-depth chart carries the third method.
        QCOMPARE(a.pagina.IrregularChart2->IrregularSeries6->points().size(),
                 a.pagina.IrregularChart2->IrregularSeries4->points().size());

        // Back to the conventional method: no α; the comparison stays, with that row in bold.
        a.Metodologia(0);
        a.pagina.BtICalcular->click();
        QVERIFY(!a.pagina.EdIAlfa->isVisible());
        QVERIFY(grade->item(0, 0)->font().bold());
    }

    void PreenchimentoSemMargensNaoOfereceInserir() {
        Ambiente a;
        a.secao.S = 6; // a width saved without its banks
        a.pagina.PreencherCamposDados();
        QCOMPARE(a.pagina.LarguraSuperficie, 6.0);
        QVERIFY(!a.pagina.BtInserirPonto->isEnabled());
        // "Limpar" creates them.
        a.dialogos.SimNao(kLimpar, true);
        a.pagina.BtLimpar->click();
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {6, 0}}));
        QVERIFY(a.pagina.BtInserirPonto->isEnabled());
    }

    void LimpezaDosCampos() {
        Ambiente a;
        a.Trapezio();
        a.Incognita(3);
        a.pagina.EdIAltura->SetValor(1);
        a.pagina.EdIDeclividade->SetValor(0.001);
        a.pagina.EdIVazao->SetValor(8);
        a.pagina.BtICalcular->click();
        a.pagina.LimparCamposDados();
        for (QLineEdit* campo :
             {static_cast<QLineEdit*>(a.pagina.EdIVazao), static_cast<QLineEdit*>(a.pagina.EdIAltura),
              static_cast<QLineEdit*>(a.pagina.EdIDeclividade), static_cast<QLineEdit*>(a.pagina.EdIRugosidade),
              static_cast<QLineEdit*>(a.pagina.EdISuperficie)})
            QVERIFY(campo->text().isEmpty());
        QVERIFY(a.pagina.EdIArea->text().isEmpty());
        QVERIFY(a.pagina.EdIProfCrit->text().isEmpty());
        QCOMPARE(a.pagina.CbIncognitaIrregular->currentIndex(), 0);
        QCOMPARE(a.pagina.CBMetodologia->currentIndex(), 0);
        QVERIFY(a.pagina.EdIRugosidade->isHidden());
        QVERIFY(Amarelo(a.pagina.EdIVazao));
        QVERIFY(!a.pagina.BtICalcular->isEnabled());
        QVERIFY(!a.pagina.BtIRelatorio->isEnabled());
        QVERIFY(!a.pagina.RugosidadeDefinida);
    }

    void TeclasMarcamOProjeto() {
        Ambiente a;
        QTest::keyClicks(a.pagina.EdIVazao, QStringLiteral("5"));
        QCOMPARE(a.alterado, 1);
        QCOMPARE(a.relatorioRegular, 1);
        QTest::keyClicks(a.pagina.EdX, QStringLiteral("a"));
        QCOMPARE(a.alterado, 1);
        QTest::keyClicks(a.pagina.EdY, QStringLiteral("1,"));
        QCOMPARE(a.alterado, 3);
        QTest::keyClick(a.pagina.EdY, Qt::Key_Backspace);
        QTest::keySequence(a.pagina.EdY, QKeySequence::Undo);
        QCOMPARE(a.pagina.EdY->text(), QStringLiteral("1,"));
        QCOMPARE(a.alterado, 5);
        QCOMPARE(a.relatorioRegular, 5);
        QCOMPARE(a.pagina.CamposNumericos().size(), 8u);
    }

    // The point table beside the chart: edits in place under the editor's rules, rows inserted and deleted, the
    // chart's marker in step with the selection, and every edit undone and redone.
    void TabelaDePontosComDesfazer() {
        Ambiente a;
        a.pagina.resize(900, 560);
        a.pagina.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a.pagina));
        a.Largura(6);
        a.Inserir(2, 1);
        a.Inserir(4, 1.5);
        auto* tabela = a.pagina.TabelaPontos;
        auto* modelo = tabela->model();
        auto celula = [&](int l, int c) { return modelo->index(l, c); };
        QCOMPARE(modelo->rowCount(), 4);
        QCOMPARE(celula(2, 1).data().toString(), QStringLiteral("-1,50"));
        QVERIFY(!(celula(0, 0).flags() & Qt::ItemIsEditable)); // the left bank is fixed
        QVERIFY(!(celula(3, 1).flags() & Qt::ItemIsEditable)); // the right bank stays at Y = 0

        // Typed into the cell as the user does.
        tabela->setFocus();
        tabela->setCurrentIndex(celula(2, 0));
        QTest::keyClick(tabela, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {3, -1.5}, {6, 0}}));
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));

        // Refused, each with the editor's message, the section unchanged.
        const std::tuple<int, int, double, std::string> recusas[] = {
            {1, 0, 3.5, "Largura Invalida!"},
            {2, 0, 7, "A largura é maior que a largura total do sulvo"},
            {2, 1, 0.5, "O ponto (3 ; 0,5) está acima das margens da seção."}};
        for (const auto& [l, c, v, mensagem] : recusas) {
            a.dialogos.EsperarMensagem(mensagem);
            QVERIFY(!modelo->setData(celula(l, c), v));
        }
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {3, -1.5}, {6, 0}}));
        QVERIFY(modelo->setData(celula(1, 2), 0.02));
        QCOMPARE(a.secao.Pontos[1].Rug, 0.02);

        // Insert adds a point halfway along the current interval; Delete refuses a bank and deletes the rest.
        tabela->setCurrentIndex(celula(1, 0));
        QTest::keyClick(tabela, Qt::Key_Insert);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2, -1}, {2.5, -1.25}, {3, -1.5}, {6, 0}}));
        a.dialogos.EsperarMensagem("Não é possivel eliminar este ponto!");
        tabela->setCurrentIndex(celula(4, 0));
        QTest::keyClick(tabela, Qt::Key_Delete);
        QCOMPARE(a.secao.Pontos.size(), 5u);
        tabela->setCurrentIndex(celula(1, 0));
        QTest::keyClick(tabela, Qt::Key_Delete);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2.5, -1.25}, {3, -1.5}, {6, 0}}));

        // The selected row is ringed on the chart, and a click on a point of the chart selects its row.
        tabela->setCurrentIndex(celula(2, 1));
        QCOMPARE(a.pagina.IrregularChart1->PontoDestacado(), 2);
        auto* grafico = a.pagina.IrregularChart1;
        QTest::mouseClick(grafico->viewport(), Qt::LeftButton, {}, grafico->PosicaoDoPonto(1));
        QCOMPARE(tabela->currentIndex().row(), 1);
        QCOMPARE(grafico->PontoDestacado(), 1);

        // Ctrl+Z steps back through every edit, the two "Inserir" included; Ctrl+Y goes forward again.
        const QList<QList<QPointF>> passos = {{{0, 0}, {2, -1}, {2.5, -1.25}, {3, -1.5}, {6, 0}}, // delete undone
                                              {{0, 0}, {2, -1}, {3, -1.5}, {6, 0}},               // insert undone
                                              {{0, 0}, {2, -1}, {3, -1.5}, {6, 0}},               // roughness undone
                                              {{0, 0}, {2, -1}, {4, -1.5}, {6, 0}},               // typed X undone
                                              {{0, 0}, {2, -1}, {6, 0}},
                                              {{0, 0}, {6, 0}}};
        const int antes = a.alterado;
        tabela->setFocus();
        for (const auto& esperado : passos) {
            QTest::keyClick(tabela, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(Coordenadas(a.secao), esperado);
            QCOMPARE(grafico->PontosSecao(), esperado);
        }
        QCOMPARE(a.secao.Pontos[1].Rug, 0.0);
        QVERIFY(!a.pagina.AcDesfazer->isEnabled());
        QCOMPARE(a.alterado, antes + 6);
        for (int k = 0; k < 6; ++k)
            QTest::keyClick(tabela, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {2.5, -1.25}, {3, -1.5}, {6, 0}}));
        QCOMPARE(modelo->rowCount(), 4);
    }

    // A survey pasted from a spreadsheet or imported from a file replaces the section, elevations converted to
    // it; a refused line is named and nothing is taken.
    void ColarEImportarLevantamentos_data() {
        QTest::addColumn<QString>("texto"); // pasted; a file name under tests/data/irregular is imported
        QTest::addColumn<int>("pontos");    // 0: refused, the section unchanged
        QTest::addColumn<double>("largura");
        QTest::addColumn<double>("fundo");
        QTest::addColumn<QString>("mensagem"); // part of the one message shown; empty for none
        QTest::newRow("500 elevations, tab, comma, header, unequal banks")
            << QString::fromStdString(sulvo::testing::Levantamento500('\t', ','))
            << sulvo::testing::kPontosLevantamento500 << sulvo::testing::kLarguraLevantamento500 << -4.0
            << QStringLiteral("87 pontos além dessa estaca");
        QTest::newRow("file: semicolons, n, right bank higher")
            << QStringLiteral("levantamento_cotas.csv") << 5 << 7.0 << -2.0
            << QStringLiteral("estaca 107: a seção foi cortada ali e 1 ponto além dessa estaca foi descartado.");
        QTest::newRow("file: tabs, equal banks")
            << QStringLiteral("levantamento_tab.txt") << 5 << 6.0 << -2.0 << QString();
        QTest::newRow("commas, section frame")
            << QStringLiteral("0,0\n2,-1.5\n5,-1.5\n7,0\n") << 4 << 7.0 << -1.5 << QString();
        QTest::newRow("refused line") << QStringLiteral("0;10\n2;8\n4;x\n6;10\n") << 0 << 6.0 << 0.0
                                      << QStringLiteral("Linha 3 recusada: \"x\" não é um número (\"4;x\"). "
                                                        "Nenhum ponto foi colado.");
        // Banks below 0: elevations below some datum, as the user answers.
        QTest::newRow("elevations below the datum")
            << QStringLiteral("0;-5\n2;-7\n4;-7\n6;-5\n") << 4 << 6.0 << -2.0 << QStringLiteral("?");
        QTest::newRow("stations going back")
            << QStringLiteral("0\t10\n3\t8\n2\t8\n6\t10") << 0 << 6.0 << 0.0
            << QStringLiteral("Linha 3 recusada: a estaca 2 é menor que a anterior (3)");
    }
    void ColarEImportarLevantamentos() {
        QFETCH(QString, texto);
        QFETCH(int, pontos);
        QFETCH(double, largura);
        QFETCH(double, fundo);
        QFETCH(QString, mensagem);
        Ambiente a;
        a.Largura(6);
        const bool arquivo = !texto.contains(u'\n');
        if (arquivo)
            a.dialogos.Abrir(std::string(SULVO_TEST_DATA) + "/irregular/" + texto.toStdString());
        const bool pergunta = mensagem == u"?";
        if (pergunta) {
            a.dialogos.SimNao(
                "As margens do levantamento não estão na profundidade 0. Os valores de Y são cotas do terreno, a "
                "converter para a seção?",
                true);
            mensagem.clear();
        }
        if (!mensagem.isEmpty())
            a.dialogos.EsperarMensagem(std::nullopt);
        if (arquivo) {
            a.pagina.BtImportarPontos->click();
        } else {
            QGuiApplication::clipboard()->setText(texto);
            QTest::keyClick(a.pagina.TabelaPontos, Qt::Key_V, Qt::ControlModifier);
        }
        if (!mensagem.isEmpty()) {
            const auto& pedidos = a.dialogos.Pedidos();
            QVERIFY(!pedidos.empty());
            QVERIFY2(QString::fromStdString(pedidos.back().texto).contains(mensagem), pedidos.back().texto.c_str());
        }
        const auto& p = a.secao.Pontos;
        if (pontos == 0) {
            QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {6, 0}}));
            return;
        }
        QCOMPARE(int(p.size()), pontos);
        QCOMPARE(a.pagina.TabelaPontos->model()->rowCount(), pontos);
        QCOMPARE(a.pagina.IrregularChart1->PontosSecao(), Coordenadas(a.secao));
        QCOMPARE(p.front().X, 0.0);
        QCOMPARE(p.front().Y, 0.0);
        QCOMPARE(p.back().Y, 0.0);
        QVERIFY(std::fabs(p.back().X - largura) < 1e-6);
        QVERIFY(std::fabs(MenorCota(p) - fundo) < 1e-6);
        QVERIFY(a.secao.VerificarSecao().empty());
        // The width follows the survey, so leaving its field asks nothing.
        QCOMPARE(a.pagina.LarguraSuperficie, p.back().X);
        a.pagina.EdISuperficieExit();
        QCOMPARE(int(p.size()), pontos);
        // One undo brings the section before the survey back.
        a.pagina.AcDesfazer->trigger();
        QCOMPARE(Coordenadas(a.secao), (QList<QPointF>{{0, 0}, {6, 0}}));
        QCOMPARE(a.pagina.LarguraSuperficie, 6.0);
    }

    void AtivarMostraASecao() {
        Ambiente a;
        a.pagina.PageControl1->setCurrentWidget(a.pagina.TSVazao);
        a.pagina.Ativar();
        QCOMPARE(a.pagina.PageControl1->currentWidget(), a.pagina.TSSulvo);
        QCOMPARE(a.pagina.PageControl1->tabText(1), QStringLiteral("Gráfico Vazão X Profundidade"));
    }
};

QTEST_MAIN(PaginaIrregularTest)
#include "PaginaIrregularTest.moc"
