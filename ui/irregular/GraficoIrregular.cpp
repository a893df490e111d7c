#include "ui/irregular/GraficoIrregular.h"

#include "ui/irregular/EixosGrafico.h"

#include "common/EscalaGrafico.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_set>

namespace sulvo {
namespace {

// Clicks count on the points only: within this distance of a marker, in pixels.
constexpr double kToleranciaClique = 6.0;

const QColor kCorAgua(0, 176, 255);
const QColor kContornoAgua(1, 136, 255);
const QColor kVermelho(255, 0, 0);
const QColor kVerde(0, 128, 0);

struct TExtremos {
    double menorX = std::numeric_limits<double>::infinity();
    double maiorX = -std::numeric_limits<double>::infinity();
    double menorY = std::numeric_limits<double>::infinity();
    double maiorY = -std::numeric_limits<double>::infinity();
    bool vazio = true;

    void Incluir(const QList<QPointF>& pontos) {
        for (const QPointF& p : pontos) {
            menorX = std::min(menorX, p.x());
            maiorX = std::max(maiorX, p.x());
            menorY = std::min(menorY, p.y());
            maiorY = std::max(maiorY, p.y());
            vazio = false;
        }
    }
};

// What is drawn of the bed: the upper and lower edges of the red line and the markers.
struct TDesenhoLeito {
    QList<QPointF> topo, base, marcas;
};

// Plot width assumed before the chart has been laid out.
constexpr int kLarguraPadrao = 1000;
// Markers closer than this, in pixels, are one spot on the screen.
constexpr double kCelulaMarcador = 2.0;

// The bed at the resolution of a plot `largura` x `altura` pixels over the given ranges. A bed with fewer points
// than half the pixel columns is drawn as it is. A denser one becomes, in each pixel column, the band of
// elevations its polyline passes through there (the segments cut at the column borders), which is exactly what
// a line drawn through every point would cover; the markers keep one point per spot of the screen. The work is
// one pass over the points and one over the columns, and what is drawn never exceeds the pixels.
TDesenhoLeito DesenharNaGrade(const QList<QPointF>& pontos, const TFaixaEixo& faixaX, const TFaixaEixo& faixaY,
                              int largura, int altura) {
    const double dx = (faixaX.Maximo - faixaX.Minimo) / largura;
    const double dy = (faixaY.Maximo - faixaY.Minimo) / std::max(altura, 1);
    if (pontos.size() < 2 || pontos.size() <= largura / 2 || !(dx > 0) || !(dy > 0))
        return {pontos, pontos, pontos};
    std::vector<double> menor(static_cast<std::size_t>(largura), std::numeric_limits<double>::infinity());
    std::vector<double> maior(static_cast<std::size_t>(largura), -std::numeric_limits<double>::infinity());
    auto coluna = [&](double x) {
        return static_cast<int>(std::clamp(std::floor((x - faixaX.Minimo) / dx), 0.0, largura - 1.0));
    };
    auto incluir = [&](int c, double y) {
        menor[static_cast<std::size_t>(c)] = std::min(menor[static_cast<std::size_t>(c)], y);
        maior[static_cast<std::size_t>(c)] = std::max(maior[static_cast<std::size_t>(c)], y);
    };
    double menorX = pontos.front().x(), maiorX = menorX;
    for (qsizetype k = 0; k < pontos.size(); ++k) {
        const QPointF& b = pontos[k];
        menorX = std::min(menorX, b.x());
        maiorX = std::max(maiorX, b.x());
        const int cb = coluna(b.x());
        incluir(cb, b.y());
        if (k == 0)
            continue;
        const QPointF& a = pontos[k - 1];
        const int ca = coluna(a.x());
        // A segment across columns passes each border between them at the elevation found there.
        for (int c = std::min(ca, cb) + 1; c <= std::max(ca, cb); ++c) {
            const double xBorda = faixaX.Minimo + c * dx;
            const double y = a.y() + (b.y() - a.y()) * (xBorda - a.x()) / (b.x() - a.x());
            incluir(c - 1, y);
            incluir(c, y);
        }
    }
    // The line is two pixels wide, so each column is also covered by what passes through its neighbours: the
    // band takes them in, which keeps it from flickering between columns on a bed rough at the pixel scale.
    TDesenhoLeito d;
    for (int c = 0; c < largura; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (menor[k] > maior[k])
            continue;
        double baixo = menor[k], alto = maior[k];
        for (std::size_t v : {k - 1, k + 1})
            if (v < menor.size() && menor[v] <= maior[v]) {
                baixo = std::min(baixo, menor[v]);
                alto = std::max(alto, maior[v]);
            }
        const double x = std::clamp(faixaX.Minimo + (c + 0.5) * dx, menorX, maiorX);
        d.topo.append(QPointF(x, alto));
        d.base.append(QPointF(x, baixo));
    }
    // The band reaches the banks themselves.
    d.topo.front().setX(menorX);
    d.base.front().setX(menorX);
    d.topo.back().setX(maiorX);
    d.base.back().setX(maiorX);
    std::unordered_set<std::uint64_t> ocupadas;
    for (const QPointF& p : pontos) {
        const auto i = static_cast<std::uint32_t>(std::floor((p.x() - faixaX.Minimo) / (dx * kCelulaMarcador)));
        const auto j = static_cast<std::uint32_t>(std::floor((p.y() - faixaY.Minimo) / (dy * kCelulaMarcador)));
        if (ocupadas.insert((std::uint64_t{i} << 32) | j).second)
            d.marcas.append(p);
    }
    return d;
}

} // namespace

// Built around its own chart: the view's default chart would be released by setChart and never deleted.
TGraficoSecaoIrregular::TGraficoSecaoIrregular(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* grafico = chart();
    ConfigurarGrafico(grafico, QStringLiteral("Seção Transversal do Sulvo"));
    // Beside the point table the chart is narrow at the window's smallest size: thin margins leave the title and
    // the axis labels their room; on the right, room for half of the last width label, which stands on the edge.
    grafico->setMargins(QMargins(2, 2, 16, 2));
    grafico->layout()->setContentsMargins(0, 0, 0, 0);
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);

