#include "ui/irregular/PaginaIrregular.h"

#include "common/NumberFormat.h"
#include "controls/CamposSecao.h"
#include "controls/DesenharIcone.h"
#include "controls/EditNumero.h"
#include "controls/RotuloAvisos.h"
#include "controls/RotuloFaixaN.h"
#include "engine/Subdivisao.h"
#include "engine/Validacao.h"
#include "engine/uIrregular.h"
#include "project/DialogService.h"
#include "ui/irregular/AltPonto.h"
#include "ui/irregular/DefinirRugosidade.h"
#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/irregular/IrregularSecao.h"
#include "ui/irregular/MenuMargens.h"
#include "ui/irregular/TabelaMetodos.h"
#include "ui/irregular/TabelaPontos.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace sulvo {
namespace {

constexpr int kLarguraCampo = 90;
constexpr int kLarguraCampoPonto = 76;
constexpr double kLarguraCaractereDica = 5.5; // pixels per character of the coordinate tip

QLabel* Rotulo(const char* texto, QWidget* pai) {
    return new QLabel(QString::fromUtf8(texto), pai);
}

// "+" over a point: the picture of the "Inserir" button.
QIcon IconeInserir() {
    return DesenharIcone(16, [&](QPainter& p) {
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawLine(2, 13, 8, 9);
        p.drawLine(8, 9, 14, 13);
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QPointF(8, 9), 1.5, 1.5);
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(8, 1, 8, 6);
        p.drawLine(5, 3.5, 11, 3.5);
    });
}

// F1 shows the topic of the focused control, read by the window's help from this property.
void Contexto(QWidget* w, int contexto) {
    w->setProperty("helpContext", contexto);
}

void Selecionar(QComboBox* lista, int posicao) {
    lista->setCurrentIndex(posicao >= 0 && posicao < lista->count() ? posicao : -1);
}

std::uint8_t Posicao(const QComboBox* lista) {
    const int i = lista->currentIndex();
    return i < 0 ? std::uint8_t{255} : static_cast<std::uint8_t>(i);
}

// The page's controls of the description's fields.
const ControleCampo kControles[] = {
    {CampoDoMembro<&TSulvo::Q>, "EdIVazao", "Vazão do sulvo", 245},
    {CampoDoMembro<&TSulvo::S>, "EdISuperficie", "Largura da superfície do sulvo", 238},
    {CampoDoMembro<&TSulvo::H>, "EdIAltura", "Profundidade normal do sulvo", 237},
    {CampoDoMembro<&TSulvo::I>, "EdIDeclividade", "Declividade do sulvo", 236},
    {CampoDoMembro<&TSulvoIrregular::Comp>, "EdIComprimento", "Comprimento do sulvo", 0},
    {CampoDoMembro<&TSulvo::n>, "EdIRugosidade", "Coeficiente de rugosidade ", 246},
    {CampoDoMembro<&TSulvo::A>, "EdIArea", nullptr, 0},
    {CampoDoMembro<&TSulvo::P>, "EdIPerimetro", nullptr, 0},
    {CampoDoMembro<&TSulvo::Yc>, "EdIProfCrit", nullptr, 0},
    {CampoDoMembro<&TSulvo::NF>, "EdINFroud", nullptr, 0},
    {CampoDoMembro<&TSulvo::Regime>, "EdIRegime", nullptr, 0},
    {CampoDoMembro<&TSulvo::V>, "EdIVelocidade", nullptr, 0},
    {CampoDoMembro<&TSulvo::E>, "EdIEnergia", nullptr, 0},
    {CampoDoMembro<&TSulvoIrregular::Vol_Terra>, "EdIMovTerra", nullptr, 0},
    {CampoDoMembro<&TSulvoIrregular::Alfa>, "EdIAlfa", nullptr, 0},
};

const TDescricaoSecao& Descricao() {
    return DescricaoSecao(kIrregular);
}

} // namespace

