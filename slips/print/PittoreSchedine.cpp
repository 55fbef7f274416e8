#include "slips/print/PittoreSchedine.h"

#include "app/Errore.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace sestina::stampaschedine {

using namespace schedine;

void DipingiCaselle(QPainter &p, const std::vector<Casella> &caselle)
{
    // The box with its outline: both corners' pixels included, x1..x2 and y1..y2.
    for (const Casella &c : caselle)
        p.fillRect(QRect(QPoint(c.x1, c.y1), QPoint(c.x2, c.y2)), Qt::black);
}

void DipingiSchedina(QPainter &p, const PaginaSchedina &pagina, int dpi)
{
    DipingiCaselle(p, pagina.caselle);
    p.save();
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(10.0 / 72.0 * dpi))));
    p.setFont(f);
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    p.drawText(QRect(pagina.xDidascalia, pagina.yDidascalia, 100 * dpi, dpi), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(pagina.didascalia));
    p.restore();
}

namespace {
GeometriaStampa Geometria(const QPagedPaintDevice &d, const ValoriTaratura &v, int dpiFinestra)
{
    return assegnadati(v, d.logicalDpiX(), d.logicalDpiY(), dpiFinestra);
}
} // namespace

int StampaSchedine(QPagedPaintDevice &d, const std::vector<SchedinaDaStampare> &schedine, const ValoriTaratura &v,
                   int dpiFinestra)
{
    if (schedine.empty())
        throw Errore(MsgNessunaColonna);
    QPainter p;
    if (!p.begin(&d))
        throw Errore("Impossibile avviare la stampa");
    const GeometriaStampa g = Geometria(d, v, dpiFinestra);
    int pagine = 0;
    for (const auto &[s, indice] : schedine) {
        if (pagine++ > 0)
            d.newPage();
        DipingiSchedina(p, StampaSchedina(s, indice, g), d.logicalDpiY());
    }
    p.end();
    return pagine;
}

void StampaProva(QPagedPaintDevice &d, const ValoriTaratura &v, int dpiFinestra)
{
    QPainter p;
    if (!p.begin(&d))
        throw Errore("Impossibile avviare la stampa");
    DipingiCaselle(p, CaselleProva(Geometria(d, v, dpiFinestra)));
    p.end();
}

void EsportaSchedinePDF(const std::string &percorso, const std::vector<SchedinaDaStampare> &schedine,
                        const ValoriTaratura &v, int dpiFinestra)
{
    if (schedine.empty())
        throw Errore(MsgNessunaColonna);
    QSaveFile f(QString::fromStdString(percorso));
    if (!f.open(QIODevice::WriteOnly))
        throw Errore("Impossibile scrivere il file \"" + percorso + "\": " + f.errorString().toStdString(), percorso);
    {
        QPdfWriter w(&f);
        w.setResolution(600);
        w.setCreator(QStringLiteral("Sestina"));
        w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        StampaSchedine(w, schedine, v, dpiFinestra);
    }
    if (!f.commit())
        throw Errore("Impossibile scrivere il file \"" + percorso + "\": " + f.errorString().toStdString(), percorso);
}

QImage DisegnoModulo()
{
    // Panel cells every 16 pixels across and 15 down; number 1 of the two panels at
    // (40, 80) and (152, 80), number 90 at (120, 290) and (232, 290).
    QImage i(300, 360, QImage::Format_RGB32);
    i.fill(QColor(255, 250, 235));
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor rosa(214, 36, 110), grigio(120, 120, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(rosa);
    p.drawRect(0, 0, 300, 42);
    QFont titolo(QStringLiteral("Arial"));
    titolo.setPixelSize(22);
    titolo.setBold(true);
    titolo.setItalic(true);
    p.setFont(titolo);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 300, 42), Qt::AlignCenter, QStringLiteral("SuperEnalotto"));
    QFont piccolo(QStringLiteral("Arial"));
    piccolo.setPixelSize(7);
    QFont etichetta(QStringLiteral("Arial"));
    etichetta.setPixelSize(10);
    etichetta.setBold(true);
    for (int pannello = 0; pannello < 2; ++pannello) {
        const int x0 = pannello == 0 ? 40 : 152;
        p.setFont(etichetta);
        p.setPen(rosa);
        p.drawText(QRect(x0, 56, 92, 16), Qt::AlignCenter,
                   pannello == 0 ? QStringLiteral("PANNELLO A") : QStringLiteral("PANNELLO B"));
        p.setPen(QPen(rosa, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(x0 - 4.5, 74.5, 100, 233), 4, 4);
        p.setFont(piccolo);
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 15; ++r) {
                const QRect q(x0 + 16 * c, 80 + 15 * r, 12, 12);
                p.setPen(QPen(rosa, 1));
                p.setBrush(Qt::white);
                p.drawRect(q);
                p.setPen(grigio);
                p.drawText(q, Qt::AlignCenter, QString::number(15 * c + r + 1));
            }
        // SuperStar box under the panel
        p.setPen(QPen(rosa, 1));
        p.setBrush(Qt::white);
        p.drawRect(x0 + 40, 318, 12, 12);
        p.setFont(piccolo);
        p.setPen(rosa);
        p.drawText(QRect(x0, 332, 92, 12), Qt::AlignCenter, QStringLiteral("SUPERSTAR"));
    }
    return i;
}

} // namespace sestina::stampaschedine
