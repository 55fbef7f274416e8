#include "stats/Consultazione.h"

#include "app/Testo.h"
#include "archive/Calendario.h"
#include "archive/Navigazione.h"
#include "stats/Classi.h"

#include <algorithm>
#include <cctype>

namespace sestina::statistiche {

namespace {

// Which classes of single numbers and which row tests the buttons stand for, in colour order.
struct Regola {
    bool numero;
    ClasseNumero classe;
    TestRiga test;
};

constexpr std::array<Regola, NumeroClassiConsulta> Regole{{
    {true, ClasseNumero::Pari, {}},
    {true, ClasseNumero::Dispari, {}},
    {true, ClasseNumero::Numeretti, {}},
    {true, ClasseNumero::Zerati, {}},
    {true, ClasseNumero::Gemelli, {}},
    {true, ClasseNumero::Vertibili, {}},
    {true, ClasseNumero::Primi, {}},
    {false, {}, TestRiga::AmbiGemelli},
    {false, {}, TestRiga::AmbiVertibili},
    {false, {}, TestRiga::AmbiFigura},
    {false, {}, TestRiga::AmbiQuartineRadicali},
    {false, {}, TestRiga::AmbiTerzineSimmetriche},
    {false, {}, TestRiga::AmbiConsecutivi},
    {false, {}, TestRiga::AmbiInDecina},
    {false, {}, TestRiga::AmbiInCadenza},
    {false, {}, TestRiga::AmbiComplementari},
    {false, {}, TestRiga::AmbiDiametrali},
    {false, {}, TestRiga::AmbiCinquinePentagonali},
    {false, {}, TestRiga::AmbiSestineEsagonali},
    {false, {}, TestRiga::AmbiAlternati},
}};

std::string NomeSemplice(std::string_view didascalia)
{
    std::string s;
    for (char c : didascalia)
        if (c != '&')
            s += c;
    return Trim(s);
}

std::string Maiuscolo(std::string s)
{
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace

const std::array<ClasseConsulta, NumeroClassiConsulta> &ClassiConsulta()
{
    static const std::array<ClasseConsulta, NumeroClassiConsulta> classi = [] {
        struct Voce {
            const char *didascalia;
            Colore colore;
        };
        const Voce voci[NumeroClassiConsulta] = {
            {"&Pari", {255, 255, 0}},
            {"&Dispari", {255, 136, 136}},
            {"        &Numeretti          ", {253, 191, 49}},
            {"                   &Zerati                   ", {239, 228, 16}},
            {"&Gemelli", {225, 220, 30}},
            {"&Vertibili", {239, 71, 63}},
            {"&Primi", {254, 236, 192}},
            {"Ambi Gemelli", {225, 220, 30}},
            {"Ambi Vertibili", {149, 255, 149}},
            {"Ambi Figura", {215, 255, 215}},
            {"Ambi Quartine Radicali", {179, 236, 196}},
            {"Ambi Terzine Simmetriche", {255, 202, 202}},
            {"AmbiConsecutivi", {255, 121, 121}},
            {"Ambi in Decina", {255, 193, 193}},
            {"Ambi in Cadenza", {209, 165, 165}},
            {"Ambi Complementari", {225, 198, 198}},
            {"Ambi Diametrali", {245, 82, 73}},
            {"Ambi Cinquine Pentagonali", {136, 225, 163}},
            {"Ambi Sestine Esagonali", {203, 228, 207}},
            {"Ambi Alternati", {127, 146, 201}},
        };
        std::array<ClasseConsulta, NumeroClassiConsulta> a;
        for (size_t k = 0; k < a.size(); ++k)
            a[k] = {voci[k].didascalia, NomeSemplice(voci[k].didascalia), voci[k].colore};
        return a;
    }();
    return classi;
}

std::optional<int> IndiceClasseConsulta(std::string_view nome)
{
    const std::string cercato = Maiuscolo(NomeSemplice(nome));
    const auto &classi = ClassiConsulta();
    for (size_t k = 0; k < classi.size(); ++k)
        if (Maiuscolo(classi[k].nome) == cercato)
            return static_cast<int>(k);
    return std::nullopt;
}

RigaConsulta RigaDaEstrazione(const archivio::RecordSuperenalotto &r)
{
    RigaConsulta riga{};
    for (size_t i = 0; i < 6; ++i)
        riga[i] = r.numeri[i];
    riga[6] = r.jolly;
    riga[7] = r.superstar;
    return riga;
}

bool ValoreNellaClasse(int k, const RigaConsulta &riga, int i)
{
    const Regola &regola = Regole.at(static_cast<size_t>(k));
    const int x = riga.at(static_cast<size_t>(i));
    // Superstar 0: no superstar was drawn, so there is nothing to classify.
    if (x < 1 || x > 90)
        return false;
    if (regola.numero)
        return InClasse(regola.classe, x);
    return SuperaTestRiga(regola.test, std::vector<int>(riga.begin(), riga.end()), i + 1);
}

Colore ColoreValore(const InterruttoriClassi &attive, const RigaConsulta &riga, int i)
{
    Colore c = colori::Bianco;
    for (int k = 0; k < NumeroClassiConsulta; ++k)
        if (attive[static_cast<size_t>(k)] && ValoreNellaClasse(k, riga, i))
            c = ClassiConsulta()[static_cast<size_t>(k)].colore;
    return c;
}

int InizioConsulta(int posizione, int ultima)
{
    posizione = std::clamp(posizione, 0, std::max(ultima, 0));
    int t = posizione > RigheConsulta - 1 ? posizione : RigheConsulta - 1;
    // A short archive shows what it has.
    return std::min(t, ultima);
}

Griglia GrigliaConsulta(const std::vector<archivio::Estrazione> &estrazioni, int primoRecord,
                        const InterruttoriClassi &attive)
{
    const int n = static_cast<int>(std::min<size_t>(estrazioni.size(), RigheConsulta));
    Griglia g(n + 1, 11);
    g.righeFisse = 1;
    g.colonneFisse = 0;
    static const char *const intestazioni[] = {"N. Estr", "Conc", "Data", "I", "II", "III", "IV", "V", "VI", "J", "S"};
    g.ImpostaLarghezza(0, 80);
    g.ImpostaLarghezza(1, 60);
    g.ImpostaLarghezza(2, 160);
    for (int c = 3; c < 11; ++c)
        g.ImpostaLarghezza(c, 40);
    for (int c = 0; c < 11; ++c) {
        g.ImpostaTesto(0, c, intestazioni[c]);
        g.cella(0, c).allineamento = Allineamento::Centro;
    }
    for (int r = 1; r <= n; ++r) {
        const archivio::Estrazione &e = estrazioni[static_cast<size_t>(r - 1)];
        const archivio::RecordData &d = e.data;
        g.ImpostaTesto(r, 0, std::to_string(primoRecord - (r - 1) + 1));
        g.ImpostaTesto(r, 1, std::to_string(d.concorso));
        g.ImpostaTesto(r, 2, archivio::TestoListaDate(d) + archivio::NomeGiorno(d.giorno, d.mese, d.anno));
        const RigaConsulta riga = RigaDaEstrazione(e.numeri);
        for (int i = 0; i < 8; ++i) {
            const int v = riga[static_cast<size_t>(i)];
            g.ImpostaTesto(r, 3 + i, v == 0 ? std::string() : std::to_string(v));
        }
        for (int c = 0; c < 11; ++c) {
            Cella &x = g.cella(r, c);
            x.allineamento = Allineamento::Centro;
            if (c == 0 || c == 2)
                x.sfondo = colori::CianoChiaro;
            else if (c < 3)
                x.sfondo = colori::Bianco;
            else
                x.sfondo = ColoreValore(attive, riga, c - 3);
        }
    }
    return g;
}

Griglia DisegnaConsulta(const archivio::Archivio &a, int ultima, int posizione, const InterruttoriClassi &attive)
{
    if (ultima < 0)
        return GrigliaConsulta({}, -1, attive);
    const int t = InizioConsulta(posizione, ultima);
    const int primo = std::max(0, t - (RigheConsulta - 1));
    auto date = a.LeggiDate(primo, t);
    auto numeri = a.LeggiNumeri(primo, t);
    std::vector<archivio::Estrazione> estrazioni;
    for (int n = t; n >= primo; --n) {
        const size_t i = static_cast<size_t>(n - primo);
        estrazioni.push_back({date.at(i), numeri.at(i)});
    }
    return GrigliaConsulta(estrazioni, t, attive);
}

int NavigaConsulta(const archivio::Archivio &a, int ultima, int p, MossaConsulta mossa)
{
    switch (mossa) {
    case MossaConsulta::Primo:
        return 0;
    case MossaConsulta::AnnoPr:
        return archivio::AnnoPrecedente(a, ultima, p);
    case MossaConsulta::PagPr:
        return p > RigheConsulta - 1 ? p - RigheConsulta : p;
    case MossaConsulta::Prec:
        return p > 0 ? p - 1 : p;
    case MossaConsulta::Succ:
        return p < ultima ? p + 1 : p;
    case MossaConsulta::PagSuc:
        return p < ultima - RigheConsulta ? p + RigheConsulta : p;
    case MossaConsulta::AnnoSuc:
        return archivio::AnnoSuccessivo(a, ultima, p);
    case MossaConsulta::Ultimo:
        return ultima;
    }
    return p;
}

} // namespace sestina::statistiche
