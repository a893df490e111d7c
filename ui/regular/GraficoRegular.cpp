#include "ui/regular/GraficoRegular.h"

#include "common/EscalaGrafico.h"
#include "controls/RegionalJanela.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace sulvo {
namespace {

// Charts keep their points in ascending x; equal x keep the order in which they were added.
void OrdenarPorX(SeriePontos& serie) {
    std::stable_sort(serie.begin(), serie.end(),
                     [](const PontoGrafico& a, const PontoGrafico& b) { return a.x < b.x; });
}

double MenorY(const SeriePontos& serie) {
    double m = std::numeric_limits<double>::infinity();
    for (const auto& p : serie)
        m = std::min(m, p.y);
    return serie.empty() ? 0.0 : m;
}

// Prismatic sections: the outline to the top of the freeboard and the water surface across the
// full top width at the normal depth above the lowest point of the outline.
PontosSecao Prismatica(SeriePontos contorno, double H) {
    PontosSecao p;
    OrdenarPorX(contorno);
    double m = MenorY(contorno);
    double largura = contorno.empty() ? 0.0 : contorno.back().x;
    p.agua = {{0.0, H + m}, {largura, H + m}};
    p.contorno = std::move(contorno);
    return p;
}

} // namespace

PontosSecao PontosTriangular(double H, double f, double z) {
    double K = H + f; // depth at the top of the banks
    return Prismatica({{0.0, 0.0}, {z * K, -K}, {z * K, -K}, {2 * z * K, 0.0}}, H);
}

PontosSecao PontosTrapezoidal(double H, double f, double z, double b) {
    double K = H + f;
    return Prismatica({{0.0, 0.0}, {z * K, -K}, {z * K + b, -K}, {2 * z * K + b, 0.0}}, H);
}

PontosSecao PontosRetangular(double H, double f, double b) {
    double K = H + f;
    return Prismatica({{0.0, 0.0}, {0.0, -K}, {b, -K}, {b, 0.0}}, H);
}

PontosSecao PontosCircular(double H, double D) {
    // The arcs are sampled every hundredth of the diameter, the abscissa accumulated in extended
    // precision as the drawing has always been made.
    const long double r = static_cast<long double>(D) / 2;
    const long double s = D == 0 ? 0.1L : static_cast<long double>(D) / 100;
    auto meiaCorda = [r](long double y) { return std::sqrt(std::max(0.0L, r * r - (y - r) * (y - r))); };
    auto baixo = [&](long double x) { return r - meiaCorda(x); };
    auto cima = [&](long double x) { return r + meiaCorda(x); };
    auto ponto = [](long double x, long double y) {
        return PontoGrafico{static_cast<double>(x), static_cast<double>(y)};
    };

    PontosSecao p;
    const double w = std::min(H, D); // water height above the invert
    for (long double x = 0; x <= D; x += s)
        p.contorno.push_back(ponto(x, baixo(x)));
    p.contorno.push_back(ponto(D, r));
    for (long double x = 0; x <= D; x += s)
        p.contornoSuperior.push_back(ponto(x, cima(x)));
    p.contornoSuperior.push_back(ponto(D, r));

    const double m = MenorY(p.contorno);
    if (w <= r) {
        // A band at the water height: the part below the lower arc is hidden by SCir1.
        p.agua = {{0.0, m + w}, {D, m + w}};
    } else {
        // Above the centre the water follows the upper arc, lowered by D/40 so that the red line
        // of the conduit stays visible over it.
        const long double baixar = static_cast<long double>(D) / 40;
        const long double limite = static_cast<long double>(m) + w;
        const long double xl = r - meiaCorda(w);
        const long double xr = r + meiaCorda(w);
        p.agua.push_back(ponto(xl, w - baixar));
        for (long double x = 0; x <= xl; x += s)
            if (cima(x) - baixar <= limite)
                p.agua.push_back(ponto(x, cima(x) - baixar));
        p.agua.push_back(ponto(xr, w - baixar));
        for (long double x = xr; x <= D; x += s)
            if (cima(x) - baixar <= limite)
                p.agua.push_back(ponto(x, cima(x) - baixar));
        p.agua.push_back(ponto(D, r));
    }
    OrdenarPorX(p.contorno);
    OrdenarPorX(p.contornoSuperior);
    OrdenarPorX(p.agua);
    return p;
}

PontosSecao PontosSecaoRegular(int tipo, const DimensoesSecao& d) {
    switch (tipo) {
    case kTriangular:
        return PontosTriangular(d.H, d.f, d.z);
    case kTrapezoidal:
        return PontosTrapezoidal(d.H, d.f, d.z, d.b);
    case kRetangular:
        return PontosRetangular(d.H, d.f, d.b);
    case kCircular:
        return PontosCircular(d.H, d.D);
    default:
        return {};
    }
}

