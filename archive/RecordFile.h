#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sestina::archivio {

// A file of fixed-size records with no header. Opened for one operation and
// closed at its end (the destructor closes too); every failure throws Errore
// naming the file.
class RecordFile {
public:
    enum class Accesso { Lettura, Scrittura };
    // Opens an existing file; read-only unless asked for writing, so a
    // read-only installation still shows its draws.
    RecordFile(std::string percorso, int dimensioneRecord, Accesso accesso = Accesso::Lettura);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Record count of a file without keeping it open.
    static int ContaRecordDi(const std::string &percorso, int dimensioneRecord);

    int ContaRecord() const;
    // Reads record n into buf (dimensioneRecord bytes); past the end is an error.
    void Leggi(int n, std::uint8_t *buf) const;
    // Reads count records from n on.
    std::vector<std::uint8_t> LeggiBlocco(int n, int quanti) const;
    // Overwrites record n; n equal to the record count appends.
    void Scrivi(int n, const std::uint8_t *buf);
    // Keeps records 0 .. n-1.
    void Tronca(int n);
    // Flushes what was written before closing.
    void Chiudi();

    const std::string &percorso() const { return m_percorso; }
    int dimensioneRecord() const { return m_dimensione; }

private:
    std::string m_percorso;
    int m_dimensione;
    int m_fd = -1;
    bool m_scritto = false;
};

} // namespace sestina::archivio
