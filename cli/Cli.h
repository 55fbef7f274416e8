#pragma once

#include "archive/Archivio.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sestina::cli {

inline const char *const MessaggioMemoriaEsaurita =
    "Memoria esaurita: l'operazione è stata interrotta e nessun file è stato modificato";
inline const char *const MessaggioErroreImprevisto = "Errore imprevisto: ";

// A usage error: exit status 2.
struct ErroreUso {
    std::string messaggio;
};

// Options and positional words of one command line, after the command name.
class Argomenti {
public:
    Argomenti(std::vector<std::string> parole, std::vector<std::string> opzioniConValore);
    // Value of --name, or nullopt.
    std::optional<std::string> valore(const std::string &nome) const;
    // Every value of an option that may be repeated, in command-line order.
    std::vector<std::string> valori(const std::string &nome) const;
    bool flag(const std::string &nome) const;
    const std::vector<std::string> &posizionali() const { return m_posizionali; }
    // The i-th positional word; ErroreUso when missing.
    const std::string &posizionale(size_t i, const std::string &cosa) const;
    // Every option given must be known to the command.
    void ControllaOpzioni(const std::vector<std::string> &ammesse) const;

private:
    std::map<std::string, std::string> m_valori;
    std::vector<std::pair<std::string, std::string>> m_ripetuti;
    std::vector<std::string> m_flag;
    std::vector<std::string> m_posizionali;
};

struct Contesto {
    std::string dir; // program folder, trailing '/'
    archivio::Archivio archivio;
    std::ostream &out;
    std::ostream &err;
};

struct Comando {
    std::string nome;
    std::string uso;                          // one usage line
    std::vector<std::string> opzioniConValore; // options that take a value
    std::function<int(const Argomenti &, Contesto &)> esegui;
};

// Commands register themselves from their own source files.
void RegistraComando(Comando c);
const std::map<std::string, Comando> &Comandi();

struct Registrazione {
    explicit Registrazione(Comando c) { RegistraComando(std::move(c)); }
};

// A record argument: the "N. Estr" shown on screen (record + 1) or a date dd/mm/yyyy.
int RecordDaArgomento(const archivio::Archivio &a, const std::string &testo);
int InteroDaArgomento(const std::string &testo, const std::string &cosa);
// "5,17,29" (blanks, ",", ";", "." or "-" separate); every value within [minimo, massimo],
// repeats dropped; ErroreUso otherwise.
std::vector<int> ListaInteri(const std::string &testo, int minimo, int massimo, const std::string &cosa);

// A span from --inizio and --fine (record arguments), by default the whole
// archive; an empty archive is an error.
struct Intervallo {
    int inizio = 0;
    int fine = 0;
};
Intervallo IntervalloDaArgomenti(const Argomenti &args, const archivio::Archivio &a);

// The statistics table's order from --ordine (0..3), by default 1.
int OrdineDaArgomenti(const Argomenti &args);

// Refuses an import that would leave the archive more than a few draws shorter
// unless --sostituisci was given.
void ControllaRiduzione(const Argomenti &args, const archivio::Archivio &a, size_t nuove);

// The whole tool, in-process: returns the exit status. Every error, lack of
// memory included, ends in a message on `err` and exit status 1.
int EseguiCli(const std::vector<std::string> &argomenti, std::ostream &out, std::ostream &err,
              const std::string &dirPredefinita);

} // namespace sestina::cli