    agua_ = new QLineSeries(this);
    IrregularSeries2 = new QAreaSeries(agua_);
    IrregularSeries2->setName(QStringLiteral("IrregularSeries2"));
    IrregularSeries2->setBrush(kCorAgua);
    // The area's own pen would also stroke its closing edges down to the bottom of the plot.
    IrregularSeries2->setPen(Qt::NoPen);
    linhaAgua_ = new QLineSeries;
    linhaAgua_->setPen(QPen(kContornoAgua, 2));

    leito_ = new QLineSeries(this);
    IrregularSeries1 = new QAreaSeries(leito_);
    IrregularSeries1->setName(QStringLiteral("IrregularSeries1"));

    linhaLeito_ = new QLineSeries(this);
    baseLeito_ = new QLineSeries(this);
    faixaLeito_ = new QAreaSeries(linhaLeito_, baseLeito_);
    faixaLeito_->setPen(QPen(kVermelho, 2));
    faixaLeito_->setBrush(kVermelho);

    marcadores_ = new QScatterSeries;
    marcadores_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    marcadores_->setMarkerSize(3);
    marcadores_->setColor(kVermelho);
    marcadores_->setBorderColor(kVermelho);

    // The point selected in the point table, ringed so that it can be found among thousands.
    destaque_ = new QScatterSeries;
    destaque_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    destaque_->setMarkerSize(11);
    destaque_->setColor(Qt::transparent);
    destaque_->setBorderColor(kVerde);
    destaque_->setPen(QPen(kVerde, 2));

    // Order of drawing: water, ground over it, bed line and markers on top.
    grafico->addSeries(IrregularSeries2);
    grafico->addSeries(linhaAgua_);
    grafico->addSeries(IrregularSeries1);
    grafico->addSeries(faixaLeito_);
    grafico->addSeries(marcadores_);
    grafico->addSeries(destaque_);

    eixoX_ = NovoEixo(QStringLiteral("Largura (m)"));
    eixoY_ = NovoEixo(QStringLiteral("Profundidade (m)"));
    grafico->addAxis(eixoX_, Qt::AlignBottom);
    grafico->addAxis(eixoY_, Qt::AlignLeft);
    for (QAbstractSeries* s : grafico->series()) {
        s->attachAxis(eixoX_);
        s->attachAxis(eixoY_);
    }
    DefinirCorLeito(palette().color(QPalette::Window));
    AtualizarEixos();
    // A new size of the plot changes the pixel grid the bed is drawn on.
    // A new size of the plot changes the scale as well: the ranges are made again for its proportion. Their
    // labels may move the plot by a pixel or two, which is followed a few times, never endlessly.
    connect(grafico, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        if (area.size() == areaDesenhada_)
            return;
        if (reajustes_ < kMaximoReajustes) {
            ++reajustes_;
            AtualizarEixos();
        } else {
            AtualizarDesenho();
        }
    });
}

void TGraficoSecaoIrregular::DefinirSecao(const std::vector<TPontoSecao>& pontos) {
    reajustes_ = 0;
    QList<QPointF> lista;
    lista.reserve(static_cast<qsizetype>(pontos.size()));
    for (const auto& p : pontos)
        lista.append(QPointF(p.X, p.Y));
    pontos_ = std::move(lista);
    DestacarPonto(destacado_);
    AtualizarEixos();
}

