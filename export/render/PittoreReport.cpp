#include "export/render/PittoreReport.h"

#include "app/Errore.h"
#include "export/ModuliReport.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>
#include <cstring>

namespace sestina::resa {

using namespace esporta;

namespace {

QColor Colore(const sestina::Colore &c)
{
    return QColor(c.r, c.g, c.b);
}

QString Q(const std::string &s)
{
    return QString::fromStdString(s);
}

// A font of `pixel` screen pixels on a device with `puntiPerMm` dots per mm.
QFont FontDispositivo(const std::string &famiglia, double pixel, bool grassetto, bool corsivo, double puntiPerMm)
{
    QFont f(Q(famiglia));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel * MmPerPixel * puntiPerMm))));
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

Qt::Alignment Allinea(Allineamento a)
{
    switch (a) {
    case Allineamento::Centro:
        return Qt::AlignHCenter;
    case Allineamento::Destra:
        return Qt::AlignRight;
    case Allineamento::Sinistra:
        break;
    }
    return Qt::AlignLeft;
}

// The picture every form carries, drawn where no logo file is loaded.
void LogoIncorporato(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double lato = std::min(r.width(), r.height());
    const QRectF q(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawEllipse(q);
    p.setBrush(Qt::white);
    p.drawEllipse(q.adjusted(lato * 0.08, lato * 0.08, -lato * 0.08, -lato * 0.08));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(std::max(1, static_cast<int>(lato * 0.55)));
    p.setFont(f);
    p.setPen(QColor(0, 128, 0));
    p.drawText(q, Qt::AlignCenter, QStringLiteral("6"));
    p.restore();
}

void DipingiFigura(QPainter &p, const Figura &f, double k)
{
    QRectF r(f.x * k, f.y * k, f.larghezza * k, f.altezza * k);
    if (const auto *g = std::get_if<Griglia>(&f.sorgente)) {
        const QSizeF propria(LarghezzaGriglia(*g), AltezzaGriglia(*g));
        if (r.isEmpty())
            r.setSize(propria * MmPerPixel * k);
        else if (f.mantieniProporzioni && !propria.isEmpty()) {
            const QSizeF s = propria.scaled(r.size(), Qt::KeepAspectRatio);
            r = QRectF(r.x() + (r.width() - s.width()) / 2, r.y() + (r.height() - s.height()) / 2, s.width(),
                       s.height());
        }
        DipingiGriglia(p, *g, r);
        return;
    }
    if (const auto *raster = std::get_if<std::shared_ptr<const Raster>>(&f.sorgente);
        raster && *raster && !(*raster)->vuoto()) {
        const QImage i = ImmagineDaRaster(**raster);
        if (r.isEmpty())
            r.setSize(QSizeF(i.size()) * MmPerPixel * k);
        else if (f.mantieniProporzioni) {
            QSizeF s = QSizeF(i.size()).scaled(r.size(), Qt::KeepAspectRatio);
            r = QRectF(r.x() + (r.width() - s.width()) / 2, r.y() + (r.height() - s.height()) / 2, s.width(),
                       s.height());
        }
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(r, i);
        p.restore();
        return;
    }
    if (!r.isEmpty())
        LogoIncorporato(p, r);
}

void DipingiEtichetta(QPainter &p, const Etichetta &e, double k)
{
    if (e.testo.empty())
        return;
    const QFont f = FontDispositivo(e.font.famiglia, e.font.pixel, e.font.grassetto, e.font.corsivo, k);
    p.setFont(f);
    p.setPen(Colore(e.colore));
    const double altezza = QFontMetricsF(f).height();
    const QRectF r(e.x * k, e.y * k, std::max(0.0, e.larghezza) * k, altezza);
    p.drawText(r, static_cast<int>(Allinea(e.allineamento) | Qt::AlignTop | Qt::TextDontClip), Q(e.testo));
}

} // namespace

