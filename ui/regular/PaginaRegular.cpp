#include "ui/regular/PaginaRegular.h"

#include "common/NumberFormat.h"
#include "controls/CamposSecao.h"
#include "controls/EditNumero.h"
#include "controls/RotuloAvisos.h"
#include "controls/RotuloFaixaN.h"
#include "engine/Validacao.h"
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
#include <stdexcept>
#include <string_view>

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
int LarguraRotulos(const QFontMetrics& metricas, const std::vector<const char*>& legendas) {
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

struct Rotulos {
    QLabel* rotulo;
    QLabel* unidade;
};

Rotulos AdicionarLinha(QGridLayout* grade, int linha, const char* legenda, QWidget* campo, const char* unidade) {
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

QLineEdit* CriarResultado(const QString& nome) {
    auto* texto = new QLineEdit;
    texto->setObjectName(nome);
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

namespace {

// The page's controls of the description's fields.
const ControleCampo kControles[] = {
    {CampoDoMembro<&TSulvo::Q>, "EdVazao", "Vazão do sulvo", 245},
    {CampoDoMembro<&TSulvo::H>, "EdProfundidade", "Profundidade normal do sulvo", 237},
    {CampoDoMembro<&TSulvo::I>, "EdDeclividade", "Declividade do sulvo", 236},
    {CampoDoMembro<&TSulvo::n>, "EdRugosidade", "Coeficiente de rugosidade do sulvo", 225},
    {CampoDoMembro<&TSulvoCircular::D>, "EdDiametro", "Diâmetro do sulvo", 248},
    {CampoDoMembro<&TSulvoCircular::T>, "EdProDi", "Relação profundidade/diâmetro", 0},
    {CampoDoMembro<&TSulvoR::f>, "EdFolga", "Folga da borda superior do sulvo", 247},
    {CampoDoMembro<&TSulvoR::Comp>, "EdComprimento", "Comprimento do sulvo", 0},
    {CampoDoMembro<&TSulvoR::z>, "EdTalude", "Inclinação do talude", 0},
    {CampoDoMembro<&TSulvoR::b>, "EdLargura", "Largura da base do sulvo", 0},
    {CampoDoMembro<&TSulvo::A>, "EdArea", nullptr, 0},
    {CampoDoMembro<&TSulvo::P>, "EdPerimetro", nullptr, 0},
    {CampoDoMembro<&TSulvo::S>, "EdSuperficie", nullptr, 0},
    {CampoDoMembro<&TSulvo::Yc>, "EdProfCrit", nullptr, 0},
    {CampoDoMembro<&TSulvo::NF>, "EdNFroud", nullptr, 0},
    {CampoDoMembro<&TSulvo::Regime>, "EdRegime", nullptr, 0},
    {CampoDoMembro<&TSulvo::V>, "EdVelocidade", nullptr, 0},
    {CampoDoMembro<&TSulvo::E>, "EdEnergia", nullptr, 0},
    {CampoDoMembro<&TSulvoR::Vol_Terra>, "EdMovTerra", nullptr, 0},
};

bool Contem(std::initializer_list<const char*> chaves, std::string_view chave) {
    return std::any_of(chaves.begin(), chaves.end(), [chave](const char* c) { return chave == c; });
}

// The keys the four regular types list in `lista` (their inputs or their results), each once in the order of
// first appearance, split into those all four have and those only some have; `tipos` picks the types looked at.
struct Chaves {
    std::vector<const char*> comuns, proprias;
};
Chaves ChavesDosTipos(std::initializer_list<const char*> TDescricaoSecao::*lista, std::initializer_list<int> tipos) {
    Chaves chaves;
    for (int t : tipos)
        for (const char* chave : DescricaoSecao(t).*lista) {
            auto ja = [chave](const std::vector<const char*>& v) {
                return std::any_of(v.begin(), v.end(), [chave](const char* c) { return std::string_view(c) == chave; });
            };
            if (ja(chaves.comuns) || ja(chaves.proprias))
                continue;
            bool todos = true;
            for (int u = 0; u < kTiposRegulares; ++u)
                todos = todos && Contem(DescricaoSecao(u).*lista, chave);
            (todos ? chaves.comuns : chaves.proprias).push_back(chave);
        }
    return chaves;
}

// The description of a key, whichever regular type has it.
const TCampoSecao& CampoRegular(std::string_view chave) {
    for (int t = 0; t < kTiposRegulares; ++t)
        if (const TCampoSecao* campo = DescricaoSecao(t).Campo(chave))
            return *campo;
    throw std::out_of_range("campo desconhecido");
}

// The field the roughness unknown solves gets the "..." button of the roughness tables.
bool CampoDaRugosidade(std::string_view chave) {
    return DescricaoSecao(kTriangular).Resolve(static_cast<int>(IncognitaComum::Rugosidade), chave);
}

std::vector<const char*> Legendas(const Chaves& a, const Chaves& b = {}) {
    std::vector<const char*> legendas;
    for (const auto* lista : {&a.comuns, &a.proprias, &b.comuns, &b.proprias})
        for (const char* chave : *lista)
            legendas.push_back(CampoRegular(chave).Legenda);
    return legendas;
}

} // namespace

TSulvo& TPaginaRegular::Secao(int tipo) const {
    TSulvo* secoes[] = {&ctx_.SulvoTriangular, &ctx_.SulvoTrapezoidal, &ctx_.SulvoRetangular, &ctx_.SulvoCircular};
    return *secoes[tipo];
}

const TPaginaRegular::LinhaCampo* TPaginaRegular::Linha(std::string_view chave) const {
    for (const LinhaCampo& linha : linhas_)
        if (chave == linha.chave)
            return &linha;
    return nullptr;
}

TEditNumero* TPaginaRegular::CampoDe(std::string_view chave) const {
    const LinhaCampo* linha = Linha(chave);
    return linha ? qobject_cast<TEditNumero*>(linha->campo) : nullptr;
}

void TPaginaRegular::CriarControles() {
    // Inputs of the circle go in its panel, those only some prismatic sections have in theirs.
    const Chaves entradasPrismaticas =
        ChavesDosTipos(&TDescricaoSecao::Entradas, {kTriangular, kTrapezoidal, kRetangular});
    const Chaves entradasCirculares = ChavesDosTipos(&TDescricaoSecao::Entradas, {kCircular});
    const Chaves resultados =
        ChavesDosTipos(&TDescricaoSecao::Resultados, {kTriangular, kTrapezoidal, kRetangular, kCircular});
    std::vector<const char*> legendasEntrada = Legendas(entradasPrismaticas, entradasCirculares);
    legendasEntrada.insert(legendasEntrada.begin(), "Incógnita do problema :");
    const int larguraRotulo = LarguraRotulos(fontMetrics(), legendasEntrada);
    const int larguraResultado = LarguraRotulos(fontMetrics(), Legendas(resultados));
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
    for (int t = 0; t < kTiposRegulares; ++t)
        for (const TIncognitaSecao& incognita : DescricaoSecao(t).Incognitas)
            medida.addItem(Q(incognita.Nome));
    CbIncognita->setFixedWidth(std::max(kLarguraCampo, medida.sizeHint().width()));
    auto* rotuloIncognita = new QLabel(Q("Incógnita do problema :"));
    grade->addWidget(rotuloIncognita, 0, 0);
    grade->addWidget(CbIncognita, 0, 1, 1, 3, Qt::AlignLeft);

    // One row per field: caption, control, unit. `painel` is where a row that not every type shows lives.
    std::vector<QWidget*> ordem{CbIncognita};
    auto linhaEntrada = [&](QGridLayout* g, int posicao, const char* chave, QWidget* painel) {
        auto* edit = new TEditNumero;
        ConfigurarCampoNumerico(*edit, kControles, CampoRegular(chave));
        edit->SetMaximo(kMaximoCampo);
        edit->setFixedSize(kLarguraCampo, kAlturaCampo);
        const TCampoSecao& campo = CampoRegular(chave);
        const Rotulos r = AdicionarLinha(g, posicao, campo.Legenda, edit, campo.Unidade);
        linhas_.push_back({chave, edit, r.rotulo, r.unidade, painel, true});
        ordem.push_back(edit);
        if (CampoDaRugosidade(chave)) {
            BtRugosidade = new QPushButton(QStringLiteral("..."));
            BtRugosidade->setObjectName(QStringLiteral("BtRugosidade"));
            BtRugosidade->setFixedSize(22, kAlturaCampo);
            g->addWidget(BtRugosidade, posicao, 2, Qt::AlignLeft);
            ordem.push_back(BtRugosidade);
        }
    };
    int posicao = 1;
    for (const char* chave : entradasPrismaticas.comuns)
        linhaEntrada(grade, posicao++, chave, nullptr);

    // The circular and the prismatic panels share one place; only one is shown.
    PanelCircular = new QWidget;
    PanelCircular->setObjectName(QStringLiteral("PanelCircular"));
    auto* gradeCircular = CriarGrade(PanelCircular, 0, larguraRotulo);
    int linhaCircular = 0;
    for (const char* chave : entradasCirculares.proprias)
        if (!Contem(DescricaoSecao(kTriangular).Entradas, chave))
            linhaEntrada(gradeCircular, linhaCircular++, chave, PanelCircular);
    gradeCircular->setRowStretch(linhaCircular, 1);

    PanelPrismatico = new QWidget;
    PanelPrismatico->setObjectName(QStringLiteral("PanelPrismatico"));
    auto* gradePrismatica = CriarGrade(PanelPrismatico, 0, larguraRotulo);
    int linhaPrismatica = 0;
    for (const char* chave : entradasPrismaticas.proprias)
        linhaEntrada(gradePrismatica, linhaPrismatica++, chave, PanelPrismatico);
    // Rows that some types hide keep their place, so that the panels do not jump.
    ReservarLugar(PanelCircular);
    ReservarLugar(PanelPrismatico);
    for (const LinhaCampo& linha : linhas_)
        if (linha.painel)
            for (QWidget* w : {linha.campo, static_cast<QWidget*>(linha.rotulo), static_cast<QWidget*>(linha.unidade)})
                if (w)
                    ReservarLugar(w);
    grade->addWidget(PanelCircular, posicao, 0, 1, 4, Qt::AlignTop);
    grade->addWidget(PanelPrismatico, posicao, 0, 1, 4, Qt::AlignTop);

    // Results group: those of every type, then the panel of those only some have (the earthwork).
    GBResultados = new QGroupBox(Q(" Resultados "));
    GBResultados->setObjectName(QStringLiteral("GBResultados"));
    auto* gradeResultados = CriarGrade(GBResultados, 6, larguraResultado);
    gradeResultados->setVerticalSpacing(3);
    PanelMovTerra = new QWidget;
    PanelMovTerra->setObjectName(QStringLiteral("PanelMovTerra"));
    ReservarLugar(PanelMovTerra);
    auto* gradeTerra = CriarGrade(PanelMovTerra, 0, larguraResultado);
    auto linhaResultado = [&](QGridLayout* g, int posicao, const char* chave, QWidget* painel) {
        const TCampoSecao& campo = CampoRegular(chave);
        QLineEdit* texto = CriarResultado(NomeObjeto(ControleDe(kControles, campo), campo));
        const Rotulos r = AdicionarLinha(g, posicao, campo.Legenda, texto, campo.Unidade);
        linhas_.push_back({chave, texto, r.rotulo, r.unidade, painel, false});
    };
    int linhaResultadoComum = 0, linhaTerra = 0;
    for (const char* chave : resultados.comuns)
        linhaResultado(gradeResultados, linhaResultadoComum++, chave, nullptr);
    for (const char* chave : resultados.proprias)
        linhaResultado(gradeTerra, linhaTerra++, chave, PanelMovTerra);
    gradeResultados->addWidget(PanelMovTerra, linhaResultadoComum, 0, 1, 4);

    // The controls the rest of the window and its tests refer to by name.
    auto controle = [this]<class W>(W*& membro, const char* nome) {
        for (const LinhaCampo& linha : linhas_)
            if (linha.campo->objectName() == QLatin1String(nome))
                membro = static_cast<W*>(linha.campo);
    };
    controle(EdVazao, "EdVazao");
    controle(EdProfundidade, "EdProfundidade");
    controle(EdDeclividade, "EdDeclividade");
    controle(EdRugosidade, "EdRugosidade");
    controle(EdDiametro, "EdDiametro");
    controle(EdProDi, "EdProDi");
    controle(EdFolga, "EdFolga");
    controle(EdComprimento, "EdComprimento");
    controle(EdTalude, "EdTalude");
    controle(EdLargura, "EdLargura");
    LabelProDi = Linha("T")->rotulo;
    LabelProDiUnidade = Linha("T")->unidade;
    LabelTalude = Linha("z")->rotulo;
    LabelLargura = Linha("b")->rotulo;
    LabelLarguraUnidade = Linha("b")->unidade;
    controle(EdArea, "EdArea");
    controle(EdPerimetro, "EdPerimetro");
    controle(EdSuperficie, "EdSuperficie");
    controle(EdProfCrit, "EdProfCrit");
    controle(EdNFroud, "EdNFroud");
    controle(EdRegime, "EdRegime");
    controle(EdVelocidade, "EdVelocidade");
    controle(EdEnergia, "EdEnergia");
    controle(EdMovTerra, "EdMovTerra");
    // Chart group and the buttons.
    GBGrafico = new QGroupBox(Q(" Gráfico "));
    GBGrafico->setObjectName(QStringLiteral("GBGrafico"));
    auto* caixaGrafico = new QVBoxLayout(GBGrafico);
    // Thin margins: at the window's least width the chart's row must leave the entry group its whole width, or
    // the entry grid is squeezed and its rows fall out of line with those of the panels nested in it.
    caixaGrafico->setContentsMargins(4, 4, 4, 4);
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
    // The band of n goes in the free room under the entries, beside the n it was picked for: under the results
    // it would squeeze them.
    LabelFaixaN = new QLabel;
    LabelFaixaN->setObjectName(QStringLiteral("LabelFaixaN"));
    LabelFaixaN->setWordWrap(true);
    LabelFaixaN->hide();
    esquerda->addWidget(LabelFaixaN);
    esquerda->addStretch(1);

    auto* botoes = new QVBoxLayout;
    for (QPushButton* b : {Button1, BCalcular, BtRelatorio, Button4})
        botoes->addWidget(b);
    botoes->addStretch(1);
    // The chart takes the room the window gains; the fields keep their size.
    auto* baixo = new QHBoxLayout;
    baixo->addWidget(GBGrafico, 1);
    baixo->addLayout(botoes);
    auto* direita = new QVBoxLayout;
    direita->addWidget(GBResultados, 0, Qt::AlignLeft);
    LabelAvisos = new QLabel;
    LabelAvisos->setObjectName(QStringLiteral("LabelAvisos"));
    LabelAvisos->setWordWrap(true);
    LabelAvisos->hide();
    direita->addWidget(LabelAvisos);
    direita->addLayout(baixo, 1);

    auto* pagina = new QHBoxLayout(this);
    pagina->setContentsMargins(4, 4, 4, 4);
    pagina->setSpacing(6);
    pagina->addLayout(esquerda);
    pagina->addLayout(direita, 1);

    setTabOrder(CBTipoSulvo, CbIncognita);
    ordem.insert(ordem.end(), {Button1, BCalcular, BtRelatorio, Button4});
    for (std::size_t i = 0; i + 1 < ordem.size(); ++i)
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
    // A coefficient typed by hand is not the one the table's band was picked for.
    connect(EdRugosidade, &TEditNumero::Editado, this, [this] { faixaN_ = {}; });
    for (const LinhaCampo& linha : linhas_) {
        auto* campo = qobject_cast<TEditNumero*>(linha.campo);
        if (!campo)
            continue;
        ConectarCampoNumerico(campo);
        // A dimension of the section redraws the chart when the user leaves it.
        if (CampoRegular(linha.chave).Dimensao)
            connect(campo, &TEditNumero::OnExit, this, [this] { EdProfundidadeExit(); });
    }

    // The state at start: the triangle's layout with nothing typed yet, whatever type is selected.
    ListarIncognitas(kTriangular);
    MostrarCamposDoTipo(kTriangular);
    for (const char* chave : DescricaoSecao(kCircular).Entradas)
        if (const LinhaCampo* linha = Linha(chave); linha && CampoRegular(chave).SoComIncognita >= 0)
            for (QWidget* w :
                 {linha->campo, static_cast<QWidget*>(linha->rotulo), static_cast<QWidget*>(linha->unidade)})
                if (w)
                    w->hide();
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

void TPaginaRegular::Avisar(const std::string& mensagem) {
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

void TPaginaRegular::MostrarCamposDoTipo(int t) {
    const TDescricaoSecao& d = DescricaoSecao(t);
    bool painelCircular = false, painelPrismatico = false, painelTerra = false;
    for (const LinhaCampo& linha : linhas_) {
        if (!linha.painel)
            continue;
        const bool mostrar = Contem(linha.entrada ? d.Entradas : d.Resultados, linha.chave);
        (linha.painel == PanelCircular     ? painelCircular
         : linha.painel == PanelPrismatico ? painelPrismatico
                                           : painelTerra) |= mostrar;
        // A field taken only with one unknown is shown by the choice of the unknown.
        if (linha.entrada && CampoRegular(linha.chave).SoComIncognita >= 0)
            continue;
        for (QWidget* w : {linha.campo, static_cast<QWidget*>(linha.rotulo), static_cast<QWidget*>(linha.unidade)})
            if (w)
                w->setVisible(mostrar);
    }
    PanelCircular->setVisible(painelCircular);
    PanelPrismatico->setVisible(painelPrismatico);
    PanelMovTerra->setVisible(painelTerra);
}

void TPaginaRegular::ListarIncognitas(int t) {
    CbIncognita->clear();
    for (const TIncognitaSecao& incognita : DescricaoSecao(t).Incognitas)
        CbIncognita->addItem(Q(incognita.Nome));
}

void TPaginaRegular::CBTipoSulvoChange() {
    const int t = TipoSelecionado();
    if (t < 0)
        return;
    ImagemTipo->MostrarTipo(t);
    ctx_.IndSulvoReg = static_cast<std::uint8_t>(t);
    ListarIncognitas(t);
    MostrarCamposDoTipo(t);

    AtualizarGrafico();
    Grafico->MostrarTipo(t);

    CbIncognita->setCurrentIndex(ctx_.IndIncognita < CbIncognita->count() ? ctx_.IndIncognita : -1);
    CbIncognitaChange();
    MarcarAlteracao();
}

std::vector<QWidget*> TPaginaRegular::CamposDaIncognita(int tipo, int k) const {
    // Without a type only the four unknowns every section shares have fields.
    const bool semTipo = tipo < 0 || tipo >= kTiposRegulares;
    if (semTipo && k > static_cast<int>(IncognitaComum::Rugosidade))
        return {};
    const TDescricaoSecao& d = DescricaoSecao(semTipo ? kTriangular : tipo);
    if (k < 0 || k > d.MaximoIncognita())
        return {};
    std::vector<QWidget*> campos;
    for (const char* chave : d.Incognitas[static_cast<std::size_t>(k)].Campos) {
        campos.push_back(CampoDe(chave));
        if (CampoDaRugosidade(chave))
            campos.push_back(BtRugosidade);
    }
    return campos;
}

void TPaginaRegular::CbIncognitaChange() {
    const int k = IncognitaSelecionada();
    const int t = TipoSelecionado();
    ctx_.IndIncognita = static_cast<std::uint8_t>(k < 0 ? kSemIncognita : k);

    // Every field some unknown of some type solves is back to an ordinary entry first.
    const QColor janela = palette().color(QPalette::Base);
    for (const LinhaCampo& linha : linhas_) {
        if (!linha.entrada)
            continue;
        bool resolvivel = false;
        for (int u = 0; u < kTiposRegulares; ++u)
            resolvivel = resolvivel || DescricaoSecao(u).Resolvivel(linha.chave);
        if (resolvivel) {
            static_cast<TEditNumero*>(linha.campo)->setReadOnly(false);
            PintarFundo(linha.campo, janela);
        }
    }
    BtRugosidade->setEnabled(true);
    const bool semTipo = t < 0 || t >= kTiposRegulares;
    const TDescricaoSecao& d = DescricaoSecao(semTipo ? kTriangular : t);
    auto mostrarSoComIncognita = [&](bool comIncognita) {
        for (const char* chave : d.Entradas)
            if (const int so = d.Campo(chave)->SoComIncognita; so >= 0)
                for (QWidget* w : {Linha(chave)->campo, static_cast<QWidget*>(Linha(chave)->rotulo),
                                   static_cast<QWidget*>(Linha(chave)->unidade)})
                    if (w)
                        w->setVisible(comIncognita && so == k);
    };
    if (!semTipo)
        mostrarSoComIncognita(false);

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
    if (!campos.empty() && !semTipo) {
        Secao(t).Incognita = static_cast<std::uint8_t>(k);
        mostrarSoComIncognita(true);
    }
    MarcarAlteracao();
}

void TPaginaRegular::LerCamposDados() {
    const int t = TipoSelecionado();
    if (t < 0)
        return;
    ctx_.IndSulvoReg = static_cast<std::uint8_t>(t);
    const int k = IncognitaSelecionada();
    TSulvo& s = Secao(t);
    const TDescricaoSecao& d = DescricaoSecao(t);
    for (const char* chave : d.Entradas)
        LerCampo(*d.Campo(chave), s, *CampoDe(chave));
    s.Incognita = static_cast<std::uint8_t>(k < 0 ? kSemIncognita : k);
    s.FaixaN = faixaN_.Descreve(s.n) ? faixaN_ : TFaixaRugosidade{};
}

void TPaginaRegular::BCalcularClick() {
    const int t = TipoSelecionado();
    const int k = IncognitaSelecionada();
    if (t < 0)
        return;
    const TDescricaoSecao& d = DescricaoSecao(t);
    const ValorDoCampo valorNaTela = [this](const TCampoSecao& campo) { return CampoDe(campo.Chave)->Valor(); };
    // The Manning quantities are checked before the fields are taken, the dimensions after.
    if (const std::string falha = ValidarEtapa(d, k, EtapaValidacao::Manning, valorNaTela); !falha.empty())
        return Avisar(falha);

    if (ctx_.LerCamposDados)
        ctx_.LerCamposDados();
    else
        LerCamposDados();

    TSulvo& s = Secao(t);
    for (EtapaValidacao etapa : {EtapaValidacao::Dimensao, EtapaValidacao::Comprimento})
        if (const std::string falha = ValidarEtapa(d, s.Incognita, etapa, valorNaTela); !falha.empty())
            return Avisar(falha);
    if (!s.Calcular())
        return;
    // Every field an unknown can solve shows the value the section now holds.
    for (const char* chave : d.Entradas)
        if (d.Resolvivel(chave))
            CampoDe(chave)->SetValor(d.Campo(chave)->ValorReal(s));

    // Only a solved dimension changes the drawing: the depth, the side slope or base width, the diameter.
    bool geometria = false;
    for (QWidget* campo : CamposDaIncognita(t, k))
        for (const LinhaCampo& linha : linhas_)
            geometria = geometria || (linha.campo == campo && CampoRegular(linha.chave).Dimensao);
    if (geometria)
        AtualizarGrafico();
    PreencherResultados();
    BtRelatorio->setEnabled(true);
}

void TPaginaRegular::PreencherResultados() {
    const int t = TipoSelecionado();
    if (t < 0 || t >= kTiposRegulares)
        return;
    const char separador = TEditNumero::SeparadorDecimal().toLatin1();
    const TSulvo& s = Secao(t);
    const TDescricaoSecao& d = DescricaoSecao(t);
    for (const char* chave : d.Resultados)
        static_cast<QLineEdit*>(Linha(chave)->campo)->setText(TextoResultado(*d.Campo(chave), s, separador));
    MostrarAvisos(*LabelAvisos, s.Avisos);
    MostrarFaixaN(*LabelFaixaN, CalcularFaixaN(s), separador);
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
    const int resultado = ctx_.Dialogos.ExibirModal(*dialogo);
    if (resultado != QDialog::Accepted)
        return;
    EdRugosidade->SetValor(dialogo->RugosidadeEscolhida);
    faixaN_ = dialogo->FaixaEscolhida;
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
    const std::uint8_t incognitaSalva =
        ctx_.IndSulvoReg < kTiposRegulares ? Secao(ctx_.IndSulvoReg).Incognita : std::uint8_t(kSemIncognita);
    CBTipoSulvo->setCurrentIndex(ctx_.IndSulvoReg <= kCircular ? ctx_.IndSulvoReg : -1);
    CBTipoSulvoChange();
    CbIncognita->setCurrentIndex(incognitaSalva < CbIncognita->count() ? incognitaSalva : -1);
    CbIncognitaChange();
    if (const int t = TipoSelecionado(); t >= 0 && t < kTiposRegulares) {
        const TDescricaoSecao& d = DescricaoSecao(t);
        for (const char* chave : d.Entradas)
            PreencherCampo(*CampoDe(chave), *d.Campo(chave), Secao(t));
        faixaN_ = Secao(t).FaixaN;
    }
    AtualizarGrafico();
}

void TPaginaRegular::LimparCamposDados() {
    for (const LinhaCampo& linha : linhas_) {
        if (auto* campo = qobject_cast<TEditNumero*>(linha.campo))
            campo->SetValor(0);
        static_cast<QLineEdit*>(linha.campo)->setText(QString());
    }
    MostrarAvisos(*LabelAvisos, {});
    MostrarFaixaN(*LabelFaixaN, std::nullopt, ',');
    faixaN_ = {};
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
