#pragma once

#include <string>
#include <vector>

// A Colonna is a list of numbers held as a byte string, one byte per number.
namespace sestina {

using Colonna = std::string;

// Takes the first run of digits off the front of the text (see the routine's
// rules: the character that ends the number is consumed too). 0 when no digit.
// A run too long for a 32-bit integer saturates at 2147483647.
int EstraiNumero(std::string &testo);
Colonna ColonnaDaTesto(std::string testo);
std::string FormattaColonna(const Colonna &c);
std::string ElencoInteri(const std::vector<int> &valori);
Colonna StringaDaValori(const std::vector<int> &valori);
Colonna TogliDoppioni(const Colonna &c);
Colonna OrdinaColonna(Colonna c);
std::string SeparaMigliaia(const std::string &cifre);

} // namespace sestina