TPaginaIrregular::TPaginaIrregular(ContextoPaginaIrregular contexto, QWidget* parent)
    : QWidget(parent), ctx_(std::move(contexto)), prompt_(ctx_.Dialogos) {
    setObjectName(QStringLiteral("PaginaIrregular"));
    EditorPontos = new TEditorPontos(ctx_.SulvoIrregular, ctx_.Dialogos, this);
    EditorPontos->DefinirSeparador(Separador());
    CriarEntrada();
    CriarPontos();
    CriarGraficos();
    CriarResultados();
    CriarBotoes();

    // Entry and charts on top (the points with the section chart), the results across the page below, the
    // buttons at the foot. The charts and the point table take whatever room the window gains.
    auto* topo = new QHBoxLayout;
    topo->addWidget(GBEntrada, 0, Qt::AlignTop);
    topo->addWidget(PageControl1, 1);
    auto* meio = new QHBoxLayout;
    auto* resultados = new QVBoxLayout;
    resultados->addWidget(GBResultados, 1);
    LabelAvisos = new QLabel(this);
    LabelAvisos->setObjectName(QStringLiteral("LabelAvisos"));
    LabelAvisos->setWordWrap(true);
    LabelAvisos->hide();
    resultados->addWidget(LabelAvisos);
    LabelFaixaN = new QLabel(this);
    LabelFaixaN->setObjectName(QStringLiteral("LabelFaixaN"));
    LabelFaixaN->setWordWrap(true);
    LabelFaixaN->hide();
    resultados->addWidget(LabelFaixaN);
    meio->addLayout(resultados, 1);
    // The methods side by side have a tab of their own beside the charts: at the window's least size the results
    // need the whole width of the page.
    auto* abaMetodos = new QWidget(PageControl1);
    abaMetodos->setObjectName(QStringLiteral("TSMetodos"));
    TabelaMetodos = new TTabelaMetodos(abaMetodos);
    Contexto(TabelaMetodos, 250); // F1 after a click on the table: the comparison of the methods
    auto* colunaMetodos = new QVBoxLayout(abaMetodos);
    colunaMetodos->setContentsMargins(4, 4, 4, 4);
    colunaMetodos->addWidget(TabelaMetodos, 0, Qt::AlignTop | Qt::AlignLeft);
    colunaMetodos->addStretch(1);
    const int indiceMetodos = PageControl1->addTab(abaMetodos, QStringLiteral("Métodos"));
    PageControl1->setTabToolTip(indiceMetodos, QStringLiteral("Comparação dos Métodos"));
    // All three tabs in sight at the window's least size: long captions are shortened rather than scrolled away.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideRight);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    for (QPushButton* b : {BtICalcular, Button2, BtIRelatorio, Button6})
        botoes->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(topo, 1);
    layout->addLayout(meio);
    layout->addLayout(botoes);

    Edit1 = new QLineEdit(this);
    Edit1->setReadOnly(true);
    Edit1->setFrame(false);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Edit1->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; border: 1px solid gray; }"));
    Edit1->hide();
    connect(PageControl1, &QTabWidget::currentChanged, Edit1, &QWidget::hide);
    // Runs from the start: its first tick only hides the (hidden) tip and stops it.
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TPaginaIrregular::Timer1Timer);
    Timer1->start();

    FAltPonto = new TFAltPonto(ctx_.SulvoIrregular, ctx_.Dialogos, this);
    connect(FAltPonto, &TFAltPonto::LarguraAlterada, this, [this](double largura) { LarguraSuperficie = largura; });
    connect(FAltPonto, &TFAltPonto::SecaoAlterada, this, [this] {
        RedesenharSecao();
        DesenharNivelAgua();
        Alterado();
    });
    connect(EditorPontos, &TEditorPontos::SecaoAlterada, this, &TPaginaIrregular::SecaoAlteradaNaTabela);
    connect(EditorPontos, &TEditorPontos::LinhaEmFoco, this, [this](int linha) {
        if (linha < 0 || linha >= EditorPontos->Modelo()->rowCount())
            return;
        const int coluna = TabelaPontos->currentIndex().isValid() ? TabelaPontos->currentIndex().column() : 0;
        TabelaPontos->setCurrentIndex(EditorPontos->Modelo()->index(linha, coluna));
        TabelaPontos->scrollTo(TabelaPontos->currentIndex());
    });

    FDefinirRugosidade = new TFDefinirRugosidade(ctx_.SulvoIrregular, ctx_.Dialogos, this);
    FDefinirRugosidade->DefinirTabelas(ctx_.FRugosidade);
    connect(FDefinirRugosidade, &TFDefinirRugosidade::RugosidadeAlterada, this, &TPaginaIrregular::Alterado);
    connect(FDefinirRugosidade, &TFDefinirRugosidade::RelatorioInvalidado, this,
            [this] { BtIRelatorio->setEnabled(false); });
    connect(FDefinirRugosidade, &TFDefinirRugosidade::Fechado, this, [this](bool todasValidas) {
        BtICalcular->setEnabled(todasValidas);
        if (todasValidas)
            RugosidadeDefinida = true;
    });

    const char decimal = Separador();
    const char milhar = TEditNumero::SeparadorMilhar().toLatin1();
    IrregularChart1->DefinirSeparadores(decimal, milhar);
    PainelCurva->DefinirSeparadores(decimal, milhar);
}

TPaginaIrregular::~TPaginaIrregular() = default;

char TPaginaIrregular::Separador() const {
    return TEditNumero::SeparadorDecimal().toLatin1();
}

TEditNumero* TPaginaIrregular::NovoCampo(const char* nome, int decimais, const char* dica) {
    auto* campo = new TEditNumero(this);
    ConfigurarCampoNumerico(*campo, QString::fromLatin1(nome), decimais, QString::fromUtf8(dica), 0);
    campo->setFixedWidth(kLarguraCampo);
    connect(campo, &TEditNumero::Editado, this, &TPaginaIrregular::EdKeyPress);
    return campo;
}

TEditNumero* TPaginaIrregular::Campo(std::string_view chave) const {
    for (const LinhaCampo& linha : linhas_)
        if (chave == linha.campo->Chave)
            return qobject_cast<TEditNumero*>(linha.controle);
    return nullptr;
}

QLabel* TPaginaIrregular::Resultado(std::string_view chave) const {
    for (const LinhaCampo& linha : linhas_)
        if (chave == linha.campo->Chave)
            return qobject_cast<QLabel*>(linha.controle);
    return nullptr;
}

