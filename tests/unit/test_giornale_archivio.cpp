// The archive survives a program stopped, or an operation failing, at every
// change it makes to the disk: the next start sees the whole old archive or the
// whole new one, and is told which.
#include "app/Edizione.h"
#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "archive/Archivio.h"
#include "archive/GiornaleArchivio.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <set>

using namespace sestina;
using namespace sestina::archivio;

namespace {

// Thrown by the hook: not an Errore, so nothing in the program mistakes it for a
// failure it may report and go on from.
struct ProgrammaInterrotto {};

enum class Modo { Interruzione, Guasto };

// Stops the program at change number `n` (1-based). Interruzione: that change and
// every later one never happen, as when the process is killed. Guasto: only that
// change fails, as with a full disk; the program goes on.
class Sabotatore {
public:
    Sabotatore(Modo modo, int n) : m_modo(modo), m_n(n)
    {
        ImpostaOsservatoreFile([this](OperazioneFile, const std::string &percorso) {
            ++m_contate;
            if (m_modo == Modo::Interruzione && m_contate >= m_n)
                throw ProgrammaInterrotto{};
            if (m_modo == Modo::Guasto && m_contate == m_n)
                throw Errore::diFile("impossibile scrivere", percorso, ENOSPC);
        });
    }
    ~Sabotatore() { ImpostaOsservatoreFile({}); }
    bool scattato() const { return m_contate >= m_n; }
    int contate() const { return m_contate; }

private:
    Modo m_modo;
    int m_n;
    int m_contate = 0;
};

struct Scenario {
    const char *nome;
    std::function<void(Archivio &)> esegui;
    std::function<std::vector<Estrazione>(const std::vector<Estrazione> &)> atteso;
};

std::vector<Estrazione> Prime(const std::vector<Estrazione> &v, size_t n)
{
    return {v.begin(), v.begin() + n};
}

const Estrazione Nuova = prova::Estr(5, 1, 2030, 999, {1, 2, 3, 4, 5, 6}, 7, 8);

std::vector<Scenario> Scenari()
{
    static const auto importate = prova::EstrazioniCasuali(99, 25);
    return {
        {"importazione", [](Archivio &a) { a.Sostituisci(importate); },
         [](const std::vector<Estrazione> &) { return importate; }},
        {"aggiunta", [](Archivio &a) { a.Scrivi(40, Nuova); },
         [](const std::vector<Estrazione> &v) {
             auto w = v;
             w.push_back(Nuova);
             return w;
         }},
        {"modifica", [](Archivio &a) { a.Scrivi(10, Nuova); },
         [](const std::vector<Estrazione> &v) {
             auto w = v;
             w[10] = Nuova;
             return w;
         }},
        {"eliminazione", [](Archivio &a) { a.EliminaUltima(); },
         [](const std::vector<Estrazione> &v) { return Prime(v, v.size() - 1); }},
        {"troncamento", [](Archivio &a) { a.Tronca(25); },
         [](const std::vector<Estrazione> &v) { return Prime(v, 25); }},
    };
}

std::set<std::string> FileNellaCartella(const std::string &dir)
{
    std::set<std::string> out;
    for (const auto &e : std::filesystem::directory_iterator(dir))
        out.insert(e.path().filename().string());
    return out;
}

void ProvaOgniPasso(Modo modo)
{
    const auto vecchie = prova::EstrazioniCasuali(5, 40);
    for (const auto &s : Scenari()) {
        const auto nuove = s.atteso(vecchie);
        std::set<std::string> esiti;
        int n = 1;
        for (;; ++n) {
            ASSERT_LT(n, 200) << s.nome;
            SCOPED_TRACE(std::string(s.nome) + ", fermato alla modifica " + std::to_string(n));
            prova::CartellaTemporanea t;
            prova::ScriviArchivio(t.dir(), vecchie);
            bool fallita = false;
            bool scattato;
            {
                Sabotatore sab(modo, n);
                Archivio a(t.dir());
                try {
                    s.esegui(a);
                } catch (const ProgrammaInterrotto &) {
                    fallita = true;
                } catch (const Errore &) {
                    fallita = true;
                }
                scattato = sab.scattato();
            }
            if (modo == Modo::Guasto) {
                // A failure the program survives leaves no work for the next start:
                // an operation reported as failed changed nothing.
                Archivio a(t.dir());
                EXPECT_EQ(a.LeggiTutte(), fallita ? vecchie : nuove);
            }
            // The next start.
            Archivio a(t.dir());
            std::optional<std::string> messaggio;
            ASSERT_NO_THROW(messaggio = a.Ripristina());
            const auto ora = a.LeggiTutte();
            EXPECT_EQ(std::filesystem::file_size(a.percorsoDate()), std::filesystem::file_size(a.percorsoNumeri()));
            const bool vecchio = ora == vecchie, nuovo = ora == nuove;
            EXPECT_TRUE(vecchio || nuovo) << ora.size() << " estrazioni";
            esiti.insert(vecchio ? "vecchio" : "nuovo");
            if (messaggio && messaggio->find("annullat") != std::string::npos) {
                EXPECT_TRUE(vecchio) << *messaggio;
            }
            if (messaggio && messaggio->find("completat") != std::string::npos) {
                EXPECT_TRUE(nuovo) << *messaggio;
            }
            EXPECT_EQ(FileNellaCartella(t.dir()), (std::set<std::string>{"ggmeanno1.cxz", "Superena.cxz"}));
            // A second start finds nothing left to do.
            EXPECT_EQ(a.Ripristina(), std::nullopt);
            if (!scattato)
                break;
        }
        EXPECT_GT(n, 3) << s.nome << ": troppo poche modifiche osservate";
        if (modo == Modo::Interruzione) {
            EXPECT_EQ(esiti, (std::set<std::string>{"vecchio", "nuovo"})) << s.nome;
        }
    }
}

} // namespace

