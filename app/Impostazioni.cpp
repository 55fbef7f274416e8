#include "app/Impostazioni.h"

#include "app/Edizione.h"
#include "app/FileAtomico.h"

namespace sestina {

DatiUtente LeggiDatiUtente(const TExStringList &righe)
{
    DatiUtente d;
    for (int i = 0; i < 6; ++i)
        d.campi[static_cast<size_t>(i)] = righe[i];
    d.indiceImmagine = LeggiIntero(righe[6]);
    return d;
}

TExStringList ScriviDatiUtente(const DatiUtente &d)
{
    TExStringList l;
    for (const auto &c : d.campi)
        l.Add(c);
    l.Add(std::to_string(d.indiceImmagine));
    return l;
}

ImportiVincite LeggiImportiVincite(const TExStringList &righe)
{
    ImportiVincite d;
    for (int i = 0; i < 60; ++i)
        d.celle[static_cast<size_t>(i)] = righe[i];
    d.costoColonna = righe[60];
    d.percentualeRitenuta = righe[61];
    return d;
}

TExStringList ScriviImportiVincite(const ImportiVincite &d)
{
    TExStringList l;
    for (const auto &c : d.celle)
        l.Add(c);
    l.Add(d.costoColonna);
    l.Add(d.percentualeRitenuta);
    return l;
}

DatiPrivati LeggiDatiPrivati(const TExStringList &righe)
{
    DatiPrivati d;
    d.cartellaPDF = righe[0];
    d.cartellaHTML = righe[1];
    if (righe.Count() > 2)
        d.paginaHTML = righe[2];
    if (d.paginaHTML.empty())
        d.paginaHTML = NomiRuote[IndiceRuotaConsulta] + ".html";
    if (righe.Count() > 4)
        for (int i = 0; i < 13; ++i)
            d.flagEsportazione[static_cast<size_t>(i)] = righe[4 + i] == "1";
    return d;
}

TExStringList ScriviDatiPrivati(const DatiPrivati &d)
{
    TExStringList l{d.cartellaPDF, d.cartellaHTML, d.paginaHTML, ""};
    for (bool f : d.flagEsportazione)
        l.Add(f ? "1" : "0");
    return l;
}

DatiPrivati CaricaDatiPrivati(const std::string &dir)
{
    std::string percorso = dir + FileDatiPrivati;
    if (EsisteFile(percorso)) {
        TExStringList l;
        l.LoadFromFile(percorso);
        return LeggiDatiPrivati(l);
    }
    DatiPrivati d;
    d.cartellaPDF = dir + "pdf/";
    d.cartellaHTML = dir + "html/";
    TExStringList l{d.cartellaPDF, d.cartellaHTML};
    l.SaveToFile(percorso);
    // The page name is not in the file yet; it takes its default on the next load.
    return d;
}

} // namespace sestina