void CaricaFigure(Report &r)
{
    for (Banda &b : r.bande)
        for (Figura &f : b.figure) {
            const auto *file = std::get_if<std::string>(&f.sorgente);
            if (!file || file->empty())
                continue;
            QImage i;
            if (!i.load(Q(*file)))
                throw Errore("Impossibile leggere l'immagine \"" + *file + "\"", *file);
            f.sorgente = std::make_shared<const Raster>(RasterDaImmagine(i));
        }
}

QImage ImmagineDaRaster(const Raster &r)
{
    QImage i(r.larghezza, r.altezza, QImage::Format_ARGB32);
    for (int y = 0; y < r.altezza; ++y)
        std::memcpy(i.scanLine(y), r.pixel.data() + static_cast<size_t>(y) * static_cast<size_t>(r.larghezza),
                    static_cast<size_t>(r.larghezza) * 4);
    return i;
}

Raster RasterDaImmagine(const QImage &immagine)
{
    const QImage i = immagine.convertToFormat(QImage::Format_ARGB32);
    Raster r;
    r.larghezza = i.width();
    r.altezza = i.height();
    r.pixel.resize(static_cast<size_t>(r.larghezza) * static_cast<size_t>(r.altezza));
    for (int y = 0; y < r.altezza; ++y)
        std::memcpy(r.pixel.data() + static_cast<size_t>(y) * static_cast<size_t>(r.larghezza), i.constScanLine(y),
                    static_cast<size_t>(r.larghezza) * 4);
    return r;
}

namespace {
QFont FontCella(const Griglia &g, const Cella &cella)
{
    QFont f(Q(g.fontFamiglia));
    f.setPixelSize(cella.dimensioneFont > 0 ? cella.dimensioneFont : g.fontPixel);
    f.setBold(cella.grassetto || g.fontGrassetto);
    f.setUnderline(cella.sottolineato);
    return f;
}
} // namespace

void DipingiGriglia(QPainter &p, const Griglia &g, const QRectF &destinazione)
{
    const double w = LarghezzaGriglia(g), h = AltezzaGriglia(g);
    if (w <= 0 || h <= 0 || destinazione.isEmpty())
        return;
    p.save();
    p.translate(destinazione.topLeft());
    p.scale(destinazione.width() / w, destinazione.height() / h);
    const QColor linea(160, 160, 160);
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    double y = 0;
    for (int r = 0; r < g.righe(); ++r) {
        double x = 0;
        const double hr = g.altezza(r);
        for (int c = 0; c < g.colonne(); ++c) {
            const double wc = g.larghezza(c);
            const Cella &cella = g.cella(r, c);
            const QRectF q(x, y, wc, hr);
            p.fillRect(q, Colore(g.sfondoEffettivo(r, c)));
            p.setPen(QPen(linea, 0));
            p.drawLine(q.topRight(), q.bottomRight());
            p.drawLine(q.bottomLeft(), q.bottomRight());
            if (!cella.testo.empty()) {
                p.setFont(FontCella(g, cella));
                p.setPen(Colore(cella.colore));
                p.drawText(q.adjusted(3, 0, -3, 0), static_cast<int>(Allinea(cella.allineamento) | Qt::AlignVCenter),
                           Q(cella.testo));
            }
            x += wc;
        }
        y += hr;
    }
    p.setPen(QPen(linea, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, w - 1, h - 1));
    p.restore();
}

void AllargaColonne(Griglia &g)
{
    for (int c = 0; c < g.colonne(); ++c) {
        double w = 0;
        for (int r = 0; r < g.righe(); ++r) {
            const Cella &cella = g.cella(r, c);
            if (!cella.testo.empty())
                w = std::max(w, QFontMetricsF(FontCella(g, cella)).horizontalAdvance(Q(cella.testo)));
        }
        const int necessaria = static_cast<int>(std::ceil(w)) + 8; // the painter's 3-pixel insets and a margin
        if (w > 0 && necessaria > g.larghezza(c))
            g.ImpostaLarghezza(c, necessaria);
    }
}

