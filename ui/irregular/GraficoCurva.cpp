#include "ui/irregular/GraficoCurva.h"

#include "common/NumberFormat.h"
#include "project/DialogService.h"
#include "report/TabelaCurva.h"
#include "ui/irregular/EixosGrafico.h"

#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QRubberBand>
#include <QScatterSeries>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace sulvo {
namespace {

const QColor kVermelho(255, 0, 0);
const QColor kVerde(0, 128, 0);
const QColor kAzul(0, 0, 255);
const QColor kGrade(215, 215, 215);
// A drag shorter than this, in pixels, is a click and zooms nothing.
constexpr int kMenorArrasto = 5;

QLabel* Rotulo(const char* texto, QWidget* pai) {
    return new QLabel(QString::fromUtf8(texto), pai);
}

} // namespace

TGraficoVazaoProfundidade::TGraficoVazaoProfundidade(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* grafico = chart();
    ConfigurarGrafico(grafico, QStringLiteral("Gráfico Q X Yn"));
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    IrregularSeries4 = new QLineSeries;
    IrregularSeries4->setName(QStringLiteral("IrregularSeries4"));
    IrregularSeries4->setPen(QPen(kVerde, 2));
    IrregularSeries5 = new QLineSeries;
    IrregularSeries5->setName(QStringLiteral("IrregularSeries5"));
    IrregularSeries5->setPen(QPen(kVermelho, 2));
    IrregularSeries6 = new QLineSeries;
    IrregularSeries6->setName(QStringLiteral("IrregularSeries6"));
    IrregularSeries6->setPen(QPen(kAzul, 2));
    guia_ = new QLineSeries;
    guia_->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    PontoCalculado = new QScatterSeries;
    PontoCalculado->setName(QStringLiteral("PontoCalculado"));
    PontoCalculado->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    PontoCalculado->setMarkerSize(10);
    PontoCalculado->setColor(QColor(255, 215, 0));
    PontoCalculado->setBorderColor(Qt::black);
    for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{guia_, IrregularSeries4, IrregularSeries5,
                                                                      IrregularSeries6, PontoCalculado})
        grafico->addSeries(s);

    eixoX_ = NovoEixo(QStringLiteral("Profundidade (m)"));
    eixoY_ = NovoEixo(QStringLiteral("Vazão (m³/s)"));
    for (QCategoryAxis* eixo : {eixoX_, eixoY_}) {
        eixo->setGridLineVisible(true);
        eixo->setGridLineColor(kGrade);
    }
    grafico->addAxis(eixoX_, Qt::AlignBottom);
    grafico->addAxis(eixoY_, Qt::AlignLeft);
    for (QAbstractSeries* s : grafico->series()) {
        s->attachAxis(eixoX_);
        s->attachAxis(eixoY_);
    }

    Leitura = new QLabel(viewport());
    Leitura->setObjectName(QStringLiteral("LeituraCurva"));
    Leitura->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid gray; padding: 2px; }"));
    Leitura->setAttribute(Qt::WA_TransparentForMouseEvents);
    Leitura->hide();
    banda_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    AtualizarEixos();
}

void TGraficoVazaoProfundidade::DefinirCurvas(const std::vector<TPontoCurva>& curva) {
    curva_ = curva;
    QList<QPointF> divisao, convencional, subdivisao;
    divisao.reserve(static_cast<qsizetype>(curva.size()));
    convencional.reserve(static_cast<qsizetype>(curva.size()));
    subdivisao.reserve(static_cast<qsizetype>(curva.size()));
    for (const auto& p : curva) {
        divisao.append(QPointF(p.h, p.QDivisao));
        convencional.append(QPointF(p.h, p.QConvencional));
        subdivisao.append(QPointF(p.h, p.QSubdivisao));
    }
    IrregularSeries4->replace(divisao);
    IrregularSeries5->replace(convencional);
    IrregularSeries6->replace(subdivisao);
    PontoCalculado->clear();
    ampliado_ = false;
    AtualizarEixos();
    emit CurvaAlterada(!curva_.empty());
    emit ZoomAlterado(false);
}

void TGraficoVazaoProfundidade::Limpar() {
    DefinirCurvas({});
}

