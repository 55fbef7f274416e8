#include "app/FileAtomico.h"

#include "app/Errore.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sestina {

void ScriviFileCompleto(const std::string &percorso, std::string_view contenuto, const std::string &nomeNeiMessaggi)
{
    const std::string &nome = nomeNeiMessaggi.empty() ? percorso : nomeNeiMessaggi;
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
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    if (std::rename(temp.c_str(), percorso.c_str()) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw Errore::diFile("impossibile sostituire", percorso, e);
    }
}

std::string LeggiFile(const std::string &percorso)
{
    int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Errore::diFile("impossibile aprire", percorso, errno);
    std::string out;
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
    }
    ::close(fd);
    return out;
}

bool EsisteFile(const std::string &percorso)
{
    struct stat st;
    return ::stat(percorso.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace sestina