void TGraficoSecaoIrregular::DestacarPonto(int indice) {
    destacado_ = indice;
    const QList<QPointF>& pontos = pontos_;
    if (indice >= 0 && indice < pontos.size())
        destaque_->replace(QList<QPointF>{pontos[indice]});
    else
        destaque_->clear();
}

int TGraficoSecaoIrregular::PontoDestacado() const {
    return destaque_->count() > 0 ? destacado_ : -1;
}

void TGraficoSecaoIrregular::LimparSecao() {
    DefinirSecao({});
}

QList<QPointF> TGraficoSecaoIrregular::PontosSecao() const {
    return pontos_;
}

void TGraficoSecaoIrregular::DefinirNivelAgua(double largura, double z) {
    reajustes_ = 0;
    const QList<QPointF> linha{QPointF(0, z), QPointF(largura, z)};
    agua_->replace(linha);
    linhaAgua_->replace(linha);
    AtualizarEixos();
}

void TGraficoSecaoIrregular::LimparAgua() {
    reajustes_ = 0;
    agua_->clear();
    linhaAgua_->clear();
    AtualizarEixos();
}

QList<QPointF> TGraficoSecaoIrregular::PontosAgua() const {
    return agua_->points();
}

void TGraficoSecaoIrregular::DefinirCorLeito(const QColor& cor) {
    IrregularSeries1->setBrush(cor);
    // Outlined in its own colour, so the smoothed edges of the water at the banks do not show through.
    IrregularSeries1->setPen(QPen(cor, 2));
    chart()->setBackgroundBrush(cor);
    chart()->setPlotAreaBackgroundVisible(false);
}

QColor TGraficoSecaoIrregular::CorLeito() const {
    return IrregularSeries1->brush().color();
}

void TGraficoSecaoIrregular::DefinirSeparadores(char decimal, char milhar) {
    decimal_ = decimal;
    milhar_ = milhar;
    AtualizarEixos();
}

void TGraficoSecaoIrregular::AtualizarEixos() {
    TExtremos e;
    e.Incluir(pontos_);
    e.Incluir(agua_->points());
    TFaixaEixo x{0, 1}, y{-1, 0};
    if (!e.vazio) {
        x = FaixaAutomatica(e.menorX, e.maiorX);
        y = FaixaAutomatica(e.menorY, e.maiorY);
    }
    // Drawn to scale, a natural section is often a line along the width axis: it is stretched upwards by a
    // round factor, which the depth axis's title states.
    const QRectF area = chart()->plotArea();
    const TJanelaEscala j = JanelaEmEscala(x.Minimo, x.Maximo, y.Minimo, y.Maximo, area.width(), area.height(), true);
    exagero_ = j.Exagero;
    // Beside the point table the chart may be narrow: no more width labels than fit whole.
    const int marcasX = area.width() >= 1 ? std::clamp(static_cast<int>(area.width() / 55), 2, 6) : 6;
    AplicarFaixa(eixoX_, {j.MinimoX, j.MaximoX}, decimal_, milhar_, marcasX);
    AplicarFaixa(eixoY_, {j.MinimoY, j.MaximoY}, decimal_, milhar_);
    eixoY_->setTitleText(TituloEixoVertical(exagero_));
    AtualizarDesenho();
}

// The exaggeration goes on a second line: on one, the title would be cut short along a chart of a few hundred
// pixels' height.
QString TGraficoSecaoIrregular::TituloEixoVertical(int exagero) {
    const QString titulo = QStringLiteral("Profundidade (m)");
    return exagero > 1 ? titulo + QStringLiteral("<br>exagero vertical %1x").arg(exagero) : titulo;
}

void TGraficoSecaoIrregular::AtualizarDesenho() {
    const QRectF area = chart()->plotArea();
    areaDesenhada_ = area.size();
    const bool disposto = area.width() >= 1 && area.height() >= 1;
    const TDesenhoLeito d = DesenharNaGrade(pontos_, {eixoX_->min(), eixoX_->max()}, {eixoY_->min(), eixoY_->max()},
                                            disposto ? static_cast<int>(area.width()) : kLarguraPadrao,
                                            disposto ? static_cast<int>(area.height()) : kLarguraPadrao);
    // The ground is filled up to the lowest edge of the line, so no water shows inside the band.
    leito_->replace(d.base);
    baseLeito_->replace(d.base);
    linhaLeito_->replace(d.topo);
    marcadores_->replace(d.marcas);
}

QPoint TGraficoSecaoIrregular::PosicaoDoPonto(int indice) const {
    if (indice < 0 || indice >= pontos_.size())
        return {};
    QPointF cena = chart()->mapToScene(chart()->mapToPosition(pontos_[indice], IrregularSeries1));
    return mapFromScene(cena);
}