void TGraficoVazaoProfundidade::DefinirPontoCalculado(double h, double q) {
    PontoCalculado->replace(QList<QPointF>{QPointF(h, q)});
}

void TGraficoVazaoProfundidade::DefinirSeparadores(char decimal, char milhar) {
    decimal_ = decimal;
    milhar_ = milhar;
    AtualizarEixos();
}

TFaixaEixo TGraficoVazaoProfundidade::FaixaProfundidade() const {
    return {eixoX_->min(), eixoX_->max()};
}

TFaixaEixo TGraficoVazaoProfundidade::FaixaVazao() const {
    return {eixoY_->min(), eixoY_->max()};
}

void TGraficoVazaoProfundidade::AtualizarEixos() {
    if (ampliado_) {
        AplicarFaixa(eixoX_, {zoom_.left(), zoom_.right()}, decimal_, milhar_);
        AplicarFaixa(eixoY_, {zoom_.top(), zoom_.bottom()}, decimal_, milhar_);
        return;
    }
    if (curva_.empty()) {
        AplicarFaixa(eixoX_, {0, 1}, decimal_, milhar_);
        AplicarFaixa(eixoY_, {0, 1}, decimal_, milhar_);
        return;
    }
    double menorQ = 0, maiorQ = -std::numeric_limits<double>::infinity(), maiorH = 0;
    for (const TPontoCurva& p : curva_) {
        menorQ = std::min({menorQ, p.QDivisao, p.QConvencional, p.QSubdivisao});
        maiorQ = std::max({maiorQ, p.QDivisao, p.QConvencional, p.QSubdivisao});
        maiorH = std::max(maiorH, p.h);
    }
    // Both curves start at no depth and no discharge: the scales start there too.
    AplicarFaixa(eixoX_, FaixaAutomatica(0.0, maiorH), decimal_, milhar_);
    AplicarFaixa(eixoY_, FaixaAutomatica(menorQ, maiorQ), decimal_, milhar_);
}

void TGraficoVazaoProfundidade::Ampliar(const QRectF& valores) {
    const QRectF r = valores.normalized();
    if (!(r.width() > 0) || !(r.height() > 0))
        return;
    zoom_ = r;
    ampliado_ = true;
    AtualizarEixos();
    emit ZoomAlterado(true);
}

void TGraficoVazaoProfundidade::RestaurarZoom() {
    if (!ampliado_)
        return;
    ampliado_ = false;
    AtualizarEixos();
    emit ZoomAlterado(false);
}

QPointF TGraficoVazaoProfundidade::ValorEm(QPoint posicao) const {
    return chart()->mapToValue(chart()->mapFromScene(mapToScene(posicao)), IrregularSeries4);
}

QPoint TGraficoVazaoProfundidade::PosicaoDoValor(QPointF valor) const {
    return mapFromScene(chart()->mapToScene(chart()->mapToPosition(valor, IrregularSeries4)));
}

QString TGraficoVazaoProfundidade::LeituraEm(QPoint posicao) const {
    const QPointF cena = mapToScene(posicao);
    if (!chart()->plotArea().contains(chart()->mapFromScene(cena)))
        return {};
    const auto ponto = InterpolarCurva(curva_, ValorEm(posicao).x());
    if (!ponto)
        return {};
    auto fixo = [this](double v) { return QString::fromStdString(FormatarFixo(v, 3, decimal_)); };
    return QStringLiteral("Profundidade: %1 m\nConvencional: %2 m³/s\nDivisão em seções: %3 m³/s\nSubdivisão por "
                          "rugosidade: %4 m³/s")
        .arg(fixo(ponto->h), fixo(ponto->QConvencional), fixo(ponto->QDivisao), fixo(ponto->QSubdivisao));
}

void TGraficoVazaoProfundidade::MostrarLeitura(QPoint posicao) {
    const QString texto = LeituraEm(posicao);
    if (texto.isEmpty()) {
        EsconderLeitura();
        return;
    }
    const double h = ValorEm(posicao).x();
    guia_->replace(QList<QPointF>{QPointF(h, eixoY_->min()), QPointF(h, eixoY_->max())});
    Leitura->setText(texto);
    Leitura->adjustSize();
    // Beside the pointer, turned to the other side near the right and bottom edges so it stays in view.
    QPoint lugar = posicao + QPoint(14, 14);
    if (lugar.x() + Leitura->width() > viewport()->width())
        lugar.setX(posicao.x() - 14 - Leitura->width());
    if (lugar.y() + Leitura->height() > viewport()->height())
        lugar.setY(posicao.y() - 14 - Leitura->height());
    Leitura->move(lugar);
    Leitura->show();
    Leitura->raise();
}

