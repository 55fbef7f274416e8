#include "methods/Cruciverba.h"

#include "systems/Sviluppo.h"

#include <algorithm>

namespace sestina::metodi {

SviluppoCruci SviluppaCruciverba(const Cruciverba &c, int k, int livello, Progresso *stop)
{
    SviluppoCruci out;
    if (k > 0 && c.righe < k && c.colonne < k) {
        out.messaggio = MsgDimensioniCruciverba;
        return out;
    }
    const std::vector<int> capi = c.Capigioco();
    const int nc = static_cast<int>(capi.size());
    std::vector<std::vector<int>> linee;
    for (int col = 0; col < c.colonne; ++col) {
        std::vector<int> l;
        for (int r = 0; r < c.righe; ++r)
            l.push_back(c.at(r, col));
        linee.push_back(std::move(l));
    }
    for (int r = 0; r < c.righe; ++r) {
        std::vector<int> l;
        for (int col = 0; col < c.colonne; ++col)
            l.push_back(c.at(r, col));
        linee.push_back(std::move(l));
    }
    std::vector<Colonna> lista;
    for (auto &l : linee) {
        // Empty cells of an unfinished fill hold nothing to play; a number is played once per line.
        std::vector<int> numeri;
        for (int n : l)
            if (n != 0 && std::find(numeri.begin(), numeri.end(), n) == numeri.end())
                numeri.push_back(n);
        for (int capo : capi) {
            auto it = std::find(numeri.begin(), numeri.end(), capo);
            if (it != numeri.end())
                numeri.erase(it);
        }
        if (k == 0) {
            if (!numeri.empty() || nc > 0)
                lista.push_back(StringaDaValori(numeri));
            continue;
        }
        const int kk = k - nc;
        if (kk < 1 || static_cast<int>(numeri.size()) < kk)
            continue;
        if (sistemi::SviluppaColonne(FormattaColonna(StringaDaValori(numeri)), kk, lista, stop)) {
            out.interrotto = true;
            return out;
        }
    }
    if (livello > 0 && sistemi::RiduciColonne(livello, lista, stop)) {
        out.interrotto = true;
        return out;
    }
    for (auto &col : lista) {
        for (int capo : capi)
            col.push_back(static_cast<char>(capo));
        col = OrdinaColonna(col);
    }
    out.colonne = std::move(lista);
    return out;
}

RisultatoCruci CalcolaCruciverba(const std::vector<int> &lista, FineLista fine, int righe, int colonne, int capo1,
                                 int capo2, int livello, int k)
{
    RisultatoCruci r;
    r.cruciverba = RiempiCruciverba(righe, colonne, capo1, capo2, lista, fine);
    if (fine == FineLista::Ferma && !r.cruciverba.completo)
        return r;
    r.sviluppo = SviluppaCruciverba(r.cruciverba, livello > 0 ? k : 0, livello);
    r.sviluppato = !r.sviluppo.messaggio && !r.sviluppo.interrotto;
    return r;
}

RisultatoCruci CalcolaCruci(const std::vector<int> &selezionati, int righe, int colonne, int capo1, int capo2,
                            int livello, int k)
{
    return CalcolaCruciverba(sistemi::OrdineTabellone(selezionati), FineLista::Ferma, righe, colonne, capo1, capo2,
                             livello, k);
}

} // namespace sestina::metodi
