#include "ui/regular/PaginaRegular.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/DialogService.h"
#include "roughness/FRugosidade.h"
#include "ui/regular/GraficoRegular.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace sulvo {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr double kMaximoCampo = 2147483647.0;
constexpr int kLarguraCampo = 100;
constexpr int kAlturaCampo = 21;

// Width of a caption column: the widest caption in the page's font, so that the fields of the
// shared panels line up with the fields above them.
int LarguraRotulos(const QFontMetrics& metricas, std::initializer_list<const char*> legendas) {
    int largura = 0;
    for (const char* legenda : legendas)
        largura = std::max(largura, metricas.horizontalAdvance(QString::fromUtf8(legenda)));
    return largura + 6;
}
constexpr int kLarguraUnidade = 34;

// Help topics of the "Ajuda" button, by type; note the rectangle's 214 and the circle's 213.
constexpr int kTopicoAjuda[] = {211, 212, 214, 213};

// Keeps a control's place in its layout while it is hidden, so that the panels do not jump.
void ReservarLugar(QWidget* w) {
    QSizePolicy politica = w->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politica);
}

void PintarFundo(QWidget* w, const QColor& cor) {
    QPalette paleta = w->palette();
    // The solved value stays readable on the yellow of the unknown.
    paleta.setColor(QPalette::Disabled, QPalette::Text, paleta.color(QPalette::Active, QPalette::Text));
    paleta.setColor(QPalette::Active, QPalette::Base, cor);
    paleta.setColor(QPalette::Inactive, QPalette::Base, cor);
    paleta.setColor(QPalette::Disabled, QPalette::Base, cor);
    w->setPalette(paleta);
}

// ---- the static sketch of each section type -------------------------------------------------

void Seta(QPainter& p, QPointF ponta, QPointF de) {
    QLineF linha(ponta, de);
    linha.setLength(4.0);
    QLineF a = linha, b = linha;
    a.setAngle(linha.angle() + 25);
    b.setAngle(linha.angle() - 25);
    p.drawLine(a);
    p.drawLine(b);
}

// A dimension line with arrows at both ends.
void Cota(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    Seta(p, a, b);
    Seta(p, b, a);
}

void Simbolo(QPainter& p, const QRectF& caixa, const QString& texto, int alinhamento = Qt::AlignCenter) {
    p.drawText(caixa, alinhamento, texto);
}

} // namespace

TDesenhoTipoSulvo::TDesenhoTipoSulvo(QWidget* parent) : QWidget(parent) {
    setFixedSize(200, 104);
}

void TDesenhoTipoSulvo::MostrarTipo(int tipo) {
    tipo_ = tipo;
    update();
}

