#include "ui/periferia/SplashSulvo.h"

#include <QDir>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace sulvo {
namespace {

// Stands in for a missing picture, so that the window still says what it is and still closes on a click.
QPixmap FiguraSubstituta(QSize tamanho) {
    QPixmap figura(tamanho);
    QPainter p(&figura);
    QLinearGradient fundo(0, 0, 0, tamanho.height());
    fundo.setColorAt(0, QColor(0x15, 0x65, 0xa8));
    fundo.setColorAt(1, QColor(0x0b, 0x3c, 0x6e));
    p.fillRect(figura.rect(), fundo);
    p.setPen(Qt::white);
    QFont nome(QStringLiteral("Liberation Sans"));
    nome.setPixelSize(56);
    nome.setBold(true);
    p.setFont(nome);
    p.drawText(figura.rect().adjusted(0, 0, 0, -60), Qt::AlignCenter, QStringLiteral("Sulvo"));
    QFont linha = nome;
    linha.setPixelSize(15);
    linha.setBold(false);
    p.setFont(linha);
    p.drawText(figura.rect().adjusted(0, 70, 0, 0), Qt::AlignCenter,
               QStringLiteral("Dimensionamento de canais em regime uniforme"));
    return figura;
}

} // namespace

TFSplashSulvo::TFSplashSulvo(const QString& pasta, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FSplashSulvo"));
    setWindowTitle(QStringLiteral("Sobre o Sulvo"));
    setModal(true);
    setFixedSize(kLargura, kAltura);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kLarguraFigura, kAltura);
    Image1->setScaledContents(true);
    figura_ = QPixmap(QDir(pasta).filePath(QLatin1String(kNomeFigura)));
    figuraCarregada_ = !figura_.isNull();
    if (!figuraCarregada_)
        figura_ = FiguraSubstituta(Image1->size());
    Image1->setPixmap(figura_);
    Image1->installEventFilter(this);
    setCursor(Qt::PointingHandCursor);
}

void TFSplashSulvo::Image1Click() {
    accept();
}

bool TFSplashSulvo::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Image1) {
        if (evento->type() == QEvent::MouseButtonPress)
            return true; // taken, so that the release that completes the click comes here too
        if (evento->type() == QEvent::MouseButtonRelease) {
            Image1Click();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFSplashSulvo::mouseReleaseEvent(QMouseEvent* evento) {
    evento->accept();
    Image1Click();
}

// The picture is one pixel narrower than the window: the last column repeats the picture's right edge, so
// the window shows no seam.
void TFSplashSulvo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect resto(kLarguraFigura, 0, width() - kLarguraFigura, height());
    p.drawPixmap(resto, figura_, QRect(figura_.width() - 1, 0, 1, figura_.height()));
}

void TFSplashSulvo::showEvent(QShowEvent* evento) {
    QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    if (tela)
        move(tela->availableGeometry().center() - QPoint(kLargura / 2, kAltura / 2));
    QDialog::showEvent(evento);
}

} // namespace sulvo
