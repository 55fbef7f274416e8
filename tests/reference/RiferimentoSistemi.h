#pragma once

#include "app/Colonna.h"
#include "archive/Record.h"
#include "systems/Spoglio.h"

#include <string>
#include <vector>

namespace sestina::riferimento {

// The systems page's reduced development done literally: every candidate, in
// enumeration order, compared with every kept column through NumeriComuni.
// `elaborate` and `ridotte` are the label's figures after the last kept column.
struct SviluppoRiferimento {
    std::vector<Colonna> lista;
    long elaborate = 0;
    long ridotte = 0;
};
SviluppoRiferimento RiferimentoSviluppaSistema(const std::string &testo, int k, int livello);

// The same comparison with the columns as 64-bit masks of positions (n <= 64):
// the quadratic method at its fastest, for the benchmark.
std::vector<Colonna> SviluppaSistemaMaschere(const std::string &testo, int k, int livello);

// ColonnaCoperta and the reduction pass, step by step as described: for i, for j
// from i + 1, delete column j when NumeriComuni(column i, column j) >= L - r.
bool RiferimentoColonnaCoperta(int r, const Colonna &candidata, const std::vector<Colonna> &lista);
void RiferimentoRiduciColonne(int r, std::vector<Colonna> &lista);

// The check column by column and draw by draw with ContaPunti.
sistemi::RisultatoSpoglio RiferimentoSpoglia(const std::vector<Colonna> &colonne,
                                             const std::vector<archivio::RecordSuperenalotto> &numeri, int inizio,
                                             int limite);
// A header click of ExtAnalisivincite done on the cell texts: "Estrazione" as dates
// ascending, "I" .. "Colonna" as integers ascending (no integer: 0), the categories
// and "Colpo" as integers descending; equal keys keep their order.
std::vector<sistemi::Vincita> RiferimentoOrdina(const sistemi::TabellaVincite &t, int colonna);

// ContaPunti as described: each column number found among the six, then 5 + jolly is 7.
int RiferimentoContaPunti(const Colonna &colonna, const archivio::RecordSuperenalotto &estrazione);

} // namespace sestina::riferimento
