// The "Regulares" page driven like a user would: real widgets on the offscreen platform, the engine
// objects of the window, and every message box answered by the scripted dialog service.
#include <QtTest>

#include "tests/support/ScriptedDialogService.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "roughness/ArqRugosidade.h"
#include "roughness/FRugosidade.h"
#include "ui/regular/GraficoRegular.h"
#include "ui/regular/PaginaRegular.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <utility>

using namespace sulvo;
using sulvo::testing::ScriptedDialogService;

namespace {

// The engine's own messages go to the same scripted boxes as the page's.
class PromptRoteirizado final : public IPrompt {
public:
    explicit PromptRoteirizado(IDialogService& dialogos) : dialogos_(dialogos) {}
    void Mensagem(const std::string& texto) override { dialogos_.Mensagem(texto); }
    bool Confirmar(const std::string& pergunta) override { return dialogos_.PerguntarSimNao(pergunta); }

private:
    IDialogService& dialogos_;
};

bool Amarelo(QWidget* w) {
    return w->palette().color(QPalette::Base) == QColor(Qt::yellow);
}

double MenorY(const SeriePontos& s) {
    double m = 0;
    for (const auto& p : s)
        m = std::min(m, p.y);
    return m;
}

} // namespace

class PaginaRegularTest : public QObject {
    Q_OBJECT

private:
    TSulvoTriangular tri_;
    TSulvoTrapezoidal tra_;
    TSulvoRetangular ret_;
    TSulvoCircular cir_;
    std::uint8_t indSulvoReg_ = 0;
    std::uint8_t indIncognita_ = 0;
    int alteracoes_ = 0;
    std::unique_ptr<ScriptedDialogService> dialogos_;
    std::unique_ptr<PromptRoteirizado> prompt_;
    std::unique_ptr<QTemporaryDir> pasta_;
    std::unique_ptr<TFRugosidade> rugosidade_;
    std::function<int(QDialog&)> modal_;
    std::unique_ptr<TPaginaRegular> pagina_;

    TPaginaRegular& P() { return *pagina_; }

    // The user picks a type or an unknown from the lists.
    void EscolherTipo(int tipo) {
        P().CBTipoSulvo->setCurrentIndex(tipo);
        P().CBTipoSulvoChange();
    }
    void EscolherIncognita(int k) {
        P().CbIncognita->setCurrentIndex(k);
        P().CbIncognitaChange();
    }
    void Digitar(TEditNumero* campo, const QString& texto) {
        campo->setText(QString());
        QTest::keyClicks(campo, texto);
    }
    // The outline series of the selected type (for the circle its lower half).
    SeriePontos Contorno() {
        static const char* const kNomes[] = {"STri1", "STra1", "SRet1", "SCir1"};
        const int tipo = P().TipoSelecionado();
        return P().Grafico->Secao(tipo)->Pontos(QLatin1String(kNomes[tipo]));
    }
    TEditNumero* Campo(const char* nome) { return P().findChild<TEditNumero*>(QLatin1String(nome)); }