QImage ImmagineGriglia(const Griglia &g)
{
    QImage i(std::max(1, LarghezzaGriglia(g)), std::max(1, AltezzaGriglia(g)), QImage::Format_RGB32);
    i.fill(Qt::white);
    QPainter p(&i);
    DipingiGriglia(p, g, QRectF(0, 0, i.width(), i.height()));
    return i;
}

void DipingiPagina(QPainter &p, const PaginaReport &pagina, double k)
{
    for (const ElementoPagina &e : pagina.elementi) {
        p.save();
        if (const auto *q = std::get_if<Riquadro>(&e.elemento)) {
            p.setPen(QPen(Qt::black, std::max(1.0, 0.25 * k)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(q->x * k, q->y * k, q->larghezza * k, q->altezza * k));
        } else if (const auto *f = std::get_if<Figura>(&e.elemento)) {
            DipingiFigura(p, *f, k);
        } else if (const auto *t = std::get_if<Etichetta>(&e.elemento)) {
            DipingiEtichetta(p, *t, k);
        }
        p.restore();
    }
}

int DipingiReport(const Report &r, QPagedPaintDevice &dispositivo)
{
    const auto pagine = Impagina(r);
    QPainter p;
    if (!p.begin(&dispositivo))
        throw Errore("Impossibile avviare la stampa");
    // Device pixels, never a painter scaled to millimetres: PDF fonts would grow with the scale.
    const double k = dispositivo.logicalDpiX() / 25.4;
    for (size_t i = 0; i < pagine.size(); ++i) {
        if (i > 0)
            dispositivo.newPage();
        DipingiPagina(p, pagine[i], k);
    }
    p.end();
    return static_cast<int>(pagine.size());
}

QImage ImmaginePagina(const Report &r, int indice, int dpi)
{
    const auto pagine = Impagina(r);
    const double k = dpi / 25.4;
    QImage i(static_cast<int>(std::lround(r.larghezzaPagina() * k)),
             static_cast<int>(std::lround(r.altezzaPagina() * k)), QImage::Format_RGB32);
    i.setDotsPerMeterX(static_cast<int>(std::lround(k * 1000)));
    i.setDotsPerMeterY(static_cast<int>(std::lround(k * 1000)));
    i.fill(Qt::white);
    if (indice >= 0 && indice < static_cast<int>(pagine.size())) {
        QPainter p(&i);
        p.setRenderHint(QPainter::TextAntialiasing);
        DipingiPagina(p, pagine[static_cast<size_t>(indice)], k);
    }
    return i;
}

namespace {
void ScriviPDF(const Report &r, QIODevice &uscita)
{
    QPdfWriter w(&uscita);
    w.setResolution(600);
    w.setCreator(QStringLiteral("Sestina"));
    w.setTitle(Q(r.titolo));
    w.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    r.orientamento == Orientamento::Verticale ? QPageLayout::Portrait : QPageLayout::Landscape,
                    QMarginsF(0, 0, 0, 0)));
    DipingiReport(r, w);
}
} // namespace

QByteArray ReportPDF(const Report &r)
{
    QByteArray dati;
    QBuffer b(&dati);
    b.open(QIODevice::WriteOnly);
    ScriviPDF(r, b);
    return dati;
}

void EsportaPDF(const Report &r, const std::string &percorso)
{
    QSaveFile f(Q(percorso));
    if (!f.open(QIODevice::WriteOnly))
        throw Errore("Impossibile scrivere il file \"" + percorso + "\": " + f.errorString().toStdString(), percorso);
    ScriviPDF(r, f);
    if (!f.commit())
        throw Errore("Impossibile scrivere il file \"" + percorso + "\": " + f.errorString().toStdString(), percorso);
}

} // namespace sestina::resa