void TPaginaIrregular::CriarEntrada() {
    GBEntrada = new QGroupBox(QStringLiteral(" Entrada de Dados "), this);
    CbIncognitaIrregular = new QComboBox(GBEntrada);
    for (const TIncognitaSecao& incognita : Descricao().Incognitas)
        CbIncognitaIrregular->addItem(QString::fromUtf8(incognita.Nome));
    CbIncognitaIrregular->setCurrentIndex(0);
    CbIncognitaIrregular->setStatusTip(QStringLiteral("Incógnita do problema a ser calculada"));
    CBMetodologia = new QComboBox(GBEntrada);
    CBMetodologia->addItems({QStringLiteral("Convencional"), QStringLiteral("Divisão do Sulvo em Seções"),
                             QStringLiteral("Subdivisão por rugosidade")});
    CBMetodologia->setCurrentIndex(0);
    CBMetodologia->setStatusTip(QStringLiteral("Metodologia a ser utilizada para o cálculo da incógnita"));
    BtDefinirRugosidade = new QPushButton(QStringLiteral("&Definir Rugosidades"), GBEntrada);
    BtDefinirRugosidade->setStatusTip(QStringLiteral("Definir rugosidades dos trechos do sulvo"));
    BtDefinirRugosidade->setEnabled(false);

    auto* g = new QGridLayout(GBEntrada);
    g->setVerticalSpacing(4);
    g->addWidget(Rotulo("Incógnita do Problema :", GBEntrada), 0, 0, 1, 3);
    g->addWidget(CbIncognitaIrregular, 1, 0, 1, 3);
    int linha = 2;
    for (const char* chave : Descricao().Entradas) {
        const TCampoSecao& campo = *Descricao().Campo(chave);
        auto* edit = new TEditNumero(this);
        ConfigurarCampoNumerico(*edit, kControles, campo);
        edit->setFixedWidth(kLarguraCampo);
        connect(edit, &TEditNumero::Editado, this, &TPaginaIrregular::EdKeyPress);
        QLabel* rotulo = Rotulo(campo.Legenda, GBEntrada);
        g->addWidget(rotulo, linha, 0);
        g->addWidget(edit, linha, 1);
        if (campo.Unidade)
            g->addWidget(Rotulo(campo.Unidade, GBEntrada), linha, 2);
        ++linha;
        linhas_.push_back({&campo, edit, rotulo});
        // A field shown only with one unknown (the single roughness, the widest caption) keeps its room while
        // hidden: the page does not shift when the unknown changes.
        if (campo.SoComIncognita >= 0) {
            g->setColumnMinimumWidth(0, std::max(g->columnMinimumWidth(0), rotulo->sizeHint().width()));
            rotulo->hide();
            edit->hide();
        }
    }
    g->addWidget(Rotulo("Metodologia de Cálculo :", GBEntrada), linha++, 0, 1, 3);
    g->addWidget(CBMetodologia, linha++, 0, 1, 3);
    g->addWidget(BtDefinirRugosidade, linha++, 0, 1, 3);
    // The controls the rest of the window and its tests refer to by name.
    EdIVazao = findChild<TEditNumero*>(QStringLiteral("EdIVazao"));
    EdISuperficie = findChild<TEditNumero*>(QStringLiteral("EdISuperficie"));
    EdIAltura = findChild<TEditNumero*>(QStringLiteral("EdIAltura"));
    EdIDeclividade = findChild<TEditNumero*>(QStringLiteral("EdIDeclividade"));
    EdIComprimento = findChild<TEditNumero*>(QStringLiteral("EdIComprimento"));
    EdIRugosidade = findChild<TEditNumero*>(QStringLiteral("EdIRugosidade"));
    for (const LinhaCampo& l : linhas_)
        if (l.controle == EdIRugosidade)
            Label67 = l.rotulo;
    Contexto(CbIncognitaIrregular, 217);
    Contexto(CBMetodologia, 249);
    Contexto(BtDefinirRugosidade, 226);

    connect(CbIncognitaIrregular, &QComboBox::activated, this, &TPaginaIrregular::CbIncognitaIrregularChange);
    connect(CBMetodologia, &QComboBox::activated, this, &TPaginaIrregular::CBMetodologiaChange);
    connect(EdISuperficie, &TEditNumero::OnExit, this, &TPaginaIrregular::EdISuperficieExit);
    connect(EdIAltura, &TEditNumero::OnExit, this, &TPaginaIrregular::EdIAlturaExit);
    connect(BtDefinirRugosidade, &QPushButton::clicked, this, &TPaginaIrregular::BtDefinirRugosidadeClick);
}

void TPaginaIrregular::CriarPontos() {
    GBPontosGrafico = new QGroupBox(QStringLiteral("Pontos do Gráfico"), this);
    EdX = NovoCampo("EdX", 2, "Largura do ponto (X)");
    EdY = NovoCampo("EdY", 2, "Profundidade do ponto (Y)");
    EdX->setFixedWidth(kLarguraCampoPonto);
    EdY->setFixedWidth(kLarguraCampoPonto);
    // Access keys avoid the menu bar's (P, I, T, A).
    BtInserirPonto = new QPushButton(IconeInserir(), QStringLiteral("I&nserir"), GBPontosGrafico);
    BtInserirPonto->setStatusTip(QStringLiteral("Inserir novo ponto"));
    BtInserirPonto->setEnabled(false);
    BtLimpar = new QPushButton(QStringLiteral("&Limpar"), GBPontosGrafico);
    BtLimpar->setStatusTip(QStringLiteral("Excluir todos os pontos"));

    auto* g = new QGridLayout(GBPontosGrafico);
    g->addWidget(Rotulo("Largura :", GBPontosGrafico), 0, 0);
    g->addWidget(EdX, 0, 1);
    g->addWidget(Rotulo("m", GBPontosGrafico), 0, 2);
    g->addWidget(Rotulo("Profundidade :", GBPontosGrafico), 1, 0);
    g->addWidget(EdY, 1, 1);
    g->addWidget(Rotulo("m", GBPontosGrafico), 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BtInserirPonto);
    botoes->addWidget(BtLimpar);
    g->addLayout(botoes, 2, 0, 1, 3);
    for (QWidget* w : std::initializer_list<QWidget*>{GBPontosGrafico, EdX, EdY, BtInserirPonto, BtLimpar})
        Contexto(w, 226);

    connect(BtInserirPonto, &QPushButton::clicked, this, &TPaginaIrregular::BtInserirPontoClick);
    connect(BtLimpar, &QPushButton::clicked, this, &TPaginaIrregular::BtLimparClick);
}

