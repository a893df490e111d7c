#include "report/ImagemGraficoQt.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMetaObject>
#include <QPainter>
#include <QWidget>

namespace sulvo {

QImage DesenharGrafico(QWidget& grafico) {
    // A chart that knows how to picture itself on a given background (its own fills in the window colour
    // turned white as well) is asked to.
    QImage propria;
    if (grafico.metaObject()->indexOfMethod("Imagem(QColor)") >= 0 &&
        QMetaObject::invokeMethod(&grafico, "Imagem", Qt::DirectConnection, Q_RETURN_ARG(QImage, propria),
                                  Q_ARG(QColor, QColor(Qt::white))) &&
        !propria.isNull())
        return propria;
    QImage imagem(grafico.size(), QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter pintor(&imagem);
    if (auto* vista = qobject_cast<QGraphicsView*>(&grafico)) {
        // A chart view: its scene alone, so the view's own window-coloured fill stays out and the
        // white shows wherever the chart leaves the picture unpainted (its rounded corners).
        pintor.setRenderHint(QPainter::Antialiasing);
        const QRect origem = vista->viewport()->rect();
        vista->render(&pintor, QRectF(vista->viewport()->geometry()), origem);
    } else {
        grafico.render(&pintor, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return imagem;
}

namespace {

// The largest picture the report takes: within the width of an A4 page between its margins, and short enough
// for the regular report to stay on one page. A chart grown with a maximised window is reduced to it whole,
// in proportion, so that a drawing to scale stays to scale.
constexpr int kLarguraMaximaImagem = 620;
constexpr int kAlturaMaximaImagem = 420;

QImage NoTamanhoDoRelatorio(const QImage& imagem) {
    if (imagem.width() <= kLarguraMaximaImagem && imagem.height() <= kAlturaMaximaImagem)
        return imagem;
    return imagem.scaled(kLarguraMaximaImagem, kAlturaMaximaImagem, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

TImagemGrafico FotografarGraficoQt(QWidget& grafico, const QString& pasta) {
    QImage imagem = NoTamanhoDoRelatorio(DesenharGrafico(grafico));

    // The picture stays on the clipboard for the user to paste elsewhere; the file is written from
    // what the clipboard gives back, or from the drawing when the platform keeps no image there.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setImage(imagem);
    const QImage copia = clipboard->image();
    if (!copia.isNull())
        imagem = copia;

    const QString caminho =
        QDir::toNativeSeparators(QDir(pasta).absoluteFilePath(QLatin1String(kArquivoImagemGrafico)));
    auto falha = [&](const QString& motivo) {
        return ErroImagemGrafico(QStringLiteral("Cannot create file \"%1\". %2").arg(caminho, motivo).toStdString());
    };
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw falha(arquivo.errorString());
    QImageWriter escritor(&arquivo, "BMP");
    if (!escritor.write(imagem)) {
        const QString motivo = escritor.errorString();
        arquivo.close();
        arquivo.remove();
        throw falha(motivo);
    }
    return {imagem.height(), imagem.width()};
}

} // namespace sulvo
