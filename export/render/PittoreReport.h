#pragma once

#include "export/Report.h"

#include <QImage>

#include <string>

class QPainter;
class QPagedPaintDevice;

// The one painter of the report forms: preview, printer, PDF file and test
// pictures all draw through DipingiPagina.
namespace sestina::resa {

// Loads every picture file of the form into pixels; a file that cannot be read
// throws Errore naming it (before any preview or page is produced).
void CaricaFigure(esporta::Report &r);

// A grid as the painter draws it, into the rectangle (device units) or into a
// picture of the grid's own size.
void DipingiGriglia(QPainter &p, const Griglia &g, const QRectF &destinazione);
QImage ImmagineGriglia(const Griglia &g);
// Widens the columns whose texts do not fit: a grid printed without a window
// has no on-screen widths to copy, and a clipped text would be lost.
void AllargaColonne(Griglia &g);

QImage ImmagineDaRaster(const esporta::Raster &r);
esporta::Raster RasterDaImmagine(const QImage &i);

// One laid-out page on a painter whose device has `puntiPerMm` dots per millimetre,
// (0, 0) being the paper's corner.
void DipingiPagina(QPainter &p, const esporta::PaginaReport &pagina, double puntiPerMm);
// Every page on a printer or PDF writer (already set to A4, full page); returns the page count.
int DipingiReport(const esporta::Report &r, QPagedPaintDevice &dispositivo);
// Page `indice` (from 0) as a white picture at `dpi`.
QImage ImmaginePagina(const esporta::Report &r, int indice, int dpi);
// The PDF file of the form, replacing `percorso` only when complete.
void EsportaPDF(const esporta::Report &r, const std::string &percorso);
// The same PDF in memory.
QByteArray ReportPDF(const esporta::Report &r);

} // namespace sestina::resa