void TPaginaIrregular::CriarGraficos() {
    PageControl1 = new QTabWidget(this);
    TSSulvo = new QWidget(PageControl1);
    IrregularChart1 = new TGraficoSecaoIrregular(TSSulvo);
    CriarTabela();
    // The chart takes the room the window gains; the table grows in height only.
    auto* lateral = new QVBoxLayout;
    lateral->setSpacing(2);
    lateral->addWidget(TabelaPontos, 1);
    lateral->addWidget(GBPontosGrafico);
    lateral->addWidget(BtImportarPontos);
    auto* l1 = new QHBoxLayout(TSSulvo);
    l1->setContentsMargins(2, 2, 2, 2);
    l1->setSpacing(4);
    l1->addWidget(IrregularChart1, 1);
    l1->addLayout(lateral);
    PageControl1->addTab(TSSulvo, QStringLiteral("Seção Transversal do Sulvo"));

    // The discharge-depth chart with its legend and the buttons that export its table.
    PainelCurva = new TPainelCurva(ctx_.Dialogos, PageControl1);
    PainelCurva->DefinirCaminhoProjeto(ctx_.CaminhoProjeto);
    TSVazao = PainelCurva;
    IrregularChart2 = PainelCurva->Grafico;
    Label78 = PainelCurva->Label78;
    Label79 = PainelCurva->Label79;
    Label80 = PainelCurva->Label80;
    Label81 = PainelCurva->Label81;
    PageControl1->addTab(TSVazao, QStringLiteral("Gráfico Vazão X Profundidade"));

    connect(IrregularChart1, &TGraficoSecaoIrregular::PontoClicado, this, &TPaginaIrregular::IrregularSeries1Click);
    connect(IrregularChart1, &TGraficoSecaoIrregular::PontoDuploClicado, this,
            &TPaginaIrregular::IrregularSeries1DblClick);
    connect(IrregularChart1, &TGraficoSecaoIrregular::MenuDoPonto, this, [this](int indice, QPoint posicao) {
        QMenu menu(this);
        AdicionarAcoesMargens(menu, *EditorPontos, ctx_.SulvoIrregular, indice);
        menu.exec(IrregularChart1->viewport()->mapToGlobal(posicao));
    });
}

void TPaginaIrregular::CriarTabela() {
    TabelaPontos = new TTabelaPontos(TSSulvo);
    TabelaPontos->setObjectName(QStringLiteral("TabelaPontos"));
    TabelaPontos->setModel(EditorPontos->Modelo());
    TabelaPontos->setStatusTip(
        QStringLiteral("Pontos da seção: Ctrl+V cola um levantamento, Insert insere e Delete exclui pontos"));
    // Room for three columns of "-123,45" beside the chart; wider values show when the window grows.
    const int coluna = TabelaPontos->fontMetrics().horizontalAdvance(QStringLiteral("-123,45")) + 8;
    TabelaPontos->setMinimumWidth(3 * coluna + TabelaPontos->fontMetrics().horizontalAdvance(QStringLiteral("999")) +
                                  TabelaPontos->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12);
    TabelaPontos->setContextMenuPolicy(Qt::CustomContextMenu);
    Contexto(TabelaPontos, 226);
    BtImportarPontos = new QPushButton(QStringLiteral("Importar p&ontos…"), TSSulvo);
    BtImportarPontos->setStatusTip(QStringLiteral("Importar os pontos de um levantamento (.csv ou .txt)"));
    BtImportarPontos->setAutoDefault(true);
    Contexto(BtImportarPontos, 226);

    AcDesfazer = EditorPontos->Pilha()->createUndoAction(this, QStringLiteral("Desfazer"));
    AcDesfazer->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    AcRefazer = EditorPontos->Pilha()->createRedoAction(this, QStringLiteral("Refazer"));
    AcRefazer->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // A numeric field with the focus undoes its own typing first: it takes Ctrl+Z before the page.
    for (QAction* a : {AcDesfazer, AcRefazer}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }

    connect(TabelaPontos, &TTabelaPontos::ColarPedido, this, &TPaginaIrregular::ColarPontos);
    connect(TabelaPontos, &TTabelaPontos::ExcluirPedido, this,
            [this] { EditorPontos->Excluir(TabelaPontos->LinhasSelecionadas()); });
    connect(TabelaPontos, &TTabelaPontos::InserirPedido, this, [this] {
        const QModelIndex atual = TabelaPontos->currentIndex();
        EditorPontos->InserirDepois(atual.isValid() ? atual.row() : 0);
    });
    connect(TabelaPontos->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& atual) { IrregularChart1->DestacarPonto(atual.isValid() ? atual.row() : -1); });
    connect(EditorPontos->Modelo(), &QAbstractItemModel::modelReset, this,
            [this] { IrregularChart1->DestacarPonto(-1); });
    connect(TabelaPontos, &QWidget::customContextMenuRequested, this, [this](const QPoint& onde) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Inserir ponto\tInsert"), TabelaPontos, &TTabelaPontos::InserirPedido);
        menu.addAction(QStringLiteral("Excluir pontos\tDelete"), TabelaPontos, &TTabelaPontos::ExcluirPedido);
        menu.addAction(QStringLiteral("Colar levantamento\tCtrl+V"), this,
                       [this] { ColarPontos(QGuiApplication::clipboard()->text()); });
        menu.addSeparator();
        AdicionarAcoesMargens(menu, *EditorPontos, ctx_.SulvoIrregular, TabelaPontos->indexAt(onde).row());
        menu.addSeparator();
        menu.addAction(AcDesfazer);
        menu.addAction(AcRefazer);
        menu.exec(TabelaPontos->viewport()->mapToGlobal(onde));
    });
    connect(BtImportarPontos, &QPushButton::clicked, this, &TPaginaIrregular::ImportarPontosClick);
}