void TDesenhoTipoSulvo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont fonte = font();
    fonte.setItalic(true);
    fonte.setPointSizeF(fonte.pointSizeF() > 0 ? fonte.pointSizeF() : 9.0);
    p.setFont(fonte);
    const QColor agua(170, 210, 255), superficie(1, 96, 255), contorno(90, 60, 30), cota(60, 60, 60);
    const QPen penContorno(contorno, 2.0), penCota(cota, 1.0), penSuperficie(superficie, 1.5);

    if (tipo_ == kCircular) {
        const QPointF c(64, 52);
        const double r = 40;
        const double yAgua = c.y() + 18; // water surface, below the centre
        const double meia = std::sqrt(r * r - (yAgua - c.y()) * (yAgua - c.y()));
        QPainterPath circulo;
        circulo.addEllipse(c, r, r);
        QPainterPath abaixo;
        abaixo.addRect(QRectF(c.x() - r - 1, yAgua, 2 * r + 2, r + 2));
        p.fillPath(circulo.intersected(abaixo), agua);
        p.setPen(penSuperficie);
        p.drawLine(QPointF(c.x() - meia, yAgua), QPointF(c.x() + meia, yAgua));
        p.setPen(penContorno);
        p.drawEllipse(c, r, r);
        // θ: the angle at the centre subtended by the wetted perimeter, opening towards the invert.
        p.setPen(penCota);
        p.drawLine(c, QPointF(c.x() - meia, yAgua));
        p.drawLine(c, QPointF(c.x() + meia, yAgua));
        const double meioAngulo = std::atan2(meia, yAgua - c.y()) * 180.0 / M_PI;
        const double raioArco = 12;
        const QRectF arco(c.x() - raioArco, c.y() - raioArco, 2 * raioArco, 2 * raioArco);
        p.drawArc(arco, static_cast<int>((270 - meioAngulo) * 16), static_cast<int>(2 * meioAngulo * 16));
        p.setPen(Qt::black);
        Simbolo(p, QRectF(c.x() - 8, c.y() + 1, 16, raioArco - 1), QStringLiteral("θ"));
        // D beside the conduit, Yn from the invert to the surface.
        p.setPen(penCota);
        const double xD = c.x() + r + 14, xY = c.x() + r + 44;
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(xD + 4, c.y() - r));
        p.drawLine(QPointF(c.x(), c.y() + r), QPointF(xY + 4, c.y() + r));
        p.drawLine(QPointF(c.x() + meia, yAgua), QPointF(xY + 4, yAgua));
        Cota(p, QPointF(xD, c.y() - r), QPointF(xD, c.y() + r));
        Cota(p, QPointF(xY, yAgua), QPointF(xY, c.y() + r));
        p.setPen(Qt::black);
        Simbolo(p, QRectF(xD + 2, c.y() - 8, 22, 16), QStringLiteral("D"), Qt::AlignLeft | Qt::AlignVCenter);
        Simbolo(p, QRectF(xY + 3, yAgua + 2, 26, 16), QStringLiteral("Yn"), Qt::AlignLeft | Qt::AlignVCenter);
        return;
    }

    // Prismatic sections: top of the banks at yTopo, water surface f below it, bed at yFundo.
    const double yTopo = 22, yAgua = 38, yFundo = 78;
    double xe, xd, be, bd; // top corners and bed corners
    switch (tipo_) {
    case kTriangular:
        xe = 36, xd = 152, be = bd = 94;
        break;
    case kRetangular:
        xe = be = 50, xd = bd = 138;
        break;
    default:
        xe = 28, xd = 160, be = 68, bd = 120;
        break;
    }
    auto naMargem = [&](double y, bool esquerda) {
        double t = (y - yTopo) / (yFundo - yTopo);
        return esquerda ? xe + (be - xe) * t : xd + (bd - xd) * t;
    };
    QPolygonF molhada;
    molhada << QPointF(naMargem(yAgua, true), yAgua) << QPointF(be, yFundo) << QPointF(bd, yFundo)
            << QPointF(naMargem(yAgua, false), yAgua);
    p.setPen(Qt::NoPen);
    p.setBrush(agua);
    p.drawPolygon(molhada);
    p.setBrush(Qt::NoBrush);
    p.setPen(penSuperficie);
    p.drawLine(molhada.first(), molhada.last());
    p.setPen(penContorno);
    QPolygonF secao;
    secao << QPointF(xe - 14, yTopo) << QPointF(xe, yTopo) << QPointF(be, yFundo) << QPointF(bd, yFundo)
          << QPointF(xd, yTopo) << QPointF(xd + 14, yTopo);
    p.drawPolyline(secao);

    p.setPen(penCota);
    // B across the top, f and Yn at the right, b under the bed.
    Cota(p, QPointF(xe, yTopo - 12), QPointF(xd, yTopo - 12));
    const double xCota = xd + 22;
    p.drawLine(QPointF(naMargem(yAgua, false) + 2, yAgua), QPointF(xCota + 4, yAgua));
    p.drawLine(QPointF(bd + 2, yFundo), QPointF(xCota + 4, yFundo));
    p.drawLine(QPointF(xd + 16, yTopo), QPointF(xCota + 4, yTopo));
    Cota(p, QPointF(xCota, yTopo), QPointF(xCota, yAgua));
    Cota(p, QPointF(xCota, yAgua), QPointF(xCota, yFundo));
    p.setPen(Qt::black);
    Simbolo(p, QRectF((xe + xd) / 2 - 10, 0, 20, yTopo - 12), QStringLiteral("B"));
    Simbolo(p, QRectF(xCota + 3, yTopo, 20, yAgua - yTopo), QStringLiteral("f"), Qt::AlignLeft | Qt::AlignVCenter);
    Simbolo(p, QRectF(xCota + 3, yAgua, 24, yFundo - yAgua), QStringLiteral("Yn"), Qt::AlignLeft | Qt::AlignVCenter);
    if (tipo_ != kTriangular) {
        p.setPen(penCota);
        p.drawLine(QPointF(be, yFundo + 2), QPointF(be, yFundo + 14));
        p.drawLine(QPointF(bd, yFundo + 2), QPointF(bd, yFundo + 14));
        Cota(p, QPointF(be, yFundo + 10), QPointF(bd, yFundo + 10));
        p.setPen(Qt::black);
        Simbolo(p, QRectF((be + bd) / 2 - 10, yFundo + 10, 20, 14), QStringLiteral("b"));
    }
    if (tipo_ != kRetangular) {
        // The side slope as z horizontal to 1 vertical, on the outside of the left bank.
        const double y1 = yTopo + 14, y2 = yTopo + 40;
        const QPointF a(naMargem(y1, true), y1), b(naMargem(y2, true), y2), canto(a.x(), y2);
        p.setPen(penCota);
        p.drawLine(a, canto);
        p.drawLine(canto, b);
        p.setPen(Qt::black);
        Simbolo(p, QRectF(a.x() - 14, y1, 12, y2 - y1), QStringLiteral("1"), Qt::AlignRight | Qt::AlignVCenter);
        Simbolo(p, QRectF(a.x(), y2 + 1, b.x() - a.x(), 14), QStringLiteral("z"));
    }
}

// ---- the page ---------------------------------------------------------------------------------

TPaginaRegular::TPaginaRegular(ContextoPaginaRegular contexto, QWidget* parent)
    : QWidget(parent), ctx_(std::move(contexto)) {
    CriarControles();
}

TPaginaRegular::~TPaginaRegular() = default;

namespace {

struct Linha {
    QLabel* rotulo;
    QLabel* unidade;
};

Linha AdicionarLinha(QGridLayout* grade, int linha, const char* legenda, QWidget* campo, const char* unidade) {
    auto* rotulo = new QLabel(Q(legenda));
    grade->addWidget(rotulo, linha, 0);
    grade->addWidget(campo, linha, 1);
    QLabel* rotuloUnidade = nullptr;
    if (unidade) {
        rotuloUnidade = new QLabel(Q(unidade));
        grade->addWidget(rotuloUnidade, linha, 2);
    }
    return {rotulo, rotuloUnidade};
}

QGridLayout* CriarGrade(QWidget* pai, int margem, int larguraRotulo) {
    auto* grade = new QGridLayout(pai);
    grade->setContentsMargins(margem, margem, margem, margem);
    grade->setHorizontalSpacing(6);
    grade->setVerticalSpacing(4);
    grade->setColumnMinimumWidth(0, larguraRotulo);
    grade->setColumnMinimumWidth(1, kLarguraCampo);
    grade->setColumnMinimumWidth(2, kLarguraUnidade);
    grade->setColumnStretch(3, 1);
    return grade;
}

TEditNumero* CriarCampo(const char* nome, int decimais, const char* dica, int contextoAjuda) {
    auto* campo = new TEditNumero;
    campo->setObjectName(QLatin1String(nome));
    campo->SetFormato(TFormato::fDouble);
    campo->SetMaximo(kMaximoCampo);
    campo->SetNegativo(false);
    campo->SetDecimais(decimais);
    campo->setStatusTip(Q(dica));
    if (contextoAjuda)
        campo->setProperty("helpContext", contextoAjuda);
    campo->setFixedSize(kLarguraCampo, kAlturaCampo);
    return campo;
}

QLineEdit* CriarResultado(const char* nome) {
    auto* texto = new QLineEdit;
    texto->setObjectName(QLatin1String(nome));
    texto->setReadOnly(true);
    texto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A result takes the focus, so that it can be selected and copied.
    texto->setFocusPolicy(Qt::StrongFocus);
    texto->setFixedSize(kLarguraCampo, kAlturaCampo);
    return texto;
}

QPushButton* CriarBotao(const char* nome, const char* legenda, const char* dica) {
    auto* botao = new QPushButton(Q(legenda));
    botao->setObjectName(QLatin1String(nome));
    botao->setStatusTip(Q(dica));
    botao->setFixedSize(88, 25);
    // Enter on a focused button presses it (elsewhere on the page Enter runs "Calcular").
    botao->setAutoDefault(true);
    return botao;
}

} // namespace