QString FormatarRotuloEixo(double valor, QChar separadorDecimal, QChar separadorMilhar) {
    double arredondado = std::round(valor * 100.0) / 100.0;
    if (arredondado == 0.0)
        return QStringLiteral("0");
    QString texto = QString::number(std::fabs(arredondado), 'f', 2);
    while (texto.endsWith(QLatin1Char('0')))
        texto.chop(1);
    if (texto.endsWith(QLatin1Char('.')))
        texto.chop(1);
    qsizetype ponto = texto.indexOf(QLatin1Char('.'));
    QString inteiro = ponto < 0 ? texto : texto.left(ponto);
    QString fracao = ponto < 0 ? QString() : texto.mid(ponto + 1);
    for (qsizetype i = inteiro.size() - 3; i > 0; i -= 3)
        inteiro.insert(i, separadorMilhar);
    QString resultado = arredondado < 0 ? QStringLiteral("-") : QString();
    resultado += inteiro;
    if (!fracao.isEmpty())
        resultado += separadorDecimal + fracao;
    return resultado;
}

namespace {

const QColor kVermelho(255, 0, 0);
const QColor kLinhaAgua(1, 136, 255);
const QColor kAgua(1, 96, 255);

// A step of 1, 2 or 5 times a power of ten giving about `divisoes` intervals over `amplitude`.
double PassoRedondo(double amplitude, int divisoes) {
    double bruto = amplitude / divisoes;
    double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double fator : {1.0, 2.0, 5.0, 10.0})
        if (fator * potencia >= bruto)
            return fator * potencia;
    return 10.0 * potencia;
}

// Labels at round values inside [minimo, maximo], in the pattern "#,##0.##".
void RotularEixo(QCategoryAxis* eixo, double minimo, double maximo, int divisoes) {
    for (const QString& rotulo : eixo->categoriesLabels())
        eixo->remove(rotulo);
    eixo->setRange(minimo, maximo);
    eixo->setStartValue(minimo);
    const QChar decimal = RegionalJanela().SeparadorDecimal;
    const QChar milhar = RegionalJanela().SeparadorMilhar;
    double passo = PassoRedondo(maximo - minimo, divisoes);
    double primeiro = std::ceil(minimo / passo - 1e-9) * passo;
    for (int i = 0; i < 100; ++i) {
        double valor = primeiro + i * passo;
        if (valor > maximo + passo * 1e-9)
            break;
        if (std::fabs(valor) < passo * 1e-9)
            valor = 0.0;
        QString rotulo = FormatarRotuloEixo(valor, decimal, milhar);
        if (!eixo->categoriesLabels().contains(rotulo))
            eixo->append(rotulo, valor);
    }
}

QCategoryAxis* CriarEixo(const QString& titulo) {
    auto* eixo = new QCategoryAxis;
    eixo->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    eixo->setTitleText(titulo);
    eixo->setGridLineVisible(false);
    eixo->setMinorGridLineVisible(false);
    eixo->setShadesVisible(false);
    eixo->setLineVisible(false); // the axis line carries the tick marks, which the drawing has none of
    QFont fonte = eixo->labelsFont();
    fonte.setPointSizeF(6.5);
    eixo->setLabelsFont(fonte);
    fonte.setBold(false);
    eixo->setTitleFont(fonte);
    eixo->setLabelsColor(Qt::black);
    eixo->setTitleBrush(Qt::black);
    return eixo;
}

} // namespace