void TPaginaIrregular::CriarResultados() {
    GBResultados = new QGroupBox(QStringLiteral(" Resultados "), this);
    auto* g = new QGridLayout(GBResultados);
    g->setVerticalSpacing(3);
    // Two columns, the first half of the results down the first.
    const auto& resultados = Descricao().Resultados;
    const int porColuna = static_cast<int>(resultados.size() + 1) / 2;
    int k = 0;
    for (const char* chave : resultados) {
        const TCampoSecao& campo = *Descricao().Campo(chave);
        const int linha = k % porColuna, coluna = k / porColuna;
        ++k;
        auto* valor = new QLabel(GBResultados);
        valor->setObjectName(NomeObjeto(ControleDe(kControles, campo), campo));
        valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Wide enough for the longest text, "Maior que altura", in the font of the system.
        valor->setMinimumWidth(valor->fontMetrics().horizontalAdvance(QStringLiteral("Maior que altura")) + 10);
        // And tall enough for a line of it: the lines shown under the results (warnings, the band of n) then make
        // the page taller instead of squeezing the results into unreadable rows.
        valor->setMinimumHeight(valor->fontMetrics().height() + 6);
        // A result can be selected and copied, by mouse and, after Tab, by keyboard.
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        valor->setFocusPolicy(Qt::StrongFocus);
        g->addWidget(Rotulo(campo.Legenda, GBResultados), linha, coluna * 4);
        g->addWidget(valor, linha, coluna * 4 + 1);
        g->addWidget(Rotulo(campo.Unidade ? campo.Unidade : "", GBResultados), linha, coluna * 4 + 2);
        linhas_.push_back({&campo, valor, nullptr});
    }
    // The velocity coefficient of the subdivided section, below the first column, shown only when the
    // subdivision was calculated.
    {
        const TCampoSecao& alfa = *Descricao().Campo("Alfa");
        EdIAlfa = new QLabel(GBResultados);
        EdIAlfa->setObjectName(NomeObjeto(ControleDe(kControles, alfa), alfa));
        EdIAlfa->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        EdIAlfa->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        EdIAlfa->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        LabelAlfa = Rotulo(alfa.Legenda, GBResultados);
        g->addWidget(LabelAlfa, porColuna, 0);
        g->addWidget(EdIAlfa, porColuna, 1);
        EdIAlfa->hide();
        LabelAlfa->hide();
    }
    EdIArea = findChild<QLabel*>(QStringLiteral("EdIArea"));
    EdIPerimetro = findChild<QLabel*>(QStringLiteral("EdIPerimetro"));
    EdIProfCrit = findChild<QLabel*>(QStringLiteral("EdIProfCrit"));
    EdINFroud = findChild<QLabel*>(QStringLiteral("EdINFroud"));
    EdIRegime = findChild<QLabel*>(QStringLiteral("EdIRegime"));
    EdIVelocidade = findChild<QLabel*>(QStringLiteral("EdIVelocidade"));
    EdIEnergia = findChild<QLabel*>(QStringLiteral("EdIEnergia"));
    EdIMovTerra = findChild<QLabel*>(QStringLiteral("EdIMovTerra"));
    g->setHorizontalSpacing(4);
    g->setColumnMinimumWidth(3, 10);
    g->setColumnStretch(3, 1);
}

void TPaginaIrregular::CriarBotoes() {
    BtICalcular = new QPushButton(QStringLiteral("&Calcular"), this);
    BtICalcular->setStatusTip(QStringLiteral("Calcular"));
    BtICalcular->setEnabled(false);
    Button2 = new QPushButton(QStringLiteral("A&juda"), this);
    Button2->setStatusTip(QStringLiteral("Ajuda"));
    BtIRelatorio = new QPushButton(QStringLiteral("&Relatório"), this);
    BtIRelatorio->setStatusTip(QStringLiteral("Relatório"));
    BtIRelatorio->setEnabled(false);
    Contexto(BtIRelatorio, kContextoRelatorio);
    Button6 = new QPushButton(QStringLiteral("&Fechar"), this);
    Button6->setStatusTip(QStringLiteral("Fechar projeto"));
    // Enter on a focused button presses that button; anywhere else on the page it runs "Calcular".
    for (QPushButton* b : {BtICalcular, Button2, BtIRelatorio, Button6})
        b->setAutoDefault(true);

    connect(BtICalcular, &QPushButton::clicked, this, &TPaginaIrregular::BtICalcularClick);
    connect(Button2, &QPushButton::clicked, this, [this] {
        if (ctx_.MostrarAjuda)
            ctx_.MostrarAjuda(kContextoAjuda);
    });
    connect(BtIRelatorio, &QPushButton::clicked, this, [this] {
        if (ctx_.AbrirRelatorio)
            ctx_.AbrirRelatorio();
    });
    connect(Button6, &QPushButton::clicked, this, [this] {
        if (ctx_.FecharProjeto)
            ctx_.FecharProjeto();
    });
}

std::vector<TEditNumero*> TPaginaIrregular::CamposNumericos() const {
    return {EdX, EdY, EdIVazao, EdIAltura, EdIDeclividade, EdIComprimento, EdIRugosidade, EdISuperficie};
}

void TPaginaIrregular::Alterado() {
    if (ctx_.MarcarAlterado)
        ctx_.MarcarAlterado();
}

void TPaginaIrregular::EdKeyPress() {
    Alterado();
    if (ctx_.DesabilitarRelatorioRegular)
        ctx_.DesabilitarRelatorioRegular();
}

bool TPaginaIrregular::TemMargens() const {
    return ctx_.SulvoIrregular.Pontos.size() >= 2;
}

void TPaginaIrregular::RedesenharSecao() {
    IrregularChart1->DefinirSecao(ctx_.SulvoIrregular.Pontos);
    IrregularChart1->DefinirMargens(ctx_.SulvoIrregular.MargemE, ctx_.SulvoIrregular.MargemD);
}

// ---- Point editor ----

