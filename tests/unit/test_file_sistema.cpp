// The system file ".stm": one 192-byte record of the marked numbers, k and the reduction.
#include "systems/FileSistema.h"

#include "app/Errore.h"
#include "support/ArchivioProva.h"

#include <gtest/gtest.h>

using namespace sestina;
using namespace sestina::sistemi;

namespace {
std::string Byte(const std::array<std::uint8_t, DimensioneFileSistema> &b)
{
    return std::string(reinterpret_cast<const char *>(b.data()), b.size());
}
} // namespace

TEST(FileSistema, UnoDueUndiciTreN2)
{
    // Numbers 1, 2 and 11, "Tre", "n-2": length 9, "01 11 02 ", 0 at 184, 2 at 188.
    const FileSistema s = SistemaDaNumeri({2, 11, 1}, 3, 2);
    const auto b = CodificaFileSistema(s);
    EXPECT_EQ(b[0], 9);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 10), "01 11 02 ");
    for (int i = 10; i < 184; ++i)
        ASSERT_EQ(b[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ((std::array<int, 4>{b[184], b[185], b[186], b[187]}), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ((std::array<int, 4>{b[188], b[189], b[190], b[191]}), (std::array<int, 4>{2, 0, 0, 0}));
    const FileSistema letto = DecodificaFileSistema(Byte(b), "prova.stm");
    EXPECT_EQ(letto, s);
    EXPECT_EQ(letto.Numeri(), (std::vector<int>{1, 11, 2}));
    EXPECT_EQ(letto.indiceNumeri + 3, 3);
    EXPECT_EQ(letto.livelloRiduzione, 2);
}

TEST(FileSistema, SessantaNumeriSiSalvanoSessantunoNo)
{
    std::vector<int> sessanta, sessantuno;
    for (int n = 1; n <= 60; ++n)
        sessanta.push_back(n);
    sessantuno = sessanta;
    sessantuno.push_back(61);
    const FileSistema s = SistemaDaNumeri(sessanta, 6, 3);
    EXPECT_EQ(s.testo.size(), 180u);
    EXPECT_EQ(DecodificaFileSistema(Byte(CodificaFileSistema(s)), "x.stm").Numeri().size(), 60u);
    try {
        (void)SistemaDaNumeri(sessantuno, 6, 0);
        FAIL() << "61 numeri accettati";
    } catch (const Errore &e) {
        EXPECT_NE(std::string(e.what()).find("60"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("61"), std::string::npos) << e.what();
    }
    FileSistema lungo{std::string(183, ' '), 0, 0};
    EXPECT_THROW((void)CodificaFileSistema(lungo), Errore);
}

TEST(FileSistema, FileDannegiatiRifiutati)
{
    const std::string buono = Byte(CodificaFileSistema(SistemaDaNumeri({5, 15, 90}, 4, 1)));
    struct Caso {
        std::string byte;
        const char *perche;
    };
    std::vector<Caso> casi{{"", "vuoto"}, {buono.substr(0, 191), "corto"}, {buono.substr(0, 10), "molto corto"}};
    auto modificato = [&](std::size_t pos, char c) {
        std::string b = buono;
        b[pos] = c;
        return b;
    };
    casi.push_back({modificato(0, static_cast<char>(200)), "lunghezza oltre 181"});
    casi.push_back({modificato(0, 8), "testo tagliato"});
    casi.push_back({modificato(1, 'x'), "non una cifra"});
    casi.push_back({modificato(8, '1'), "91"});
    casi.push_back({modificato(3, '-'), "separatore"});
    casi.push_back({modificato(184, 9), "indice dei numeri"});
    casi.push_back({modificato(191, static_cast<char>(0x80)), "livello negativo"});
    for (const Caso &c : casi) {
        try {
            (void)DecodificaFileSistema(c.byte, "rotto.stm");
            ADD_FAILURE() << c.perche;
        } catch (const Errore &e) {
            EXPECT_NE(std::string(e.what()).find("rotto.stm"), std::string::npos) << c.perche << ": " << e.what();
        }
    }
    // Bytes after the record do not matter.
    EXPECT_EQ(DecodificaFileSistema(buono + "coda", "x.stm").Numeri(), (std::vector<int>{5, 15, 90}));
}

TEST(FileSistema, SuDisco)
{
    prova::CartellaTemporanea dir;
    const std::string percorso = dir.percorso("mio.stm");
    const FileSistema s = SistemaDaNumeri({1, 2, 11}, 3, 2);
    SalvaFileSistema(percorso, s);
    EXPECT_EQ(prova::LeggiByte(percorso).size(), 192u);
    EXPECT_EQ(CaricaFileSistema(percorso), s);
    prova::ScriviByte(percorso, "corto");
    EXPECT_THROW((void)CaricaFileSistema(percorso), Errore);
    EXPECT_THROW((void)CaricaFileSistema(dir.percorso("manca.stm")), Errore);
    EXPECT_THROW(SalvaFileSistema(dir.percorso("no/cartella.stm"), s), Errore);
}
