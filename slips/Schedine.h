#pragma once

#include "app/Colonna.h"
#include "app/TExStringList.h"
#include "app/Testo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The slip list ListaColonne and the operations of the slip page, without widgets.
// Entries 2i and 2i + 1 are panels A and B of slip i + 1; `indice` is
// IndiceColonnaCorrente, the panel-A entry of the slip shown (even).
namespace sestina::schedine {

inline constexpr const char *MsgSchedinaVuota = "Non posso salvare schedine vuote";
inline constexpr const char *MsgAggiungiImpossibile =
    "Impossibile aggiungere colonne\n\n\rRiempi prima tutti i pannelli.";
inline constexpr const char *MsgCancellaImpossibile = "Non puoi cancellare questa colonna";
inline constexpr const char *MsgDatoNonValido = "Dato non valido";

// count / 2 rounded up.
int NumeroSchedine(const TExStringList &lista);
// Label27: "Schedina n. i/N" with i = (a + 1) / 2 + 1.
std::string TestoContatore(const TExStringList &lista, int a);

// What MostraSchedina(a) puts on the page; nullopt (nothing changes) when a is outside the list.
struct VistaSchedina {
    std::string contatore;            // Label27
    std::string numeri;               // Label28: FormattaColonna of panel A's entry
    Colonna pannelloA;                // numbers to mark on panel A
    std::optional<Colonna> pannelloB; // entry a + 1 when it exists
};
std::optional<VistaSchedina> MostraSchedina(const TExStringList &lista, int a);

// "Sal&va Schedina": the two panels' numbers (ascending). Returns MsgSchedinaVuota
// (nothing changed) when panel A is empty, else an empty text.
[[nodiscard]] std::string SalvaSchedina(TExStringList &lista, int indice, const Colonna &pannelloA,
                                        const Colonna &pannelloB);

// "&Aggiungi Schedina". On a refusal (an odd count above 1) `indice` goes to the
// incomplete last slip and `messaggio` is MsgAggiungiImpossibile. Otherwise the
// panels on screen are saved at the slip shown (messaggio MsgSchedinaVuota when
// panel A is empty, the addition goes on), two empty entries are appended, and the
// page must unmark both panels. Either way `indice` ends on the last slip.
struct EsitoAggiungi {
    std::string messaggio;
    bool aggiunta = false;
};
[[nodiscard]] EsitoAggiungi AggiungiSchedina(TExStringList &lista, int &indice, const Colonna &pannelloA,
                                             const Colonna &pannelloB);

// "&Cancella Schedina": MsgCancellaImpossibile with two entries or fewer; else deletes
// the slip shown, indice = 0. Returns the refusal or an empty text.
[[nodiscard]] std::string CancellaSchedina(TExStringList &lista, int &indice);

// "Avanti": true (show the slip) when it moved. "Indietro": the page shows the slip in any case.
bool Avanti(const TExStringList &lista, int &indice);
void Indietro(int &indice);

// "&Nuova Giocata": one empty entry, indice 0 (the page deletes "sviluppo" and unmarks).
void NuovaGiocata(TExStringList &lista, int &indice);

// InvioASchedina: the numbers of a cell's text when it may be sent: no "/", "\" or
// letter, at least one number, each 1..90. nullopt: "Dato non valido".
std::optional<Colonna> ValidaInvio(const std::string &testo);
std::string DomandaInvio(const std::string &testo); // "Invio " + testo + "?"
// Appends the column, dropping an empty last entry first.
void AppendiInvio(TExStringList &lista, const Colonna &colonna);

// After a CSV load (Part of the slip files): every entry sorted ascending; indice -2 then "Avanti".
void DopoCaricamentoCSV(TExStringList &lista, int &indice);

// Additional play of the radio buttons RadioButton1..RadioButton5.
enum class GiocataAggiuntiva { Due, Uno, Dieci, Cinque, Off };
Valuta ImportoGiocataAggiuntiva(GiocataAggiuntiva g); // 20000, 10000, 100000, 50000, 0

// grigliaabbonamentise: 5 x 2 texts; "" cells are locked. The contests of a cell, 0 for none.
const std::array<std::array<const char *, 5>, 2> &TestiAbbonamento(); // [riga][colonna]
int ValoreAbbonamento(int colonna, int riga);

// One slip handed to printing.
struct tdatischedinaSE {
    Colonna pannelloA; // ascending
    Colonna pannelloB; // ascending
    bool superstarA = false;
    bool superstarB = false;
    Valuta giocataAggiuntiva = 0;
    std::int32_t abbonamento = 0; // contests, 0 none
    std::int32_t riduzione = 0;   // 1 G5, 2 G4, 3 G3, 0 none
    std::int32_t basi = 0;        // 1..5 for B1..B5, 0 none
    friend bool operator==(const tdatischedinaSE &, const tdatischedinaSE &) = default;
};

inline constexpr int QuoteMinime = 1;
inline constexpr int QuoteMassime = 1000;

} // namespace sestina::schedine
