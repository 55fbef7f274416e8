#include "archive/TabellaEstrazioni.h"

#include "app/Testo.h"
#include "archive/Calendario.h"

#include <algorithm>

namespace sestina::archivio {

int ClampCursore(int cursore, int ultima)
{
    if (cursore > ultima)
        cursore = ultima;
    if (cursore < 0)
        cursore = 0;
    if (cursore == 0)
        cursore = ultima < 14 ? ultima : 14;
    return cursore;
}

Griglia TabellaEstrazioniVuota()
{
    Griglia g(16, 10);
    g.righeFisse = 1;
    g.colonneFisse = 2;
    g.fontFamiglia = "Arial";
    g.fontPixel = 16;
    g.fontGrassetto = true;
    g.ImpostaLarghezza(0, 100);
    for (int c = 1; c < 10; ++c)
        g.ImpostaLarghezza(c, 30);
    static const char *const intestazioni[] = {"Data", "n°", "I", "II", "III", "IV", "V", "VI", "J", "S"};
    for (int c = 0; c < 10; ++c) {
        Cella &h = g.cella(0, c);
        h.testo = intestazioni[c];
        h.allineamento = c == 0 ? Allineamento::Sinistra : Allineamento::Centro;
    }
    g.cella(0, 8).grassetto = true;
    g.cella(0, 8).colore = colori::Verde;
    g.cella(0, 9).grassetto = true;
    g.cella(0, 9).colore = colori::Rosso;
    // Look of the data cells; texts are written by ScriviRigaEstrazione.
    for (int r = 1; r < 16; ++r) {
        for (int c = 0; c < 10; ++c) {
            Cella &x = g.cella(r, c);
            x.grassetto = true;
            if (c < 2) {
                x.dimensioneFont = 13; // two points (about 3 pixels) below the grid font
            } else {
                x.allineamento = Allineamento::Centro;
                x.colore = c == 8 ? colori::Verde : c == 9 ? colori::Rosso : colori::Nero;
            }
        }
    }
    return g;
}

void ScriviRigaEstrazione(Griglia &g, int riga, const Estrazione &e)
{
    const RecordData &d = e.data;
    g.ImpostaTesto(riga, 0, Formato("%d/%d/%d  ", d.giorno, d.mese, d.anno) + NomeGiorno(d.giorno, d.mese, d.anno));
    g.ImpostaTesto(riga, 1, std::to_string(d.concorso));
    for (int i = 0; i < 6; ++i)
        g.ImpostaTesto(riga, 2 + i, std::to_string(e.numeri.numeri[static_cast<size_t>(i)]));
    g.ImpostaTesto(riga, 8, std::to_string(e.numeri.jolly));
    g.ImpostaTesto(riga, 9, std::to_string(e.numeri.superstar));
}

Griglia MostraEstrazioni(const Archivio &a, int ultima, int &cursore)
{
    Griglia g = TabellaEstrazioniVuota();
    cursore = ClampCursore(cursore, ultima);
    if (cursore < 0)
        return g; // empty archive
    int primo = std::max(0, cursore - 14);
    auto date = a.LeggiDate(primo, cursore);
    auto numeri = a.LeggiNumeri(primo, cursore);
    for (int r = 1; r <= 15; ++r) {
        int n = cursore - (r - 1);
        if (n < 0)
            break;
        size_t i = static_cast<size_t>(n - primo);
        ScriviRigaEstrazione(g, r, Estrazione{date[i], numeri[i]});
    }
    return g;
}

Griglia ElencoEstrazioni(const Archivio &a, int ultima, int a_, int b)
{
    if (a_ > ultima)
        a_ = ultima;
    if (a_ < 0)
        a_ = 0;
    if (b > a_ + 1)
        b = a_ + 1; // never before the first draw
    if (b < 0)
        b = 0;
    Griglia g(b + 1, 11);
    g.righeFisse = 1;
    g.colonneFisse = 0;
    static const char *const intestazioni[] = {"N. Estr", "Conc", "Data", "I", "II", "III", "IV", "V", "VI", "J", "S"};
    static const int larghezze[] = {80, 60, 160, 50, 50, 50, 50, 50, 50, 50, 50};
    for (int c = 0; c < 11; ++c) {
        g.ImpostaLarghezza(c, larghezze[c]);
        for (int r = 0; r <= b; ++r) {
            Cella &x = g.cella(r, c);
            x.allineamento = Allineamento::Centro;
            if (r > 0 && (c == 0 || c == 2))
                x.sfondo = colori::CianoChiaro;
            if (r > 0 && c >= 3)
                x.sfondo = colori::Bianco;
        }
        g.ImpostaTesto(0, c, intestazioni[c]);
    }
    if (b == 0)
        return g;
    auto date = a.LeggiDate(a_ - b + 1, a_);
    auto numeri = a.LeggiNumeri(a_ - b + 1, a_);
    for (int r = 1; r <= b; ++r) {
        int n = a_ - (r - 1);
        size_t i = static_cast<size_t>(n - (a_ - b + 1));
        const RecordData &d = date[i];
        const RecordSuperenalotto &s = numeri[i];
        g.ImpostaTesto(r, 0, std::to_string(n + 1));
        g.ImpostaTesto(r, 1, std::to_string(d.concorso));
        g.ImpostaTesto(r, 2, TestoListaDate(d) + NomeGiorno(d.giorno, d.mese, d.anno));
        for (int k = 0; k < 6; ++k)
            g.ImpostaTesto(r, 3 + k, std::to_string(s.numeri[static_cast<size_t>(k)]));
        g.ImpostaTesto(r, 9, std::to_string(s.jolly));
        g.ImpostaTesto(r, 10, std::to_string(s.superstar));
    }
    return g;
}

} // namespace sestina::archivio
