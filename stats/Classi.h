#pragma once

// Classes of numbers 1..90, partitions into groups, lists of pairs and the row
// tests that the statistics pages share. Pure functions and constant tables.

#include <cstdint>
#include <string>
#include <vector>

namespace sestina::statistiche {

// A set over the values 0..127 (only 0..95 are ever members).
struct Insieme {
    std::uint64_t basso = 0; // 0..63
    std::uint64_t alto = 0;  // 64..127

    constexpr bool Contiene(int v) const
    {
        if (v < 0 || v > 95)
            return false;
        return v < 64 ? ((basso >> v) & 1u) != 0 : ((alto >> (v - 64)) & 1u) != 0;
    }
    constexpr void Aggiungi(int v)
    {
        if (v < 0 || v > 95)
            return;
        if (v < 64)
            basso |= std::uint64_t{1} << v;
        else
            alto |= std::uint64_t{1} << (v - 64);
    }
    int Conta() const;
    std::vector<int> Membri() const; // ascending
    constexpr bool Vuoto() const { return basso == 0 && alto == 0; }
    friend constexpr Insieme operator&(Insieme a, Insieme b) { return {a.basso & b.basso, a.alto & b.alto}; }
    friend constexpr Insieme operator|(Insieme a, Insieme b) { return {a.basso | b.basso, a.alto | b.alto}; }
    friend constexpr bool operator==(const Insieme &, const Insieme &) = default;
};

// ---- reductions -------------------------------------------------------------

int Fuori90(int n);  // any integer into 1..90
int Riduci45(int d); // circular distance of a difference, 1..45
int Figura(int n);   // repeated digit sum, 1..9 for n >= 1

// ---- classes of single numbers ----------------------------------------------

enum class ClasseNumero { Pari, Dispari, Numeretti, Zerati, Gemelli, Vertibili, Primi };
inline constexpr int NumeroClassi = 7;

const Insieme &MembriClasse(ClasseNumero c);
bool InClasse(ClasseNumero c, int n);
const char *NomeClasse(ClasseNumero c); // "Pari", "Dispari", ...

bool EPari(int n);
bool EDispari(int n);
bool ENumeretto(int n);
bool EZerato(int n);
bool EGemello(int n);
bool EVertibile(int n);
bool EPrimo(int n);

// Digits exchanged (12 -> 21); meaningful for Vertibili numbers.
int Inversione(int n);

// ---- partitions of 1..90 ----------------------------------------------------

enum class Partizione {
    Decine,
    Cadenze,
    Figure,
    QuartineRadicali,
    TerzineSimmetriche,
    CinquinePentagonali,
    SestineEsagonali,
};

struct Gruppo {
    int indice = 0;
    Insieme membri;
    std::string etichetta; // exactly as the tables show it
};

// Groups in index order (Decine 1..9, Cadenze 0..9, Figure 1..9, Quartine 1..8,
// Terzine 1..30, Pentagonali 1..18, Esagonali 1..15).
const std::vector<Gruppo> &Gruppi(Partizione p);
// Index of the group holding n; 0 when none (only the quartine leave numbers out;
// Cadenze index 0 is a real group, so test InGruppo for it).
int IndiceGruppo(Partizione p, int n);
bool InGruppo(Partizione p, int indice, int n);
const std::string &EtichettaGruppo(Partizione p, int indice);

int IndiceDecina(int n);      // 1..9
int IndiceCadenza(int n);     // 0..9
int IndiceFigura(int n);      // 1..9
int IndiceQuartina(int n);    // 1..8, 0 for none
int IndiceTerzina(int n);     // 1..30
int IndicePentagonale(int n); // 1..18
int IndiceEsagonale(int n);   // 1..15

// ---- lists of pairs ---------------------------------------------------------

enum class ListaAmbi { Gemelli, Vertibili, Consecutivi, Alternati, Complementari, Diametrali };

struct Ambo {
    int primo = 0;
    int secondo = 0;
    std::string Testo() const; // "a, b", first number first
    Insieme Membri() const;
    friend bool operator==(const Ambo &, const Ambo &) = default;
};

const std::vector<Ambo> &Ambi(ListaAmbi l);

// ---- row tests --------------------------------------------------------------

enum class TestRiga {
    AmbiGemelli,
    AmbiVertibili,
    AmbiFigura,
    AmbiQuartineRadicali,
    AmbiTerzineSimmetriche,
    AmbiConsecutivi,
    AmbiInDecina,
    AmbiInCadenza,
    AmbiComplementari,
    AmbiDiametrali,
    AmbiCinquinePentagonali,
    AmbiSestineEsagonali,
    AmbiAlternati,
};
inline constexpr int NumeroTestRiga = 13;

// Caption of the test ("Ambi Gemelli", ..., "AmbiConsecutivi", ..., "Ambi Alternati").
const char *NomeTestRiga(TestRiga t);

// Does the value at position i (1-based) of the row form a pair of the class inside
// the row? Values that occur twice in the row count twice.
bool SuperaTestRiga(TestRiga t, const std::vector<int> &riga, int i);

} // namespace sestina::statistiche
