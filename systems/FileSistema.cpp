#include "systems/FileSistema.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"
#include "systems/Sviluppo.h"

#include <algorithm>

namespace sestina::sistemi {

namespace {
constexpr int LunghezzaMassimaTesto = 181;
constexpr int PosizioneIndiceNumeri = 184;
constexpr int PosizioneLivello = 188;

void ScriviInt32(std::uint8_t *p, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t LeggiInt32(const unsigned char *p)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}
} // namespace

std::vector<int> FileSistema::Numeri() const
{
    std::vector<std::pair<std::size_t, int>> trovati;
    for (int n = 1; n <= 90; ++n) {
        auto pos = testo.find(Formato("%.2d ", n));
        if (pos != std::string::npos)
            trovati.emplace_back(pos, n);
    }
    std::sort(trovati.begin(), trovati.end());
    std::vector<int> out;
    for (const auto &[pos, n] : trovati)
        out.push_back(n);
    return out;
}

FileSistema SistemaDaNumeri(const std::vector<int> &numeri, int k, int livello)
{
    const std::vector<int> ordinati = OrdineTabellone(numeri);
    if (ordinati.size() > static_cast<std::size_t>(NumeriMassimiFileSistema))
        throw Errore(Formato("Un file sistema può contenere al massimo %d numeri e ne hai segnati %zu: "
                             "togli qualche numero prima di salvare",
                             NumeriMassimiFileSistema, ordinati.size()));
    if (k < 3 || k > 6)
        throw Errore(Formato("Numeri in combinazione %d: un file sistema ne prevede da 3 a 6", k));
    if (livello < 0 || livello > 3)
        throw Errore(Formato("Riduzione %d: un file sistema ne prevede da 0 a 3", livello));
    return FileSistema{TestoNumeriInGioco(ordinati), k - 3, livello};
}

std::array<std::uint8_t, DimensioneFileSistema> CodificaFileSistema(const FileSistema &s)
{
    if (s.testo.size() > static_cast<std::size_t>(LunghezzaMassimaTesto))
        throw Errore(Formato("Il testo dei numeri è lungo %zu caratteri: un file sistema ne contiene al massimo %d "
                             "(%d numeri)",
                             s.testo.size(), LunghezzaMassimaTesto, NumeriMassimiFileSistema));
    std::array<std::uint8_t, DimensioneFileSistema> b{};
    b[0] = static_cast<std::uint8_t>(s.testo.size());
    std::copy(s.testo.begin(), s.testo.end(), b.begin() + 1);
    ScriviInt32(b.data() + PosizioneIndiceNumeri, s.indiceNumeri);
    ScriviInt32(b.data() + PosizioneLivello, s.livelloRiduzione);
    return b;
}

FileSistema DecodificaFileSistema(std::string_view byte, const std::string &nomeFile)
{
    auto errore = [&](const std::string &motivo) {
        return Errore("Il file \"" + nomeFile + "\" non è un file sistema valido: " + motivo, nomeFile);
    };
    if (byte.size() < static_cast<std::size_t>(DimensioneFileSistema))
        throw errore(Formato("è lungo %zu byte invece di %d", byte.size(), DimensioneFileSistema));
    const auto *p = reinterpret_cast<const unsigned char *>(byte.data());
    FileSistema s;
    const int lunghezza = p[0];
    if (lunghezza > LunghezzaMassimaTesto)
        throw errore(
            Formato("la lunghezza del testo dei numeri è %d (al massimo %d)", lunghezza, LunghezzaMassimaTesto));
    s.testo.assign(byte.substr(1, static_cast<std::size_t>(lunghezza)));
    // The program writes "%.2d " per number; anything else is not one of its files.
    if (s.testo.size() % 3 != 0)
        throw errore("il testo dei numeri è incompleto");
    for (std::size_t i = 0; i < s.testo.size(); i += 3) {
        const char a = s.testo[i], b = s.testo[i + 1], c = s.testo[i + 2];
        const int n = (a - '0') * 10 + (b - '0');
        if (a < '0' || a > '9' || b < '0' || b > '9' || c != ' ' || n < 1 || n > 90)
            throw errore(Formato("il numero %zu del testo non è un numero da 01 a 90", i / 3 + 1));
    }
    s.indiceNumeri = LeggiInt32(p + PosizioneIndiceNumeri);
    s.livelloRiduzione = LeggiInt32(p + PosizioneLivello);
    if (s.indiceNumeri < 0 || s.indiceNumeri > 3)
        throw errore(Formato("l'indice dei numeri in combinazione è %d (da 0 a 3)", s.indiceNumeri));
    if (s.livelloRiduzione < 0 || s.livelloRiduzione > 3)
        throw errore(Formato("il livello di riduzione è %d (da 0 a 3)", s.livelloRiduzione));
    return s;
}

void SalvaFileSistema(const std::string &percorso, const FileSistema &s)
{
    const auto b = CodificaFileSistema(s);
    ScriviFileAtomico(percorso, std::string_view(reinterpret_cast<const char *>(b.data()), b.size()));
}

FileSistema CaricaFileSistema(const std::string &percorso)
{
    return DecodificaFileSistema(LeggiFile(percorso), percorso);
}

} // namespace sestina::sistemi
