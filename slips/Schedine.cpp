#include "slips/Schedine.h"

#include "app/Testo.h"

#include <algorithm>

namespace sestina::schedine {

int NumeroSchedine(const TExStringList &lista)
{
    return (lista.Count() + 1) / 2;
}

std::string TestoContatore(const TExStringList &lista, int a)
{
    return "Schedina n. " + std::to_string((a + 1) / 2 + 1) + "/" + std::to_string(NumeroSchedine(lista));
}

std::optional<VistaSchedina> MostraSchedina(const TExStringList &lista, int a)
{
    if (a < 0 || a >= lista.Count())
        return std::nullopt;
    VistaSchedina v;
    v.contatore = TestoContatore(lista, a);
    v.pannelloA = lista[a];
    v.numeri = FormattaColonna(lista[a]);
    if (a + 1 < lista.Count())
        v.pannelloB = lista[a + 1];
    return v;
}

std::string SalvaSchedina(TExStringList &lista, int indice, const Colonna &pannelloA, const Colonna &pannelloB)
{
    if (pannelloA.empty())
        return MsgSchedinaVuota;
    if (indice < 0)
        indice = 0;
    // A slip past the end of the list (the page's index never is) is appended.
    while (lista.Count() < indice)
        lista.Add({});
    if (indice < lista.Count())
        lista[indice] = pannelloA;
    else
        lista.Add(pannelloA);
    if (!pannelloB.empty()) {
        if (indice + 1 < lista.Count())
            lista[indice + 1] = pannelloB;
        else
            lista.Add(pannelloB);
    }
    return {};
}

bool Avanti(const TExStringList &lista, int &indice)
{
    if (indice < lista.Count() - 2) {
        indice += 2;
        return true;
    }
    return false;
}

void Indietro(int &indice)
{
    if (indice > 1)
        indice -= 2;
}

EsitoAggiungi AggiungiSchedina(TExStringList &lista, int &indice, const Colonna &pannelloA, const Colonna &pannelloB)
{
    EsitoAggiungi esito;
    const int n = lista.Count();
    if (n % 2 == 1 && n != 1) {
        indice = n - 1;
        esito.messaggio = MsgAggiungiImpossibile;
    } else {
        // The panels on screen belong to the slip shown: they are saved there, never
        // over the last slip (which would lose it when another slip is shown).
        const int ultimo = std::max(0, n - 2);
        const int dove = indice >= 0 && indice <= ultimo && indice % 2 == 0 ? indice : ultimo;
        esito.messaggio = SalvaSchedina(lista, dove, pannelloA, pannelloB);
        indice = ultimo + 2;
        lista.Add({});
        lista.Add({});
        esito.aggiunta = true;
    }
    Indietro(indice);
    Avanti(lista, indice);
    return esito;
}

std::string CancellaSchedina(TExStringList &lista, int &indice)
{
    if (lista.Count() <= 2)
        return MsgCancellaImpossibile;
    if (indice >= 0 && indice < lista.Count()) {
        lista.Delete(indice);
        if (indice < lista.Count())
            lista.Delete(indice);
    }
    indice = 0;
    return {};
}

void NuovaGiocata(TExStringList &lista, int &indice)
{
    lista.Clear();
    lista.Add({});
    indice = 0;
}

std::optional<Colonna> ValidaInvio(const std::string &testo)
{
    if (testo.empty())
        return std::nullopt;
    for (unsigned char ch : testo)
        if (ch == '/' || ch == '\\' || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch >= 0x80)
            return std::nullopt;
    // The numbers as ColonnaDaTesto takes them: a part without digits reads 0.
    std::string resto = testo;
    Colonna c;
    do {
        const int n = EstraiNumero(resto);
        if (n < 1 || n > 90)
            return std::nullopt;
        c.push_back(static_cast<char>(n));
    } while (!resto.empty());
    return c;
}

std::string DomandaInvio(const std::string &testo)
{
    return "Invio " + testo + "?";
}

void AppendiInvio(TExStringList &lista, const Colonna &colonna)
{
    if (!lista.empty() && lista[lista.Count() - 1].empty())
        lista.Delete(lista.Count() - 1);
    lista.Add(colonna);
}

void DopoCaricamentoCSV(TExStringList &lista, int &indice)
{
    for (int i = 0; i < lista.Count(); ++i)
        lista[i] = OrdinaColonna(lista[i]);
    indice = -2;
    Avanti(lista, indice);
}

Valuta ImportoGiocataAggiuntiva(GiocataAggiuntiva g)
{
    switch (g) {
    case GiocataAggiuntiva::Due:
        return 20000;
    case GiocataAggiuntiva::Uno:
        return 10000;
    case GiocataAggiuntiva::Dieci:
        return 100000;
    case GiocataAggiuntiva::Cinque:
        return 50000;
    case GiocataAggiuntiva::Off:
        return 0;
    }
    return 0;
}

const std::array<std::array<const char *, 5>, 2> &TestiAbbonamento()
{
    static const std::array<std::array<const char *, 5>, 2> t{{{"2", "3", "4", "5", "6"}, {"", "9", "12", "15", ""}}};
    return t;
}

int ValoreAbbonamento(int colonna, int riga)
{
    if (colonna < 0 || colonna > 4 || riga < 0 || riga > 1)
        return 0;
    return LeggiInteroOppure(TestiAbbonamento()[static_cast<std::size_t>(riga)][static_cast<std::size_t>(colonna)], 0);
}

} // namespace sestina::schedine
