#include "archive/RecordFile.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sestina::archivio {

RecordFile::RecordFile(std::string percorso, int dimensioneRecord, Accesso accesso)
    : m_percorso(std::move(percorso)), m_dimensione(dimensioneRecord)
{
    m_fd = ::open(m_percorso.c_str(), (accesso == Accesso::Scrittura ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (m_fd < 0)
        throw Errore::diFile("impossibile aprire", m_percorso, errno);
}

RecordFile::~RecordFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int RecordFile::ContaRecordDi(const std::string &percorso, int dimensioneRecord)
{
    RecordFile f(percorso, dimensioneRecord);
    return f.ContaRecord();
}

int RecordFile::ContaRecord() const
{
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        throw Errore::diFile("impossibile leggere la lunghezza di", m_percorso, errno);
    return static_cast<int>(st.st_size / m_dimensione);
}

void RecordFile::Leggi(int n, std::uint8_t *buf) const
{
    if (n < 0)
        throw Errore("Errore di I/O: lettura prima dell'inizio di \"" + m_percorso + "\" (record " +
                         std::to_string(n) + ")",
                     m_percorso);
    off_t pos = static_cast<off_t>(n) * m_dimensione;
    ssize_t letti = ::pread(m_fd, buf, static_cast<size_t>(m_dimensione), pos);
    if (letti < 0)
        throw Errore::diFile("impossibile leggere", m_percorso, errno);
    if (letti != m_dimensione)
        throw Errore("Errore di I/O: lettura oltre la fine del file \"" + m_percorso + "\" (record " +
                         std::to_string(n) + ")",
                     m_percorso);
}

std::vector<std::uint8_t> RecordFile::LeggiBlocco(int n, int quanti) const
{
    std::vector<std::uint8_t> out(static_cast<size_t>(quanti) * m_dimensione);
    if (quanti == 0)
        return out;
    if (n < 0)
        throw Errore("Errore di I/O: lettura prima dell'inizio di \"" + m_percorso + "\"", m_percorso);
    size_t fatto = 0;
    off_t pos = static_cast<off_t>(n) * m_dimensione;
    while (fatto < out.size()) {
        ssize_t letti = ::pread(m_fd, out.data() + fatto, out.size() - fatto, pos + static_cast<off_t>(fatto));
        if (letti < 0) {
            if (errno == EINTR)
                continue;
            throw Errore::diFile("impossibile leggere", m_percorso, errno);
        }
        if (letti == 0)
            throw Errore("Errore di I/O: lettura oltre la fine del file \"" + m_percorso + "\"", m_percorso);
        fatto += static_cast<size_t>(letti);
    }
    return out;
}

void RecordFile::Scrivi(int n, const std::uint8_t *buf)
{
    if (n < 0 || n > ContaRecord())
        throw Errore("Errore di I/O: scrittura oltre la fine del file \"" + m_percorso + "\"", m_percorso);
    PrimaDiOperazioneFile(OperazioneFile::Scrittura, m_percorso);
    m_scritto = true;
    off_t pos = static_cast<off_t>(n) * m_dimensione;
    ssize_t scritti = ::pwrite(m_fd, buf, static_cast<size_t>(m_dimensione), pos);
    if (scritti < 0)
        throw Errore::diFile("impossibile scrivere", m_percorso, errno);
    if (scritti != m_dimensione)
        throw Errore::diFile("impossibile scrivere", m_percorso, ENOSPC);
}

void RecordFile::Tronca(int n)
{
    if (n < 0)
        n = 0;
    PrimaDiOperazioneFile(OperazioneFile::Troncamento, m_percorso);
    m_scritto = true;
    if (::ftruncate(m_fd, static_cast<off_t>(n) * m_dimensione) != 0)
        throw Errore::diFile("impossibile troncare", m_percorso, errno);
}

void RecordFile::Chiudi()
{
    if (m_fd >= 0) {
        int fd = m_fd;
        m_fd = -1;
        // The archive's journal is removed only once the records are on disk.
        if (m_scritto && ::fsync(fd) != 0) {
            int e = errno;
            ::close(fd);
            throw Errore::diFile("impossibile scrivere", m_percorso, e);
        }
        if (::close(fd) != 0)
            throw Errore::diFile("impossibile chiudere", m_percorso, errno);
    }
}

} // namespace sestina::archivio
