// Draws the two pictures delivered beside the executable: the report banner "Cabecalho.jpg"
// (550 x 62) and the about picture "Sobre.jpg" (559 x 340), and, when asked, the program's icon for
// the desktop at the hicolor theme's sizes. Run at build time; the pictures are drawn, not shipped,
// so the tree holds no binary files.
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QStringLiteral>

#include <cmath>
#include <cstdio>

namespace {

const QColor kAzulProfundo(0x0b, 0x3c, 0x6e);
const QColor kAzulMedio(0x15, 0x65, 0xa8);
const QColor kAgua(0x3d, 0x9b, 0xd9);
const QColor kAguaClara(0x9f, 0xd3, 0xf2);
const QColor kConcreto(0xc9, 0xc4, 0xb8);
const QColor kConcretoEscuro(0x8f, 0x89, 0x7c);

QFont Fonte(int pixels, int peso, bool italico = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setWeight(static_cast<QFont::Weight>(peso));
    f.setItalic(italico);
    return f;
}

// A band of gentle waves between y and y + altura, used as the water surface of both pictures.
QPainterPath Ondas(double x0, double x1, double y, double amplitude, double comprimento) {
    QPainterPath p;
    p.moveTo(x0, y);
    for (double x = x0; x <= x1; x += 2.0)
        p.lineTo(x, y + amplitude * std::sin((x - x0) / comprimento * 2.0 * M_PI));
    return p;
}

// The banner: a trapezoidal channel section with water on a deep-blue band, the name and the
// subject of the program beside it.
QImage Cabecalho() {
    QImage img(550, 62, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fundo(0, 0, 550, 0);
    fundo.setColorAt(0.0, kAzulProfundo);
    fundo.setColorAt(0.65, kAzulMedio);
    fundo.setColorAt(1.0, QColor(0x2a, 0x8c, 0xc8));
    p.fillRect(img.rect(), fundo);

    // Channel section: banks, lining and water at about two thirds of the depth.
    QPolygonF secao{{12, 12}, {30, 50}, {74, 50}, {92, 12}};
    QPolygonF agua{{20.5, 32}, {30, 50}, {74, 50}, {83.5, 32}};
    p.setPen(Qt::NoPen);
    QLinearGradient gAgua(0, 32, 0, 50);
    gAgua.setColorAt(0, kAguaClara);
    gAgua.setColorAt(1, kAgua);
    p.setBrush(gAgua);
    p.drawPolygon(agua);
    p.setPen(QPen(QColor(0xe8, 0xe4, 0xda), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(secao);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawPath(Ondas(23, 81, 32, 1.2, 9));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.0, Qt::DashLine));
    p.drawLine(QPointF(52, 8), QPointF(52, 54));

    p.setPen(Qt::white);
    p.setFont(Fonte(34, QFont::Bold));
    p.drawText(QRectF(108, 4, 160, 42), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sulvo"));
    p.setPen(QColor(0xd6, 0xea, 0xf8));
    p.setFont(Fonte(12, QFont::Normal));
    p.drawText(QRectF(110, 42, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Canais abertos"));

    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.drawLine(QPointF(262, 14), QPointF(262, 48));
    p.setPen(Qt::white);
    p.setFont(Fonte(14, QFont::DemiBold));
    p.drawText(QRectF(276, 10, 270, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Dimensionamento Hidráulico de Canais"));
    p.setPen(QColor(0xd6, 0xea, 0xf8));
    p.setFont(Fonte(11, QFont::Normal, true));
    p.drawText(QRectF(276, 32, 270, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Escoamento permanente e uniforme - Manning"));

    // A thin water line along the foot of the banner.
    p.setPen(QPen(kAguaClara, 1.5));
    p.drawPath(Ondas(0, 550, 59, 1.0, 22));
    return img;
}

// The about picture: a concrete-lined channel running into the distance under a clear sky, the
// program's name, a one-line description and the credits on a panel beside it.
QImage Sobre() {
    const int w = 559, h = 340;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Scene on the left 330 pixels: sky, fields, the channel in perspective towards a vanishing point.
    const double larguraCena = 330;
    const double horizonte = 132;
    QLinearGradient ceu(0, 0, 0, horizonte);
    ceu.setColorAt(0, QColor(0x5d, 0xa9, 0xe9));
    ceu.setColorAt(1, QColor(0xd8, 0xee, 0xfb));
    p.fillRect(QRectF(0, 0, larguraCena, horizonte), ceu);
    QLinearGradient campo(0, horizonte, 0, h);
    campo.setColorAt(0, QColor(0x9c, 0xc0, 0x6a));
    campo.setColorAt(1, QColor(0x5f, 0x8f, 0x3a));
    p.fillRect(QRectF(0, horizonte, larguraCena, h - horizonte), campo);

    // Distant hills.
    QPainterPath colinas;
    colinas.moveTo(0, horizonte);
    colinas.cubicTo(60, horizonte - 26, 120, horizonte - 8, 170, horizonte - 18);
    colinas.cubicTo(220, horizonte - 30, 280, horizonte - 10, larguraCena, horizonte - 20);
    colinas.lineTo(larguraCena, horizonte);
    colinas.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7f, 0xa8, 0x8c));
    p.drawPath(colinas);

    // Channel: outer edges of the lining, the bed, and the water between the wetted slopes.
    const QPointF fuga(168, horizonte + 2);
    auto naLinha = [&](double xBase, double t) {
        // point at fraction t from the vanishing point (0) to the foot of the picture (1)
        return QPointF(fuga.x() + (xBase - fuga.x()) * t, fuga.y() + (h - fuga.y()) * t);
    };
    QPolygonF margemEsq{naLinha(-60, 1), fuga, naLinha(90, 1)};
    QPolygonF margemDir{naLinha(250, 1), fuga, naLinha(400, 1)};
    QPolygonF fundoCanal{naLinha(90, 1), fuga, naLinha(250, 1)};
    p.setBrush(kConcreto);
    p.drawPolygon(margemEsq);
    p.setBrush(kConcretoEscuro);
    p.drawPolygon(margemDir);
    p.setBrush(QColor(0xa9, 0xa3, 0x95));
    p.drawPolygon(fundoCanal);

    QPolygonF agua{naLinha(30, 1), fuga, naLinha(310, 1)};
    QLinearGradient gAgua(0, horizonte, 0, h);
    gAgua.setColorAt(0, kAguaClara);
    gAgua.setColorAt(1, QColor(0x1d, 0x6f, 0xb0));
    p.setBrush(gAgua);
    p.drawPolygon(agua);

    // Lining joints: lines from the vanishing point and cross joints closing in with distance.
    p.setPen(QPen(QColor(0x7a, 0x74, 0x68, 150), 1.0));
    for (double xb : {-60.0, -15.0, 30.0, 310.0, 355.0, 400.0})
        p.drawLine(fuga, naLinha(xb, 1));
    for (double t = 0.08; t < 1.0; t *= 1.45) {
        p.drawLine(naLinha(-60, t), naLinha(30, t));
        p.drawLine(naLinha(310, t), naLinha(400, t));
    }
    // Light on the water.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.4));
    for (double t = 0.18; t < 1.0; t *= 1.32) {
        QPointF a = naLinha(100, t), b = naLinha(240, t);
        p.drawPath(Ondas(a.x(), b.x(), a.y(), 1.0 + 2.0 * t, 10 + 30 * t));
    }

    // Panel with the name and credits.
    QLinearGradient painel(larguraCena, 0, w, h);
    painel.setColorAt(0, kAzulProfundo);
    painel.setColorAt(1, kAzulMedio);
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(larguraCena, 0, w - larguraCena, h), painel);
    p.fillRect(QRectF(larguraCena, 0, 4, h), kAguaClara);

    const double x = larguraCena + 22, largura = w - x - 16;
    p.setPen(Qt::white);
    p.setFont(Fonte(54, QFont::Bold));
    p.drawText(QRectF(x, 40, largura, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sulvo"));
    p.setPen(QPen(kAguaClara, 2.0));
    p.drawPath(Ondas(x + 2, x + 150, 116, 2.5, 24));

    p.setPen(QColor(0xe4, 0xf1, 0xfb));
    p.setFont(Fonte(14, QFont::DemiBold));
    p.drawText(QRectF(x, 132, largura, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Dimensionamento hidráulico de canais abertos"));

    p.setFont(Fonte(12, QFont::Normal));
    p.setPen(QColor(0xc3, 0xdc, 0xef));
    p.drawText(QRectF(x, 190, largura, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Seções regulares e irregulares em regime permanente e uniforme (Manning)"));

    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.drawLine(QPointF(x, 262), QPointF(w - 16, 262));
    p.setPen(QColor(0xe4, 0xf1, 0xfb));
    p.setFont(Fonte(12, QFont::DemiBold));
    p.drawText(QRectF(x, 270, largura, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Versão 1.0"));
    p.setFont(Fonte(11, QFont::Normal));
    p.setPen(QColor(0xc3, 0xdc, 0xef));
    p.drawText(QRectF(x, 290, largura, 36), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Desenvolvido pela equipe do projeto Sulvo"));
    return img;
}

// The desktop icon: the banner's channel section with water on a rounded deep-blue tile, drawn on a
// 256-unit square scaled to `lado` pixels so that every size is drawn, not shrunk from a larger one.
QImage Icone(int lado) {
    QImage img(lado, lado, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 256.0, lado / 256.0);

    QLinearGradient fundo(0, 0, 0, 256);
    fundo.setColorAt(0.0, kAzulMedio);
    fundo.setColorAt(1.0, kAzulProfundo);
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // Trapezoidal section, side slopes about 1:1, water at two thirds of its depth.
    const QPolygonF secao{{34, 70}, {86, 196}, {170, 196}, {222, 70}};
    const QPolygonF agua{{61.5, 136}, {86, 196}, {170, 196}, {194.5, 136}};
    QLinearGradient gAgua(0, 136, 0, 196);
    gAgua.setColorAt(0, kAguaClara);
    gAgua.setColorAt(1, kAgua);
    p.setBrush(gAgua);
    p.drawPolygon(agua);
    p.setPen(QPen(kConcreto, lado < 32 ? 22.0 : 14.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(secao);
    if (lado >= 32) {
        p.setPen(QPen(Qt::white, 5.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(Ondas(70, 186, 136, 4.0, 29));
    }
    return img;
}

bool Salvar(const QImage& img, const QDir& pasta, const QString& nome) {
    const QString caminho = pasta.filePath(nome);
    if (!img.save(caminho, "JPEG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(caminho));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ICON_FOLDER ICON_NAME]\n", argv[0]);
        return 2;
    }
    QDir pasta(QString::fromLocal8Bit(argv[1]));
    if (!pasta.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = Salvar(Cabecalho(), pasta, QStringLiteral("Cabecalho.jpg"));
    ok = Salvar(Sobre(), pasta, QStringLiteral("Sobre.jpg")) && ok;
    // ICON_FOLDER/NxN/apps/ICON_NAME.png, the hicolor theme's layout.
    if (argc == 4) {
        const QString nome = QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png");
        for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
            QDir icones(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1x%1/apps").arg(lado));
            if (!icones.mkpath(QStringLiteral(".")) || !Icone(lado).save(icones.filePath(nome), "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(icones.filePath(nome)));
                ok = false;
            }
        }
    }
    return ok ? 0 : 1;
}