int TGraficoSecaoIrregular::PontoProximo(QPoint posicao) const {
    int melhor = -1;
    double melhorDistancia = kToleranciaClique;
    for (int i = 0; i < pontos_.size(); ++i) {
        QPointF p = PosicaoDoPonto(i);
        double d = std::hypot(p.x() - posicao.x(), p.y() - posicao.y());
        if (d <= melhorDistancia) {
            // Strictly nearer only, so that of two coincident points the first in the section wins.
            if (melhor < 0 || d < melhorDistancia) {
                melhor = i;
                melhorDistancia = d;
            }
        }
    }
    return melhor;
}

void TGraficoSecaoIrregular::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton || evento->button() == Qt::RightButton) {
        int indice = PontoProximo(evento->position().toPoint());
        if (indice >= 0 && evento->button() == Qt::LeftButton)
            emit PontoClicado(indice, evento->position().toPoint());
        else if (indice >= 0) {
            emit MenuDoPonto(indice, evento->position().toPoint());
            evento->accept();
            return;
        }
    }
    QChartView::mousePressEvent(evento);
}

void TGraficoSecaoIrregular::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        int indice = PontoProximo(evento->position().toPoint());
        if (indice >= 0) {
            emit PontoDuploClicado(indice);
            return;
        }
    }
    QChartView::mouseDoubleClickEvent(evento);
}

void TGraficoSecaoIrregular::resizeEvent(QResizeEvent* evento) {
    reajustes_ = 0;
    QChartView::resizeEvent(evento);
}

void TGraficoSecaoIrregular::DefinirMargens(std::optional<double> esquerda, std::optional<double> direita) {
    if (esquerda == margemE_ && direita == margemD_)
        return;
    margemE_ = esquerda;
    margemD_ = direita;
    viewport()->update();
}

// The banks over everything else, across the whole height of the plot, each named at the top over its own
// overbank (over the channel when the name would leave the plot there), so that two banks close together keep
// their names apart. In the foreground, they are drawn into the report's picture as well.
void TGraficoSecaoIrregular::drawForeground(QPainter* pintor, const QRectF& area) {
    QChartView::drawForeground(pintor, area);
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    if (!(plot.width() > 0) || pontos_.isEmpty())
        return;
    pintor->save();
    pintor->setRenderHint(QPainter::Antialiasing, false);
    QFont fonte = font();
    fonte.setPointSizeF(fonte.pointSizeF() * 0.85);
    pintor->setFont(fonte);
    const QFontMetricsF metrica(fonte);
    QRectF primeiro; // the left bank's name, which the right bank's must not cover
    const std::pair<std::optional<double>, QString> margens[] = {{margemE_, QStringLiteral("Margem esquerda")},
                                                                 {margemD_, QStringLiteral("Margem direita")}};
    for (int k = 0; k < 2; ++k) {
        const auto& [margem, nome] = margens[k];
        const bool esquerda = k == 0;
        if (!margem || *margem < eixoX_->min() || *margem > eixoX_->max())
            continue;
        const double x = chart()->mapToScene(chart()->mapToPosition(QPointF(*margem, 0), IrregularSeries1)).x();
        pintor->setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
        pintor->drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const double largura = metrica.horizontalAdvance(nome) + 6;
        double inicio = esquerda ? x - 3 - largura : x + 3;
        if (inicio < plot.left() || inicio + largura > plot.right())
            inicio = esquerda ? x + 3 : x - 3 - largura;
        inicio = std::clamp(inicio, plot.left(), std::max(plot.left(), plot.right() - largura));
        QRectF caixa(inicio, plot.top() + 2, largura, metrica.height() + 2);
        if (!esquerda && caixa.intersects(primeiro))
            caixa.translate(0, caixa.height() + 2);
        if (esquerda)
            primeiro = caixa;
        pintor->setPen(Qt::NoPen);
        pintor->setBrush(QColor(255, 255, 255, 200));
        pintor->drawRect(caixa);
        pintor->setPen(QColor(0, 0, 0));
        pintor->drawText(caixa, Qt::AlignCenter, nome);
    }
    pintor->restore();
}

QImage TGraficoSecaoIrregular::Imagem(const QColor& fundo) {
    const QColor cor = CorLeito();
    DefinirCorLeito(fundo);
    QImage imagem(viewport()->size(), QImage::Format_RGB32);
    imagem.fill(fundo);
    {
        QPainter pintor(&imagem);
        pintor.setRenderHint(QPainter::Antialiasing);
        render(&pintor, QRectF(imagem.rect()), viewport()->rect());
    }
    DefinirCorLeito(cor);
    return imagem;
}

} // namespace sulvo
