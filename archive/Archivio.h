#pragma once

#include "archive/Record.h"

#include <optional>
#include <string>
#include <vector>

namespace sestina::archivio {

// The draw archive of this edition in a program folder: the date file and
// "Superena.cxz", record n of each belonging to draw n. Every call opens the
// files it needs and closes them before it returns. Every change runs under the
// archive's journal (GiornaleArchivio.h): both files change together or not at
// all, as the next start sees them.
class Archivio {
public:
    explicit Archivio(std::string directory); // with or without a trailing '/'

    const std::string &directory() const { return m_dir; }
    std::string percorso(int indiceFile) const;
    std::string percorsoDate() const;
    std::string percorsoNumeri() const;

    // Record count of the date file - 1.
    int LeggiUltimaEstrazione() const;
    RecordData LeggiData(int n) const;
    RecordSuperenalotto LeggiNumeri(int n) const;
    Estrazione Leggi(int n) const;
    std::vector<RecordData> LeggiDate(int primo, int ultimo) const;
    std::vector<RecordSuperenalotto> LeggiNumeri(int primo, int ultimo) const;
    // Records 0 .. LeggiUltimaEstrazione() of both files, oldest first.
    std::vector<Estrazione> LeggiTutte() const;

    // Finishes or undoes a change that was interrupted; the message for the
    // user, or nothing when the archive was in order. Every change runs it first.
    std::optional<std::string> Ripristina() const;

    // Writes draw n (n equal to the count appends): the date first, then the numbers.
    void Scrivi(int n, const Estrazione &e);
    // Removes the last draw; returns the new UltimaEstrazione.
    int EliminaUltima();
    // Keeps draws 0 .. n-1 ("Superena.cxz" first, the date file last); returns the new UltimaEstrazione.
    int Tronca(int n);
    // Truncates every file of the archive table at n, in table order; a missing
    // file stops it before any file is touched. Returns the new UltimaEstrazione.
    int TroncaTutti(int n);
    // Replaces the whole archive with these draws: both files or neither.
    void Sostituisci(const std::vector<Estrazione> &estrazioni);

private:
    std::string m_dir;
};

// An import that would leave the archive more than this many draws shorter is
// a likely mistake (a wrong or cut file): the window asks, the CLI wants --sostituisci.
inline constexpr int CaloSenzaConferma = 3;
// Draws the archive holds now; 0 when its files are missing or unreadable.
int EstrazioniPresenti(const Archivio &a);
bool RiduzioneDaConfermare(int presenti, size_t nuove);
// "L'importazione ridurrebbe l'archivio da 500 a 12 estrazioni."
std::string TestoRiduzione(int presenti, size_t nuove);

// Whether `percorso` is one of the program's own files in `directory` (archive
// files, their journal, settings files): exports must never write over them.
bool FileDelProgramma(const std::string &directory, const std::string &percorso);

// "%d/%d/%d " (one trailing space), the text of the date lists.
std::string TestoListaDate(const RecordData &d);
// Every date, oldest first (RiempiDateCrescenti) or newest first.
std::vector<std::string> DateCrescenti(const Archivio &a);
std::vector<std::string> DateDecrescenti(const Archivio &a);

} // namespace sestina::archivio
