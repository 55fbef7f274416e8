#pragma once

#include <array>
#include <string>

// Edition and archive tables. This build is the SuperEnalotto edition.
namespace sestina {

inline constexpr int ModoGioco = 1;
inline constexpr int IndiceSuperenalotto = 11;
inline constexpr int IndiceLotto10 = 12;
inline constexpr int IndiceFileDate = 13;
inline constexpr int IndiceRuotaConsulta = 11;
inline constexpr int IndiceRuotaCalore = 11;

inline const std::array<std::string, 14> TabellaFileArchivio = {
    "Bari.cxz",   "Cagliari.cxz", "Firenze.cxz",  "Genova.cxz",  "Milano.cxz",  "Napoli.cxz",  "Palermo.cxz",
    "Roma.cxz",   "Torino.cxz",   "Venezia.cxz",  "Nazionale.cxz", "Superena.cxz", "Lotto10.cxz", "ggmeanno1.cxz"};

inline const std::array<std::string, 13> NomiRuote = {"Bari",   "Cagliari", "Firenze", "Genova",  "Milano",
                                                      "Napoli", "Palermo",  "Roma",    "Torino",  "Venezia",
                                                      "Nazionale", "Superenalotto", "10eLotto"};

inline const std::array<std::string, 13> SigleRuote = {"Ba", "Ca", "Fi", "Ge", "Mi", "Na", "Pa",
                                                       "Ro", "To", "Ve", "Nz", "Su", "L10"};

// Record size of each archive file, same indexes as TabellaFileArchivio.
inline constexpr int DimensioneRecord(int indice)
{
    return indice <= 10 ? 5 : indice == 11 ? 8 : indice == 12 ? 20 : 8;
}

inline const std::string TitoloProdotto = "Sestina - SuperEnalotto";
inline const std::string FileGiorniEstrazione = "GiorniEstrazione" + std::to_string(ModoGioco) + ".DAT";

} // namespace sestina