void TGraficoVazaoProfundidade::EsconderLeitura() {
    Leitura->hide();
    guia_->clear();
}

void TGraficoVazaoProfundidade::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && !curva_.empty()) {
        origemBanda_ = evento->position().toPoint();
        banda_->setGeometry(QRect(origemBanda_, QSize()));
        banda_->show();
        return;
    }
    if (evento->button() == Qt::RightButton) {
        RestaurarZoom();
        return;
    }
    QChartView::mousePressEvent(evento);
}

void TGraficoVazaoProfundidade::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint p = evento->position().toPoint();
    if (banda_->isVisible())
        banda_->setGeometry(QRect(origemBanda_, p).normalized());
    MostrarLeitura(p);
    QChartView::mouseMoveEvent(evento);
}

void TGraficoVazaoProfundidade::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && banda_->isVisible()) {
        banda_->hide();
        const QRect r = QRect(origemBanda_, evento->position().toPoint()).normalized();
        if (r.width() >= kMenorArrasto && r.height() >= kMenorArrasto) {
            const QPointF a = ValorEm(r.topLeft());
            const QPointF b = ValorEm(r.bottomRight());
            Ampliar(QRectF(QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                           QPointF(std::max(a.x(), b.x()), std::max(a.y(), b.y()))));
        }
        return;
    }
    QChartView::mouseReleaseEvent(evento);
}

void TGraficoVazaoProfundidade::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        RestaurarZoom();
        return;
    }
    QChartView::mouseDoubleClickEvent(evento);
}

void TGraficoVazaoProfundidade::leaveEvent(QEvent* evento) {
    EsconderLeitura();
    QChartView::leaveEvent(evento);
}

void TPainelCurva::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    // At the window's least width the legend beside the buttons would be cut: it goes above them.
    int lado = rodape_->contentsMargins().left() + rodape_->contentsMargins().right() + 4 * rodape_->spacing();
    for (int i = 0; i < rodape_->count(); ++i)
        if (QLayout* parte = rodape_->itemAt(i)->layout())
            lado += parte->sizeHint().width();
    const auto direcao = width() - 4 >= lado ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (rodape_->direction() != direcao)
        rodape_->setDirection(direcao);
}

