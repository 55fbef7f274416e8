// Draws the twelve sign pictures "hor001.bmp" .. "hor012.bmp" of the '&Astro' page.
// Run once by hand (target sestina_genera_segni); the pictures are committed.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // Picture n shows sign ((n + 9) % 12) + 1: hor001 is Aquarius, hor003 Aries.
    const char *nomi[] = {"Ariete",   "Toro",      "Gemelli",    "Cancro",     "Leone",    "Vergine",
                          "Bilancia", "Scorpione", "Sagittario", "Capricorno", "Acquario", "Pesci"};
    // Fire, earth, air, water, in the signs' own cycle.
    const QColor elementi[4][2] = {{QColor(255, 214, 150), QColor(214, 72, 40)},
                                   {QColor(222, 240, 196), QColor(92, 134, 60)},
                                   {QColor(232, 240, 255), QColor(96, 128, 210)},
                                   {QColor(206, 236, 246), QColor(30, 100, 150)}};
    for (int n = 1; n <= 12; ++n) {
        const int segno = ((n + 9) % 12) + 1;
        const auto &colori = elementi[(segno - 1) % 4];
        QImage img(96, 96, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient fondo(0, 0, 0, 96);
        fondo.setColorAt(0, colori[0]);
        fondo.setColorAt(1, colori[0].darker(115));
        p.fillRect(img.rect(), fondo);
        p.setPen(QPen(colori[1], 3));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(14, 6, 68, 68));
        QFont glifo(QStringLiteral("DejaVu Sans"));
        glifo.setPixelSize(46);
        p.setFont(glifo);
        p.setPen(colori[1]);
        p.drawText(QRectF(14, 6, 68, 68), Qt::AlignCenter, QString(QChar(0x2648 + segno - 1)));
        QFont testo(QStringLiteral("DejaVu Sans"));
        testo.setPixelSize(12);
        testo.setBold(true);
        p.setFont(testo);
        p.setPen(colori[1].darker(140));
        p.drawText(QRectF(0, 76, 96, 18), Qt::AlignCenter, QString::fromLatin1(nomi[segno - 1]));
        p.end();
        img.save(cartella + QStringLiteral("/hor%1.bmp").arg(n, 3, 10, QLatin1Char('0')), "BMP");
    }
    return 0;
}
