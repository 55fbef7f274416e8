#include "app/FileAtomico.h"

#include "app/Errore.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sestina {

namespace {

OsservatoreFile &Osservatore()
{
    static OsservatoreFile o;
    return o;
}

std::string CartellaDi(const std::string &percorso)
{
    auto barra = percorso.find_last_of('/');
    if (barra == std::string::npos)
        return ".";
    return barra == 0 ? "/" : percorso.substr(0, barra);
}

} // namespace

void ImpostaOsservatoreFile(OsservatoreFile osservatore)
{
    Osservatore() = std::move(osservatore);
}

void PrimaDiOperazioneFile(OperazioneFile operazione, const std::string &percorso)
{
    if (Osservatore())
        Osservatore()(operazione, percorso);
}

void ScriviFileCompleto(const std::string &percorso, std::string_view contenuto, const std::string &nomeNeiMessaggi)
{
    const std::string &nome = nomeNeiMessaggi.empty() ? percorso : nomeNeiMessaggi;
    PrimaDiOperazioneFile(OperazioneFile::Scrittura, percorso);
    int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw Errore::diFile("impossibile creare", nome, errno);
    size_t scritti = 0;
    while (scritti < contenuto.size()) {
        ssize_t n = ::write(fd, contenuto.data() + scritti, contenuto.size() - scritti);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            throw Errore::diFile("impossibile scrivere", nome, e);
        }
        scritti += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int e = errno;
        ::close(fd);
        throw Errore::diFile("impossibile scrivere", nome, e);
    }
    if (::close(fd) != 0)
        throw Errore::diFile("impossibile scrivere", nome, errno);
}

void ScriviFileAtomico(const std::string &percorso, std::string_view contenuto)
{
    const std::string temp = percorso + ".tmp";
    try {
        ScriviFileCompleto(temp, contenuto, percorso);
        RinominaFile(temp, percorso);
    } catch (...) {
        try {
            CancellaFile(temp);
        } catch (...) {
        }
        throw;
    }
    SincronizzaCartella(percorso);
}

std::string LeggiFile(const std::string &percorso, std::uint64_t massimo)
{
    int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Errore::diFile("impossibile aprire", percorso, errno);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int e = errno;
        ::close(fd);
        throw Errore::diFile("impossibile leggere", percorso, e);
    }
    // Devices and pipes have no length to check: only plain files are read.
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Errore("Impossibile leggere \"" + percorso + "\": non è un file normale", percorso);
    }
    if (static_cast<std::uint64_t>(st.st_size) > massimo) {
        ::close(fd);
        throw Errore("Il file \"" + percorso + "\" è troppo grande (" +
                         std::to_string(static_cast<std::uint64_t>(st.st_size) / (1024 * 1024)) +
                         " MB): nessun archivio o file di impostazioni supera i " +
                         std::to_string(massimo / (1024 * 1024)) + " MB",
                     percorso);
    }
    std::string out;
    out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            throw Errore::diFile("impossibile leggere", percorso, e);
        }
        if (n == 0)
            break;
        out.append(buf, static_cast<size_t>(n));
        // The file may grow while it is read.
        if (out.size() > massimo) {
            ::close(fd);
            throw Errore("Il file \"" + percorso + "\" è troppo grande", percorso);
        }
    }
    ::close(fd);
    return out;
}

bool EsisteFile(const std::string &percorso)
{
    struct stat st;
    return ::stat(percorso.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

void RinominaFile(const std::string &da, const std::string &a)
{
    PrimaDiOperazioneFile(OperazioneFile::Rinomina, a);
    if (std::rename(da.c_str(), a.c_str()) != 0)
        throw Errore::diFile("impossibile sostituire", a, errno);
}

bool CancellaFile(const std::string &percorso)
{
    PrimaDiOperazioneFile(OperazioneFile::Cancellazione, percorso);
    return ::unlink(percorso.c_str()) == 0 || errno == ENOENT;
}

void CollegaFile(const std::string &da, const std::string &a)
{
    PrimaDiOperazioneFile(OperazioneFile::Collegamento, a);
    if (::link(da.c_str(), a.c_str()) != 0)
        throw Errore::diFile("impossibile creare", a, errno);
}

void SincronizzaCartella(const std::string &percorso)
{
    int fd = ::open(CartellaDi(percorso).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace sestina
