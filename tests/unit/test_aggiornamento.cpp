// Merging a CSV source into the archive: what is appended, what is refused.
#include "app/Edizione.h"
#include "app/Errore.h"
#include "archive/Aggiornamento.h"
#include "archive/ArchivioCSV.h"
#include "archive/GiornaleArchivio.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace sestina;
using namespace sestina::archivio;
using namespace sestina::prova;

namespace {

using Lista = std::vector<Estrazione>;

// Real draws around a change of year, so contest numbers restart once inside the slice.
const Lista &Reali()
{
    static const Lista tutte = EstrazioniReali();
    static const Lista fetta = [] {
        size_t k = 1;
        while (tutte[k].data.anno == tutte[k - 1].data.anno)
            ++k;
        k += 100; // a year later, so the 20 draws before the change are in the slice too
        while (tutte[k].data.anno == tutte[k - 1].data.anno)
            ++k;
        return Lista(tutte.begin() + static_cast<long>(k) - 20, tutte.begin() + static_cast<long>(k) + 10);
    }();
    return fetta;
}

Lista Parte(size_t da, size_t a)
{
    return Lista(Reali().begin() + static_cast<long>(da), Reali().begin() + static_cast<long>(a));
}

std::string ErroreDi(const Lista &archivio, const Lista &sorgente)
{
    try {
        (void)EstrazioniNuove(archivio, sorgente);
    } catch (const Errore &e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(Aggiornamento, LaFettaRealeAttraversaUnCambioDAnno)
{
    ASSERT_EQ(Reali().size(), 30u);
    EXPECT_EQ(Reali()[20].data.concorso, 1);
    EXPECT_GT(Reali()[20].data.anno, Reali()[19].data.anno);
}

struct CasoUnione {
    const char *nome;
    size_t archivioDa, archivioA, sorgenteDa, sorgenteA;
    size_t nuoveDa, nuoveA; // expected new draws, as a slice of Reali()
};

class UnioneAccettata : public ::testing::TestWithParam<CasoUnione> {};

TEST_P(UnioneAccettata, AggiungeSoloLeEstrazioniSuccessive)
{
    const CasoUnione &c = GetParam();
    EXPECT_EQ(EstrazioniNuove(Parte(c.archivioDa, c.archivioA), Parte(c.sorgenteDa, c.sorgenteA)),
              Parte(c.nuoveDa, c.nuoveA));
}

INSTANTIATE_TEST_SUITE_P(Casi, UnioneAccettata,
                         ::testing::Values(
                             // archive [0,15); the source overlaps its last five draws and goes on over the year change
                             CasoUnione{"SovrapposizioneConcorde", 0, 15, 10, 30, 15, 30},
                             CasoUnione{"SorgenteConTuttaLaStoria", 0, 15, 0, 30, 15, 30},
                             CasoUnione{"SorgenteUgualeAllArchivio", 0, 15, 0, 15, 0, 0},
                             CasoUnione{"SorgenteDentroLArchivio", 0, 15, 3, 9, 0, 0},
                             CasoUnione{"SorgenteFinisceInsiemeAllArchivio", 0, 15, 12, 15, 0, 0},
                             // no overlap, but the first draw of the source is the very next contest
                             CasoUnione{"SorgenteContiguaSenzaSovrapposizione", 0, 15, 15, 30, 15, 30},
                             // contest 1 of the new year right after the last draw of the old one
                             CasoUnione{"NuovoAnnoDalConcorsoUno", 0, 20, 20, 25, 20, 25},
                             // draws older than the whole archive are ignored, not prepended
                             CasoUnione{"SorgentePiuVecchiaDellArchivio", 5, 15, 0, 20, 15, 20},
                             CasoUnione{"ArchivioVuoto", 0, 0, 4, 30, 4, 30},
                             CasoUnione{"SorgenteVuota", 0, 15, 0, 0, 0, 0}),
                         [](const auto &info) { return std::string(info.param.nome); });

TEST(Aggiornamento, UnaEstrazionePassataDiversaVieneRifiutataENominata)
{
    const Lista archivio = Parte(0, 15);
    struct Modifica {
        const char *cosa;
        void (*applica)(Estrazione &);
    };
    const Modifica modifiche[] = {
        {"numero", [](Estrazione &e) { e.numeri.numeri[2] = static_cast<std::uint8_t>(e.numeri.numeri[2] % 90 + 1); }},
        {"jolly", [](Estrazione &e) { e.numeri.jolly = static_cast<std::uint8_t>(e.numeri.jolly % 90 + 1); }},
        {"superstar",
         [](Estrazione &e) { e.numeri.superstar = static_cast<std::uint8_t>(e.numeri.superstar % 90 + 1); }},
        {"concorso", [](Estrazione &e) { e.data.concorso += 1; }},
        {"ordine", [](Estrazione &e) { std::swap(e.numeri.numeri[0], e.numeri.numeri[1]); }},
    };
    for (const Modifica &m : modifiche) {
        SCOPED_TRACE(m.cosa);
        Lista sorgente = Parte(5, 30);
        m.applica(sorgente[4]); // archive draw 9
        m.applica(sorgente[6]); // a later one differs too: the message names the first
        const std::string errore = ErroreDi(archivio, sorgente);
        EXPECT_NE(errore.find(archivio[9].data.data().breve()), std::string::npos) << errore;
        EXPECT_EQ(errore.find(archivio[11].data.data().breve()), std::string::npos) << errore;
        EXPECT_NE(errore.find("diversa"), std::string::npos) << errore;
    }
}

TEST(Aggiornamento, UnBucoNelleDateVieneRifiutato)
{
    const Lista archivio = Parte(0, 15);
    struct Caso {
        const char *nome;
        Lista sorgente;
        std::string nominata; // a date the message must name
    };
    Lista senzaDieci = Parte(5, 30);
    senzaDieci.erase(senzaDieci.begin() + 5); // archive draw 10 is not in the source
    Lista senzaDiciotto = Parte(10, 30);
    senzaDiciotto.erase(senzaDiciotto.begin() + 8); // a new draw skipped
    Lista conEstraneo = Parte(5, 30);
    Estrazione estraneo = conEstraneo[3];
    estraneo.data.giorno += 1; // a draw between two archived ones that the archive lacks
    conEstraneo.insert(conEstraneo.begin() + 4, estraneo);
    const Caso casi[] = {
        {"FileDopoLaFineDellArchivio", Parte(17, 30), Reali()[14].data.data().breve()},
        {"MancaUnaEstrazioneDellArchivio", senzaDieci, Reali()[10].data.data().breve()},
        {"MancaUnaEstrazioneNuova", senzaDiciotto, Reali()[17].data.data().breve()},
        {"EstrazioneInPiuNelPassato", conEstraneo, estraneo.data.data().breve()},
    };
    for (const Caso &c : casi) {
        SCOPED_TRACE(c.nome);
        const std::string errore = ErroreDi(archivio, c.sorgente);
        ASSERT_FALSE(errore.empty());
        EXPECT_NE(errore.find(c.nominata), std::string::npos) << errore;
    }
    // After the last draw of a year only contest 1 of the next year may follow.
    Lista saltaUno = Parte(21, 25);
    EXPECT_FALSE(ErroreDi(Parte(0, 20), saltaUno).empty());
}

TEST(Aggiornamento, EstrazioniNuoveNonValideODoppieVengonoRifiutate)
{
    const Lista archivio = Parte(0, 15);
    Lista doppioNumero = Parte(10, 20);
    doppioNumero[7].numeri.numeri[1] = doppioNumero[7].numeri.numeri[0];
    Lista jollyFuori = Parte(10, 20);
    jollyFuori[7].numeri.jolly = 0;
    Lista stessaData = Parte(10, 20);
    stessaData[7].data = stessaData[6].data;
    const std::pair<const Lista *, size_t> casi[] = {{&doppioNumero, 17}, {&jollyFuori, 17}, {&stessaData, 16}};
    for (const auto &[sorgente, nominata] : casi) {
        const std::string errore = ErroreDi(archivio, *sorgente);
        EXPECT_NE(errore.find(Reali()[nominata].data.data().breve()), std::string::npos) << errore;
    }
}

TEST(Aggiornamento, ScriveEntrambiIFileOppureNessuno)
{
    CartellaTemporanea dir;
    ScriviArchivio(dir.dir(), Parte(0, 15));
    Archivio a(dir.dir());
    const std::string date = LeggiByte(a.percorsoDate()), numeri = LeggiByte(a.percorsoNumeri());

    Lista diversa = Parte(0, 30);
    diversa[3].numeri.jolly = static_cast<std::uint8_t>(diversa[3].numeri.jolly % 90 + 1);
    EXPECT_THROW(AggiornaArchivio(a, diversa), Errore);
    EXPECT_EQ(LeggiByte(a.percorsoDate()), date);
    EXPECT_EQ(LeggiByte(a.percorsoNumeri()), numeri);

    EsitoAggiornamento nulla = AggiornaArchivio(a, Parte(2, 15));
    EXPECT_EQ(nulla.aggiunte, 0);
    EXPECT_EQ(MessaggioEsito(nulla), "Archivio già aggiornato");
    EXPECT_EQ(LeggiByte(a.percorsoDate()), date);

    EsitoAggiornamento esito = AggiornaArchivioDaCSV(a, ScriviArchivioCSV(Parte(10, 30)));
    EXPECT_EQ(esito.aggiunte, 15);
    EXPECT_EQ(a.LeggiTutte(), Parte(0, 30));
    EXPECT_EQ(MessaggioEsito(esito), "Aggiunte 15 estrazioni (ultima: " + Reali()[29].data.data().breve() + ")");
    EXPECT_EQ(MessaggioEsito(AggiornaArchivio(a, Parte(0, 30))), "Archivio già aggiornato");
}

TEST(Aggiornamento, UnaModificaInterrottaVieneRisoltaPrimaDellUnione)
{
    CartellaTemporanea dir;
    ScriviArchivio(dir.dir(), Parte(0, 15));
    Archivio a(dir.dir());
    // An append stopped after the date was written: the journal still announces it.
    Giornale g;
    g.operazione = OperazioneGiornale::Aggiunta;
    g.voci.push_back(VoceGiornale{IndiceFileDate, 15, 15, ""});
    g.voci.push_back(VoceGiornale{IndiceSuperenalotto, 15, 15, ""});
    ScriviByte(dir.percorso(NomeFileGiornale), ScriviGiornale(g));
    ScriviByte(a.percorsoDate(), LeggiByte(a.percorsoDate()) + std::string(8, '\x07'));

    EsitoAggiornamento e = AggiornaArchivio(a, Parte(10, 20));
    EXPECT_EQ(e.aggiunte, 5);
    EXPECT_EQ(a.LeggiTutte(), Parte(0, 20));
    EXPECT_FALSE(std::filesystem::exists(dir.percorso(NomeFileGiornale)));
}

TEST(Aggiornamento, UnaSolaEstrazioneAlSingolare)
{
    EsitoAggiornamento e{1, RecordData{5, 3, 2026, 30}};
    EXPECT_EQ(MessaggioEsito(e), "Aggiunta 1 estrazione (ultima: 05/03/2026)");
}

TEST(Aggiornamento, IndirizzoSalvatoNelleImpostazioni)
{
    CartellaTemporanea dir;
    EXPECT_EQ(LeggiIndirizzoAggiornamento(dir.dir()), "");
    ScriviIndirizzoAggiornamento(dir.dir(), "  https://esempio.it/estrazioni.csv ");
    EXPECT_EQ(LeggiIndirizzoAggiornamento(dir.dir()), "https://esempio.it/estrazioni.csv");
    EXPECT_EQ(LeggiByte(dir.percorso(FileAggiornamento)), "https://esempio.it/estrazioni.csv\r\n");
    EXPECT_TRUE(IndirizzoInternet("HTTPS://x"));
    EXPECT_TRUE(IndirizzoInternet("http://127.0.0.1:8080/a.csv"));
    EXPECT_FALSE(IndirizzoInternet("/home/x/http://"));
    EXPECT_FALSE(IndirizzoInternet("ftp://x"));
}