TEST(GiornaleArchivio, InterrottoAOgniModificaDelDisco)
{
    ProvaOgniPasso(Modo::Interruzione);
}

TEST(GiornaleArchivio, GuastoAOgniModificaDelDisco)
{
    ProvaOgniPasso(Modo::Guasto);
}

TEST(GiornaleArchivio, UnaModificaInSospesoSiRisolvePrimaDellaSuccessiva)
{
    const auto vecchie = prova::EstrazioniCasuali(5, 40);
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), vecchie);
    Archivio a(t.dir());
    {
        // Stopped after the date was appended, before the numbers.
        Sabotatore sab(Modo::Interruzione, 4);
        EXPECT_THROW(a.Scrivi(40, Nuova), ProgrammaInterrotto);
    }
    EXPECT_EQ(std::filesystem::file_size(a.percorsoDate()), 41u * 8);
    // The same run goes on: the next change first puts the archive back.
    a.EliminaUltima();
    EXPECT_EQ(a.LeggiTutte(), Prime(vecchie, 39));
    EXPECT_EQ(a.Ripristina(), std::nullopt);
}

TEST(GiornaleArchivio, IlMessaggioDiceCosaEAccaduto)
{
    const auto vecchie = prova::EstrazioniCasuali(5, 40);
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), vecchie);
    Archivio a(t.dir());
    {
        // Stopped after "Superena.cxz" was shortened, before the date file.
        Sabotatore sab(Modo::Interruzione, 4);
        EXPECT_THROW(a.EliminaUltima(), ProgrammaInterrotto);
    }
    auto m = a.Ripristina();
    ASSERT_TRUE(m);
    EXPECT_EQ(*m, "L'operazione sull'archivio interrotta (eliminazione dell'ultima estrazione) è stata annullata: "
                  "l'archivio è tornato com'era prima (40 estrazioni).");

    // An import stopped once both new files and the journal were written is finished.
    const auto importate = prova::EstrazioniCasuali(6, 12);
    int totale;
    {
        Sabotatore conta(Modo::Guasto, 1000);
        a.Sostituisci(vecchie);
        totale = conta.contate();
    }
    bool completata = false;
    for (int n = 1; n <= totale && !completata; ++n) {
        prova::ScriviArchivio(t.dir(), vecchie);
        {
            Sabotatore sab(Modo::Interruzione, n);
            try {
                a.Sostituisci(importate);
            } catch (const ProgrammaInterrotto &) {
            }
        }
        auto r = a.Ripristina();
        if (r && r->find("completata") != std::string::npos) {
            EXPECT_EQ(*r,
                      "L'importazione interrotta è stata completata: l'archivio contiene le estrazioni importate (12 "
                      "estrazioni).");
            EXPECT_EQ(a.LeggiTutte(), importate);
            completata = true;
        }
    }
    EXPECT_TRUE(completata);
}