void TPaginaIrregular::EdISuperficieExit() {
    // A new width starts a new section, after the user confirms.
    if (!CarregandoCampos && EdISuperficie->Valor() != LarguraSuperficie)
        BtLimparClick();
    else
        LarguraSuperficie = EdISuperficie->Valor();
}

void TPaginaIrregular::BtLimparClick() {
    if (!ctx_.Dialogos.PerguntarSimNao("Tem certeza que deseja eliminar todos os pontos?")) {
        EdISuperficie->SetValor(LarguraSuperficie);
        return;
    }
    auto& pontos = ctx_.SulvoIrregular.Pontos;
    IrregularChart1->LimparSecao();
    IrregularChart2->Limpar();
    pontos.clear();
    IrregularChart1->LimparAgua();
    EdIAltura->clear();
    EdX->clear();
    EdY->clear();
    FDefinirRugosidade->LimparGrade();
    // A new section: its banks are those of the new survey, the two ends until set.
    ctx_.SulvoIrregular.MargemE.reset();
    ctx_.SulvoIrregular.MargemD.reset();
    pontos.push_back({0, 0, 0});
    LarguraSuperficie = EdISuperficie->Valor();
    IrregularChart1->DefinirCorLeito(palette().color(QPalette::Window));
    pontos.push_back({LarguraSuperficie, 0, 0});
    EditorPontos->Esquecer();
    RedesenharSecao();
    BtInserirPonto->setEnabled(LarguraSuperficie > 0);
    BtIRelatorio->setEnabled(false);
    Alterado();
}

void TPaginaIrregular::BtInserirPontoClick() {
    if (EdX->text().isEmpty() || EdY->text().isEmpty() || !TemMargens())
        return;
    auto& pontos = ctx_.SulvoIrregular.Pontos;
    const int incognita = CbIncognitaIrregular->currentIndex();
    const double x = EdX->Valor();
    std::size_t indice = 0;
    if (InserirPonto(pontos, x, EdY->Valor(), &indice) == TResultadoInsercao::MaiorQueLargura) {
        ctx_.Dialogos.Mensagem("A largura é maior que a largura total do sulvo");
        EdX->clear();
        RugosidadeDefinida = false;
    } else {
        EditorPontos->RegistrarInsercao(static_cast<int>(indice));
        RedesenharSecao();
        if (pontos.size() >= 3 && incognita != kIncognitaRugosidade)
            BtDefinirRugosidade->setEnabled(true);
        Alterado();
        RugosidadeDefinida = false;
    }
    if (incognita != kIncognitaProfundidade)
        DesenharNivelAgua();
    EdX->setFocus();
}

void TPaginaIrregular::IrregularSeries1Click(int indice, QPoint posicao) {
    const auto pontos = IrregularChart1->PontosSecao();
    if (indice < 0 || indice >= pontos.size())
        return;
    TabelaPontos->setCurrentIndex(EditorPontos->Modelo()->index(indice, 0));
    TabelaPontos->scrollTo(TabelaPontos->currentIndex());
    const QString texto = QString::fromStdString(TextoDica(pontos[indice].x(), pontos[indice].y(), Separador()));
    Edit1->setText(texto);
    const int largura = std::max(static_cast<int>(std::lround(texto.size() * kLarguraCaractereDica)),
                                 Edit1->fontMetrics().horizontalAdvance(texto) + 8);
    Edit1->resize(largura, Edit1->sizeHint().height());
    // Just above and right of the click, so that the point itself stays visible.
    QPoint local = IrregularChart1->viewport()->mapTo(this, posicao) + QPoint(8, -Edit1->height() - 4);
    local.setX(std::clamp(local.x(), 0, std::max(0, width() - largura)));
    local.setY(std::max(local.y(), 0));
    Edit1->move(local);
    Edit1->show();
    Edit1->raise();
    Timer1->start();
}

void TPaginaIrregular::Timer1Timer() {
    Edit1->hide();
    Timer1->stop();
}

void TPaginaIrregular::IrregularSeries1DblClick(int indice) {
    FAltPonto->IndicePonto = indice;
    const std::vector<TPontoSecao> antes = ctx_.SulvoIrregular.Pontos;
    ctx_.Dialogos.ExibirModal(*FAltPonto);
    EditorPontos->RegistrarAlteracao(antes, QStringLiteral("Alterar ponto"));
}

void TPaginaIrregular::EdIAlturaExit() {
    DesenharNivelAgua();
}

void TPaginaIrregular::DesenharNivelAgua() {
    DesenharNivelAgua(LarguraSuperficie);
}

void TPaginaIrregular::DesenharNivelAgua(double largura) {
    double menor = 0;
    const auto pontos = IrregularChart1->PontosSecao();
    if (!pontos.isEmpty()) {
        menor = pontos.front().y();
        for (const QPointF& p : pontos)
            menor = std::min(menor, p.y());
    }
    IrregularChart1->DefinirNivelAgua(largura, EdIAltura->Valor() + menor);
}

// ---- Calculation ----

// The unknown's field is an output: read-only on yellow, so that the solved value can still be selected and
// copied.
void TPaginaIrregular::PintarIncognita(TEditNumero* campo, bool incognita) {
    campo->setReadOnly(incognita);
    QPalette paleta = palette();
    if (incognita)
        paleta.setColor(QPalette::Base, QColor(Qt::yellow));
    campo->setPalette(paleta);
}

