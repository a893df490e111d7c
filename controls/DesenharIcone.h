#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace sulvo {

// A small square picture on a transparent ground, drawn by `desenhar` with an antialiased painter: the icons the
// windows draw for themselves rather than ship as files.
template <class Desenhar> QIcon DesenharIcone(int lado, Desenhar desenhar) {
    QPixmap figura(lado, lado);
    figura.fill(Qt::transparent);
    {
        QPainter p(&figura);
        p.setRenderHint(QPainter::Antialiasing);
        desenhar(p);
    }
    return QIcon(figura);
}

} // namespace sulvo
