#include "systems/FileSviluppo.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"

#include <cerrno>
#include <cstdio>

namespace sestina::sistemi {

namespace {

template <class Lista> std::string Codifica(const Lista &lista)
{
    std::string out;
    int riga = 0;
    for (const Colonna &c : lista) {
        ControllaColonnaDaSalvare(c, ++riga);
        for (unsigned char n : c)
            out.push_back(static_cast<char>(48 + n));
        out += "\r\n";
    }
    return out;
}

} // namespace

void ControllaColonnaDaSalvare(const Colonna &c, int riga)
{
    // A longer line would be refused by the reader: the saved file could not be loaded again.
    if (c.size() > LunghezzaMassimaRigaSviluppo)
        throw Errore(Formato("La colonna %d ha %zu numeri: una colonna ne può contenere al massimo %zu", riga, c.size(),
                             LunghezzaMassimaRigaSviluppo));
    for (unsigned char n : c)
        if (n < 1 || n > 90)
            throw Errore(Formato("La colonna %d contiene il numero %d: si possono salvare solo numeri da 1 a 90", riga,
                                 static_cast<int>(n)));
}

std::string CodificaSviluppo(const std::vector<Colonna> &lista)
{
    return Codifica(lista);
}
std::string CodificaSviluppo(const TExStringList &lista)
{
    return Codifica(lista);
}

std::vector<Colonna> DecodificaSviluppo(std::string_view byte, const std::string &nomeFile)
{
    std::vector<Colonna> lista;
    PerOgniRiga(byte, [&](std::string_view testo, std::size_t riga) {
        if (!testo.empty() && testo.back() == '\r')
            testo.remove_suffix(1);
        if (testo.size() > LunghezzaMassimaRigaSviluppo)
            throw Errore(Formato("File \"%s\", riga %zu: riga troppo lunga (%zu caratteri, al massimo %zu): "
                                 "non è un file di colonne",
                                 nomeFile.c_str(), riga, testo.size(), LunghezzaMassimaRigaSviluppo),
                         nomeFile);
        Colonna c;
        c.reserve(testo.size());
        for (std::size_t i = 0; i < testo.size(); ++i) {
            const int codice = static_cast<unsigned char>(testo[i]);
            const int n = codice - 48;
            if (n < 1 || n > 90)
                throw Errore(Formato("File \"%s\", riga %zu, carattere %zu: il codice %d non è un numero da 1 a 90",
                                     nomeFile.c_str(), riga, i + 1, codice),
                             nomeFile);
            c.push_back(static_cast<char>(n));
        }
        lista.push_back(std::move(c));
    });
    return lista;
}

std::string PercorsoSviluppo(const std::string &dir)
{
    return dir + NomeFileSviluppo;
}

bool EsisteSviluppo(const std::string &dir)
{
    return EsisteFile(PercorsoSviluppo(dir));
}

void SalvaSviluppo(const std::string &dir, const std::vector<Colonna> &lista)
{
    ScriviFileAtomico(PercorsoSviluppo(dir), CodificaSviluppo(lista));
}

void SalvaSviluppo(const std::string &dir, const TExStringList &lista)
{
    ScriviFileAtomico(PercorsoSviluppo(dir), CodificaSviluppo(lista));
}

bool CaricaSviluppo(const std::string &dir, std::vector<Colonna> &lista)
{
    const std::string percorso = PercorsoSviluppo(dir);
    if (!EsisteFile(percorso)) {
        lista.clear();
        return false;
    }
    auto letta = DecodificaSviluppo(LeggiFile(percorso), NomeFileSviluppo);
    lista.swap(letta);
    return true;
}

bool CaricaSviluppo(const std::string &dir, TExStringList &lista)
{
    std::vector<Colonna> colonne;
    const bool esiste = CaricaSviluppo(dir, colonne);
    lista = ListaDaColonne(colonne);
    return esiste;
}

void CancellaSviluppo(const std::string &dir)
{
    const std::string percorso = PercorsoSviluppo(dir);
    if (std::remove(percorso.c_str()) != 0 && errno != ENOENT)
        throw Errore::diFile("impossibile cancellare", percorso, errno);
}

TExStringList ListaDaColonne(const std::vector<Colonna> &colonne)
{
    TExStringList l;
    for (const Colonna &c : colonne)
        l.Add(c);
    return l;
}

std::vector<Colonna> ColonneDaLista(const TExStringList &lista)
{
    return lista.righe();
}

} // namespace sestina::sistemi
