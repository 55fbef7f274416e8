#include "archive/ArchivioCSV.h"

#include "app/Data.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/TExStringList.h"
#include "app/Testo.h"

namespace sestina::archivio {

namespace {

std::vector<std::string> Campi(const std::string &riga)
{
    std::vector<std::string> out;
    size_t i = 0;
    for (;;) {
        size_t j = riga.find(';', i);
        if (j == std::string::npos) {
            out.push_back(riga.substr(i));
            break;
        }
        out.push_back(riga.substr(i, j - i));
        i = j + 1;
    }
    // Our own CSV writes a ';' after every cell.
    if (out.size() == 11 && Trim(out.back()).empty())
        out.pop_back();
    return out;
}

} // namespace

std::vector<Estrazione> LeggiArchivioCSV(std::string_view testo)
{
    // Spreadsheets often save UTF-8 with a byte-order mark.
    if (testo.substr(0, 3) == "\xEF\xBB\xBF")
        testo.remove_prefix(3);
    TExStringList righe;
    righe.SetText(testo);
    auto errore = [](int riga, const std::string &motivo) {
        return Errore("File CSV non valido, riga " + std::to_string(riga) + ": " + motivo);
    };
    if (righe.Count() == 0)
        throw Errore("File CSV non valido: il file è vuoto");
    bool soloVuote = true;
    for (int i = 0; i < righe.Count() && soloVuote; ++i)
        soloVuote = Trim(righe[i]).empty();
    if (soloVuote)
        throw Errore("File CSV non valido: il file non contiene estrazioni");
    if (Trim(righe[0]).rfind("data;concorso;", 0) != 0)
        throw errore(1, "manca l'intestazione \"" + std::string(IntestazioneCSV) + "\"");
    std::vector<Estrazione> out;
    Data precedente{};
    for (int i = 1; i < righe.Count(); ++i) {
        const int numeroRiga = i + 1;
        std::string riga = Trim(righe[i]);
        if (riga.empty())
            continue;
        auto campi = Campi(riga);
        if (campi.size() != 10)
            throw errore(numeroRiga, "attesi 10 campi, trovati " + std::to_string(campi.size()));
        auto data = LeggiData(campi[0]);
        if (!data)
            throw errore(numeroRiga, "data non valida \"" + campi[0] + "\"");
        if (!out.empty() && *data < precedente)
            throw errore(numeroRiga, "la data " + data->breve() + " precede quella della riga prima");
        precedente = *data;
        int concorso = LeggiInteroOppure(campi[1], -1);
        if (concorso < 0 || concorso > 65535)
            throw errore(numeroRiga, "numero di concorso non valido \"" + campi[1] + "\"");
        int valori[8];
        for (int k = 0; k < 8; ++k) {
            valori[k] = LeggiInteroOppure(campi[2 + k], -1);
            if (valori[k] < 0 || valori[k] > 90)
                throw errore(numeroRiga, "numero non valido \"" + campi[2 + k] + "\" (ammessi 0..90)");
        }
        Estrazione e;
        e.data = RecordData{static_cast<std::uint16_t>(data->giorno), static_cast<std::uint16_t>(data->mese),
                            static_cast<std::uint16_t>(data->anno), static_cast<std::uint16_t>(concorso)};
        for (size_t k = 0; k < 6; ++k)
            e.numeri.numeri[k] = static_cast<std::uint8_t>(valori[k]);
        e.numeri.jolly = static_cast<std::uint8_t>(valori[6]);
        e.numeri.superstar = static_cast<std::uint8_t>(valori[7]);
        out.push_back(e);
    }
    if (out.empty())
        throw Errore("File CSV non valido: il file non contiene estrazioni");
    return out;
}

std::vector<Estrazione> LeggiArchivioCSVByte(std::string_view byte)
{
    if (byte.substr(0, 3) == "\xEF\xBB\xBF")
        return LeggiArchivioCSV(byte);
    return LeggiArchivioCSV(DaCp1252AUtf8(byte));
}

std::vector<Estrazione> LeggiFileArchivioCSV(const std::string &percorso)
{
    return LeggiArchivioCSVByte(LeggiFile(percorso));
}

std::string ScriviArchivioCSV(const std::vector<Estrazione> &estrazioni)
{
    std::string out = std::string(IntestazioneCSV) + "\r\n";
    out.reserve(estrazioni.size() * 40);
    for (const auto &e : estrazioni) {
        out += Formato("%02d/%02d/%04d;%d", e.data.giorno, e.data.mese, e.data.anno, e.data.concorso);
        for (auto n : e.numeri.numeri)
            out += Formato(";%d", n);
        out += Formato(";%d;%d\r\n", e.numeri.jolly, e.numeri.superstar);
    }
    return out;
}

} // namespace sestina::archivio