TGraficoSecao::TGraficoSecao(int tipo, QWidget* parent)
    : QWidget(parent), circular_(tipo == kCircular), chart_(new QChart), view_(new QChartView(chart_, this)) {
    const bool circular = circular_;
    // The size the chart had when the window could not grow is its least; it takes whatever room the page gives.
    setMinimumSize(circular ? QSize(149, 149) : QSize(240, 149));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* caixa = new QVBoxLayout(this);
    caixa->setContentsMargins(0, 0, 0, 0);
    caixa->addWidget(view_);
    view_->setFrameShape(QFrame::NoFrame);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setInteractive(false);
    view_->setStyleSheet(QStringLiteral("background: transparent"));
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const QColor fundo = palette().color(QPalette::Button);
    fundo_ = fundo;
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundRoundness(0);
    chart_->setBackgroundBrush(fundo);
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setPlotAreaBackgroundVisible(false);
    chart_->layout()->setContentsMargins(0, 0, 0, 0);
    AjustarMargens();

    eixoX_ = CriarEixo(QStringLiteral("Largura (m)"));
    eixoY_ = CriarEixo(QStringLiteral("Profundidade (m)"));
    chart_->addAxis(eixoX_, Qt::AlignBottom);
    chart_->addAxis(eixoY_, Qt::AlignLeft);

    // Back to front. Each outline's fill covers what lies behind it outside the section, the water's
    // line included; the circle's upper arc is drawn last of all, so that its red line stays over the
    // water where the water follows it closely on its steep sides.
    if (circular) {
        series_.push_back(CriarSerie(QStringLiteral("SCir3"), kVermelho, 3, fundo, false, false));
        series_.push_back(CriarSerie(QStringLiteral("SCir2"), kLinhaAgua, 2, kAgua, false, false));
        series_.push_back(CriarSerie(QStringLiteral("SCir1"), kVermelho, 3, fundo, false, true));
        for (QAbstractSeries* serie :
             std::initializer_list<QAbstractSeries*>{series_[0].area, series_[1].area, series_[1].linha,
                                                     series_[2].area, series_[2].linha, series_[0].linha})
            AdicionarAoGrafico(serie);
    } else {
        const QString prefixo = QString::fromLatin1(tipo == kTriangular    ? "STri"
                                                    : tipo == kTrapezoidal ? "STra"
                                                                           : "SRet");
        series_.push_back(CriarSerie(prefixo + u'2', kLinhaAgua, 2, kAgua, false, false));
        series_.push_back(CriarSerie(prefixo + u'1', kVermelho, 3, fundo, true, true));
        for (const Serie& serie : series_) {
            AdicionarAoGrafico(serie.area);
            AdicionarAoGrafico(serie.linha);
        }
    }
    AjustarEixos();
    // The scale follows the plot's proportion: a new plot area (the window resized, or the labels grown with
    // the numbers) needs new ranges. The labels of the new ranges may move the plot by a pixel or two, which
    // is followed a few times, never endlessly.
    connect(chart_, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        if (area.size() != areaEscala_ && reajustes_ < kMaximoReajustes) {
            ++reajustes_;
            AjustarEixos();
        }
    });
}

void TGraficoSecao::AjustarMargens() {
    // No margin but 1 % on the right, and room above for half of the topmost axis label.
    chart_->setMargins(QMargins(0, 5, std::max(1, width() / 100), 0));
}

void TGraficoSecao::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    reajustes_ = 0;
    AjustarMargens();
}

TGraficoSecao::Serie TGraficoSecao::CriarSerie(const QString& nome, const QColor& linha, int largura,
                                               const QColor& preenchimento, bool marcas, bool cobreAgua) {
    Serie s;
    s.nome = nome;
    s.estendeFundo = cobreAgua;
    // The area's own pen would also stroke its closing edges down to the bottom of the plot, so
    // the area is filled without a pen and the line is a series of its own drawn over it.
    s.borda = new QLineSeries(this);
    s.area = new QAreaSeries(s.borda);
    s.area->setPen(Qt::NoPen);
    s.area->setBrush(preenchimento);
    s.linha = new QLineSeries;
    QPen caneta(linha, largura);
    caneta.setJoinStyle(Qt::RoundJoin);
    caneta.setCapStyle(Qt::FlatCap);
    s.linha->setPen(caneta);
    if (marcas) {
        s.linha->setPointsVisible(true);
        s.linha->setMarkerSize(3);
    }
    return s;
}

void TGraficoSecao::PintarFundo(const QColor& fundo) {
    chart_->setBackgroundBrush(fundo);
    // The outlines' fills are the background that hides the water outside the section.
    for (const Serie& s : series_)
        if (s.area->brush().color() != kAgua)
            s.area->setBrush(fundo);
}

QImage TGraficoSecao::Imagem(const QColor& fundo) {
    PintarFundo(fundo);
    QImage imagem(view_->viewport()->size(), QImage::Format_RGB32);
    imagem.fill(fundo);
    {
        QPainter pintor(&imagem);
        pintor.setRenderHint(QPainter::Antialiasing);
        view_->render(&pintor, QRectF(imagem.rect()), view_->viewport()->rect());
    }
    PintarFundo(fundo_);
    return imagem;
}

void TGraficoSecao::AdicionarAoGrafico(QAbstractSeries* serie) {
    chart_->addSeries(serie);
    serie->attachAxis(eixoX_);
    serie->attachAxis(eixoY_);
}

