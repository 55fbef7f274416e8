#pragma once

#include "slips/StampaSchedine.h"

#include <QImage>

#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

// Slip printing on a painter: black boxes at the calibrated places.
namespace sestina::stampaschedine {

// The boxes with a black brush and the default pen, then the caption on white.
void DipingiSchedina(QPainter &p, const schedine::PaginaSchedina &pagina, int dpi);
void DipingiCaselle(QPainter &p, const std::vector<schedine::Casella> &caselle);

// One page per slip on a printer or PDF writer, geometry from the device's dots
// per inch and the window's (`dpiFinestra`). Returns the page count.
int StampaSchedine(QPagedPaintDevice &d, const std::vector<schedine::SchedinaDaStampare> &schedine,
                   const schedine::ValoriTaratura &v, int dpiFinestra);
// "Stampa Prova": the 180 number places of both panels on one page.
void StampaProva(QPagedPaintDevice &d, const schedine::ValoriTaratura &v, int dpiFinestra);
// The slips as a PDF file (600 dots per inch), replacing it only when complete.
void EsportaSchedinePDF(const std::string &percorso, const std::vector<schedine::SchedinaDaStampare> &schedine,
                        const schedine::ValoriTaratura &v, int dpiFinestra);

// The program's own picture of the paper form ("ssuperenalotto.jpg"): the two
// panels with 1 and 90 where the calibration markers sit after a reset.
QImage DisegnoModulo();

} // namespace sestina::stampaschedine