void TPaginaRegular::CriarControles() {
    const int larguraRotulo = LarguraRotulos(
        fontMetrics(), {"Incógnita do problema :", "Vazão (Q) :", "Profundidade Normal (Yn) :", "Declividade ( I ) :",
                        "Coeficiente de Rugosidade (n) :", "Diâmetro (D) :", "Profundidade/Diâmetro :", "Folga ( f ) :",
                        "Comprimento do Sulvo :", "Inclinação do Talude (z) :", "Largura da Base (b) :"});
    const int larguraResultado = LarguraRotulos(
        fontMetrics(), {"Área (A) :", "Perimetro Molhado (P) :", "Largura da Superfície (B) :",
                        "Profundidade Crítica (Yc) :", "Número de Froude (Fr) :", "Regime de Escoamento :",
                        "Velocidade (V) :", "Energia Específica (E) :", "Movimentação de Terra :"});
    // Top: the type selector with the sketch of the selected type beside it.
    auto* rotuloTipo = new QLabel(Q("Tipos de canais regulares :"));
    CBTipoSulvo = new QComboBox;
    CBTipoSulvo->setObjectName(QStringLiteral("CBTipoSulvo"));
    CBTipoSulvo->addItems({Q("Triangulares"), Q("Trapezoidais"), Q("Retangulares"), Q("Circulares")});
    CBTipoSulvo->setStatusTip(Q("Tipo do sulvo regular a ser utilizado"));
    CBTipoSulvo->setProperty("helpContext", 209);
    CBTipoSulvo->setFixedWidth(150);
    ImagemTipo = new TDesenhoTipoSulvo;
    ImagemTipo->setObjectName(QStringLiteral("ImagemTipo"));

    // Entry group.
    GBEntrada = new QGroupBox(Q(" Entrada de dados "));
    GBEntrada->setObjectName(QStringLiteral("GBEntrada"));
    auto* grade = CriarGrade(GBEntrada, 6, larguraRotulo);
    CbIncognita = new QComboBox;
    CbIncognita->setObjectName(QStringLiteral("CbIncognita"));
    CbIncognita->setStatusTip(Q("Incógnita do problema a ser calculada"));
    CbIncognita->setProperty("helpContext", 217);
    CbIncognita->setMaxVisibleItems(7);
    // Wide enough for the longest unknown of any type, as the style draws it, so that the closed list never cuts
    // one ("Coeficiente de Rugosidade").
    QComboBox medida;
    medida.addItems({Q("Coeficiente de Rugosidade"), Q("Diâmetro e Profundidade"), Q("Inclinação do Talude")});
    CbIncognita->setFixedWidth(std::max(kLarguraCampo, medida.sizeHint().width()));
    auto* rotuloIncognita = new QLabel(Q("Incógnita do problema :"));
    grade->addWidget(rotuloIncognita, 0, 0);
    grade->addWidget(CbIncognita, 0, 1, 1, 3, Qt::AlignLeft);

    EdVazao = CriarCampo("EdVazao", 2, "Vazão do sulvo", 245);
    EdProfundidade = CriarCampo("EdProfundidade", 3, "Profundidade normal do sulvo", 237);
    EdDeclividade = CriarCampo("EdDeclividade", 4, "Declividade do sulvo", 236);
    EdRugosidade = CriarCampo("EdRugosidade", 4, "Coeficiente de rugosidade do sulvo", 225);
    AdicionarLinha(grade, 1, "Vazão (Q) :", EdVazao, "m³/s");
    AdicionarLinha(grade, 2, "Profundidade Normal (Yn) :", EdProfundidade, "m");
    AdicionarLinha(grade, 3, "Declividade ( I ) :", EdDeclividade, "m/m");
    AdicionarLinha(grade, 4, "Coeficiente de Rugosidade (n) :", EdRugosidade, nullptr);
    BtRugosidade = new QPushButton(QStringLiteral("..."));
    BtRugosidade->setObjectName(QStringLiteral("BtRugosidade"));
    BtRugosidade->setFixedSize(22, kAlturaCampo);
    grade->addWidget(BtRugosidade, 4, 2, Qt::AlignLeft);

    // The circular and the prismatic panels share one place; only one is shown.
    PanelCircular = new QWidget;
    PanelCircular->setObjectName(QStringLiteral("PanelCircular"));
    auto* gradeCircular = CriarGrade(PanelCircular, 0, larguraRotulo);
    EdDiametro = CriarCampo("EdDiametro", 2, "Diâmetro do sulvo", 248);
    EdProDi = CriarCampo("EdProDi", 2, "Relação profundidade/diâmetro", 0);
    AdicionarLinha(gradeCircular, 0, "Diâmetro (D) :", EdDiametro, "m");
    Linha proDi = AdicionarLinha(gradeCircular, 1, "Profundidade/Diâmetro :", EdProDi, "m/m");
    LabelProDi = proDi.rotulo;
    LabelProDiUnidade = proDi.unidade;
    gradeCircular->setRowStretch(2, 1);

    PanelPrismatico = new QWidget;
    PanelPrismatico->setObjectName(QStringLiteral("PanelPrismatico"));
    auto* gradePrismatica = CriarGrade(PanelPrismatico, 0, larguraRotulo);
    EdFolga = CriarCampo("EdFolga", 2, "Folga da borda superior do sulvo", 247);
    EdComprimento = CriarCampo("EdComprimento", 1, "Comprimento do sulvo", 0);
    EdTalude = CriarCampo("EdTalude", 2, "Inclinação do talude", 0);
    EdLargura = CriarCampo("EdLargura", 2, "Largura da base do sulvo", 0);
    AdicionarLinha(gradePrismatica, 0, "Folga ( f ) :", EdFolga, "m");
    AdicionarLinha(gradePrismatica, 1, "Comprimento do Sulvo :", EdComprimento, "m");
    LabelTalude = AdicionarLinha(gradePrismatica, 2, "Inclinação do Talude (z) :", EdTalude, nullptr).rotulo;
    Linha largura = AdicionarLinha(gradePrismatica, 3, "Largura da Base (b) :", EdLargura, "m");
    LabelLargura = largura.rotulo;
    LabelLarguraUnidade = largura.unidade;
    for (QWidget* w :
         std::initializer_list<QWidget*>{PanelCircular, PanelPrismatico, EdTalude, LabelTalude, EdLargura, LabelLargura,
                                         LabelLarguraUnidade, EdProDi, LabelProDi, LabelProDiUnidade})
        ReservarLugar(w);
    grade->addWidget(PanelCircular, 5, 0, 1, 4, Qt::AlignTop);
    grade->addWidget(PanelPrismatico, 5, 0, 1, 4, Qt::AlignTop);

    // Results group.
    GBResultados = new QGroupBox(Q(" Resultados "));
    GBResultados->setObjectName(QStringLiteral("GBResultados"));
    auto* gradeResultados = CriarGrade(GBResultados, 6, larguraResultado);
    gradeResultados->setVerticalSpacing(3);
    EdArea = CriarResultado("EdArea");
    EdPerimetro = CriarResultado("EdPerimetro");
    EdSuperficie = CriarResultado("EdSuperficie");
    EdProfCrit = CriarResultado("EdProfCrit");
    EdNFroud = CriarResultado("EdNFroud");
    EdRegime = CriarResultado("EdRegime");
    EdVelocidade = CriarResultado("EdVelocidade");
    EdEnergia = CriarResultado("EdEnergia");
    EdMovTerra = CriarResultado("EdMovTerra");
    AdicionarLinha(gradeResultados, 0, "Área (A) :", EdArea, "m²");
    AdicionarLinha(gradeResultados, 1, "Perimetro Molhado (P) :", EdPerimetro, "m");
    AdicionarLinha(gradeResultados, 2, "Largura da Superfície (B) :", EdSuperficie, "m");
    AdicionarLinha(gradeResultados, 3, "Profundidade Crítica (Yc) :", EdProfCrit, "m");
    AdicionarLinha(gradeResultados, 4, "Número de Froude (Fr) :", EdNFroud, nullptr);
    AdicionarLinha(gradeResultados, 5, "Regime de Escoamento :", EdRegime, nullptr);
    AdicionarLinha(gradeResultados, 6, "Velocidade (V) :", EdVelocidade, "m/s");
    AdicionarLinha(gradeResultados, 7, "Energia Específica (E) :", EdEnergia, "m");
    PanelMovTerra = new QWidget;
    PanelMovTerra->setObjectName(QStringLiteral("PanelMovTerra"));
    ReservarLugar(PanelMovTerra);
    auto* gradeTerra = CriarGrade(PanelMovTerra, 0, larguraResultado);
    AdicionarLinha(gradeTerra, 0, "Movimentação de Terra :", EdMovTerra, "m³");
    gradeResultados->addWidget(PanelMovTerra, 8, 0, 1, 4);

    // Chart group and the buttons.
    GBGrafico = new QGroupBox(Q(" Gráfico "));
    GBGrafico->setObjectName(QStringLiteral("GBGrafico"));
    auto* caixaGrafico = new QVBoxLayout(GBGrafico);
    caixaGrafico->setContentsMargins(6, 6, 6, 6);
    Grafico = new TGraficoRegular;
    Grafico->setObjectName(QStringLiteral("Grafico"));
    caixaGrafico->addWidget(Grafico);

    Button1 = CriarBotao("Button1", "A&juda", "Ajuda");
    BCalcular = CriarBotao("BCalcular", "&Calcular", "Calcular");
    BtRelatorio = CriarBotao("BtRelatorio", "&Relatório", "Relatório");
    BtRelatorio->setProperty("helpContext", 223);
    BtRelatorio->setEnabled(false);
    Button4 = CriarBotao("Button4", "&Fechar", "Fechar projeto");

    // The roughness popup: "Canais Revestidos" is its default entry.
    PpMRugosidade = new QMenu(this);
    PpMRugosidade->setObjectName(QStringLiteral("PpMRugosidade"));
    auto entrada = [this](int tipoTabela, const char* nome) {
        QAction* acao = PpMRugosidade->addAction(QString::fromStdString(CategoriaTabela(tipoTabela)));
        acao->setObjectName(QLatin1String(nome));
        connect(acao, &QAction::triggered, this, [this, tipoTabela] { AbrirTabelaRugosidade(tipoTabela); });
        return acao;
    };
    CondutosCirculares1 = entrada(1, "CondutosCirculares1");
    PpMRugosidade->addSeparator();
    CanaisRevestidos1 = entrada(0, "CanaisRevestidos1");
    PpMRugosidade->setDefaultAction(CanaisRevestidos1);
    PpMRugosidade->addSeparator();
    CursosDguaDragadosouEscavados1 = entrada(2, "CursosDguaDragadosouEscavados1");
    CusrosDguaNaturaisMenores1 = entrada(3, "CusrosDguaNaturaisMenores1");
    Enchentes1 = entrada(4, "Enchentes1");
    CursosDguaMaiores1 = entrada(5, "CursosDguaMaiores1");

    // Page layout: selector, sketch and entries on the left; results, chart and buttons on the right.
    auto* topo = new QGridLayout;
    topo->addWidget(rotuloTipo, 0, 0);
    topo->addWidget(CBTipoSulvo, 1, 0, Qt::AlignTop);
    topo->addWidget(ImagemTipo, 0, 1, 2, 1);
    topo->setColumnStretch(2, 1);
    topo->setRowStretch(1, 1);
    auto* esquerda = new QVBoxLayout;
    esquerda->addLayout(topo);
    esquerda->addWidget(GBEntrada);
    esquerda->addStretch(1);

    auto* botoes = new QVBoxLayout;
    for (QPushButton* b : {Button1, BCalcular, BtRelatorio, Button4})
        botoes->addWidget(b);
    botoes->addStretch(1);
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(GBGrafico);
    baixo->addLayout(botoes);
    baixo->addStretch(1);
    auto* direita = new QVBoxLayout;
    direita->addWidget(GBResultados);
    direita->addLayout(baixo);
    direita->addStretch(1);

    auto* pagina = new QHBoxLayout(this);
    pagina->setContentsMargins(4, 4, 4, 4);
    pagina->setSpacing(6);
    pagina->addLayout(esquerda);
    pagina->addLayout(direita);

    setTabOrder(CBTipoSulvo, CbIncognita);
    QWidget* ordem[] = {CbIncognita, EdVazao,   EdProfundidade, EdDeclividade, EdRugosidade, BtRugosidade,
                        EdDiametro,  EdProDi,   EdFolga,        EdComprimento, EdTalude,     EdLargura,
                        Button1,     BCalcular, BtRelatorio,    Button4};
    for (std::size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);

    // Handlers. A list's change handler runs on the user's choice only, never on a selection made
    // by program code.
    connect(CBTipoSulvo, &QComboBox::activated, this, [this] { CBTipoSulvoChange(); });
    connect(CbIncognita, &QComboBox::activated, this, [this] { CbIncognitaChange(); });
    connect(BCalcular, &QPushButton::clicked, this, [this] { BCalcularClick(); });
    connect(BtRugosidade, &QPushButton::clicked, this, [this] { BtRugosidadeClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(BtRelatorio, &QPushButton::clicked, this, &TPaginaRegular::PedirRelatorio);
    connect(Button4, &QPushButton::clicked, this, &TPaginaRegular::FecharProjeto);
    for (TEditNumero* campo : {EdVazao, EdProfundidade, EdDeclividade, EdRugosidade, EdDiametro, EdProDi, EdFolga,
                               EdComprimento, EdTalude, EdLargura})
        ConectarCampoNumerico(campo);
    for (TEditNumero* campo : {EdProfundidade, EdDiametro, EdFolga, EdTalude, EdLargura})
        connect(campo, &TEditNumero::OnExit, this, [this] { EdProfundidadeExit(); });

    // The state at start: the triangle's layout with nothing typed yet.
    CbIncognita->addItems({Q("Vazão"), Q("Profundidade Normal"), Q("Declividade"), Q("Coeficiente de Rugosidade"),
                           Q("Inclinação do Talude")});
    PanelCircular->hide();
    LabelLargura->hide();
    LabelLarguraUnidade->hide();
    EdLargura->hide();
    EdProDi->hide();
    LabelProDi->hide();
    LabelProDiUnidade->hide();
    CBTipoSulvo->setCurrentIndex(ctx_.IndSulvoReg <= kCircular ? ctx_.IndSulvoReg : 0);
    ImagemTipo->MostrarTipo(CBTipoSulvo->currentIndex());
    Grafico->MostrarTipo(CBTipoSulvo->currentIndex());
}

int TPaginaRegular::TipoSelecionado() const {
    return CBTipoSulvo->currentIndex();
}

int TPaginaRegular::IncognitaSelecionada() const {
    return CbIncognita->currentIndex();
}

void TPaginaRegular::MarcarAlteracao() {
    if (ctx_.MarcarAlterado)
        ctx_.MarcarAlterado();
    BtRelatorio->setEnabled(false);
}

void TPaginaRegular::Avisar(const char* mensagem) {
    ctx_.Dialogos.Mensagem(mensagem);
}

void TPaginaRegular::ConectarCampoNumerico(TEditNumero* campo) {
    connect(campo, &TEditNumero::Editado, this, [this] {
        QChar tecla;
        EdVazaoKeyPress(tecla);
    });
}

void TPaginaRegular::EdVazaoKeyPress(QChar&) {
    MarcarAlteracao();
}

void TPaginaRegular::EdProfundidadeExit() {
    AtualizarGrafico();
}

void TPaginaRegular::AtualizarGrafico() {
    const int tipo = TipoSelecionado();
    DimensoesSecao d;
    d.H = EdProfundidade->Valor();
    d.f = EdFolga->Valor();
    d.z = EdTalude->Valor();
    d.b = EdLargura->Valor();
    d.D = EdDiametro->Valor();
    Grafico->AtualizarGrafico(tipo, d);
}

void TPaginaRegular::CBTipoSulvoChange() {
    const int t = TipoSelecionado();
    if (t < 0)
        return;
    ImagemTipo->MostrarTipo(t);
    ctx_.IndSulvoReg = static_cast<std::uint8_t>(t);

    CbIncognita->clear();
    CbIncognita->addItems({Q("Vazão"), Q("Profundidade Normal"), Q("Declividade"), Q("Coeficiente de Rugosidade")});
    switch (t) {
    case kTriangular:
        CbIncognita->addItem(Q("Inclinação do Talude"));
        break;
    case kTrapezoidal:
        CbIncognita->addItems({Q("Inclinação do Talude"), Q("Largura da Base")});
        break;
    case kRetangular:
        CbIncognita->addItem(Q("Largura da Base"));
        break;
    default:
        CbIncognita->addItems({Q("Diâmetro"), Q("Diâmetro e Profundidade")});
        break;
    }

    if (t == kCircular) {
        PanelCircular->show();
        PanelPrismatico->hide();
        PanelMovTerra->hide();
    } else {
        PanelCircular->hide();
        PanelPrismatico->show();
        PanelMovTerra->show();
        const bool largura = t != kTriangular, talude = t != kRetangular;
        for (QWidget* w : {static_cast<QWidget*>(EdLargura), static_cast<QWidget*>(LabelLargura),
                           static_cast<QWidget*>(LabelLarguraUnidade)})
            w->setVisible(largura);
        EdTalude->setVisible(talude);
        LabelTalude->setVisible(talude);
    }

    AtualizarGrafico();
    Grafico->MostrarTipo(t);

    CbIncognita->setCurrentIndex(ctx_.IndIncognita < CbIncognita->count() ? ctx_.IndIncognita : -1);
    CbIncognitaChange();
    MarcarAlteracao();
}

std::vector<QWidget*> TPaginaRegular::CamposDaIncognita(int tipo, int k) const {
    switch (k) {
    case 0:
        return {EdVazao};
    case 1:
        return {EdProfundidade};
    case 2:
        return {EdDeclividade};
    case 3:
        return {EdRugosidade, BtRugosidade};
    case 4:
        switch (tipo) {
        case kTriangular:
        case kTrapezoidal:
            return {EdTalude};
        case kRetangular:
            return {EdLargura};
        case kCircular:
            return {EdDiametro};
        }
        break;
    case 5:
        switch (tipo) {
        case kTrapezoidal:
            return {EdLargura};
        case kCircular:
            return {EdDiametro, EdProfundidade};
        }
        break;
    }
    return {};
}

void TPaginaRegular::CbIncognitaChange() {
    const int k = IncognitaSelecionada();
    const int t = TipoSelecionado();
    ctx_.IndIncognita = static_cast<std::uint8_t>(k < 0 ? kSemIncognita : k);

    const QColor janela = palette().color(QPalette::Base);
    for (TEditNumero* campo : {EdVazao, EdProfundidade, EdDeclividade, EdTalude, EdLargura, EdDiametro, EdRugosidade}) {
        campo->setReadOnly(false);
        PintarFundo(campo, janela);
    }
    BtRugosidade->setEnabled(true);
    if (t == kCircular)
        for (QWidget* w : {static_cast<QWidget*>(EdProDi), static_cast<QWidget*>(LabelProDi),
                           static_cast<QWidget*>(LabelProDiUnidade)})
            w->hide();

    const std::vector<QWidget*> campos = CamposDaIncognita(t, k);
    // The unknown's field is an output: read-only on yellow, so that the solved value can be selected and copied.
    for (QWidget* w : campos) {
        if (auto* campo = qobject_cast<TEditNumero*>(w)) {
            campo->setReadOnly(true);
            PintarFundo(campo, Qt::yellow);
        } else {
            w->setEnabled(false);
        }
    }
    if (!campos.empty()) {
        const auto incognita = static_cast<std::uint8_t>(k);
        switch (t) {
        case kTriangular:
            ctx_.SulvoTriangular.Incognita = incognita;
            break;
        case kTrapezoidal:
            ctx_.SulvoTrapezoidal.Incognita = incognita;
            break;
        case kRetangular:
            ctx_.SulvoRetangular.Incognita = incognita;
            break;
        case kCircular:
            ctx_.SulvoCircular.Incognita = incognita;
            if (k == 5)
                for (QWidget* w : {static_cast<QWidget*>(EdProDi), static_cast<QWidget*>(LabelProDi),
                                   static_cast<QWidget*>(LabelProDiUnidade)})
                    w->show();
            break;
        }
    }
    MarcarAlteracao();
}

void TPaginaRegular::LerCamposDados() {
    const int t = TipoSelecionado();
    if (t < 0)
        return;
    ctx_.IndSulvoReg = static_cast<std::uint8_t>(t);
    const int k = IncognitaSelecionada();
    const auto incognita = static_cast<std::uint8_t>(k < 0 ? kSemIncognita : k);
    auto prismatica = [&](TSulvoR& s) {
        s.Q = EdVazao->Valor();
        s.H = EdProfundidade->Valor();
        s.I = EdDeclividade->Valor();
        s.n = EdRugosidade->Valor();
        s.Comp = EdComprimento->Valor();
        s.f = EdFolga->Valor();
    };
    switch (t) {
    case kTriangular:
        prismatica(ctx_.SulvoTriangular);
        ctx_.SulvoTriangular.z = EdTalude->Valor();
        ctx_.SulvoTriangular.Incognita = incognita;
        break;
    case kTrapezoidal:
        prismatica(ctx_.SulvoTrapezoidal);
        ctx_.SulvoTrapezoidal.z = EdTalude->Valor();
        ctx_.SulvoTrapezoidal.b = EdLargura->Valor();
        ctx_.SulvoTrapezoidal.Incognita = incognita;
        break;
    case kRetangular:
        prismatica(ctx_.SulvoRetangular);
        ctx_.SulvoRetangular.b = EdLargura->Valor();
        ctx_.SulvoRetangular.Incognita = incognita;
        break;
    case kCircular: {
        TSulvoCircular& c = ctx_.SulvoCircular;
        c.Q = EdVazao->Valor();
        c.H = EdProfundidade->Valor();
        c.D = EdDiametro->Valor();
        c.I = EdDeclividade->Valor();
        c.n = EdRugosidade->Valor();
        c.T = EdProDi->Valor();
        c.Incognita = incognita;
        break;
    }
    }
}

void TPaginaRegular::BCalcularClick() {
    const int t = TipoSelecionado();
    const int k = IncognitaSelecionada();
    if (t < 0)
        return;
    if (EdVazao->Valor() == 0 && k != 0)
        return Avisar("A vazao deve ser maior do que 0.0!");
    // A depth is needed unless it is the unknown, or follows from the depth/diameter ratio; without
    // it the circle's geometry is 0/0.
    if (EdProfundidade->Valor() == 0 && k != 1 && !(t == kCircular && k == 5))
        return Avisar("A profundidade deve ser maior do que 0.0!");
    if (EdDeclividade->Valor() == 0 && k != 2)
        return Avisar("A declividade deve ser maior do que 0.0!");
    if (EdRugosidade->Valor() == 0 && k != 3)
        return Avisar("A rugosidade do material deve ser maior do que 0.0!");

    if (ctx_.LerCamposDados)
        ctx_.LerCamposDados();
    else
        LerCamposDados();

    auto conferirComprimento = [this] {
        if (EdComprimento->Valor() == 0) {
            Avisar("O comprimento do sulvo deve ser maior do que 0.0!");
            return false;
        }
        return true;
    };
    bool calculou = false;
    switch (t) {
    case kTriangular: {
        TSulvoTriangular& s = ctx_.SulvoTriangular;
        if (EdTalude->Valor() == 0 && s.Incognita != 4)
            return Avisar("A inclinacao do talude deve ser maior do que 0.0!");
        if (!conferirComprimento() || !(calculou = s.Calcular()))
            return;
        EdRugosidade->SetValor(s.n);
        EdProfundidade->SetValor(s.H);
        EdDeclividade->SetValor(s.I);
        EdTalude->SetValor(s.z);
        EdVazao->SetValor(s.Q);
        break;
    }
    case kTrapezoidal: {
        TSulvoTrapezoidal& s = ctx_.SulvoTrapezoidal;
        if (EdTalude->Valor() == 0 && s.Incognita != 4)
            return Avisar("A inclinacao do talude deve ser maior do que 0.0!");
        if (EdLargura->Valor() == 0 && s.Incognita != 5)
            return Avisar("A largura da base deve ser maior do que 0.0!");
        if (!conferirComprimento() || !(calculou = s.Calcular()))
            return;
        EdRugosidade->SetValor(s.n);
        EdProfundidade->SetValor(s.H);
        EdLargura->SetValor(s.b);
        EdDeclividade->SetValor(s.I);
        EdTalude->SetValor(s.z);
        EdVazao->SetValor(s.Q);
        break;
    }
    case kRetangular: {
        TSulvoRetangular& s = ctx_.SulvoRetangular;
        if (EdLargura->Valor() == 0 && s.Incognita != 4)
            return Avisar("A largura da base deve ser maior do que 0.0!");
        if (!conferirComprimento() || !(calculou = s.Calcular()))
            return;
        EdRugosidade->SetValor(s.n);
        EdProfundidade->SetValor(s.H);
        EdDeclividade->SetValor(s.I);
        EdLargura->SetValor(s.b);
        EdVazao->SetValor(s.Q);
        break;
    }
    case kCircular: {
        TSulvoCircular& s = ctx_.SulvoCircular;
        if (EdDiametro->Valor() == 0 && s.Incognita != 4 && s.Incognita != 5)
            return Avisar("O diâmetro deve ser maior do que 0.0!");
        if (EdProDi->Valor() == 0 && s.Incognita == 5)
            return Avisar("A relação entre a profundidade e o diâmetro deve ser maior do que 0.0!");
        if (!(calculou = s.Calcular()))
            return;
        EdRugosidade->SetValor(s.n);
        EdVazao->SetValor(s.Q);
        EdProfundidade->SetValor(s.H);
        EdDiametro->SetValor(s.D);
        EdDeclividade->SetValor(s.I);
        break;
    }
    }
    if (!calculou)
        return;

    // Only a solved dimension changes the drawing: the depth, the side slope or base width, the diameter.
    const bool geometria = (t == kTriangular || t == kRetangular) ? (k == 1 || k == 4) : (k == 1 || k == 4 || k == 5);
    if (geometria)
        AtualizarGrafico();
    PreencherResultados();
    BtRelatorio->setEnabled(true);
}

void TPaginaRegular::PreencherResultados() {
    const char separador = TEditNumero::SeparadorDecimal().toLatin1();
    auto fixo = [separador](double valor, int decimais) {
        return QString::fromStdString(FormatarFixo(valor, decimais, separador));
    };
    const int t = TipoSelecionado();
    const TSulvo* s = nullptr;
    const TSulvoR* r = nullptr;
    switch (t) {
    case kTriangular:
        s = r = &ctx_.SulvoTriangular;
        break;
    case kTrapezoidal:
        s = r = &ctx_.SulvoTrapezoidal;
        break;
    case kRetangular:
        s = r = &ctx_.SulvoRetangular;
        break;
    case kCircular:
        s = &ctx_.SulvoCircular;
        break;
    default:
        return;
    }
    EdArea->setText(fixo(s->A, 4));
    EdPerimetro->setText(fixo(s->P, 3));
    // The rectangle's top width is its base width.
    EdSuperficie->setText(fixo(t == kRetangular ? r->b : s->S, 3));
    EdProfCrit->setText(fixo(s->Yc, 3));
    EdNFroud->setText(fixo(s->NF, 3));
    EdRegime->setText(QString::fromStdString(s->Regime));
    EdVelocidade->setText(fixo(s->V, 3));
    EdEnergia->setText(fixo(s->E, 3));
    if (r)
        EdMovTerra->setText(fixo(r->Vol_Terra, 3));
}

void TPaginaRegular::BtRugosidadeClick() {
    // Beside the button: 17 pixels right of its right edge, 10 pixels above its top.
    PpMRugosidade->popup(BtRugosidade->mapToGlobal(QPoint(BtRugosidade->width() + 17, -10)));
}

void TPaginaRegular::AbrirTabelaRugosidade(int tipoTabela) {
    TFRugosidade* dialogo = ctx_.FRugosidade;
    if (!dialogo)
        return;
    dialogo->DefinirTabela(tipoTabela);
    const int resultado = ctx_.ExibirModal ? ctx_.ExibirModal(*dialogo) : dialogo->exec();
    if (resultado != QDialog::Accepted)
        return;
    EdRugosidade->SetValor(dialogo->RugosidadeEscolhida);
    // A coefficient taken from a table is a change of the project, but the report button stays as it was.
    if (ctx_.MarcarAlterado)
        ctx_.MarcarAlterado();
}

void TPaginaRegular::Button1Click() {
    const int t = TipoSelecionado();
    if (t >= 0 && t <= kCircular)
        emit PedirAjuda(kTopicoAjuda[t]);
}

void TPaginaRegular::SelecionarTipo(int tipo) {
    CBTipoSulvo->setCurrentIndex(tipo);
    CBTipoSulvoChange();
}

void TPaginaRegular::PreencherCamposDados() {
    // The type change below hands the shared IndIncognita to the section object; the unknown the
    // project saved with that section is kept aside first, or it would be lost whenever the last
    // unknown chosen was another (on the irregular page, say).
    std::uint8_t incognitaSalva = kSemIncognita;
    switch (ctx_.IndSulvoReg) {
    case kTriangular:
        incognitaSalva = ctx_.SulvoTriangular.Incognita;
        break;
    case kTrapezoidal:
        incognitaSalva = ctx_.SulvoTrapezoidal.Incognita;
        break;
    case kRetangular:
        incognitaSalva = ctx_.SulvoRetangular.Incognita;
        break;
    case kCircular:
        incognitaSalva = ctx_.SulvoCircular.Incognita;
        break;
    default:
        break;
    }
    CBTipoSulvo->setCurrentIndex(ctx_.IndSulvoReg <= kCircular ? ctx_.IndSulvoReg : -1);
    CBTipoSulvoChange();
    CbIncognita->setCurrentIndex(incognitaSalva < CbIncognita->count() ? incognitaSalva : -1);
    CbIncognitaChange();
    // A value of 0 leaves its field empty rather than showing a formatted zero.
    auto preencher = [](TEditNumero* campo, double valor) {
        if (valor != 0)
            campo->SetValor(valor);
        else
            campo->setText(QString());
    };
    auto prismatica = [&](const TSulvoR& s) {
        preencher(EdVazao, s.Q);
        preencher(EdProfundidade, s.H);
        preencher(EdDeclividade, s.I);
        preencher(EdRugosidade, s.n);
        preencher(EdComprimento, s.Comp);
        preencher(EdFolga, s.f);
    };
    switch (TipoSelecionado()) {
    case kTriangular:
        prismatica(ctx_.SulvoTriangular);
        preencher(EdTalude, ctx_.SulvoTriangular.z);
        break;
    case kTrapezoidal:
        prismatica(ctx_.SulvoTrapezoidal);
        preencher(EdTalude, ctx_.SulvoTrapezoidal.z);
        preencher(EdLargura, ctx_.SulvoTrapezoidal.b);
        break;
    case kRetangular:
        prismatica(ctx_.SulvoRetangular);
        preencher(EdLargura, ctx_.SulvoRetangular.b);
        break;
    case kCircular: {
        const TSulvoCircular& c = ctx_.SulvoCircular;
        preencher(EdVazao, c.Q);
        preencher(EdProfundidade, c.H);
        preencher(EdDeclividade, c.I);
        preencher(EdRugosidade, c.n);
        preencher(EdDiametro, c.D);
        preencher(EdProDi, c.T);
        break;
    }
    default:
        break;
    }
    AtualizarGrafico();
}

void TPaginaRegular::LimparCamposDados() {
    for (QLineEdit* texto :
         {EdArea, EdPerimetro, EdSuperficie, EdProfCrit, EdNFroud, EdRegime, EdVelocidade, EdEnergia})
        texto->clear();
    for (TEditNumero* campo : {EdVazao, EdProfundidade, EdRugosidade, EdDeclividade, EdDiametro, EdProDi, EdFolga,
                               EdComprimento, EdTalude, EdLargura}) {
        campo->SetValor(0);
        campo->setText(QString());
    }
    EdMovTerra->clear();
    CBTipoSulvo->setCurrentIndex(kTriangular);
    CBTipoSulvoChange();
    // Back to "Vazão"; the unknown change runs too, so that the field painted as the unknown is
    // always the one the list shows.
    CbIncognita->setCurrentIndex(0);
    CbIncognitaChange();
}

void TPaginaRegular::LimparSeries() {
    Grafico->LimparSeries();
}

void TPaginaRegular::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && BCalcular->isEnabled()) {
        evento->accept();
        BCalcularClick();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void TPaginaRegular::HabilitarCampos(bool sim) {
    setEnabled(sim);
}

} // namespace sulvo
