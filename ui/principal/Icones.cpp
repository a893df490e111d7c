#include "ui/principal/Icones.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sulvo {
namespace {

const QColor kAgua(30, 110, 220);
const QColor kAguaClara(150, 200, 250);
const QColor kTerra(150, 105, 60);
const QColor kContorno(40, 40, 40);
const QColor kPapel(250, 250, 250);

QPen Caneta(const QColor& cor, qreal largura = 1.0) {
    return QPen(cor, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Folha(QPainter& p) {
    QPainterPath folha;
    folha.moveTo(3.5, 1.5);
    folha.lineTo(10, 1.5);
    folha.lineTo(13.5, 5);
    folha.lineTo(13.5, 14.5);
    folha.lineTo(3.5, 14.5);
    folha.closeSubpath();
    p.setPen(Caneta(kContorno));
    p.setBrush(kPapel);
    p.drawPath(folha);
    p.drawPolyline(QPolygonF({{10, 1.5}, {10, 5}, {13.5, 5}}));
}

// A channel section on a 16 x 16 grid: earth hatch under the bed, the water to the given level.
void Secao(QPainter& p, const QPolygonF& leito, qreal nivel) {
    QPainterPath agua;
    agua.addPolygon(leito);
    agua.closeSubpath();
    QPainterPath abaixo;
    abaixo.addRect(QRectF(0, nivel, 16, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(kAguaClara);
    p.drawPath(agua.intersected(abaixo));
    p.setPen(Caneta(kTerra, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(leito);
    p.setPen(Caneta(kAgua, 1.0));
    p.drawLine(QPointF(1, nivel), QPointF(15, nivel));
}

void Globo(QPainter& p, const QColor& cor) {
    p.setPen(Caneta(cor.darker(150)));
    p.setBrush(cor);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.setPen(Caneta(Qt::white, 0.8));
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
}

void Desenhar(QPainter& p, TIcone icone) {
    switch (icone) {
    case TIcone::Novo:
        Folha(p);
        p.setPen(Caneta(QColor(230, 170, 0), 1.4));
        p.drawLine(QPointF(6, 8), QPointF(11, 8));
        p.drawLine(QPointF(8.5, 5.5), QPointF(8.5, 10.5));
        break;
    case TIcone::Abrir: {
        p.setPen(Caneta(QColor(120, 90, 20)));
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygonF({{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
        break;
    }
    case TIcone::Salvar:
        p.setPen(Caneta(QColor(20, 40, 90)));
        p.setBrush(QColor(60, 100, 180));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(kPapel);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4, 9, 8, 5.5));
        break;
    case TIcone::Fechar:
        Folha(p);
        p.setPen(Caneta(QColor(200, 30, 30), 1.8));
        p.drawLine(QPointF(6, 7), QPointF(11, 12));
        p.drawLine(QPointF(11, 7), QPointF(6, 12));
        break;
    case TIcone::Identificacao:
        p.setPen(Caneta(kContorno));
        p.setBrush(QColor(235, 240, 250));
        p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 1.5, 1.5);
        p.setBrush(QColor(120, 150, 200));
        p.drawEllipse(QRectF(2.5, 4.5, 4, 4));
        p.drawRect(QRectF(2.5, 9, 4, 2.5));
        p.setPen(Caneta(kContorno, 1));
        for (qreal y : {5.5, 8.0, 10.5})
            p.drawLine(QPointF(8.5, y), QPointF(13.5, y));
        break;
    case TIcone::Triangular:
        Secao(p, QPolygonF({{1, 3}, {8, 14}, {15, 3}}), 6);
        break;
    case TIcone::Trapezoidal:
        Secao(p, QPolygonF({{1, 3}, {5, 13}, {11, 13}, {15, 3}}), 6);
        break;
    case TIcone::Retangular:
        Secao(p, QPolygonF({{2.5, 2}, {2.5, 13}, {13.5, 13}, {13.5, 2}}), 6);
        break;
    case TIcone::Circular: {
        p.setPen(Qt::NoPen);
        p.setBrush(kAguaClara);
        QPainterPath tubo;
        tubo.addEllipse(QRectF(2, 2, 12, 12));
        QPainterPath abaixo;
        abaixo.addRect(QRectF(0, 8.5, 16, 8));
        p.drawPath(tubo.intersected(abaixo));
        p.setPen(Caneta(QColor(110, 110, 110), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.setPen(Caneta(kAgua));
        p.drawLine(QPointF(2.6, 8.5), QPointF(13.4, 8.5));
        break;
    }
    case TIcone::Irregular:
        Secao(p, QPolygonF({{0.5, 3}, {3, 6}, {5, 7}, {7, 13}, {10, 12}, {12, 8}, {15.5, 3}}), 7.5);
        break;
    case TIcone::Impressora:
        p.setPen(Caneta(kContorno));
        p.setBrush(kPapel);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(kPapel);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(Caneta(QColor(40, 180, 40), 1.5));
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case TIcone::Sobre: {
        p.setPen(Caneta(QColor(20, 60, 140)));
        p.setBrush(QColor(60, 120, 220));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont fonte = p.font();
        fonte.setPixelSize(11);
        fonte.setBold(true);
        p.setFont(fonte);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case TIcone::Sair:
        p.setPen(Caneta(kContorno));
        p.setBrush(QColor(170, 120, 70));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(Caneta(QColor(200, 30, 30), 1.6));
        p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
        p.drawPolyline(QPolygonF({{12, 5.5}, {14.5, 8}, {12, 10.5}}));
        break;
    case TIcone::Instituicao:
        Globo(p, QColor(40, 120, 200));
        break;
    case TIcone::Departamento:
        Globo(p, QColor(40, 160, 90));
        break;
    case TIcone::Grupo:
        Globo(p, QColor(200, 130, 30));
        break;
    case TIcone::PaginaSulvo:
        Globo(p, QColor(30, 150, 200));
        p.setPen(Caneta(QColor(10, 60, 140), 1.4));
        p.drawLine(QPointF(3, 11), QPointF(13, 11));
        break;
    case TIcone::Aplicacao: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(225, 240, 255));
        p.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);
        Secao(p, QPolygonF({{1.5, 3}, {5, 12.5}, {11, 12.5}, {14.5, 3}}), 6.5);
        break;
    }
    }
}

QPixmap Figura(TIcone icone, int lado) {
    QPixmap figura(lado, lado);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 16.0, lado / 16.0);
    Desenhar(p, icone);
    return figura;
}

} // namespace

QIcon Icone(TIcone icone) {
    QIcon resultado;
    for (int lado : {16, 32, 64})
        resultado.addPixmap(Figura(icone, lado));
    return resultado;
}

QPixmap FiguraAbertura(QSize tamanho) {
    QPixmap figura(tamanho);
    const qreal w = tamanho.width();
    const qreal h = tamanho.height();
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ceu(0, 0, 0, h);
    ceu.setColorAt(0, QColor(205, 228, 250));
    ceu.setColorAt(1, QColor(245, 250, 255));
    p.fillRect(QRectF(0, 0, w, h), ceu);

    // A trapezoidal lined channel dug into the ground, half full.
    const qreal topo = h * 0.55;
    const qreal fundo = h * 0.86;
    const QPolygonF leito({{w * 0.12, topo}, {w * 0.34, fundo}, {w * 0.66, fundo}, {w * 0.88, topo}});
    QPolygonF terra = leito;
    terra.prepend({0, topo});
    terra.append({w, topo});
    terra.append({w, h});
    terra.append({0, h});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 125, 80));
    p.drawPolygon(terra);

    const qreal nivel = topo + (fundo - topo) * 0.35;
    QPainterPath agua;
    agua.addPolygon(leito);
    agua.closeSubpath();
    QPainterPath abaixo;
    abaixo.addRect(QRectF(0, nivel, w, h));
    QLinearGradient azul(0, nivel, 0, fundo);
    azul.setColorAt(0, QColor(70, 150, 235));
    azul.setColorAt(1, QColor(20, 80, 170));
    p.setBrush(azul);
    p.drawPath(agua.intersected(abaixo));

    p.setPen(QPen(QColor(240, 250, 255), 1.5));
    const qreal margem = (nivel - topo) / (fundo - topo) * w * 0.22;
    p.drawLine(QPointF(w * 0.12 + margem, nivel), QPointF(w * 0.88 - margem, nivel));
    // The concrete lining over the water's edges.
    p.setPen(QPen(QColor(120, 120, 120), h * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(leito);

    QFont titulo(QStringLiteral("Liberation Sans"));
    titulo.setPixelSize(static_cast<int>(h * 0.2));
    titulo.setBold(true);
    p.setFont(titulo);
    p.setPen(QColor(20, 60, 130));
    p.drawText(QRectF(0, h * 0.08, w, h * 0.24), Qt::AlignCenter, QStringLiteral("Sulvo"));
    QFont subtitulo = titulo;
    subtitulo.setBold(false);
    subtitulo.setPixelSize(static_cast<int>(h * 0.055));
    p.setFont(subtitulo);
    p.setPen(QColor(40, 70, 110));
    p.drawText(QRectF(0, h * 0.32, w, h * 0.1), Qt::AlignCenter,
               QStringLiteral("Dimensionamento de canais em regime permanente e uniforme"));
    return figura;
}

} // namespace sulvo
