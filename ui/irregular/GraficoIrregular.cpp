#include "ui/irregular/GraficoIrregular.h"

#include "ui/irregular/EixosGrafico.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>

#include <algorithm>
#include <cmath>
#include <limits>

namespace sulvo {
namespace {

// Clicks count on the points only: within this distance of a marker, in pixels.
constexpr double kToleranciaClique = 6.0;

const QColor kCorAgua(0, 176, 255);
const QColor kContornoAgua(1, 136, 255);
const QColor kVermelho(255, 0, 0);

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

} // namespace

// Built around its own chart: the view's default chart would be released by setChart and never deleted.
TGraficoSecaoIrregular::TGraficoSecaoIrregular(QWidget* parent) : QChartView(new QChart, parent) {
    QChart* grafico = chart();
    ConfigurarGrafico(grafico, QStringLiteral("Seção Transversal do Sulvo"));
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

    linhaLeito_ = new QLineSeries;
    linhaLeito_->setPen(QPen(kVermelho, 2));

    marcadores_ = new QScatterSeries;
    marcadores_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    marcadores_->setMarkerSize(3);
    marcadores_->setColor(kVermelho);
    marcadores_->setBorderColor(kVermelho);

    // Order of drawing: water, ground over it, bed line and markers on top.
    grafico->addSeries(IrregularSeries2);
    grafico->addSeries(linhaAgua_);
    grafico->addSeries(IrregularSeries1);
    grafico->addSeries(linhaLeito_);
    grafico->addSeries(marcadores_);

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
}

void TGraficoSecaoIrregular::DefinirSecao(const std::vector<TPontoSecao>& pontos) {
    QList<QPointF> lista;
    lista.reserve(static_cast<qsizetype>(pontos.size()));
    for (const auto& p : pontos)
        lista.append(QPointF(p.X, p.Y));
    leito_->replace(lista);
    linhaLeito_->replace(lista);
    marcadores_->replace(lista);
    AtualizarEixos();
}

void TGraficoSecaoIrregular::LimparSecao() {
    DefinirSecao({});
}

QList<QPointF> TGraficoSecaoIrregular::PontosSecao() const {
    return leito_->points();
}

void TGraficoSecaoIrregular::DefinirNivelAgua(double largura, double z) {
    const QList<QPointF> linha{QPointF(0, z), QPointF(largura, z)};
    agua_->replace(linha);
    linhaAgua_->replace(linha);
    AtualizarEixos();
}

void TGraficoSecaoIrregular::LimparAgua() {
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
    e.Incluir(leito_->points());
    e.Incluir(agua_->points());
    if (e.vazio) {
        AplicarFaixa(eixoX_, {0, 1}, decimal_, milhar_);
        AplicarFaixa(eixoY_, {-1, 0}, decimal_, milhar_);
        return;
    }
    AplicarFaixa(eixoX_, FaixaAutomatica(e.menorX, e.maiorX), decimal_, milhar_);
    AplicarFaixa(eixoY_, FaixaAutomatica(e.menorY, e.maiorY), decimal_, milhar_);
}

QPoint TGraficoSecaoIrregular::PosicaoDoPonto(int indice) const {
    const auto pontos = leito_->points();
    if (indice < 0 || indice >= pontos.size())
        return {};
    QPointF cena = chart()->mapToScene(chart()->mapToPosition(pontos[indice], linhaLeito_));
    return mapFromScene(cena);
}

int TGraficoSecaoIrregular::PontoProximo(QPoint posicao) const {
    const auto pontos = leito_->points();
    int melhor = -1;
    double melhorDistancia = kToleranciaClique;
    for (int i = 0; i < pontos.size(); ++i) {
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
    if (evento->button() == Qt::LeftButton) {
        int indice = PontoProximo(evento->position().toPoint());
        if (indice >= 0)
            emit PontoClicado(indice, evento->position().toPoint());
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
