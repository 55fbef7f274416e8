#pragma once

#include "app/Griglia.h"
#include "app/Progresso.h"
#include "app/TExStringList.h"
#include "archive/Archivio.h"
#include "methods/Metodo.h"

#include <optional>
#include <string>
#include <vector>

// The "Analisi Metodi" window: the back-test of a method over past draws.
namespace sestina::metodi {

inline constexpr const char *MsgDataNonAnalizzabile = "Impossibile analizzare la DATA selezionata";
inline constexpr const char *MsgPassoNonAnalizzabile = "Impossibile analizzare il passo selezionato";

// Items of the "Passo" box: "1" .. "30", then "Prima del Mese" .. (item i is Passo i + 1).
const std::vector<std::string> &VociPasso();
std::string TestoPasso(int passo);

struct ParametriAnalisi {
    int inizio = 0;      // s, record of "Inizio Ricerca"
    int previsioni = 10; // N
    int passo = 1;
    int limite = 10; // L
};

struct RisultatoAnalisi {
    std::vector<std::string> spiegazione;
    Griglia previsioni; // forecast grid ("TABELLA ESITI")
    Griglia riepilogo;  // summary grid
    std::optional<std::string> messaggio;
    int analizzate = 0;
};

// AnalizzaMetodo. The explanation and both grids; a refusal in `messaggio` keeps
// the rows already filled. Errore for a method that cannot be computed.
RisultatoAnalisi AnalizzaMetodo(const archivio::Archivio &a, const std::vector<archivio::Estrazione> &e,
                                const std::string &nome, const ParametriMetodo &p, const ParametriAnalisi &q,
                                Progresso *progresso = nullptr);

// "Crea TXT": the lines appended to the explanation.
std::vector<std::string> RigheTXT(const RisultatoAnalisi &r);
// "Crea HTML": the page from the two templates' lines.
TExStringList PaginaAnalisiHTML(const RisultatoAnalisi &r, const TExStringList &testa, const TExStringList &coda);

} // namespace sestina::metodi
