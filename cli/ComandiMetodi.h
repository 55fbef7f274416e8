#pragma once

#include "cli/Cli.h"
#include "methods/Metodo.h"

#include <string>
#include <vector>

// Options shared by the prediction-method commands and their reports.
namespace sestina::cli {

// --nome as an integer within [minimo, massimo], `predefinito` when absent.
int InteroIn(const Argomenti &args, const std::string &nome, int predefinito, int minimo, int massimo);
// A record argument that must be given (ErroreUso "manca --nome").
int RecordRichiesto(const Argomenti &args, Contesto &ctx, const std::string &nome);

// The crossword options of '&Cruci' and of the completion.
extern const std::vector<std::string> OpzioniCruciverba;
struct OpzioniCruci {
    std::vector<int> numeri;
    int righe, colonne, capo1, capo2, livello, k;
};
OpzioniCruci LeggiOpzioniCruci(const Argomenti &args);

// A method file (".mts"), its name without the folder.
metodi::Metodo MetodoDaFile(const std::string &percorso);

} // namespace sestina::cli