TEST(GiornaleArchivio, TestoAndataERitorno)
{
    Giornale g;
    g.operazione = OperazioneGiornale::Troncamento;
    g.voci.push_back(
        VoceGiornale{11, 5, 3, std::string("\x01\x02\x03\x04\x05\x06\x07\x08\xFF\x00\x10\x20\x30\x40\x50\x5A", 16)});
    g.voci.push_back(VoceGiornale{13, 5, 5, ""});
    EXPECT_EQ(LeggiGiornale(ScriviGiornale(g)), g);
    Giornale imp;
    imp.operazione = OperazioneGiornale::Importazione;
    imp.completare = true;
    imp.estrazioni = 7;
    imp.esistevaDate = false;
    EXPECT_EQ(LeggiGiornale(ScriviGiornale(imp)), imp);
}

TEST(GiornaleArchivio, UnGiornaleRovinatoNonVieneIndovinato)
{
    Giornale g;
    g.voci.push_back(VoceGiornale{13, 5, 5, ""});
    const std::string buono = ScriviGiornale(g);
    const std::string casi[] = {
        "",
        buono.substr(0, buono.size() - 2),                       // no final CR LF
        buono.substr(0, buono.find("fine")),                     // no closing line
        "SESTINA GIORNALE 2" + buono.substr(buono.find("\r\n")), // another version
        [&] {
            auto s = buono;
            s.replace(s.find("aggiunta"), 8, "cancella");
            return s;
        }(),
        [&] {
            auto s = buono;
            s.replace(s.find("file;13"), 7, "file;14");
            return s;
        }(),
        [&] {
            auto s = buono;
            s.replace(s.find(";5;5;"), 5, ";5;6;");
            return s;
        }(), // start past the end
        [&] {
            auto s = buono;
            s.replace(s.find(";5;5;"), 5, ";5;5;0A");
            return s;
        }(), // half a record
        [&] {
            auto s = buono;
            s.replace(s.find(";5;5;"), 5, ";5;4;0102030405060X08");
            return s;
        }(),
    };
    for (const auto &c : casi)
        EXPECT_THROW(LeggiGiornale(c), Errore) << c;

    // At start the archive is not touched and the user is told what to do.
    prova::CartellaTemporanea t;
    prova::ScriviArchivio(t.dir(), prova::EstrazioniCasuali(5, 5));
    prova::ScriviByte(t.percorso(NomeFileGiornale), casi[2]);
    try {
        Archivio(t.dir()).Ripristina();
        FAIL();
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("spostare altrove"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Archivio(t.dir()).LeggiTutte(), prova::EstrazioniCasuali(5, 5));
}

// The right-click truncation cuts all fourteen files of the table: all of them or none.
TEST(GiornaleArchivio, TroncamentoDiTuttiIFileInterrottoAOgniPasso)
{
    const auto vecchie = prova::EstrazioniCasuali(5, 40);
    auto prepara = [&](const std::string &dir) {
        prova::ScriviArchivio(dir, vecchie);
        for (int i = 0; i <= 12; ++i)
            if (i != IndiceSuperenalotto)
                prova::ScriviByte(dir + TabellaFileArchivio[static_cast<size_t>(i)],
                                  std::string(static_cast<size_t>(DimensioneRecord(i)) * 40, '\x21'));
    };
    auto lunghezze = [](const std::string &dir) {
        std::vector<std::uintmax_t> l;
        for (int i = 0; i <= 13; ++i)
            l.push_back(std::filesystem::file_size(dir + TabellaFileArchivio[static_cast<size_t>(i)]) /
                        static_cast<std::uintmax_t>(DimensioneRecord(i)));
        return l;
    };
    std::set<std::uintmax_t> esiti;
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 100);
        prova::CartellaTemporanea t;
        prepara(t.dir());
        bool scattato;
        {
            Sabotatore sab(Modo::Interruzione, n);
            try {
                Archivio(t.dir()).TroncaTutti(30);
            } catch (const ProgrammaInterrotto &) {
            }
            scattato = sab.scattato();
        }
        Archivio(t.dir()).Ripristina();
        const auto l = lunghezze(t.dir());
        EXPECT_EQ(std::set<std::uintmax_t>(l.begin(), l.end()).size(), 1u) << "fermato alla modifica " << n;
        esiti.insert(l[13]);
        if (l[13] == 40) {
            EXPECT_EQ(Archivio(t.dir()).LeggiTutte(), vecchie);
        }
        if (!scattato)
            break;
    }
    EXPECT_EQ(esiti, (std::set<std::uintmax_t>{30, 40}));
}
