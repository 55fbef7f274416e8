#pragma once

#include <stdexcept>
#include <string>

namespace sestina {

// The one error type of the libraries. A page catches it once per user action
// and shows what() in a message box; the CLI prints it and exits 1.
class Errore : public std::runtime_error {
public:
    explicit Errore(const std::string &messaggio) : std::runtime_error(messaggio) {}
    Errore(const std::string &messaggio, std::string file)
        : std::runtime_error(messaggio), m_file(std::move(file)) {}

    // A failed file operation: names the file and carries the system's reason for errno.
    static Errore diFile(const std::string &operazione, const std::string &file, int codiceErrno);

    const std::string &file() const { return m_file; }

private:
    std::string m_file;
};

// The system's reason for an errno value, in Italian for the common cases.
std::string MotivoSistema(int codiceErrno);

} // namespace sestina
