// The downloader on its own: progress, stop, size and time limits.
#include "app/Errore.h"
#include "archive/rete/Scaricamento.h"
#include "support/ServerHttpProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::prova;

namespace {

class ProgressoProva : public Progresso {
public:
    explicit ProgressoProva(long fermaDopo = -1) : m_fermaDopo(fermaDopo) {}
    void Avanza(long fatto, long totale) override
    {
        fatti.push_back(fatto);
        this->totale = totale;
    }
    bool Interrompi() override { return m_fermaDopo >= 0 && !fatti.empty() && fatti.back() >= m_fermaDopo; }
    std::vector<long> fatti;
    long totale = -1;

private:
    long m_fermaDopo;
};

std::string ErroreDi(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Errore &e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(Scaricamento, RiportaIlProgressoFinoAllaFine)
{
    const std::string corpo(50000, 'x');
    ServerHttpProva server(
        [&](const std::string &) { return RispostaHttp{corpo + "\n", 200, true, -1, false, 5, 20}; });
    ProgressoProva p;
    EXPECT_EQ(rete::Scarica(server.indirizzo(), p), corpo + "\n");
    ASSERT_FALSE(p.fatti.empty());
    EXPECT_EQ(p.fatti.back(), 50001);
    EXPECT_EQ(p.totale, 50001);
    EXPECT_TRUE(std::is_sorted(p.fatti.begin(), p.fatti.end()));
}

TEST(Scaricamento, IlPulsanteDiArrestoFermaLoScaricamento)
{
    const std::string corpo(100000, 'x');
    // Ten pieces a quarter of a second apart: the stop comes after the first.
    ServerHttpProva server([&](const std::string &) { return RispostaHttp{corpo, 200, true, -1, false, 10, 250}; });
    ProgressoProva p(1);
    const std::string e = ErroreDi([&] { (void)rete::Scarica(server.indirizzo(), p); });
    EXPECT_NE(e.find("interrotto"), std::string::npos) << e;
    EXPECT_LT(p.fatti.back(), 100000);
}

TEST(Scaricamento, LimitiDiDimensioneEDiTempo)
{
    const std::string corpo(5000, 'x');
    rete::OpzioniScaricamento piccolo;
    piccolo.dimensioneMassima = 1000;
    rete::OpzioniScaricamento breve;
    breve.durataMassimaMs = 300;
    struct Caso {
        const char *nome;
        RispostaHttp risposta;
        rete::OpzioniScaricamento opzioni;
        const char *motivo;
    };
    const Caso casi[] = {
        {"LunghezzaDichiarataTroppoGrande", RispostaHttp{corpo}, piccolo, "troppo grande"},
        {"TroppiByteSenzaLunghezza", RispostaHttp{corpo, 200, false}, piccolo, "troppo grande"},
        // a server that trickles bytes never falls silent, the overall limit ends it
        {"DurataMassima", RispostaHttp{corpo, 200, true, -1, false, 20, 100}, breve, "tempo scaduto"},
    };
    for (const Caso &c : casi) {
        SCOPED_TRACE(c.nome);
        ServerHttpProva server([&](const std::string &) { return c.risposta; });
        ProgressoNullo p;
        const std::string e = ErroreDi([&] { (void)rete::Scarica(server.indirizzo(), p, c.opzioni); });
        EXPECT_NE(e.find(c.motivo), std::string::npos) << e;
    }
}

TEST(Scaricamento, IndirizziNonValidiORifiutati)
{
    ProgressoNullo p;
    for (const char *indirizzo : {"ftp://127.0.0.1/a.csv", "file:///etc/passwd", "http://", "estrazioni.csv"}) {
        const std::string e = ErroreDi([&] { (void)rete::Scarica(indirizzo, p); });
        EXPECT_NE(e.find("Indirizzo non valido"), std::string::npos) << indirizzo << ": " << e;
    }
    // A port nobody listens on: the server that just went away.
    std::string chiuso;
    {
        ServerHttpProva server([](const std::string &) { return RispostaHttp{}; });
        chiuso = server.indirizzo();
    }
    const std::string e = ErroreDi([&] { (void)rete::Scarica(chiuso, p); });
    EXPECT_NE(e.find("rifiuta"), std::string::npos) << e;
}
