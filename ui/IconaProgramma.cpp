#include "ui/IconaProgramma.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

QImage ImmagineIcona(int lato)
{
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 256.0, lato / 256.0);

    QLinearGradient fondo(0, 0, 0, 256);
    fondo.setColorAt(0, QColor(52, 110, 204));
    fondo.setColorAt(1, QColor(31, 78, 156));
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // Six balls on a ring, the top one in the gold of the star.
    const double pi = std::acos(-1.0);
    for (int i = 0; i < 6; ++i) {
        const double a = -pi / 2 + i * pi / 3;
        const QPointF c(128 + 78 * std::cos(a), 128 + 78 * std::sin(a));
        QRadialGradient palla(c - QPointF(10, 10), 40);
        const QColor colore = i == 0 ? QColor(255, 200, 40) : QColor(255, 255, 255);
        palla.setColorAt(0, colore.lighter(115));
        palla.setColorAt(1, i == 0 ? QColor(214, 150, 0) : QColor(196, 210, 232));
        p.setBrush(palla);
        p.setPen(QPen(QColor(18, 48, 100), 4));
        p.drawEllipse(c, 31, 31);
    }

    QPainterPath stella;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? 40 : 17;
        const double a = -pi / 2 + k * pi / 5;
        const QPointF q(128 + r * std::cos(a), 128 + r * std::sin(a));
        if (k == 0)
            stella.moveTo(q);
        else
            stella.lineTo(q);
    }
    stella.closeSubpath();
    p.setBrush(QColor(255, 200, 40));
    p.setPen(QPen(QColor(18, 48, 100), 3));
    p.drawPath(stella);
    return img;
}

QIcon IconaProgramma()
{
    QIcon icona;
    for (int lato : {16, 24, 32, 48, 64, 128, 256})
        icona.addPixmap(QPixmap::fromImage(ImmagineIcona(lato)));
    return icona;
}
