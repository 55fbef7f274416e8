#pragma once

#include "app/Colonna.h"
#include "app/Griglia.h"
#include "app/Progresso.h"
#include "archive/Record.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The 'Armonia' page: harmonies between a draw and the ten draws before it, their
// forecasts and the back-test of one forecast row (the harmony cycle).
namespace sestina::metodi {

enum class ModoArmonia { Somma, Distanza };
// "Selezione": which column of the outcomes counts ("P3", "P4", "P>4").
enum class SelezioneArmonia { Estratto = 0, AmboInQuartina = 1, AmboInCinquina = 2 };

inline constexpr const char *MsgDatiInattendibili = "Dati Inattendibili: non esiste il numero di previsioni richiesto";
// The earliest record the page computes: ten draws before it and a margin.
inline constexpr int PrimoRecordArmonia = 12;

struct PrevisioneArm {
    int ambata = -1; // -1: no forecast
    std::array<int, 4> quattro{};
    std::array<int, 5> cinque{};
};

struct Armonia {
    int record = 0, precedente = 0, distanza = 0; // r, r - t, t
    int pos1 = 0, pos2 = 0;                       // positions 1..5
    std::array<int, 4> numeri{};                  // A, B (draw r), A', B' (draw r - t)
    PrevisioneArm previsione;
};

PrevisioneArm PrevisioneArmonia(int a, int b, int c, int d);
// CercaArmonie: r needs ten draws before it (Errore otherwise).
std::vector<Armonia> CercaArmonie(const std::vector<archivio::Estrazione> &e, int r, ModoArmonia modo);
// Ambata, four and five numbers, repeats removed.
Colonna GiocataArmonia(const PrevisioneArm &p);

// grigliaprevisioniarmonia: one row per harmony, the selected one coloured.
Griglia GrigliaArmonie(const std::vector<Armonia> &armonie, int selezionata);

struct RisultatoArmonia {
    std::vector<Armonia> armonie;
    int riga = 0;                                // selected row, kept within the list
    Griglia previsioni;                          // grigliaprevisioniarmonia
    Griglia ritardo, esiti;                      // ExtStringGrid24, ExtStringGrid25
    std::array<std::string, 8> valori1, valori2; // the edit boxes of the two draws
    int pos1 = 0, pos2 = 0;                      // the aqua boxes (1..8), 0 when no harmony
    std::string data1, data2;
};
RisultatoArmonia CalcolaArmonia(const std::vector<archivio::Estrazione> &e, int r, ModoArmonia modo, int riga);

struct ParametriCiclo {
    int record = 0;
    ModoArmonia modo = ModoArmonia::Somma;
    int riga = 0;
    SelezioneArmonia selezione = SelezioneArmonia::Estratto;
    int previsioni = 10; // "N. Previsioni"
    int passo = 10;      // 1..100
    std::array<bool, 10> colpi{true, true, true, true, true, true, true, true, true, true};
};

struct VoceCiclo {
    int record = 0; // the forecast's draw
    std::string previsione;
    int colpo = 0;      // 0: none
    int esito = -1;     // record of the outcome draw, -1 none
    std::string numeri; // the outcome cell
};

struct RisultatoCiclo {
    std::optional<std::string> messaggio; // "Calcolo Impossibile" or MsgDatiInattendibili
    bool interrotto = false;
    std::vector<VoceCiclo> voci;
    Griglia ciclo;     // Grigliacicloarmonia1
    Griglia riepilogo; // "Riepilogo Cicloarmonia"
};

// The cycle statistics of the forecasts' colpi (in analysis order, newest first).
Griglia GrigliaCiclo(const std::vector<int> &colpi, const std::array<bool, 10> &spuntati);
// Steps back by Passo from r while at least PrimoRecordArmonia stays; returns -1 when it cannot.
int IndietroArmonia(int r, int passo);
RisultatoCiclo CicloArmonia(const std::vector<archivio::Estrazione> &e, const ParametriCiclo &p,
                            Progresso *progresso = nullptr);
Griglia GrigliaRiepilogoCiclo(const std::vector<VoceCiclo> &voci, const std::vector<archivio::Estrazione> &e,
                              SelezioneArmonia selezione);

} // namespace sestina::metodi
