#include "archive/Aggiornamento.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/TExStringList.h"
#include "app/Testo.h"
#include "archive/ArchivioCSV.h"

#include <algorithm>
#include <cctype>

namespace sestina::archivio {

namespace {

std::string Descrivi(const Estrazione &e)
{
    std::string s = e.data.data().breve() + " (concorso " + std::to_string(e.data.concorso) + ":";
    for (auto n : e.numeri.numeri)
        s += " " + std::to_string(n);
    s += ", jolly " + std::to_string(e.numeri.jolly) + ", superstar " + std::to_string(e.numeri.superstar) + ")";
    return s;
}

// A draw that is about to enter the archive must be a real draw: six different
// numbers and a jolly in 1..90, superstar 0 (none) or 1..90.
void ControllaNuova(const Estrazione &e)
{
    std::vector<int> v(e.numeri.numeri.begin(), e.numeri.numeri.end());
    v.push_back(e.numeri.jolly);
    bool fuori = std::any_of(v.begin(), v.end(), [](int n) { return n < 1 || n > 90; }) || e.numeri.superstar > 90;
    std::sort(v.begin(), v.end());
    bool doppi = std::adjacent_find(v.begin(), v.end()) != v.end();
    if (fuori || doppi)
        throw Errore("Aggiornamento rifiutato: l'estrazione del " + Descrivi(e) +
                     " non è valida (sei numeri e jolly diversi da 1 a 90, superstar da 0 a 90)");
}

// The draw that follows `p` carries the next contest number, or number 1 in a new year.
// Contest 0 means "unknown" and is not checked.
bool Segue(const Estrazione &p, const Estrazione &s)
{
    if (p.data.concorso == 0 || s.data.concorso == 0)
        return true;
    if (s.data.anno == p.data.anno)
        return s.data.concorso == p.data.concorso + 1;
    return s.data.anno > p.data.anno && s.data.concorso == 1;
}

} // namespace

std::vector<Estrazione> EstrazioniNuove(const std::vector<Estrazione> &archivio,
                                        const std::vector<Estrazione> &sorgente)
{
    for (size_t j = 1; j < sorgente.size(); ++j)
        if (!(sorgente[j - 1].data.data() < sorgente[j].data.data()))
            throw Errore("Aggiornamento rifiutato: il file contiene due estrazioni in data " +
                         sorgente[j].data.data().breve());
    if (sorgente.empty())
        return {};

    const Data primaDelFile = sorgente.front().data.data();
    size_t i = 0;
    while (i < archivio.size() && archivio[i].data.data() < primaDelFile)
        ++i;
    const bool sovrapposti = i < archivio.size();
    // Draws older than the whole archive cannot be placed before it and conflict with nothing.
    size_t j = 0;
    while (!archivio.empty() && j < sorgente.size() && sorgente[j].data.data() < archivio.front().data.data())
        ++j;
    while (i < archivio.size() && j < sorgente.size()) {
        const Estrazione &a = archivio[i], &s = sorgente[j];
        if (a.data.data() == s.data.data()) {
            if (!(a == s))
                throw Errore("Aggiornamento rifiutato: l'estrazione del " + a.data.data().breve() +
                             " è diversa nell'archivio e nel file.\nArchivio: " + Descrivi(a) +
                             "\nFile: " + Descrivi(s) + "\nL'archivio non è stato modificato.");
            ++i;
            ++j;
        } else if (a.data.data() < s.data.data()) {
            throw Errore("Aggiornamento rifiutato: l'estrazione del " + Descrivi(a) +
                         " dell'archivio manca nel file.\nL'archivio non è stato modificato.");
        } else {
            throw Errore("Aggiornamento rifiutato: l'estrazione del " + Descrivi(s) +
                         " del file manca nell'archivio.\nL'archivio non è stato modificato.");
        }
    }
    if (i < archivio.size() || j == sorgente.size())
        return {}; // the source ends where the archive ends, or before

    std::vector<Estrazione> nuove(sorgente.begin() + static_cast<long>(j), sorgente.end());
    for (size_t k = 0; k < nuove.size(); ++k) {
        ControllaNuova(nuove[k]);
        const Estrazione *prima = k > 0 ? &nuove[k - 1] : (archivio.empty() ? nullptr : &archivio.back());
        if (prima && !Segue(*prima, nuove[k]))
            throw Errore("Aggiornamento rifiutato: mancano estrazioni tra il " + prima->data.data().breve() +
                         " (concorso " + std::to_string(prima->data.concorso) + ") e il " +
                         nuove[k].data.data().breve() + " (concorso " + std::to_string(nuove[k].data.concorso) + ")" +
                         (k == 0 && !sovrapposti ? ": il file inizia dopo la fine dell'archivio" : "") +
                         ".\nL'archivio non è stato modificato.");
    }
    return nuove;
}

EsitoAggiornamento AggiornaArchivio(Archivio &a, const std::vector<Estrazione> &sorgente)
{
    // An interrupted change is finished or undone before the archive is read,
    // so the merge starts from what the replacement will replace.
    (void)a.Ripristina();
    std::vector<Estrazione> tutte = a.LeggiTutte();
    std::vector<Estrazione> nuove = EstrazioniNuove(tutte, sorgente);
    EsitoAggiornamento esito;
    esito.aggiunte = static_cast<int>(nuove.size());
    if (!nuove.empty()) {
        tutte.insert(tutte.end(), nuove.begin(), nuove.end());
        a.Sostituisci(tutte);
    }
    if (!tutte.empty())
        esito.ultima = tutte.back().data;
    return esito;
}

EsitoAggiornamento AggiornaArchivioDaCSV(Archivio &a, std::string_view byteCSV)
{
    return AggiornaArchivio(a, LeggiArchivioCSVByte(byteCSV));
}

std::string MessaggioEsito(const EsitoAggiornamento &e)
{
    if (e.aggiunte == 0)
        return "Archivio già aggiornato";
    const std::string ultima = " (ultima: " + e.ultima.data().breve() + ")";
    if (e.aggiunte == 1)
        return "Aggiunta 1 estrazione" + ultima;
    return "Aggiunte " + std::to_string(e.aggiunte) + " estrazioni" + ultima;
}

bool IndirizzoInternet(std::string_view indirizzo)
{
    auto inizia = [&](std::string_view p) {
        if (indirizzo.size() < p.size())
            return false;
        for (size_t k = 0; k < p.size(); ++k)
            if (std::tolower(static_cast<unsigned char>(indirizzo[k])) != p[k])
                return false;
        return true;
    };
    return inizia("http://") || inizia("https://");
}

std::string LeggiIndirizzoAggiornamento(const std::string &dir)
{
    const std::string percorso = dir + FileAggiornamento;
    if (!EsisteFile(percorso))
        return {};
    TExStringList l;
    l.LoadFromFile(percorso);
    return l.Count() > 0 ? Trim(l[0]) : std::string();
}

void ScriviIndirizzoAggiornamento(const std::string &dir, const std::string &indirizzo)
{
    TExStringList l;
    l.Add(Trim(indirizzo));
    l.SaveToFile(dir + FileAggiornamento);
}

} // namespace sestina::archivio
