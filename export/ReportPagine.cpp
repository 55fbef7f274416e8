#include "export/ReportPagine.h"

#include "app/Edizione.h"

namespace sestina::esporta {

namespace {
const std::string &Ruota()
{
    return NomiRuote[IndiceRuotaConsulta];
}
} // namespace

TitoliReport TitoliEstrazioni()
{
    return {};
}

TitoliReport TitoliConsulta(const std::string &data)
{
    return {"Consultazione " + Ruota(), "Estrazione del: " + data, ""};
}

TitoliReport TitoliStat(const std::string &tabella, const std::string &inizio, const std::string &fine)
{
    return {"Tabella Statistiche " + tabella, "Inizio Ricerca: " + inizio, "Fine Ricerca: " + fine};
}

TitoliReport TitoliCalore(bool ambi, const std::string &data, int analizzate)
{
    return {std::string(ambi ? "Ambi In Calore " : "Estratti In Calore ") + Ruota(), "Analisi del: " + data,
            "Analizzate[" + std::to_string(analizzate) + "]"};
}

TitoliReport TitoliAmbo(const std::string &titoloPagina, const std::string &inizio, const std::string &fine)
{
    return {titoloPagina + " Ruota di " + Ruota(), "Inizio Ricerca: " + inizio, "Fine Ricerca: " + fine};
}

TitoliReport TitoliNumeriSpia()
{
    return {"Numeri Spia", "", ""};
}

} // namespace sestina::esporta