    // The fields take the regional separators when they are built.
    void CriarPagina() {
        pagina_.reset();
        ContextoPaginaRegular ctx{tri_, tra_, ret_, cir_, indSulvoReg_, indIncognita_, *dialogos_};
        ctx.MarcarAlterado = [this] { ++alteracoes_; };
        ctx.FRugosidade = rugosidade_.get();
        pagina_ = std::make_unique<TPaginaRegular>(std::move(ctx));
        pagina_->resize(770, 470);
        pagina_->show();
        QVERIFY(QTest::qWaitForWindowExposed(pagina_.get()));
    }

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u'.', u','); }

    void init() {
        tri_ = {};
        tra_ = {};
        ret_ = {};
        cir_ = {};
        indSulvoReg_ = 0;
        indIncognita_ = 0;
        alteracoes_ = 0;
        dialogos_ = std::make_unique<ScriptedDialogService>();
        dialogos_->DefinirModais([this](QDialog& d) { return modal_ ? modal_(d) : int(QDialog::Rejected); });
        prompt_ = std::make_unique<PromptRoteirizado>(*dialogos_);
        for (TSulvo* s : std::initializer_list<TSulvo*>{&tri_, &tra_, &ret_, &cir_})
            s->DefinirPrompt(*prompt_);
        pasta_ = std::make_unique<QTemporaryDir>();
        rugosidade_ = std::make_unique<TFRugosidade>(*dialogos_);
        rugosidade_->DefinirPasta(pasta_->path().toStdString());
        modal_ = {};
        CriarPagina();
    }

    void cleanup() {
        pagina_.reset();
        rugosidade_.reset();
        dialogos_.reset(); // fails the test when a scripted message was never shown
        TEditNumero::DefinirSeparadores(u'.', u',');
    }

    // Each check stops the calculation with its message until its field is filled, in the fixed order.
    void conferenciasEmOrdem_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("incognita");
        // Pairs of (message expected while the field is empty, field that silences it).
        QTest::addColumn<QStringList>("passos");
        const QString prof = QStringLiteral("A profundidade deve ser maior do que 0.0!");
        const QString vazao = QStringLiteral("A vazao deve ser maior do que 0.0!");
        const QString decl = QStringLiteral("A declividade deve ser maior do que 0.0!");
        const QString rug = QStringLiteral("A rugosidade do material deve ser maior do que 0.0!");
        const QString talude = QStringLiteral("A inclinacao do talude deve ser maior do que 0.0!");
        const QString larg = QStringLiteral("A largura da base deve ser maior do que 0.0!");
        const QString comp = QStringLiteral("O comprimento do sulvo deve ser maior do que 0.0!");
        const QString diam = QString::fromUtf8("O diâmetro deve ser maior do que 0.0!");
        const QString rel = QString::fromUtf8("A relação entre a profundidade e o diâmetro deve ser maior do que 0.0!");
        QTest::newRow("triangulo, vazao")
            << 0 << 0
            << QStringList{prof,   "EdProfundidade:0.8", decl, "EdDeclividade:0.001", rug, "EdRugosidade:0.013",
                           talude, "EdTalude:1.5",       comp, "EdComprimento:100"};
        QTest::newRow("triangulo, talude")
            << 0 << 4
            << QStringList{vazao, "EdVazao:1",          prof, "EdProfundidade:0.8", decl, "EdDeclividade:0.001",
                           rug,   "EdRugosidade:0.013", comp, "EdComprimento:10"};
        QTest::newRow("trapezio, profundidade")
            << 1 << 1 << QStringList{vazao,  "EdVazao:5",    decl, "EdDeclividade:0.001", rug,  "EdRugosidade:0.013",
                                     talude, "EdTalude:1.5", larg, "EdLargura:2",         comp, "EdComprimento:50"};
        QTest::newRow("trapezio, largura")
            << 1 << 5
            << QStringList{vazao, "EdVazao:5",          prof,   "EdProfundidade:1", decl, "EdDeclividade:0.001",
                           rug,   "EdRugosidade:0.013", talude, "EdTalude:1.5",     comp, "EdComprimento:50"};
        QTest::newRow("retangulo, rugosidade")
            << 2 << 3 << QStringList{vazao, "EdVazao:2",   prof, "EdProfundidade:0.6", decl, "EdDeclividade:0.002",
                                     larg,  "EdLargura:2", comp, "EdComprimento:10"};
        // The circle needs a depth too, except when it follows from the depth/diameter ratio.
        QTest::newRow("circulo, vazao") << 3 << 0
                                        << QStringList{prof, "EdProfundidade:0.5", decl, "EdDeclividade:0.001",
                                                       rug,  "EdRugosidade:0.013", diam, "EdDiametro:1"};
        QTest::newRow("circulo, declividade")
            << 3 << 2 << QStringList{vazao, "EdVazao:0.3",        prof, "EdProfundidade:0.5",
                                     rug,   "EdRugosidade:0.013", diam, "EdDiametro:1"};
        QTest::newRow("circulo, diametro")
            << 3 << 4 << QStringList{vazao, "EdVazao:0.3",         prof, "EdProfundidade:0.5",
                                     decl,  "EdDeclividade:0.001", rug,  "EdRugosidade:0.013"};
        QTest::newRow("circulo, diametro e profundidade")
            << 3 << 5 << QStringList{vazao, "EdVazao:0.3791",     decl, "EdDeclividade:0.001",
                                     rug,   "EdRugosidade:0.013", rel,  "EdProDi:0.5"};
    }

    void conferenciasEmOrdem() {
        QFETCH(int, tipo);
        QFETCH(int, incognita);
        QFETCH(QStringList, passos);
        EscolherTipo(tipo);
        EscolherIncognita(incognita);
        for (qsizetype i = 0; i < passos.size(); i += 2) {
            dialogos_->EsperarMensagem(passos[i].toStdString());
            QTest::mouseClick(P().BCalcular, Qt::LeftButton);
            QVERIFY2(dialogos_->RoteiroCumprido(), qPrintable(passos[i]));
            QVERIFY(!P().BtRelatorio->isEnabled());
            QVERIFY(P().EdArea->text().isEmpty());
            const QStringList campo = passos[i + 1].split(u':');
            Digitar(Campo(campo[0].toLatin1().constData()), campo[1]);
        }
        // Every check passes: the section is solved and the report may be made.
        const int antes = alteracoes_;
        QTest::mouseClick(P().BCalcular, Qt::LeftButton);
        QVERIFY(!P().EdArea->text().isEmpty());
        QVERIFY(P().BtRelatorio->isEnabled());
        QCOMPARE(alteracoes_, antes); // the calculation itself is no change of the project
        QCOMPARE(int(indSulvoReg_), tipo);
    }

    void trapezioLarguraParaTrianguloFicaSemIncognita() {
        EscolherTipo(kTrapezoidal);
        EscolherIncognita(5);
        QVERIFY(P().EdLargura->isReadOnly());
        EscolherTipo(kTriangular);
        QCOMPARE(P().CbIncognita->currentIndex(), -1);
        QCOMPARE(int(indIncognita_), 255);
        for (QWidget* w : {static_cast<QWidget*>(P().EdVazao), static_cast<QWidget*>(P().EdProfundidade),
                           static_cast<QWidget*>(P().EdDeclividade), static_cast<QWidget*>(P().EdRugosidade),
                           static_cast<QWidget*>(P().EdTalude), static_cast<QWidget*>(P().BtRugosidade)}) {
            QVERIFY(w->isEnabled());
            QVERIFY(!Amarelo(w));
        }
        dialogos_->EsperarMensagem("A vazao deve ser maior do que 0.0!");
        P().BCalcularClick();
        // With every field filled the triangle has no unknown to solve: nothing happens.
        Digitar(P().EdVazao, QStringLiteral("1"));
        Digitar(P().EdProfundidade, QStringLiteral("1"));
        Digitar(P().EdDeclividade, QStringLiteral("0.001"));
        Digitar(P().EdRugosidade, QStringLiteral("0.013"));
        Digitar(P().EdTalude, QStringLiteral("1"));
        Digitar(P().EdComprimento, QStringLiteral("1"));
        P().BCalcularClick();
        QCOMPARE(int(tri_.Incognita), 255);
        QVERIFY(P().EdArea->text().isEmpty());
        QVERIFY(!P().BtRelatorio->isEnabled());
        QCOMPARE(P().EdVazao->text(), QStringLiteral("1"));
    }

    // "Inclinação do Talude" (4) of the triangle is "Largura da Base" on the rectangle and "Diâmetro" on the circle.
    void posicaoMantidaEntreTipos() {
        EscolherIncognita(4);
        QVERIFY(Amarelo(P().EdTalude));
        QVERIFY(P().EdTalude->isReadOnly());
        QCOMPARE(int(tri_.Incognita), 4);
        EscolherTipo(kRetangular);
        QCOMPARE(P().CbIncognita->currentText(), QStringLiteral("Largura da Base"));
        QVERIFY(P().EdLargura->isReadOnly());
        QVERIFY(Amarelo(P().EdLargura));
        QVERIFY(!P().EdTalude->isReadOnly()); // the triangle's unknown is given back
        QCOMPARE(int(ret_.Incognita), 4);
        EscolherTipo(kCircular);
        QCOMPARE(P().CbIncognita->currentText(), QString::fromUtf8("Diâmetro"));
        QVERIFY(P().EdDiametro->isReadOnly());
        QCOMPARE(int(cir_.Incognita), 4);
        QCOMPARE(int(indIncognita_), 4);
    }

    void listasEVisibilidadePorTipo_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("ultimas");
        QTest::addColumn<bool>("circular");
        QTest::addColumn<bool>("largura");
        QTest::addColumn<bool>("talude");
        QTest::newRow("triangulo") << 0 << QString::fromUtf8("Inclinação do Talude") << false << false << true;
        QTest::newRow("trapezio") << 1 << QString::fromUtf8("Inclinação do Talude|Largura da Base") << false << true
                                  << true;
        QTest::newRow("retangulo") << 2 << QStringLiteral("Largura da Base") << false << true << false;
        QTest::newRow("circulo") << 3 << QString::fromUtf8("Diâmetro|Diâmetro e Profundidade") << true << false
                                 << false;
    }

    void listasEVisibilidadePorTipo() {
        QFETCH(int, tipo);
        QFETCH(QString, ultimas);
        QFETCH(bool, circular);
        QFETCH(bool, largura);
        QFETCH(bool, talude);
        EscolherTipo(tipo);
        QStringList itens;
        for (int i = 0; i < P().CbIncognita->count(); ++i)
            itens << P().CbIncognita->itemText(i);
        QCOMPARE(itens.mid(0, 4),
                 (QStringList{QString::fromUtf8("Vazão"), QStringLiteral("Profundidade Normal"),
                              QStringLiteral("Declividade"), QStringLiteral("Coeficiente de Rugosidade")}));
        QCOMPARE(itens.mid(4).join(u'|'), ultimas);
        QCOMPARE(P().PanelCircular->isVisibleTo(&P()), circular);
        QCOMPARE(P().PanelPrismatico->isVisibleTo(&P()), !circular);
        QCOMPARE(P().PanelMovTerra->isVisibleTo(&P()), !circular);
        QCOMPARE(P().EdLargura->isVisibleTo(&P()), largura);
        QCOMPARE(P().LabelLarguraUnidade->isVisibleTo(&P()), largura);
        QCOMPARE(P().EdTalude->isVisibleTo(&P()), talude);
        QCOMPARE(P().LabelTalude->isVisibleTo(&P()), talude);
        QVERIFY(!P().EdProDi->isVisibleTo(&P()));
        QCOMPARE(P().Grafico->currentIndex(), tipo);
        QCOMPARE(P().ImagemTipo->Tipo(), tipo);
        QCOMPARE(int(indSulvoReg_), tipo);
    }

    void tipoEIncognitaMarcamAlteracaoEDesabilitamRelatorio() {
        P().BtRelatorio->setEnabled(true);
        EscolherTipo(kTriangular); // also when the type stays the same
        QVERIFY(alteracoes_ >= 1);
        QVERIFY(!P().BtRelatorio->isEnabled());
        const int antes = alteracoes_;
        P().BtRelatorio->setEnabled(true);
        EscolherIncognita(2);
        QCOMPARE(alteracoes_, antes + 1);
        QVERIFY(!P().BtRelatorio->isEnabled());
        QCOMPARE(int(indIncognita_), 2);
        // The roughness unknown also locks its table button.
        EscolherIncognita(3);
        QVERIFY(P().EdRugosidade->isReadOnly());
        QVERIFY(!P().BtRugosidade->isEnabled());
        QVERIFY(!P().EdDeclividade->isReadOnly());
        QVERIFY(!Amarelo(P().EdDeclividade));
    }

    void circuloDiametroEProfundidadeMostraRelacao() {
        EscolherTipo(kCircular);
        EscolherIncognita(5);
        QVERIFY(P().EdProDi->isVisibleTo(&P()));
        QVERIFY(P().LabelProDi->isVisibleTo(&P()));
        QVERIFY(P().EdDiametro->isReadOnly() && P().EdProfundidade->isReadOnly());
        QVERIFY(Amarelo(P().EdDiametro) && Amarelo(P().EdProfundidade));
        Digitar(P().EdVazao, QStringLiteral("0.3791"));
        Digitar(P().EdDeclividade, QStringLiteral("0.001"));
        Digitar(P().EdRugosidade, QStringLiteral("0.013"));
        Digitar(P().EdProDi, QStringLiteral("0.5"));
        P().BCalcularClick();
        // Solved values show the digits they need, not the field's two decimals.
        QVERIFY2(P().EdDiametro->text().startsWith(QStringLiteral("1.0000")), qPrintable(P().EdDiametro->text()));
        QCOMPARE(P().EdDiametro->Valor(), cir_.D);
        QVERIFY(P().EdProfundidade->text().startsWith(QStringLiteral("0.500")));
        QCOMPARE(P().EdMovTerra->text(), QString()); // a conduit has no earthwork
        // The drawing follows the solved diameter.
        SeriePontos topo = P().Grafico->Secao(kCircular)->Pontos(QStringLiteral("SCir3"));
        QVERIFY(!topo.empty());
        QCOMPARE(topo.back().x, cir_.D);
        EscolherIncognita(0);
        QVERIFY(!P().EdProDi->isVisibleTo(&P()));
    }

    void profundidadeResolvidaComTresDecimaisRedesenha() {
        EscolherTipo(kTrapezoidal);
        EscolherIncognita(1);
        Digitar(P().EdVazao, QStringLiteral("5"));
        Digitar(P().EdDeclividade, QStringLiteral("0.001"));
        Digitar(P().EdRugosidade, QStringLiteral("0.013"));
        Digitar(P().EdTalude, QStringLiteral("1.5"));
        Digitar(P().EdLargura, QStringLiteral("2"));
        Digitar(P().EdFolga, QStringLiteral("0.3"));
        Digitar(P().EdComprimento, QStringLiteral("100"));
        P().AtualizarGrafico();
        QCOMPARE(MenorY(Contorno()), -0.3);                 // no depth yet: the outline is the freeboard alone
        QTest::keyClick(P().EdComprimento, Qt::Key_Return); // Enter in a field runs "Calcular"
        QVERIFY(tra_.H > 0.5 && tra_.H < 2.0);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\.\\d{3,}$")).match(P().EdProfundidade->text()).hasMatch());
        QCOMPARE(P().EdProfundidade->text(), P().EdProfundidade->TextoDoValor(tra_.H));
        QCOMPARE(MenorY(Contorno()), -(tra_.H + 0.3));
        QCOMPARE(P().EdMovTerra->text(), QString::fromStdString(FormatarFixo(tra_.Vol_Terra, 3, '.')));

        // Solving the discharge leaves the drawing as it was, even with a new depth in the field.
        EscolherIncognita(0);
        P().EdProfundidade->SetValor(2.0);
        const SeriePontos antes = Contorno();
        P().BCalcularClick();
        QVERIFY(P().BtRelatorio->isEnabled());
        QVERIFY(Contorno() == antes);
        QCOMPARE(P().EdVazao->text(), P().EdVazao->TextoDoValor(tra_.Q));
    }

    // Results: the area with 4 decimals, every other number with 3, in the regional notation.
    void resultadosComVirgula() {
        TEditNumero::DefinirSeparadores(u',', u'.');
        CriarPagina();
        EscolherTipo(kRetangular);
        EscolherIncognita(0);
        Digitar(P().EdProfundidade, QStringLiteral("1,75"));
        Digitar(P().EdDeclividade, QStringLiteral("0,001"));
        Digitar(P().EdRugosidade, QStringLiteral("0,013"));
        Digitar(P().EdLargura, QStringLiteral("2"));
        Digitar(P().EdComprimento, QStringLiteral("10"));
        P().BCalcularClick();
        QCOMPARE(P().EdArea->text(), QStringLiteral("3,5000"));
        QCOMPARE(P().EdSuperficie->text(), QStringLiteral("2,000"));
        QCOMPARE(P().EdPerimetro->text(), QStringLiteral("5,500"));
        QCOMPARE(P().EdMovTerra->text(), QStringLiteral("35,000"));
        const QRegularExpression tres(QStringLiteral("^\\d+,\\d{3}$"));
        for (QLineEdit* t : {P().EdProfCrit, P().EdNFroud, P().EdVelocidade, P().EdEnergia})
            QVERIFY2(tres.match(t->text()).hasMatch(), qPrintable(t->text()));
        QCOMPARE(P().EdRegime->text(), QString::fromStdString(ret_.Regime));
        QCOMPARE(P().EdVazao->text(), P().EdVazao->TextoDoValor(ret_.Q));
        QVERIFY(P().EdVazao->text().contains(u','));
    }

    // A solver that fails leaves the page as it was; its own message is the only one shown.
    void solucaoQueFalhaNaoMudaAPagina() {
        EscolherTipo(kCircular);
        EscolherIncognita(1);
        Digitar(P().EdVazao, QStringLiteral("2"));
        Digitar(P().EdDeclividade, QStringLiteral("0.001"));
        Digitar(P().EdRugosidade, QStringLiteral("0.013"));
        Digitar(P().EdDiametro, QStringLiteral("1"));
        dialogos_->EsperarMensagem(
            std::string("N\xC3\xA3o \xC3\xA9 poss\xC3\xADvel alcan\xC3\xA7\x61r esta vaz\xC3\xA3o ! A vaz\xC3\xA3o "
                        "m\xC3\xA1xima deste conduto \xC3\xA9 0,81558 m\xC2\xB3/s, a uma profundidade de 0,93818 m "
                        "(y/D = 0,93818)."));
        P().BCalcularClick();
        QVERIFY(P().EdProfundidade->text().isEmpty());
        QVERIFY(P().EdArea->text().isEmpty());
        QVERIFY(!P().BtRelatorio->isEnabled());
    }

    void teclaAceitaMarcaAlteracaoEDesabilitaRelatorio() {
        P().BtRelatorio->setEnabled(true);
        const int antes = alteracoes_;
        QTest::keyClick(P().EdComprimento, Qt::Key_A); // refused by the field: no change
        QCOMPARE(alteracoes_, antes);
        QVERIFY(P().BtRelatorio->isEnabled());
        QTest::keyClick(P().EdComprimento, Qt::Key_7);
        QCOMPARE(alteracoes_, antes + 1);
        QVERIFY(!P().BtRelatorio->isEnabled());
        QCOMPARE(P().EdComprimento->text(), QStringLiteral("7"));
        // Delete is an edit too.
        P().BtRelatorio->setEnabled(true);
        P().EdComprimento->selectAll();
        QTest::keyClick(P().EdComprimento, Qt::Key_Delete);
        QCOMPARE(alteracoes_, antes + 2);
        QVERIFY(!P().BtRelatorio->isEnabled());
        // A field of the irregular page shares the handler.
        TEditNumero outro;
        P().ConectarCampoNumerico(&outro);
        P().BtRelatorio->setEnabled(true);
        QTest::keyClick(&outro, Qt::Key_1);
        QVERIFY(!P().BtRelatorio->isEnabled());
        QCOMPARE(alteracoes_, antes + 3);
    }

    void sairDeUmaDimensaoRedesenha() {
        P().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&P()));
        EscolherTipo(kRetangular);
        P().EdLargura->setFocus();
        QTest::keyClicks(P().EdLargura, QStringLiteral("3"));
        P().EdFolga->setFocus(); // leaving the base width
        QTRY_COMPARE(Contorno().size(), std::size_t(4));
        QTRY_COMPARE(Contorno().back().x, 3.0);
        QTest::keyClicks(P().EdFolga, QStringLiteral("0.25"));
        P().EdComprimento->setFocus();
        QTRY_COMPARE(MenorY(Contorno()), -0.25);
    }

    void popupDeRugosidade() {
        QStringList entradas;
        for (QAction* a : P().PpMRugosidade->actions())
            entradas << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(entradas.join(u'|'),
                 QString::fromUtf8("Condutos Circulares|-|Canais Revestidos|-|Cursos D'Água Dragados ou Escavados|"
                                   "Cursos D'Água Naturais Menores|Enchentes|Cursos D'Água Naturais Maiores"));
        QCOMPARE(P().PpMRugosidade->defaultAction(), P().CanaisRevestidos1);
    }

    // A coefficient picked from a table goes into the field with its 4 decimals and marks the project
    // changed, without touching the report button; Cancel changes nothing.
    void coeficienteDaTabela() {
        TArqRugosidade tabela;
        tabela.Registros = {{"PVC", 0.009, 0.011, 0.010}, {"Concreto", 0.012, 0.016, 0.013}};
        QVERIFY(tabela.GravarArquivo((std::filesystem::path(pasta_->path().toStdString()) / "2.cdb").string()));
        QString titulo;
        modal_ = [&titulo](QDialog& d) {
            auto& dialogo = static_cast<TFRugosidade&>(d);
            titulo = dialogo.windowTitle();
            dialogo.show();
            QTest::mouseClick(dialogo.SpeedButton4, Qt::LeftButton); // the last row
            QTest::mouseClick(dialogo.BtOk, Qt::LeftButton);
            return dialogo.result();
        };
        P().BtRelatorio->setEnabled(true);
        const int antes = alteracoes_;
        P().CondutosCirculares1->trigger();
        QCOMPARE(titulo, QStringLiteral("Tabela de Rugosidade para Condutos Circulares"));
        QCOMPARE(P().EdRugosidade->text(), QStringLiteral("0.0130"));
        QCOMPARE(P().EdRugosidade->Valor(), 0.013);
        QCOMPARE(alteracoes_, antes + 1);
        QVERIFY(P().BtRelatorio->isEnabled());

        modal_ = [](QDialog&) { return int(QDialog::Rejected); };
        P().Enchentes1->trigger();
        QCOMPARE(rugosidade_->TipoTabela, 4);
        QCOMPARE(P().EdRugosidade->text(), QStringLiteral("0.0130"));
        QCOMPARE(alteracoes_, antes + 1);

        // The row's minimum and maximum stay beside the coefficient: a calculation shows the depth with both.
        EscolherTipo(kTrapezoidal);
        EscolherIncognita(1);
        for (auto [campo, texto] : {std::pair{P().EdVazao, "5.39"},
                                    {P().EdDeclividade, "0.001"},
                                    {P().EdComprimento, "100"},
                                    {P().EdTalude, "1.5"},
                                    {P().EdLargura, "2"}})
            Digitar(campo, QLatin1String(texto));
        P().BCalcularClick();
        QVERIFY(P().LabelFaixaN->isVisibleTo(&P()));
        QCOMPARE(P().LabelFaixaN->text(),
                 QString::fromUtf8("Profundidade Normal: 0.929 m (0.891 a 1.034 m com n mínimo e máximo)"));
        QCOMPARE(tra_.FaixaN.Minimo, 0.012);
        // A coefficient typed by hand has no band, even when it is typed back to the table's value.
        Digitar(P().EdRugosidade, QStringLiteral("0.014"));
        Digitar(P().EdRugosidade, QStringLiteral("0.013"));
        P().BCalcularClick();
        QVERIFY(!P().LabelFaixaN->isVisibleTo(&P()));
        QVERIFY(!tra_.FaixaN.Definida());
    }

    void ajudaPorTipo_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("topico");
        QTest::newRow("triangulo") << 0 << 211;
        QTest::newRow("trapezio") << 1 << 212;
        QTest::newRow("retangulo") << 2 << 214;
        QTest::newRow("circulo") << 3 << 213;
    }

    void ajudaPorTipo() {
        QFETCH(int, tipo);
        QFETCH(int, topico);
        EscolherTipo(tipo);
        QSignalSpy ajuda(&P(), &TPaginaRegular::PedirAjuda);
        QTest::mouseClick(P().Button1, Qt::LeftButton);
        QCOMPARE(ajuda.size(), 1);
        QCOMPARE(ajuda.first().first().toInt(), topico);
    }

    void ordemDeFoco() {
        const QList<QWidget*> esperada{
            P().CBTipoSulvo,  P().CbIncognita, P().EdVazao,   P().EdProfundidade, P().EdDeclividade, P().EdRugosidade,
            P().BtRugosidade, P().EdDiametro,  P().EdProDi,   P().EdFolga,        P().EdComprimento, P().EdTalude,
            P().EdLargura,    P().Button1,     P().BCalcular, P().BtRelatorio,    P().Button4};
        QList<QWidget*> cadeia;
        QWidget* w = P().CBTipoSulvo;
        do {
            if (esperada.contains(w))
                cadeia << w;
            w = w->nextInFocusChain();
        } while (w != P().CBTipoSulvo);
        QCOMPARE(cadeia, esperada);
    }

    // The field reader copies the selected type only, with its unknown.
    void lerCamposDados() {
        tri_.Q = 9;
        EscolherTipo(kTrapezoidal);
        EscolherIncognita(5);
        Digitar(P().EdVazao, QStringLiteral("5"));
        Digitar(P().EdProfundidade, QStringLiteral("1.2"));
        Digitar(P().EdDeclividade, QStringLiteral("0.0005"));
        Digitar(P().EdRugosidade, QStringLiteral("0.015"));
        Digitar(P().EdTalude, QStringLiteral("2"));
        P().EdLargura->SetValor(3); // the unknown's field takes no typing
        Digitar(P().EdFolga, QStringLiteral("0.4"));
        Digitar(P().EdComprimento, QStringLiteral("250"));
        indSulvoReg_ = 0;
        P().LerCamposDados();
        QCOMPARE(int(indSulvoReg_), 1);
        QCOMPARE(tra_.Q, 5.0);
        QCOMPARE(tra_.H, 1.2);
        QCOMPARE(tra_.I, 0.0005);
        QCOMPARE(tra_.n, 0.015);
        QCOMPARE(tra_.z, 2.0);
        QCOMPARE(tra_.b, 3.0);
        QCOMPARE(tra_.f, 0.4);
        QCOMPARE(tra_.Comp, 250.0);
        QCOMPARE(int(tra_.Incognita), 5);
        QCOMPARE(tri_.Q, 9.0);
        EscolherTipo(kTriangular); // position 5 is not on the triangle's list
        P().LerCamposDados();
        QCOMPARE(int(tri_.Incognita), 255);
        QCOMPARE(tri_.Q, 5.0);
    }

    // Filling from a project: zeros show as empty fields, the type's layout comes back with the unknown
    // saved for the section, also when the unknown chosen last (IndIncognita) was another.
    void preencherCamposDados() {
        cir_.Q = 0.3791;
        cir_.H = 0;
        cir_.D = 1;
        cir_.I = 0.001;
        cir_.n = 0.013;
        cir_.T = 0.5;
        cir_.Incognita = 5;
        indSulvoReg_ = 3;
        indIncognita_ = 1;
        P().EdProfundidade->SetValor(7);
        P().PreencherCamposDados();
        QCOMPARE(P().CBTipoSulvo->currentIndex(), 3);
        QVERIFY(P().PanelCircular->isVisibleTo(&P()));
        QCOMPARE(P().CbIncognita->currentIndex(), 5);
        QVERIFY(P().EdProDi->isVisibleTo(&P()));
        QVERIFY(P().EdDiametro->isReadOnly());
        QCOMPARE(P().EdVazao->text(), QStringLiteral("0.3791")); // as saved, not rounded to the field's decimals
        QCOMPARE(P().EdProfundidade->text(), QString());
        QCOMPARE(P().EdDiametro->text(), QStringLiteral("1.00"));
        QCOMPARE(P().EdProDi->text(), QStringLiteral("0.50"));
        QCOMPARE(P().EdRugosidade->text(), QStringLiteral("0.0130"));
        QCOMPARE(P().Grafico->currentIndex(), 3);
        QCOMPARE(P().Grafico->Secao(kCircular)->Pontos(QStringLiteral("SCir3")).back().x, 1.0);
    }

    void limparCamposDados() {
        EscolherTipo(kRetangular);
        EscolherIncognita(2);
        Digitar(P().EdVazao, QStringLiteral("2"));
        Digitar(P().EdProfundidade, QStringLiteral("0.6"));
        Digitar(P().EdRugosidade, QStringLiteral("0.013"));
        Digitar(P().EdLargura, QStringLiteral("2"));
        Digitar(P().EdComprimento, QStringLiteral("10"));
        P().BCalcularClick();
        QVERIFY(!P().EdArea->text().isEmpty());
        P().LimparCamposDados();
        for (QLineEdit* t : {P().EdArea, P().EdPerimetro, P().EdSuperficie, P().EdProfCrit, P().EdNFroud, P().EdRegime,
                             P().EdVelocidade, P().EdEnergia, P().EdMovTerra})
            QVERIFY(t->text().isEmpty());
        for (TEditNumero* c : P().findChildren<TEditNumero*>()) {
            QVERIFY(c->text().isEmpty());
            QCOMPARE(c->Valor(), 0.0);
        }
        QCOMPARE(P().CBTipoSulvo->currentIndex(), 0);
        QCOMPARE(P().CbIncognita->currentIndex(), 0);
        // The field painted as the unknown is the one the list shows.
        QVERIFY(P().EdVazao->isReadOnly());
        QVERIFY(!P().EdDeclividade->isReadOnly());
        QVERIFY(!Amarelo(P().EdDeclividade));
        QCOMPARE(int(indIncognita_), 0);
    }

    void limparSeries() {
        EscolherTipo(kTrapezoidal);
        Digitar(P().EdLargura, QStringLiteral("2"));
        P().AtualizarGrafico();
        QVERIFY(!Contorno().empty());
        P().LimparSeries();
        QVERIFY(Contorno().empty());
    }

    // Without an open project the page takes no input; opening one gives back the unknown's lock.
    void habilitarMantemCampoDaIncognita() {
        EscolherIncognita(2);
        P().HabilitarCampos(false);
        QVERIFY(!P().EdVazao->isEnabled());
        QVERIFY(!P().BCalcular->isEnabled());
        P().HabilitarCampos(true);
        QVERIFY(!P().EdVazao->isReadOnly());
        QVERIFY(P().BCalcular->isEnabled());
        QVERIFY(P().EdDeclividade->isReadOnly());
        QVERIFY(!P().BtRelatorio->isEnabled());
    }
};

QTEST_MAIN(PaginaRegularTest)
#include "PaginaRegularTest.moc"
