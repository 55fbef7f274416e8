#pragma once

#include <string>

// The captions of the result pages' reports ("Stampa"), shared by the window
// and sestina-cli so both print the same form.
namespace sestina::esporta {

struct TitoliReport {
    std::string titolo;
    std::string sottotitolo1;
    std::string sottotitolo2;
};

// '&Estrazioni': the draws grid without captions.
TitoliReport TitoliEstrazioni();
// '&Consulta': the draw shown first (a date as the lists give it).
TitoliReport TitoliConsulta(const std::string &data);
// '&Stat': "Tabella Statistiche " and the table's name, the span's dates.
TitoliReport TitoliStat(const std::string &tabella, const std::string &inizio, const std::string &fine);
// '&In Calore': "Estratti In Calore " / "Ambi In Calore " and the wheel, "Analisi del: ", "Analizzate[n]".
TitoliReport TitoliCalore(bool ambi, const std::string &data, int analizzate);
// 'Ambo': the page's title and " Ruota di " with the wheel, the span's dates.
TitoliReport TitoliAmbo(const std::string &titoloPagina, const std::string &inizio, const std::string &fine);
// The spy-number window's picture.
TitoliReport TitoliNumeriSpia();

} // namespace sestina::esporta
