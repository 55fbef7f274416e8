#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "app/TExStringList.h"
#include "archive/Archivio.h"

#include <array>
#include <string>
#include <vector>

// The 'Metodi' page: methods read from "*.mts" files, applied to a draw.
namespace sestina::metodi {

struct ParametriMetodo {
    int ruota = 11;
    std::string posizioni;  // up to 20 characters, numbers separated by non-digits
    std::string operazioni; // up to 4 characters of "+-*"
    int tipoCalcolo = 0;    // 0 STANDARD, 1..6 ASTRO
    int nra = 0;
    int nratq = 0;
    int tipoPrev = 0; // 0 Normale, 1 Somma, 2 Differenza
    int nAmbate = 1;
    int forma = 1;
    int nPrevisioni = 10;
    int estrSucc = 1;
    int pLung = 1;
    int considera = 0;
    int passo = 1;
    int limVerifica = 10;
    friend bool operator==(const ParametriMetodo &, const ParametriMetodo &) = default;
};

struct Metodo {
    std::string nome; // file name without ".mts"
    ParametriMetodo parametri;
};

inline constexpr int RigheFileMetodo = 15;
// Header texts of the method grid ESGmetodi, column 0 "Metodo".
const std::array<const char *, 16> &TestateMetodi();
const char *NomeTipoCalcolo(int t); // "STANDARD", "ASTRO A+4", ... ("" outside 0..6)
const char *NomeTipoPrev(int t);    // "Normale", "Somma", "Differenza"
const char *SiglaRuota(int indice); // "Ba" .. "Nz", "Su", "L10"

// Numbers of the "Posizioni" text, in order.
std::vector<int> ListaPosizioni(const std::string &posizioni);

// Reads the fifteen lines of a method file. Throws Errore naming the file and the
// field for: fewer lines, a field that is not a number, and what the method could
// not compute (see ControllaMetodo).
Metodo LeggiMetodo(const TExStringList &righe, const std::string &nomeFile);
TExStringList ScriviMetodo(const ParametriMetodo &p);

// Refuses (Errore naming the method and the field) a method that cannot be
// computed: "Forma" or "Estr. Succ" below 1, "N Ambate" outside 1..3, "Tipo Prev"
// outside 0..2, "Passo" below 1, no positions (three for the ASTRO types), or a
// position outside the laid-out draws (perEstrazione values per draw).
void ControllaMetodo(const ParametriMetodo &p, const std::string &nome, int perEstrazione = 8);

struct CaricamentoMetodi {
    std::vector<Metodo> metodi;      // by file name
    std::vector<std::string> errori; // one message per refused file
};
// CaricaMetodi: every "*.mts" file of the folder, sorted by name.
CaricamentoMetodi CaricaMetodi(const std::string &dir);

// tprevmetodi.
struct PrevisioneMetodo {
    std::array<int, 13> lavoro{}; // ASTRO types: A, B, C, S1, S2, D1, D2, the six pair sums
    Colonna Ambate;
    Colonna Lunghetta;
    std::vector<int> elementi; // the numbers at the listed positions
    long long baseGrezza = 0;  // STANDARD: the operators applied without reduction
    int base = 0;              // STANDARD: v
};

// The draws d, d - 1, ... laid end to end, perEstrazione values each (8: six
// numbers, jolly, superstar; 6: the six numbers). Errore when the archive lacks them.
std::vector<int> DisponiEstrazioni(const std::vector<archivio::Estrazione> &e, int d, int estrSucc, int perEstrazione);
// The computation on laid-out values.
PrevisioneMetodo CalcolaMetodoDaValori(const std::vector<int> &valori, const ParametriMetodo &p);
// CalcolaMetodo (record d): checks the method, lays out eight values per draw.
PrevisioneMetodo CalcolaMetodo(const std::vector<archivio::Estrazione> &e, int d, const ParametriMetodo &p,
                               const std::string &nome = "Metodo");

// ESGmetodi: header and one row per method (one empty data row when none).
Griglia GrigliaMetodi(const std::vector<Metodo> &metodi);
// The record from a grid row as it stands: cells that are not numbers read 0.
ParametriMetodo ParametriDaRiga(const Griglia &g, int riga);
// Colours the selected row's cells from the second column on aqua, the others white.
void EvidenziaMetodo(Griglia &g, int riga);

// grigliaprevisionimetodi: one row, three cells.
Griglia GrigliaPrevisioneMetodo(const PrevisioneMetodo &p);
// The crossword's list: ambate (unless 00), lunghetta, then every other number
// in the order of SequenzaCasuale.
std::vector<int> ListaCruciverbaMetodo(const PrevisioneMetodo &p);

// Draw navigation by "Passo": 1..30 draws, 31 and above the (Passo - 30)-th draw
// of the previous / next month.
int PassoIndietro(const archivio::Archivio &a, int ultima, int d, int passo);
int PassoAvanti(const archivio::Archivio &a, int ultima, int d, int passo);

struct RisultatoMetodo {
    PrevisioneMetodo previsione;
    Griglia previsioneGriglia; // grigliaprevisionimetodi
    Griglia rit;               // ExtStringGrid16
    Griglia es;                // ExtStringGrid17
    std::vector<int> listaCruciverba;
};
RisultatoMetodo CalcolaPaginaMetodo(const std::vector<archivio::Estrazione> &e, int d, const ParametriMetodo &p,
                                    const std::string &nome);

// One iteration of the "&Previsione" report (its lines, the empty line included).
std::vector<std::string> RighePrevisione(const RisultatoMetodo &r, int d, const std::string &data);
// The whole report: n iterations from d stepping back by "Passo".
TExStringList RelazionePrevisioni(const archivio::Archivio &a, const std::vector<archivio::Estrazione> &e, int d,
                                  const ParametriMetodo &p, const std::string &nome, int n);

} // namespace sestina::metodi
