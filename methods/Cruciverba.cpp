#include "methods/Cruciverba.h"

#include "app/Testo.h"

#include <algorithm>

namespace sestina::metodi {

std::vector<int> Cruciverba::Capigioco() const
{
    std::vector<int> v;
    if (capo1 != 0)
        v.push_back(capo1);
    if (capo2 != 0)
        v.push_back(capo2);
    return v;
}

std::vector<int> Cruciverba::Numeri() const
{
    std::vector<int> v;
    for (int n : celle)
        if (n != 0)
            v.push_back(n);
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

std::vector<int> NumeriDaLista(const std::string &testo)
{
    std::vector<int> v;
    std::string t = testo;
    while (!t.empty()) {
        int n = EstraiNumero(t);
        if (n >= 1 && n <= 90)
            v.push_back(n);
    }
    return v;
}

bool SecondoCapogiocoAmmesso(int righe, int colonne)
{
    return righe == colonne && righe % 2 == 0;
}

namespace {

bool Libero(const Cruciverba &c, int r, int col, int n)
{
    for (int x = 0; x < c.colonne; ++x)
        if (c.at(r, x) == n)
            return false;
    for (int y = 0; y < c.righe; ++y)
        if (c.at(y, col) == n)
            return false;
    return true;
}

} // namespace

Cruciverba RiempiCruciverba(int righe, int colonne, int capo1, int capo2, const std::vector<int> &lista, FineLista fine)
{
    Cruciverba c;
    c.righe = std::clamp(righe, 1, 19);
    c.colonne = std::clamp(colonne, 1, 19);
    c.celle.assign(static_cast<size_t>(c.righe * c.colonne), 0);
    auto cella = [&](int r, int col) -> int & { return c.celle[static_cast<size_t>(r * c.colonne + col)]; };
    if (c.righe == c.colonne) {
        if (capo1 >= 1 && capo1 <= 90) {
            c.capo1 = capo1;
            for (int i = 0; i < c.righe; ++i)
                cella(i, i) = capo1;
        }
        // The same number twice would count as two capogioco of one cell.
        if (capo2 >= 1 && capo2 <= 90 && capo2 != c.capo1) {
            c.capo2 = capo2;
            for (int i = 0; i < c.righe; ++i)
                cella(i, c.colonne - 1 - i) = capo2;
        }
    }
    size_t pos = 0;
    const size_t n = lista.size();
    bool fermo = false;
    for (int r = 0; r < c.righe && !fermo; ++r) {
        for (int col = 0; col < c.colonne && !fermo; ++col) {
            if (cella(r, col) != 0)
                continue;
            size_t provati = 0;
            for (;;) {
                if (pos >= n) {
                    if (fine == FineLista::Ferma || n == 0) {
                        fermo = true;
                        break;
                    }
                    pos = 0;
                }
                // A whole lap of the list without a fit: no number ever will.
                if (provati++ >= n) {
                    fermo = true;
                    break;
                }
                int x = lista[pos++];
                if (x >= 1 && x <= 90 && Libero(c, r, col, x)) {
                    cella(r, col) = x;
                    break;
                }
            }
        }
    }
    c.completo = std::find(c.celle.begin(), c.celle.end(), 0) == c.celle.end();
    return c;
}

Griglia GrigliaCruciverba(const Cruciverba &c)
{
    Griglia g(c.righe, c.colonne);
    g.righeFisse = 0;
    g.colonneFisse = 0;
    g.larghezzaColonnaPredefinita = 34;
    for (int r = 0; r < c.righe; ++r)
        for (int col = 0; col < c.colonne; ++col) {
            int n = c.at(r, col);
            Cella &x = g.cella(r, col);
            x.testo = n ? std::to_string(n) : std::string();
            x.allineamento = Allineamento::Centro;
            bool capo = c.righe == c.colonne && ((c.capo1 && col == r && n == c.capo1) ||
                                                 (c.capo2 && col == c.colonne - 1 - r && n == c.capo2));
            x.sfondo = capo ? colori::CianoChiaro : colori::Bianco;
        }
    return g;
}

Griglia GrigliaNumeriInGioco(const std::vector<int> &evidenziati)
{
    Griglia g(9, 10);
    g.righeFisse = 0;
    g.colonneFisse = 0;
    for (int n = 1; n <= 90; ++n) {
        Cella &x = g.cella((n - 1) / 10, (n - 1) % 10);
        x.testo = std::to_string(n);
        x.allineamento = Allineamento::Centro;
        bool ev = std::find(evidenziati.begin(), evidenziati.end(), n) != evidenziati.end();
        x.sfondo = ev ? colori::Marcatura : colori::Bianco;
    }
    return g;
}

std::string DidascaliaNumeriInGioco(int n)
{
    return Formato("Numeri in Gioco: %d", n);
}

void CambiaNumeroCruciverba(Cruciverba &c, int numero)
{
    if (numero < 1 || numero > 90)
        return;
    bool presente = std::find(c.celle.begin(), c.celle.end(), numero) != c.celle.end();
    for (int &x : c.celle) {
        if (presente && x == numero)
            x = 0;
        else if (!presente && x == 0)
            x = numero;
    }
    c.completo = std::find(c.celle.begin(), c.celle.end(), 0) == c.celle.end();
}

} // namespace sestina::metodi