TPainelCurva::TPainelCurva(IDialogService& dialogos, QWidget* parent) : QWidget(parent), dialogos_(dialogos) {
    Grafico = new TGraficoVazaoProfundidade(this);
    // The chart has no legend of its own: the methods are named below it.
    auto traco = [this](const QColor& cor) {
        auto* rotulo = new QLabel(QStringLiteral("--"), this);
        QFont fonte = rotulo->font();
        fonte.setBold(true);
        fonte.setPixelSize(19);
        rotulo->setFont(fonte);
        QPalette paleta = rotulo->palette();
        paleta.setColor(QPalette::WindowText, cor);
        rotulo->setPalette(paleta);
        return rotulo;
    };
    Label78 = traco(kVerde);
    Label80 = Rotulo("Metodologia de Divisão do Sulvo em Seções", this);
    Label79 = traco(kVermelho);
    Label81 = Rotulo("Metodologia Convencional", this);
    Label82 = traco(kAzul);
    Label83 = Rotulo("Metodologia de Subdivisão por Rugosidade", this);

    BtExportarTabela = new QPushButton(QStringLiteral("Exportar tabela…"), this);
    BtExportarTabela->setObjectName(QStringLiteral("BtExportarTabela"));
    BtExportarTabela->setStatusTip(QStringLiteral("Gravar a curva vazão x profundidade em planilha (CSV)"));
    BtCopiarTabela = new QPushButton(QStringLiteral("Copiar"), this);
    BtCopiarTabela->setObjectName(QStringLiteral("BtCopiarTabela"));
    BtCopiarTabela->setStatusTip(QStringLiteral("Copiar a curva vazão x profundidade como tabela"));
    BtRestaurarZoom = new QPushButton(QStringLiteral("Ver curva inteira"), this);
    BtRestaurarZoom->setObjectName(QStringLiteral("BtRestaurarZoom"));
    BtRestaurarZoom->setStatusTip(
        QStringLiteral("Arraste um retângulo sobre o gráfico para ampliá-lo; este botão mostra a curva inteira"));
    for (QPushButton* b : {BtExportarTabela, BtCopiarTabela, BtRestaurarZoom})
        b->setEnabled(false);

    auto* legenda = new QGridLayout;
    legenda->setHorizontalSpacing(6);
    legenda->setVerticalSpacing(0);
    legenda->addWidget(Label78, 0, 0);
    legenda->addWidget(Label80, 0, 1);
    legenda->addWidget(Label79, 1, 0);
    legenda->addWidget(Label81, 1, 1);
    legenda->addWidget(Label82, 2, 0);
    legenda->addWidget(Label83, 2, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BtRestaurarZoom);
    botoes->addWidget(BtCopiarTabela);
    botoes->addWidget(BtExportarTabela);
    rodape_ = new QBoxLayout(QBoxLayout::LeftToRight);
    rodape_->addStretch(1);
    rodape_->addLayout(legenda);
    rodape_->addStretch(1);
    rodape_->addLayout(botoes);
    rodape_->setAlignment(legenda, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(Grafico, 1);
    layout->addLayout(rodape_);

    connect(Grafico, &TGraficoVazaoProfundidade::CurvaAlterada, this, [this](bool temCurva) {
        BtExportarTabela->setEnabled(temCurva);
        BtCopiarTabela->setEnabled(temCurva);
    });
    connect(Grafico, &TGraficoVazaoProfundidade::ZoomAlterado, BtRestaurarZoom, &QWidget::setEnabled);
    connect(BtRestaurarZoom, &QPushButton::clicked, Grafico, &TGraficoVazaoProfundidade::RestaurarZoom);
    connect(BtCopiarTabela, &QPushButton::clicked, this, &TPainelCurva::CopiarTabela);
    connect(BtExportarTabela, &QPushButton::clicked, this, &TPainelCurva::BtExportarTabelaClick);
}

void TPainelCurva::DefinirSeparadores(char decimal, char milhar) {
    decimal_ = decimal;
    Grafico->DefinirSeparadores(decimal, milhar);
}

bool TPainelCurva::ExportarTabela(const std::string& arquivo) {
    // The byte order mark tells a spreadsheet the file is UTF-8, so the accents and "m³" come out right.
    const QByteArray dados =
        QByteArray("\xEF\xBB\xBF") + QByteArray::fromStdString(TabelaCurva(Grafico->Curva(), decimal_, ';'));
    QFile f(QString::fromStdString(arquivo));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dados) == dados.size())
        return true;
    dialogos_.Erro("Cannot create file \"" + arquivo + "\". " + f.errorString().toStdString());
    return false;
}

void TPainelCurva::CopiarTabela() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(TabelaCurva(Grafico->Curva(), decimal_, '\t')));
}

void TPainelCurva::BtExportarTabelaClick() {
    if (Grafico->Curva().empty())
        return;
    OpcoesArquivo opcoes;
    opcoes.titulo = "Exportar tabela";
    opcoes.filtro = "Planilhas CSV (*.csv)";
    opcoes.extensaoPadrao = "csv";
    const std::filesystem::path projeto(caminhoProjeto_ ? caminhoProjeto_() : std::string());
    opcoes.nomeSugerido = (projeto.empty() ? std::string("curva") : projeto.stem().string() + " - curva") + ".csv";
    opcoes.pasta = projeto.parent_path().string();
    auto arquivo = dialogos_.SalvarArquivo(opcoes);
    if (!arquivo)
        return;
    if (QFile::exists(QString::fromStdString(*arquivo)) &&
        !dialogos_.PerguntarSimNao("O arquivo " + *arquivo + " já existe. Deseja substituí-lo?"))
        return;
    ExportarTabela(*arquivo);
}

} // namespace sulvo
