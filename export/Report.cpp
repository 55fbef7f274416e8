#include "export/Report.h"

namespace sestina::esporta {

namespace {

// Moves a band's elements to (x0, y0) on the paper.
void Colloca(const Banda &b, double x0, double y0, double larghezzaBanda, PaginaReport &p)
{
    for (Riquadro q : b.riquadri) {
        q.x += x0;
        q.y += y0;
        p.elementi.push_back({q});
    }
    for (Figura f : b.figure) {
        f.x += x0;
        f.y += y0;
        p.elementi.push_back({std::move(f)});
    }
    for (Etichetta e : b.etichette) {
        if (e.larghezza <= 0)
            e.larghezza = larghezzaBanda - e.x;
        e.x += x0;
        e.y += y0;
        p.elementi.push_back({std::move(e)});
    }
}

} // namespace

std::vector<PaginaReport> Impagina(const Report &r)
{
    std::vector<PaginaReport> pagine(1);
    const double x0 = r.margine;
    const double alto = r.margine;
    const double basso = r.altezzaPagina() - r.margine + 1e-6; // sums of mm must not tip a band over
    double y = alto;
    const Banda *piede = nullptr;
    auto nuovaPagina = [&] {
        pagine.emplace_back();
        y = alto;
    };
    for (const Banda &b : r.bande) {
        switch (b.tipo) {
        case TipoBanda::PiePagina:
            piede = &b;
            break;
        case TipoBanda::Titolo:
        case TipoBanda::Dettaglio:
            if (y > alto && y + b.altezza > basso)
                nuovaPagina();
            Colloca(b, x0, y, r.larghezzaUtile(), pagine.back());
            y += b.altezza;
            break;
        case TipoBanda::Elenco:
            for (const std::string &riga : b.righe) {
                if (y > alto && y + b.altezza > basso)
                    nuovaPagina();
                Etichetta e;
                e.x = x0;
                e.y = y;
                e.larghezza = r.larghezzaUtile();
                e.testo = riga;
                e.font = b.fontRighe;
                e.colore = b.coloreRighe;
                e.allineamento = b.allineamentoRighe;
                pagine.back().elementi.push_back({std::move(e)});
                y += b.altezza;
            }
            break;
        }
    }
    if (piede) {
        if (y > alto && y + piede->altezza > basso)
            nuovaPagina();
        Colloca(*piede, x0, r.altezzaPagina() - r.margine - piede->altezza, r.larghezzaUtile(), pagine.back());
    }
    return pagine;
}

} // namespace sestina::esporta
