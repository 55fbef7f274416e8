#include "app/Testo.h"
#include "methods/Armonia.h"
#include "methods/Astrolotto.h"
#include "methods/Metodo.h"
#include "stats/Classi.h"
#include "support/ArchivioProva.h"
#include "support/CliProva.h"
#include "systems/FileSviluppo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using namespace sestina;
using namespace std::string_literals;

namespace {

class CliMetodi : public ::testing::Test {
protected:
    void SetUp() override
    {
        e = prova::EstrazioniCasuali(5, 300);
        prova::ScriviArchivio(t.dir(), e);
    }
    prova::Esito Esegui(std::vector<std::string> args) { return prova::EseguiCli(t.dir(), std::move(args)); }
    prova::CartellaTemporanea t;
    std::vector<archivio::Estrazione> e;
};

TEST_F(CliMetodi, AstroTreGriglie)
{
    auto r = Esegui({"astro", "--segno", "5", "--estrazione", "200", "--riga", "2"});
    ASSERT_EQ(r.stato, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    auto righe = prova::RigheCRLF(r.out);
    // Five forecast rows, empty line, header + 3, empty line, header + 3.
    ASSERT_EQ(righe.size(), 5u + 1 + 4 + 1 + 4);
    auto p = metodi::CalcolaPrevisioneAstrolotto(e[199].numeri, e[198].numeri, 5);
    EXPECT_EQ(righe[0], "Superenalotto;;" + std::to_string(p[0].Ambata) + " ;" +
                            ElencoInteri({p[0].Quartina.begin(), p[0].Quartina.end()}) + ";" +
                            ElencoInteri({p[0].Cinquina.begin(), p[0].Cinquina.end()}) + ";");
    EXPECT_EQ(righe[6], "Estrazione;Ruota;Colpo;P.3;P.4;P>4;");
    EXPECT_EQ(righe[11], "Estrazione;Ruota;Colpo;P.3;P.4;P>4;");
}

TEST_F(CliMetodi, AstroEstrazionePiuVecchia)
{
    auto r = Esegui({"astro", "--segno", "1", "--estrazione", "1"});
    ASSERT_EQ(r.stato, 0);
    EXPECT_EQ(r.err, "Calcolo Impossibile\n");
    auto p = Esegui({"astro", "--segno", "1", "--estrazione", "2"});
    EXPECT_EQ(r.out, p.out);
    EXPECT_EQ(Esegui({"astro", "--segno", "13", "--estrazione", "2"}).stato, 2);
    EXPECT_EQ(Esegui({"astro", "--segno", "1", "--estrazione", "2", "--riga", "5"}).stato, 2);
}

TEST_F(CliMetodi, CruciCinquePerCinqueEScriveLoSviluppo)
{
    auto r = Esegui({"cruci", "--numeri", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25"});
    ASSERT_EQ(r.stato, 0) << r.err;
    auto righe = prova::RigheCRLF(r.out);
    ASSERT_EQ(righe.size(), 5u + 1 + 11);
    EXPECT_EQ(righe[0], "1;11;21;2;12;");
    EXPECT_EQ(righe[6], "Scheda n.;Sviluppo;");
    std::vector<Colonna> sv;
    ASSERT_TRUE(sistemi::CaricaSviluppo(t.dir(), sv));
    ASSERT_EQ(sv.size(), 10u);
    EXPECT_EQ(righe[7], "1;" + FormattaColonna(sv[0]) + ";");
    EXPECT_EQ(sv[5], StringaDaValori({1, 2, 11, 12, 21})); // the first row, sorted
}

TEST_F(CliMetodi, CruciIncompletoESeiImpossibile)
{
    auto r = Esegui({"cruci", "--numeri", "1,2,3", "--righe", "3", "--colonne", "3"});
    ASSERT_EQ(r.stato, 0);
    auto righe = prova::RigheCRLF(r.out);
    EXPECT_EQ(righe[0], "1;2;3;");
    EXPECT_EQ(righe[1], ";;;");
    EXPECT_EQ(righe[4], "Scheda n.;Sviluppo;");
    EXPECT_EQ(righe.size(), 6u); // header and one empty row
    EXPECT_FALSE(std::filesystem::exists(t.percorso("sviluppo")));

    auto s = Esegui({"cruci", "--numeri", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", "--righe", "4",
                     "--colonne", "4", "--capo1", "70", "--riduzione", "1", "--k", "6"});
    ASSERT_EQ(s.stato, 0);
    EXPECT_EQ(s.err, "Impossibile\n\rCambia Dimensioni Cruciverba\n");
    EXPECT_EQ(prova::RigheCRLF(s.out)[0], "70;1;11;2;");
    EXPECT_EQ(Esegui({"cruci", "--numeri", "1,2", "--righe", "11"}).stato, 2);
    EXPECT_EQ(Esegui({"cruci", "--numeri", "1,91"}).stato, 2);
}

TEST_F(CliMetodi, CompletamentoQuindiciPerTre)
{
    std::string numeri;
    for (int n = 1; n <= 45; ++n)
        numeri += std::to_string(n) + ",";
    auto r = Esegui({"completamento", "--numeri", numeri, "--righe", "5", "--colonne", "9"});
    ASSERT_EQ(r.stato, 0) << r.err;
    auto righe = prova::RigheCRLF(r.out);
    ASSERT_GE(righe.size(), 3u + 1 + 19);
    EXPECT_EQ(righe[0], "51;61;71;81;52;62;72;82;53;63;73;83;54;64;74;");
    EXPECT_EQ(righe[4], "Scheda n.;Sviluppo;");
    EXPECT_EQ(righe.size(), 3u + 1 + 1 + 18);
    auto m = Esegui({"completamento", "--numeri", "1,2,3", "--righe", "3", "--colonne", "3"});
    EXPECT_EQ(m.err, "Completa Il Cruciverba\n");
}

TEST_F(CliMetodi, MetodoEAnalisi)
{
    TExStringList f{"11", "1 2", "+", "1", "0", "10", "1", "5", "1", "0", "1", "0", "20", "5", "1"};
    f.SaveToFile(t.percorso("Somma.mts"));
    auto r = Esegui({"metodo", t.percorso("Somma.mts"), "--estrazione", "250"});
    ASSERT_EQ(r.stato, 0) << r.err;
    auto righe = prova::RigheCRLF(r.out);
    const auto &n = e[249].numeri.numeri;
    int v = statistiche::Fuori90(n[0] + n[1]);
    EXPECT_EQ(righe[0], Formato("Su;%.2d ;", v) + righe[0].substr(righe[0].find(';', 4) + 1));
    EXPECT_EQ(righe[2], "Estrazione;Ruota;Colpo;P 3;P 4;P 5;P 6;");

    auto a = Esegui({"analisi-metodo", t.percorso("Somma.mts"), "--inizio", "250", "--html", t.percorso("a.html")});
    EXPECT_NE(a.stato, 0); // no templates in this folder
    std::filesystem::copy_file(std::string(SESTINA_SOURCE_DIR) + "/data/testahtml.slt", t.percorso("testahtml.slt"));
    std::filesystem::copy_file(std::string(SESTINA_SOURCE_DIR) + "/data/codahtml.slt", t.percorso("codahtml.slt"));
    a = Esegui({"analisi-metodo", t.percorso("Somma.mts"), "--inizio", "250", "--html", t.percorso("a.html")});
    ASSERT_EQ(a.stato, 0) << a.err;
    auto ra = prova::RigheCRLF(a.out);
    EXPECT_EQ(ra[0], "N .prev;Data Estr;Ruota;Posizioni;Elementi;Lunghetta;Esito;Data;n1;n2;n3;n4;n5;n6;");
    EXPECT_EQ(ra[21], "");
    EXPECT_EQ(ra[22], "N. Colpi;1;2;3;4;5;Tot;");
    EXPECT_TRUE(std::filesystem::exists(t.percorso("a.html")));
    auto d = Esegui({"analisi-metodo", t.percorso("Somma.mts"), "--inizio", "10", "--previsioni", "10"});
    EXPECT_EQ(d.stato, 0);
    EXPECT_EQ(d.err, "Impossibile analizzare la DATA selezionata\n");
    EXPECT_TRUE(d.out.empty());

    f[7] = "0";
    f.SaveToFile(t.percorso("Rotto.mts"));
    auto x = Esegui({"metodo", t.percorso("Rotto.mts"), "--estrazione", "250"});
    EXPECT_EQ(x.stato, 1);
    EXPECT_NE(x.err.find("Rotto.mts"), std::string::npos);
    EXPECT_NE(x.err.find("\"Forma\""), std::string::npos);
}

TEST_F(CliMetodi, ArmoniaECiclo)
{
    auto r = Esegui({"armonia", "--estrazione", "280", "--distanza"});
    ASSERT_EQ(r.stato, 0) << r.err;
    auto arm = metodi::CercaArmonie(e, 279, metodi::ModoArmonia::Distanza);
    auto righe = prova::RigheCRLF(r.out);
    EXPECT_EQ(righe.size(), std::max<size_t>(arm.size(), 1) + 1 + 4 + 1 + 4);
    auto c = Esegui({"ciclo-armonia", "--estrazione", "280", "--previsioni", "5", "--passo", "3"});
    ASSERT_EQ(c.stato, 0) << c.err;
    auto rc = prova::RigheCRLF(c.out);
    EXPECT_EQ(rc[0], ";1;2;3;4;5;6;7;8;9;10;Tot;");
    EXPECT_EQ(rc[1].substr(0, 18), "Previsioni Uscite;");
    EXPECT_EQ(rc[6], "N.;Estrazione;Previsione;N.esito;Data Esito;Ruota;N.Progressivo;Colpo;Punti;Numeri;");
    auto i = Esegui({"ciclo-armonia", "--estrazione", "280", "--previsioni", "100", "--passo", "10"});
    EXPECT_EQ(i.err, "Calcolo Impossibile\n");
    EXPECT_EQ(Esegui({"armonia", "--estrazione", "5"}).stato, 1);
}

TEST(CliMetodiBinario, AstroSulProgrammaVero)
{
    const std::string comando =
        std::string(SESTINA_CLI) + " --dir " + SESTINA_PROGRAM_DIR + " astro --segno 2 --estrazione 1 2>&1 >/dev/null";
    FILE *p = popen(comando.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string err;
    char buf[256];
    while (fgets(buf, sizeof buf, p))
        err += buf;
    EXPECT_EQ(pclose(p), 0);
    EXPECT_EQ(err, "Calcolo Impossibile\n");
}

} // namespace