void TPaginaIrregular::CbIncognitaIrregularChange() {
    auto& secao = ctx_.SulvoIrregular;
    const int k = CbIncognitaIrregular->currentIndex();
    ctx_.IndIncognita = Posicao(CbIncognitaIrregular);
    // The field the unknown solves is painted as the unknown; one shown only with an unknown shows with it.
    for (const LinhaCampo& linha : linhas_) {
        if (!linha.rotulo)
            continue;
        auto* campo = static_cast<TEditNumero*>(linha.controle);
        if (Descricao().Resolvivel(linha.campo->Chave))
            PintarIncognita(campo, Descricao().Resolve(k, linha.campo->Chave));
        if (linha.campo->SoComIncognita >= 0) {
            linha.rotulo->setVisible(linha.campo->SoComIncognita == k);
            campo->setVisible(linha.campo->SoComIncognita == k);
        }
    }
    if (secao.Pontos.size() >= 3 && k != kIncognitaRugosidade)
        BtDefinirRugosidade->setEnabled(true);
    if (!RugosidadeDefinida)
        BtICalcular->setEnabled(false);
    if (k == kIncognitaRugosidade) {
        // A single coefficient needs no interval roughness.
        BtDefinirRugosidade->setEnabled(false);
        BtICalcular->setEnabled(true);
    }
    secao.Incognita = Posicao(CbIncognitaIrregular);
    Alterado();
    BtIRelatorio->setEnabled(false);
}

void TPaginaIrregular::CBMetodologiaChange() {
    Alterado();
    BtIRelatorio->setEnabled(false);
}

void TPaginaIrregular::BtICalcularClick() {
    auto& secao = ctx_.SulvoIrregular;
    const int incognita = secao.Incognita;
    const ValorDoCampo valorNaTela = [this](const TCampoSecao& campo) { return Campo(campo.Chave)->Valor(); };
    if (const std::string falha = ValidarEtapa(Descricao(), incognita, EtapaValidacao::Manning, valorNaTela);
        !falha.empty()) {
        ctx_.Dialogos.Mensagem(falha);
        return;
    }
    if (incognita != kIncognitaRugosidade && PrimeiraRugosidadeInvalida(secao.Pontos))
        ctx_.Dialogos.Mensagem("Existe rugosidade inválida!");

    if (ctx_.LerCamposDados)
        ctx_.LerCamposDados();
    else
        LerCamposDados();
    const int k = CbIncognitaIrregular->currentIndex();
    if (k == kIncognitaDeclividade)
        secao.I = 0.1;
    secao.DefinirPrompt(prompt_);
    secao.DefinirSeparadorDecimal(Separador());
    secao.Calcular();
    if (!(secao.A > 0))
        return;

    if (k >= 0 && k <= Descricao().MaximoIncognita())
        for (const char* chave : Descricao().Incognitas[static_cast<std::size_t>(k)].Campos)
            Campo(chave)->SetValor(Descricao().Campo(chave)->ValorReal(secao));
    MostrarResultados();
    if (k == kIncognitaProfundidade)
        DesenharNivelAgua();
    DesenharCurvaVazao();
    BtIRelatorio->setEnabled(true);
}

void TPaginaIrregular::MostrarResultados() {
    const auto& s = ctx_.SulvoIrregular;
    const char sep = Separador();
    for (const char* chave : Descricao().Resultados)
        Resultado(chave)->setText(TextoResultado(*Descricao().Campo(chave), s, sep));
    const bool subdivisao = s.Metodologia == 2;
    EdIAlfa->setText(subdivisao ? TextoResultado(*Descricao().Campo("Alfa"), s, sep) : QString());
    EdIAlfa->setVisible(subdivisao);
    LabelAlfa->setVisible(subdivisao);
    // Every method at the depth found, the spread's warning with the calculation's own.
    const TComparacaoMetodos metodos = CompararMetodos(ctx_.SulvoIrregular, s.H, s.I, sep);
    TabelaMetodos->Mostrar(metodos, s.Metodologia, sep);
    std::vector<std::string> avisos = s.Avisos;
    if (!metodos.Aviso.empty())
        avisos.push_back(metodos.Aviso);
    MostrarAvisos(*LabelAvisos, avisos);
    MostrarFaixaN(*LabelFaixaN, CalcularFaixaN(s), sep);
}

void TPaginaIrregular::LimparResultados() {
    for (const char* chave : Descricao().Resultados)
        Resultado(chave)->clear();
    EdIAlfa->clear();
    EdIAlfa->hide();
    LabelAlfa->hide();
    TabelaMetodos->Limpar();
    MostrarAvisos(*LabelAvisos, {});
    MostrarFaixaN(*LabelFaixaN, std::nullopt, Separador());
}

void TPaginaIrregular::DesenharCurvaVazao() {
    const auto& secao = ctx_.SulvoIrregular;
    IrregularChart2->Limpar();
    // A problem solved for a single coefficient may have no interval roughness at all: its curves then show
    // the section with the solved coefficient on every interval.
    std::optional<double> unica;
    if (CbIncognitaIrregular->currentIndex() == kIncognitaRugosidade && PrimeiraRugosidadeInvalida(secao.Pontos) &&
        secao.n > 0)
        unica = secao.n;
    IrregularChart2->DefinirCurvas(CalcularCurvasVazao(secao, EdIDeclividade->Valor(), unica));
    if (secao.A > 0)
        IrregularChart2->DefinirPontoCalculado(secao.H, secao.Q);
}

void TPaginaIrregular::BtDefinirRugosidadeClick() {
    const std::vector<TPontoSecao> antes = ctx_.SulvoIrregular.Pontos;
    FDefinirRugosidade->Executar();
    EditorPontos->RegistrarAlteracao(antes, QStringLiteral("Definir rugosidades"));
}

// ---- Project lifecycle ----

void TPaginaIrregular::LimparSeries() {
    IrregularChart1->LimparSecao();
    IrregularChart1->LimparAgua();
    IrregularChart2->Limpar();
    // The section has no banks any more: no point can be inserted until a width creates them.
    BtInserirPonto->setEnabled(false);
    EditorPontos->Esquecer();
}

