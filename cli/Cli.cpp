#include "cli/Cli.h"

#include "app/Data.h"
#include "app/Errore.h"
#include "app/Testo.h"

#include <algorithm>
#include <new>
#include <ostream>

namespace sestina::cli {

Argomenti::Argomenti(std::vector<std::string> parole, std::vector<std::string> opzioniConValore)
{
    for (size_t i = 0; i < parole.size(); ++i) {
        const std::string &p = parole[i];
        if (p.size() > 2 && p.rfind("--", 0) == 0) {
            std::string nome = p.substr(2);
            auto uguale = nome.find('=');
            if (uguale != std::string::npos) {
                m_valori[nome.substr(0, uguale)] = nome.substr(uguale + 1);
                m_ripetuti.emplace_back(nome.substr(0, uguale), nome.substr(uguale + 1));
            } else if (std::find(opzioniConValore.begin(), opzioniConValore.end(), nome) != opzioniConValore.end()) {
                if (i + 1 >= parole.size())
                    throw ErroreUso{"manca il valore dell'opzione --" + nome};
                m_valori[nome] = parole[++i];
                m_ripetuti.emplace_back(nome, parole[i]);
            } else {
                m_flag.push_back(nome);
            }
        } else {
            m_posizionali.push_back(p);
        }
    }
}

std::optional<std::string> Argomenti::valore(const std::string &nome) const
{
    auto it = m_valori.find(nome);
    if (it == m_valori.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> Argomenti::valori(const std::string &nome) const
{
    std::vector<std::string> v;
    for (const auto &[n, x] : m_ripetuti)
        if (n == nome)
            v.push_back(x);
    return v;
}

bool Argomenti::flag(const std::string &nome) const
{
    return std::find(m_flag.begin(), m_flag.end(), nome) != m_flag.end();
}

const std::string &Argomenti::posizionale(size_t i, const std::string &cosa) const
{
    if (i >= m_posizionali.size())
        throw ErroreUso{"manca " + cosa};
    return m_posizionali[i];
}

void Argomenti::ControllaOpzioni(const std::vector<std::string> &ammesse) const
{
    auto nota = [&](const std::string &n) { return std::find(ammesse.begin(), ammesse.end(), n) != ammesse.end(); };
    for (const auto &[nome, v] : m_valori)
        if (!nota(nome))
            throw ErroreUso{"opzione sconosciuta --" + nome};
    for (const auto &nome : m_flag)
        if (!nota(nome))
            throw ErroreUso{"opzione sconosciuta --" + nome};
}

namespace {
std::map<std::string, Comando> &Registro()
{
    static std::map<std::string, Comando> r;
    return r;
}
} // namespace

void RegistraComando(Comando c) { Registro()[c.nome] = std::move(c); }
const std::map<std::string, Comando> &Comandi() { return Registro(); }

int InteroDaArgomento(const std::string &testo, const std::string &cosa)
{
    try {
        return LeggiIntero(testo);
    } catch (const Errore &) {
        throw ErroreUso{cosa + ": \"" + testo + "\" non è un numero intero"};
    }
}

int RecordDaArgomento(const archivio::Archivio &a, const std::string &testo)
{
    int ultima = a.LeggiUltimaEstrazione();
    if (testo.find('/') != std::string::npos) {
        auto d = LeggiData(testo);
        if (!d)
            throw ErroreUso{"data non valida \"" + testo + "\" (formato gg/mm/aaaa)"};
        auto date = a.LeggiDate(0, ultima);
        for (size_t i = 0; i < date.size(); ++i)
            if (date[i].data() == *d)
                return static_cast<int>(i);
        throw Errore("Nessuna estrazione in data " + d->breve());
    }
    int n = InteroDaArgomento(testo, "numero di estrazione");
    if (n < 1 || n > ultima + 1)
        throw Errore("Estrazione " + testo + " inesistente: l'archivio ne contiene " + std::to_string(ultima + 1));
    return n - 1;
}

std::vector<int> ListaInteri(const std::string &testo, int minimo, int massimo, const std::string &cosa)
{
    std::vector<int> out;
    std::string cifre;
    auto chiudi = [&] {
        if (cifre.empty())
            return;
        int v = InteroDaArgomento(cifre, cosa);
        if (v < minimo || v > massimo)
            throw ErroreUso{cosa + ": " + cifre + " fuori dall'intervallo " + std::to_string(minimo) + ".." +
                            std::to_string(massimo)};
        if (std::find(out.begin(), out.end(), v) == out.end())
            out.push_back(v);
        cifre.clear();
    };
    for (char c : testo) {
        if (c >= '0' && c <= '9')
            cifre.push_back(c);
        else if (c == ',' || c == ' ' || c == ';' || c == '.' || c == '-')
            chiudi();
        else
            throw ErroreUso{cosa + ": \"" + testo + "\" non è un elenco di numeri"};
    }
    chiudi();
    return out;
}

Intervallo IntervalloDaArgomenti(const Argomenti &args, const archivio::Archivio &a)
{
    const int ultima = a.LeggiUltimaEstrazione();
    if (ultima < 0)
        throw Errore("L'archivio non contiene estrazioni");
    Intervallo i{0, ultima};
    if (auto v = args.valore("inizio"))
        i.inizio = RecordDaArgomento(a, *v);
    if (auto v = args.valore("fine"))
        i.fine = RecordDaArgomento(a, *v);
    return i;
}

int OrdineDaArgomenti(const Argomenti &args)
{
    int ordine = 1;
    if (auto v = args.valore("ordine")) {
        ordine = InteroDaArgomento(*v, "ordine");
        if (ordine < 0 || ordine > 3)
            throw ErroreUso{"ordine deve essere 0, 1, 2 o 3"};
    }
    return ordine;
}

void ControllaRiduzione(const Argomenti &args, const archivio::Archivio &a, size_t nuove)
{
    const int presenti = archivio::EstrazioniPresenti(a);
    if (!args.flag("sostituisci") && archivio::RiduzioneDaConfermare(presenti, nuove))
        throw Errore(archivio::TestoRiduzione(presenti, nuove) +
                     " Per sostituire comunque l'archivio ripetere il comando con --sostituisci");
}

namespace {

void Uso(std::ostream &err)
{
    err << "uso: sestina-cli [--dir CARTELLA] COMANDO ...\n\ncomandi:\n";
    for (const auto &[nome, c] : Comandi())
        err << "  " << c.uso << "\n";
}

} // namespace

int EseguiCli(const std::vector<std::string> &argomenti, std::ostream &out, std::ostream &err,
              const std::string &dirPredefinita)
{
    std::string dir = dirPredefinita;
    size_t i = 0;
    while (i < argomenti.size() && argomenti[i].rfind("--", 0) == 0) {
        if (argomenti[i] == "--dir" && i + 1 < argomenti.size()) {
            dir = argomenti[i + 1];
            i += 2;
        } else if (argomenti[i].rfind("--dir=", 0) == 0) {
            dir = argomenti[i].substr(6);
            ++i;
        } else if (argomenti[i] == "--help" || argomenti[i] == "--aiuto") {
            Uso(out);
            return 0;
        } else {
            err << "sestina-cli: opzione sconosciuta " << argomenti[i] << "\n";
            Uso(err);
            return 2;
        }
    }
    if (i >= argomenti.size()) {
        Uso(err);
        return 2;
    }
    auto it = Comandi().find(argomenti[i]);
    if (it == Comandi().end()) {
        err << "sestina-cli: comando sconosciuto \"" << argomenti[i] << "\"\n";
        Uso(err);
        return 2;
    }
    if (!dir.empty() && dir.back() != '/')
        dir.push_back('/');
    const Comando &c = it->second;
    try {
        Argomenti args(std::vector<std::string>(argomenti.begin() + static_cast<long>(i) + 1, argomenti.end()),
                       c.opzioniConValore);
        Contesto ctx{dir, archivio::Archivio(dir), out, err};
        // As at the window's start: an interrupted change of the archive is
        // finished or undone first, and the user is told which.
        try {
            if (auto nota = ctx.archivio.Ripristina())
                err << "sestina-cli: " << *nota << "\n";
        } catch (const Errore &e) {
            err << "sestina-cli: " << e.what() << "\n";
        }
        return c.esegui(args, ctx);
    } catch (const ErroreUso &e) {
        err << "sestina-cli " << c.nome << ": " << e.messaggio << "\nuso: " << c.uso << "\n";
        return 2;
    } catch (const Errore &e) {
        err << e.what() << "\n";
        return 1;
    } catch (const std::bad_alloc &) {
        err << MessaggioMemoriaEsaurita << "\n";
        return 1;
    } catch (const std::exception &e) {
        err << MessaggioErroreImprevisto << e.what() << "\n";
        return 1;
    }
}

} // namespace sestina::cli
