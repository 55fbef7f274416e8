#include "app/Errore.h"

#include <cstring>

namespace sestina {

std::string MotivoSistema(int codiceErrno)
{
    switch (codiceErrno) {
    case ENOENT: return "file o cartella inesistente";
    case EACCES: return "accesso negato";
    case EPERM: return "operazione non permessa";
    case ENOSPC: return "spazio su disco esaurito";
    case EROFS: return "file system di sola lettura";
    case EISDIR: return "è una cartella";
    case EEXIST: return "il file esiste già";
    case EIO: return "errore di ingresso/uscita del disco";
    case 0: return "errore sconosciuto";
    default: return std::strerror(codiceErrno);
    }
}

Errore Errore::diFile(const std::string &operazione, const std::string &file, int codiceErrno)
{
    return Errore("Errore di I/O: " + operazione + " \"" + file + "\": " + MotivoSistema(codiceErrno), file);
}

} // namespace sestina
