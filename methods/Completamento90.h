#pragma once

#include "methods/Cruciverba.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// "Completamento 90": a second crossword from the numbers the '&Cruci' one leaves out.
namespace sestina::metodi {

inline constexpr const char *MsgPochiNumeri =
    "Il Cruciverba di completamento\rnon può essere costruito:\rnon ci sono almeno 9 numeri disponibili";
inline constexpr const char *MsgCompletaCruciverba = "Completa Il Cruciverba";
inline constexpr const char *MsgNonCostruibile = "Il Cruciverba di completamento\rnon può essere costruito!";

// Columns and rows for n numbers: the largest C (19 down to 1) with a whole R <= 19.
std::optional<std::pair<int, int>> DimensioniCompletamento(int n);

struct EsitoCompletamento {
    std::optional<std::string> messaggio; // the window is not opened
    Cruciverba griglia;                   // C columns x R rows
    std::vector<int> numeri;              // the 90 - b numbers in board column order
};

// From the numbers selected on '&Cruci' and that page's crossword.
EsitoCompletamento Completamento90(const std::vector<int> &selezionati, const Cruciverba &cruci);
// "Cruciverba Completamento %d".
std::string DidascaliaCompletamento(const Cruciverba &c);

} // namespace sestina::metodi