void TPaginaIrregular::LerCamposDados() {
    auto& s = ctx_.SulvoIrregular;
    for (const char* chave : Descricao().Entradas)
        LerCampo(*Descricao().Campo(chave), s, *Campo(chave));
    s.Metodologia = Posicao(CBMetodologia);
    s.Incognita = Posicao(CbIncognitaIrregular);
}

void TPaginaIrregular::PreencherCamposDados() {
    auto& s = ctx_.SulvoIrregular;
    Selecionar(CbIncognitaIrregular, ctx_.IndIncognita);
    Selecionar(CbIncognitaIrregular, s.Incognita);
    CbIncognitaIrregularChange();
    // Filling the width is not the user's new width: it starts no new section.
    CarregandoCampos = true;
    for (const char* chave : Descricao().Entradas)
        PreencherCampo(*Campo(chave), *Descricao().Campo(chave), s);
    CarregandoCampos = false;
    if (s.S != 0) {
        LarguraSuperficie = s.S;
        // "Inserir" needs the two banks to place a point between them.
        BtInserirPonto->setEnabled(TemMargens());
    }
    Selecionar(CBMetodologia, s.Metodologia);
    if (s.Incognita != kIncognitaRugosidade) {
        BtICalcular->setEnabled(true);
        RugosidadeDefinida = true;
    }
    IrregularChart1->DefinirCorLeito(palette().color(QPalette::Window));
    EditorPontos->Esquecer();
    RedesenharSecao();
    if (CbIncognitaIrregular->currentIndex() != kIncognitaProfundidade)
        DesenharNivelAgua(s.S);
}

void TPaginaIrregular::LimparCamposDados() {
    EdX->clear();
    EdY->clear();
    LimparResultados();
    CarregandoCampos = true;
    for (const char* chave : Descricao().Entradas) {
        Campo(chave)->SetValor(0);
        Campo(chave)->clear();
    }
    CarregandoCampos = false;
    // The width is forgotten with the field, so the next width typed creates the banks again, and no
    // point can be inserted before it has.
    LarguraSuperficie = 0;
    BtInserirPonto->setEnabled(false);
    BtICalcular->setEnabled(false);
    RugosidadeDefinida = false;
    CBMetodologia->setCurrentIndex(0);
    CbIncognitaIrregular->setCurrentIndex(0);
    CbIncognitaIrregularChange();
}

void TPaginaIrregular::Ativar() {
    PageControl1->setCurrentWidget(TSSulvo);
}

// ---- Point table ----

void TPaginaIrregular::SecaoAlteradaNaTabela() {
    const auto& pontos = ctx_.SulvoIrregular.Pontos;
    // The right bank is the section's width: a survey, a moved bank or an undo may all change it, and the
    // width field follows so that leaving it does not ask to clear the section.
    CarregandoCampos = true;
    if (pontos.size() >= 2) {
        LarguraSuperficie = pontos.back().X;
        EdISuperficie->SetValor(LarguraSuperficie);
    } else {
        // Back before the first survey of a new project: no width yet.
        LarguraSuperficie = 0;
        EdISuperficie->SetValor(0);
        EdISuperficie->clear();
    }
    CarregandoCampos = false;
    BtInserirPonto->setEnabled(pontos.size() >= 2 && LarguraSuperficie > 0);
    IrregularChart1->DefinirCorLeito(palette().color(QPalette::Window));
    RedesenharSecao();
    if (CbIncognitaIrregular->currentIndex() != kIncognitaProfundidade || !EdIAltura->text().isEmpty())
        DesenharNivelAgua();
    const bool incognitaRugosidade = CbIncognitaIrregular->currentIndex() == kIncognitaRugosidade;
    BtDefinirRugosidade->setEnabled(pontos.size() >= 3 && !incognitaRugosidade);
    // A survey pasted with its coefficients is ready to calculate; one without them waits for the
    // roughness window, as a point inserted by hand does.
    RugosidadeDefinida = pontos.size() >= 3 && !PrimeiraRugosidadeInvalida(pontos);
    if (RugosidadeDefinida)
        BtICalcular->setEnabled(true);
    BtIRelatorio->setEnabled(false);
    Alterado();
}

void TPaginaIrregular::ColarPontos(const QString& texto) {
    const QModelIndex atual = TabelaPontos->currentIndex();
    EditorPontos->Colar(texto, atual.isValid() ? atual.row() : -1, atual.isValid() ? atual.column() : -1);
}

void TPaginaIrregular::ImportarPontosClick() {
    OpcoesArquivo opcoes;
    opcoes.titulo = "Importar pontos";
    opcoes.filtro = "Levantamentos (*.csv *.txt);;Todos os arquivos (*)";
    const auto caminho = ctx_.Dialogos.AbrirArquivo(opcoes);
    if (!caminho)
        return;
    std::ifstream arquivo(*caminho, std::ios::binary);
    std::string conteudo((std::istreambuf_iterator<char>(arquivo)), std::istreambuf_iterator<char>());
    if (!arquivo && !arquivo.eof()) {
        ctx_.Dialogos.Mensagem("Não foi possível ler o arquivo " + *caminho + ".");
        return;
    }
    EditorPontos->Importar(conteudo);
}

// Enter in a field (or on a list) of the page runs "Calcular", as a click on it would; a focused button
// presses itself, and the point table moves down instead.
void TPaginaIrregular::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && BtICalcular->isEnabled()) {
        evento->accept();
        BtICalcular->click();
        return;
    }
    QWidget::keyPressEvent(evento);
}

QString TPaginaIrregular::TextoIncognita() const {
    return CbIncognitaIrregular->currentText();
}

QString TPaginaIrregular::TextoMetodologia() const {
    return CBMetodologia->currentText();
}

} // namespace sulvo