void TGraficoSecao::Preencher(Serie& serie, const SeriePontos& pontos) {
    QList<QPointF> lista;
    lista.reserve(static_cast<qsizetype>(pontos.size()));
    for (const auto& p : pontos)
        lista.append(QPointF(p.x, p.y));
    serie.linha->replace(lista);
    if (serie.estendeFundo && !lista.isEmpty()) {
        // The outline's fill continues level beyond both ends of the section, so that it also
        // covers the smoothed edge and the line ends of the water drawn behind it.
        double alem = 1000.0 * (std::fabs(lista.back().x() - lista.front().x()) + 1.0);
        lista.prepend(QPointF(lista.front().x() - alem, lista.front().y()));
        lista.append(QPointF(lista.back().x() + alem, lista.back().y()));
    }
    serie.borda->replace(lista);
}

void TGraficoSecao::Desenhar(const PontosSecao& pontos) {
    reajustes_ = 0;
    if (circular_) {
        Preencher(series_[0], pontos.contornoSuperior);
        Preencher(series_[1], pontos.agua);
        Preencher(series_[2], pontos.contorno);
    } else {
        Preencher(series_[0], pontos.agua);
        Preencher(series_[1], pontos.contorno);
    }
    AjustarEixos();
}

void TGraficoSecao::Limpar() {
    reajustes_ = 0;
    for (auto& s : series_)
        Preencher(s, {});
    AjustarEixos();
}

SeriePontos TGraficoSecao::Pontos(const QString& serie) const {
    SeriePontos pontos;
    for (const auto& s : series_)
        if (s.nome == serie)
            for (const QPointF& p : s.linha->points())
                pontos.push_back({p.x(), p.y()});
    return pontos;
}

void TGraficoSecao::AjustarEixos() {
    // Both axes follow the points drawn, with a narrow border so that the 3-pixel outline is not
    // cut in half at the edges of the plot.
    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
    for (const auto& s : series_)
        for (const QPointF& p : s.linha->points()) {
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
    if (!(x0 <= x1)) {
        x0 = y0 = 0.0;
        x1 = y1 = 1.0;
    }
    auto alargar = [](double& a, double& b) {
        double folga = (b - a) * 0.04;
        if (folga <= 0)
            folga = std::max(std::fabs(a) * 0.1, 0.5);
        a -= folga;
        b += folga;
    };
    alargar(x0, x1);
    alargar(y0, y1);
    // Drawn to scale: the axis with room to spare is widened around the section, so that a wide canal
    // looks wide and flat. The outline's fill reaches far beyond its ends and down to the bottom of the
    // plot, so that the widened margins show the background only.
    const QRectF area = chart_->plotArea();
    areaEscala_ = area.size();
    const TJanelaEscala j = JanelaEmEscala(x0, x1, y0, y1, area.width(), area.height(), false);
    const int divisoesX = std::clamp(static_cast<int>(area.width() / 60), circular_ ? 3 : 5, 12);
    const int divisoesY = std::clamp(static_cast<int>(area.height() / 40), 4, 12);
    RotularEixo(eixoX_, j.MinimoX, j.MaximoX, divisoesX);
    RotularEixo(eixoY_, j.MinimoY, j.MaximoY, divisoesY);
}

TGraficoRegular::TGraficoRegular(QWidget* parent) : QStackedWidget(parent) {
    const char* nomes[] = {"Triangular", "Trapezoidal", "Retangular", "Circular"};
    for (int tipo = 0; tipo < 4; ++tipo) {
        auto* secao = new TGraficoSecao(tipo);
        secao->setObjectName(QStringLiteral("Chart") + QLatin1String(nomes[tipo]));
        secao->setWindowTitle(QLatin1String(nomes[tipo]));
        secoes_[static_cast<std::size_t>(tipo)] = secao;
        auto* pagina = new QWidget(this);
        auto* caixa = new QHBoxLayout(pagina);
        caixa->setContentsMargins(0, 0, 0, 0);
        caixa->addWidget(secao);
        addWidget(pagina);
    }
}

void TGraficoRegular::AtualizarGrafico(int tipo, const DimensoesSecao& d) {
    if (tipo < 0 || tipo > 3)
        return;
    Secao(tipo)->Desenhar(PontosSecaoRegular(tipo, d));
}

void TGraficoRegular::MostrarTipo(int tipo) {
    if (tipo >= 0 && tipo < count())
        setCurrentIndex(tipo);
}

void TGraficoRegular::LimparSeries() {
    for (auto* secao : secoes_)
        secao->Limpar();
}

QImage TGraficoRegular::Imagem(int tipo) const {
    if (tipo < 0 || tipo > 3)
        return {};
    return Secao(tipo)->Vista()->grab().toImage();
}

} // namespace sulvo
