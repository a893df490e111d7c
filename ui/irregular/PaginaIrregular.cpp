#include "ui/irregular/PaginaIrregular.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "engine/uIrregular.h"
#include "project/DialogService.h"
#include "ui/irregular/AltPonto.h"
#include "ui/irregular/DefinirRugosidade.h"
#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/irregular/IrregularSecao.h"
#include "ui/principal/JanelasModais.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace sulvo {
namespace {

constexpr int kLarguraCampo = 90;
constexpr int kLarguraCampoPonto = 76;
constexpr int kLarguraResultado = 74;
constexpr double kLarguraCaractereDica = 5.5; // pixels per character of the coordinate tip

QLabel* Rotulo(const char* texto, QWidget* pai) {
    return new QLabel(QString::fromUtf8(texto), pai);
}

// "+" over a point: the picture of the "Inserir" button.
QIcon IconeInserir() {
    QPixmap figura(16, 16);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(2, 13, 8, 9);
    p.drawLine(8, 9, 14, 13);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(QPointF(8, 9), 1.5, 1.5);
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawLine(8, 1, 8, 6);
    p.drawLine(5, 3.5, 11, 3.5);
    return QIcon(figura);
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

} // namespace

TPaginaIrregular::TPaginaIrregular(ContextoPaginaIrregular contexto, QWidget* parent)
    : QWidget(parent), ctx_(std::move(contexto)), prompt_(ctx_.Dialogos) {
    setObjectName(QStringLiteral("PaginaIrregular"));
    CriarEntrada();
    CriarPontos();
    CriarGraficos();
    CriarResultados();
    CriarBotoes();

    // Entry and charts on top; the points beside the results below; the buttons at the foot.
    auto* topo = new QHBoxLayout;
    topo->addWidget(GBEntrada, 0, Qt::AlignTop);
    topo->addWidget(PageControl1, 1);
    auto* meio = new QHBoxLayout;
    meio->addWidget(GBPontosGrafico);
    meio->addWidget(GBResultados, 1);
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
    campo->setObjectName(QString::fromLatin1(nome));
    campo->SetFormato(TFormato::fDouble);
    campo->SetNegativo(false);
    campo->SetDecimais(decimais);
    campo->setStatusTip(QString::fromUtf8(dica));
    campo->setFixedWidth(kLarguraCampo);
    connect(campo, &TEditNumero::OnKeyPress, this, &TPaginaIrregular::EdKeyPress);
    return campo;
}

void TPaginaIrregular::CriarEntrada() {
    GBEntrada = new QGroupBox(QStringLiteral(" Entrada de Dados "), this);
    CbIncognitaIrregular = new QComboBox(GBEntrada);
    CbIncognitaIrregular->addItems({QStringLiteral("Vazão"), QStringLiteral("Profundidade Normal"),
                                    QStringLiteral("Declividade"), QStringLiteral("Coeficiente de Rugosidade Único")});
    CbIncognitaIrregular->setCurrentIndex(0);
    CbIncognitaIrregular->setStatusTip(QStringLiteral("Incógnita do problema a ser calculada"));
    EdIVazao = NovoCampo("EdIVazao", 2, "Vazão do sulvo");
    EdISuperficie = NovoCampo("EdISuperficie", 2, "Largura da superfície do sulvo");
    EdIAltura = NovoCampo("EdIAltura", 3, "Profundidade normal do sulvo");
    EdIDeclividade = NovoCampo("EdIDeclividade", 4, "Declividade do sulvo");
    EdIComprimento = NovoCampo("EdIComprimento", 1, "Comprimento do sulvo");
    EdIRugosidade = NovoCampo("EdIRugosidade", 4, "Coeficiente de rugosidade ");
    Label67 = Rotulo("Coeficiente de Rugosidade (n) :", GBEntrada);
    CBMetodologia = new QComboBox(GBEntrada);
    CBMetodologia->addItems({QStringLiteral("Convencional"), QStringLiteral("Divisão do Sulvo em Seções")});
    CBMetodologia->setCurrentIndex(0);
    CBMetodologia->setStatusTip(QStringLiteral("Metodologia a ser utilizada para o cálculo da incógnita"));
    BtDefinirRugosidade = new QPushButton(QStringLiteral("Definir Rugosidades"), GBEntrada);
    BtDefinirRugosidade->setStatusTip(QStringLiteral("Definir rugosidades dos trechos do sulvo"));
    BtDefinirRugosidade->setEnabled(false);

    auto* g = new QGridLayout(GBEntrada);
    g->setVerticalSpacing(4);
    g->addWidget(Rotulo("Incógnita do Problema :", GBEntrada), 0, 0, 1, 3);
    g->addWidget(CbIncognitaIrregular, 1, 0, 1, 3);
    int linha = 2;
    auto campo = [&](const char* rotulo, TEditNumero* ed, const char* unidade) {
        g->addWidget(Rotulo(rotulo, GBEntrada), linha, 0);
        g->addWidget(ed, linha, 1);
        if (unidade)
            g->addWidget(Rotulo(unidade, GBEntrada), linha, 2);
        ++linha;
    };
    campo("Vazão (Q) :", EdIVazao, "m³/s");
    campo("Largura da Superfície (B) :", EdISuperficie, "m");
    campo("Profundidade Normal (Yn) :", EdIAltura, "m");
    campo("Declividade ( I ) :", EdIDeclividade, "m/m");
    campo("Comprimento do Sulvo :", EdIComprimento, "m");
    g->addWidget(Label67, linha, 0);
    g->addWidget(EdIRugosidade, linha++, 1);
    g->addWidget(Rotulo("Metodologia de Cálculo :", GBEntrada), linha++, 0, 1, 3);
    g->addWidget(CBMetodologia, linha++, 0, 1, 3);
    g->addWidget(BtDefinirRugosidade, linha++, 0, 1, 3);
    Label67->hide();
    EdIRugosidade->hide();
    Contexto(CbIncognitaIrregular, 217);
    Contexto(EdIDeclividade, 236);
    Contexto(EdIAltura, 237);
    Contexto(EdISuperficie, 238);
    Contexto(EdIVazao, 245);
    Contexto(EdIRugosidade, 246);
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
    BtInserirPonto = new QPushButton(IconeInserir(), QStringLiteral("Inserir"), GBPontosGrafico);
    BtInserirPonto->setStatusTip(QStringLiteral("Inserir novo ponto"));
    BtInserirPonto->setEnabled(false);
    BtLimpar = new QPushButton(QStringLiteral("Limpar"), GBPontosGrafico);
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
    auto* l1 = new QVBoxLayout(TSSulvo);
    l1->setContentsMargins(2, 2, 2, 2);
    l1->addWidget(IrregularChart1);
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
}

void TPaginaIrregular::CriarResultados() {
    GBResultados = new QGroupBox(QStringLiteral(" Resultados "), this);
    auto* g = new QGridLayout(GBResultados);
    g->setVerticalSpacing(3);
    auto resultado = [&](int linha, int coluna, const char* rotulo, const char* unidade) {
        auto* valor = new QLabel(GBResultados);
        valor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        valor->setMinimumWidth(kLarguraResultado);
        g->addWidget(Rotulo(rotulo, GBResultados), linha, coluna * 4);
        g->addWidget(valor, linha, coluna * 4 + 1);
        g->addWidget(Rotulo(unidade, GBResultados), linha, coluna * 4 + 2);
        return valor;
    };
    EdIArea = resultado(0, 0, "Área (A) :", "m²");
    EdIPerimetro = resultado(1, 0, "Perimetro Molhado (P) :", "m");
    EdIProfCrit = resultado(2, 0, "Profundidade Crítica (Yc) :", "m");
    EdINFroud = resultado(3, 0, "Número de Froude (Fr) :", "");
    EdIRegime = resultado(0, 1, "Regime de Escoamento :", "");
    EdIVelocidade = resultado(1, 1, "Velocidade (V) :", "m/s");
    EdIEnergia = resultado(2, 1, "Energia Específica (E) :", "m");
    EdIMovTerra = resultado(3, 1, "Movimentação de Terra :", "m³");
    g->setHorizontalSpacing(4);
    g->setColumnMinimumWidth(3, 10);
    g->setColumnStretch(3, 1);
}

void TPaginaIrregular::CriarBotoes() {
    BtICalcular = new QPushButton(QStringLiteral("Calcular"), this);
    BtICalcular->setStatusTip(QStringLiteral("Calcular"));
    BtICalcular->setEnabled(false);
    Button2 = new QPushButton(QStringLiteral("Ajuda"), this);
    Button2->setStatusTip(QStringLiteral("Ajuda"));
    BtIRelatorio = new QPushButton(QStringLiteral("Relatório"), this);
    BtIRelatorio->setStatusTip(QStringLiteral("Relatório"));
    BtIRelatorio->setEnabled(false);
    Contexto(BtIRelatorio, kContextoRelatorio);
    Button6 = new QPushButton(QStringLiteral("Fechar"), this);
    Button6->setStatusTip(QStringLiteral("Fechar projeto"));

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

void TPaginaIrregular::EdKeyPress(QChar&) {
    Alterado();
    if (ctx_.DesabilitarRelatorioRegular)
        ctx_.DesabilitarRelatorioRegular();
}

bool TPaginaIrregular::TemMargens() const {
    return ctx_.SulvoIrregular.Pontos.size() >= 2;
}

void TPaginaIrregular::RedesenharSecao() {
    IrregularChart1->DefinirSecao(ctx_.SulvoIrregular.Pontos);
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
    pontos.push_back({0, 0, 0});
    LarguraSuperficie = EdISuperficie->Valor();
    IrregularChart1->DefinirCorLeito(palette().color(QPalette::Window));
    pontos.push_back({LarguraSuperficie, 0, 0});
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
    if (InserirPonto(pontos, x, EdY->Valor()) == TResultadoInsercao::MaiorQueLargura) {
        ctx_.Dialogos.Mensagem("A largura é maior que a largura total do sulvo");
        EdX->clear();
        RugosidadeDefinida = false;
    } else {
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
    ctx_.Modais.ExibirModal(*FAltPonto);
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

void TPaginaIrregular::PintarIncognita(TEditNumero* campo, bool incognita) {
    campo->setEnabled(!incognita);
    QPalette paleta = palette();
    if (incognita) {
        paleta.setColor(QPalette::Base, QColor(Qt::yellow));
        // The solved value stays readable on the yellow of the unknown, as on the regular page.
        paleta.setColor(QPalette::Disabled, QPalette::Text, paleta.color(QPalette::Active, QPalette::Text));
    }
    campo->setPalette(paleta);
}

void TPaginaIrregular::CbIncognitaIrregularChange() {
    auto& secao = ctx_.SulvoIrregular;
    const int k = CbIncognitaIrregular->currentIndex();
    ctx_.IndIncognita = Posicao(CbIncognitaIrregular);
    for (TEditNumero* campo : {EdIVazao, EdIAltura, EdIDeclividade, EdIRugosidade})
        PintarIncognita(campo, false);
    Label67->hide();
    EdIRugosidade->hide();
    if (secao.Pontos.size() >= 3 && k != kIncognitaRugosidade)
        BtDefinirRugosidade->setEnabled(true);
    if (!RugosidadeDefinida)
        BtICalcular->setEnabled(false);
    switch (k) {
    case kIncognitaVazao:
        PintarIncognita(EdIVazao, true);
        break;
    case kIncognitaProfundidade:
        PintarIncognita(EdIAltura, true);
        break;
    case kIncognitaDeclividade:
        PintarIncognita(EdIDeclividade, true);
        break;
    case kIncognitaRugosidade:
        // A single coefficient needs no interval roughness.
        Label67->show();
        EdIRugosidade->show();
        PintarIncognita(EdIRugosidade, true);
        BtDefinirRugosidade->setEnabled(false);
        BtICalcular->setEnabled(true);
        break;
    default:
        break;
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
    if (EdIVazao->Valor() == 0 && incognita != kIncognitaVazao) {
        ctx_.Dialogos.Mensagem("A vazao deve ser maior do que 0.0!");
        return;
    }
    if (EdIAltura->Valor() == 0 && incognita != kIncognitaProfundidade) {
        ctx_.Dialogos.Mensagem("A altura deve ser maior do que 0.0!");
        return;
    }
    if (EdIDeclividade->Valor() == 0 && incognita != kIncognitaDeclividade) {
        ctx_.Dialogos.Mensagem("A declividade deve ser maior do que 0.0!");
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

    switch (k) {
    case kIncognitaVazao:
        EdIVazao->SetValor(secao.Q);
        break;
    case kIncognitaProfundidade:
        EdIAltura->SetValor(secao.H);
        break;
    case kIncognitaDeclividade:
        EdIDeclividade->SetValor(secao.I);
        break;
    case kIncognitaRugosidade:
        EdIRugosidade->SetValor(secao.n);
        break;
    default:
        break;
    }
    MostrarResultados();
    if (k == kIncognitaProfundidade)
        DesenharNivelAgua();
    DesenharCurvaVazao();
    BtIRelatorio->setEnabled(true);
}

void TPaginaIrregular::MostrarResultados() {
    const auto& s = ctx_.SulvoIrregular;
    const char sep = Separador();
    auto fixo = [sep](double v, int d) { return QString::fromStdString(FormatarFixo(v, d, sep)); };
    EdIArea->setText(fixo(s.A, 4));
    EdIPerimetro->setText(fixo(s.P, 3));
    EdIProfCrit->setText(s.Yc > 0 ? fixo(s.Yc, 3) : QStringLiteral("Maior que altura"));
    EdINFroud->setText(fixo(s.NF, 3));
    EdIRegime->setText(QString::fromStdString(s.Regime));
    EdIVelocidade->setText(fixo(s.V, 3));
    EdIEnergia->setText(fixo(s.E, 3));
    EdIMovTerra->setText(fixo(s.Vol_Terra, 3));
}

void TPaginaIrregular::LimparResultados() {
    for (QLabel* r : {EdIArea, EdIPerimetro, EdIProfCrit, EdINFroud, EdIRegime, EdIVelocidade, EdIMovTerra, EdIEnergia})
        r->clear();
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
    FDefinirRugosidade->Executar(ctx_.Modais);
}

// ---- Project lifecycle ----

void TPaginaIrregular::LimparSeries() {
    IrregularChart1->LimparSecao();
    IrregularChart1->LimparAgua();
    IrregularChart2->Limpar();
    // The section has no banks any more: no point can be inserted until a width creates them.
    BtInserirPonto->setEnabled(false);
}

void TPaginaIrregular::LerCamposDados() {
    auto& s = ctx_.SulvoIrregular;
    s.H = EdIAltura->Valor();
    s.I = EdIDeclividade->Valor();
    s.Comp = EdIComprimento->Valor();
    s.Q = EdIVazao->Valor();
    s.S = EdISuperficie->Valor();
    s.n = EdIRugosidade->Valor();
    s.Metodologia = Posicao(CBMetodologia);
    s.Incognita = Posicao(CbIncognitaIrregular);
}

void TPaginaIrregular::PreencherCamposDados() {
    auto& s = ctx_.SulvoIrregular;
    Selecionar(CbIncognitaIrregular, ctx_.IndIncognita);
    Selecionar(CbIncognitaIrregular, s.Incognita);
    CbIncognitaIrregularChange();
    if (s.S != 0) {
        CarregandoCampos = true;
        EdISuperficie->SetValor(s.S);
        LarguraSuperficie = s.S;
        // "Inserir" needs the two banks to place a point between them.
        BtInserirPonto->setEnabled(TemMargens());
        CarregandoCampos = false;
    }
    const std::pair<TEditNumero*, double> valores[] = {
        {EdIVazao, s.Q}, {EdIAltura, s.H}, {EdIDeclividade, s.I}, {EdIComprimento, s.Comp}, {EdIRugosidade, s.n}};
    for (auto [campo, valor] : valores)
        if (valor != 0)
            campo->SetValor(valor);
    Selecionar(CBMetodologia, s.Metodologia);
    if (s.Incognita != kIncognitaRugosidade) {
        BtICalcular->setEnabled(true);
        RugosidadeDefinida = true;
    }
    IrregularChart1->DefinirCorLeito(palette().color(QPalette::Window));
    RedesenharSecao();
    if (CbIncognitaIrregular->currentIndex() != kIncognitaProfundidade)
        DesenharNivelAgua(s.S);
}

void TPaginaIrregular::LimparCamposDados() {
    EdX->clear();
    EdY->clear();
    LimparResultados();
    for (TEditNumero* campo : {EdIVazao, EdIAltura, EdIDeclividade, EdIComprimento, EdIRugosidade}) {
        campo->SetValor(0);
        campo->clear();
    }
    CarregandoCampos = true;
    EdISuperficie->SetValor(0);
    EdISuperficie->clear();
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

QString TPaginaIrregular::TextoIncognita() const {
    return CbIncognitaIrregular->currentText();
}

QString TPaginaIrregular::TextoMetodologia() const {
    return CBMetodologia->currentText();
}

} // namespace sulvo
