#pragma once

#include "app/Colonna.h"
#include "app/Impostazioni.h"
#include "export/Report.h"

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The report forms every page fills: the shared header, the generic one-grid
// and two-grid forms and the listing lines.
namespace sestina::esporta {

inline const char *const FileLogoProgramma = "logo_sestina.png";
inline const char *const RigaEditore = "Stampato con Sestina, il programma per il SuperEnalotto";

namespace colori_report {
inline constexpr Colore Verde{0, 128, 0};
inline constexpr Colore Rosso{255, 0, 0};
inline constexpr Colore Blu{0, 0, 255};
inline constexpr Colore BluNotte{0, 0, 128}; // navy
inline constexpr Colore Porpora{128, 0, 128};
} // namespace colori_report

// What the header of every form shows: program title and logo, the user's three
// lines and logo. Empty logo paths draw the form's built-in logo.
struct IntestazioneReport {
    std::string titoloProgramma;
    std::string logoProgramma; // picture file; empty: the built-in logo
    std::string logoUtente;    // picture file; empty: the built-in logo
    std::array<std::string, 3> righeUtente;
};

// The header from the user's data: "%s %s", "Via %s - Località %s",
// "Ricevitoria %s n.%s", the logo at IndiceImmagine of the list of images
// (relative names are in the program folder `dir`). An index outside the list
// raises the list's error.
IntestazioneReport IntestazioneDaUtente(const DatiUtente &utente, const TExStringList &listaImmagini,
                                        const std::string &dir);
// The header as the window prints it, from the program folder `dir`: the saved
// "Utente.DAT" (empty lines without it) and the chosen logo.
IntestazioneReport IntestazioneDaCartella(const std::string &dir);

// A picture with its size in screen pixels.
struct FiguraPixel {
    SorgenteFigura sorgente;
    int larghezza = 0;
    int altezza = 0;
};
// A grid drawn by the painter, sized by its widths and heights.
FiguraPixel FiguraDaGriglia(const Griglia &g);
// The size of a grid as the painter draws it.
int LarghezzaGriglia(const Griglia &g);
int AltezzaGriglia(const Griglia &g);

// Building blocks of the forms: a font of the report engine (size in screen
// pixels), a label, a picture box (stretched, or fitted keeping proportions),
// a grid picture at its own size shrunk to fit its place, the publisher's footer
// and the listing band of the "Tabulato" forms (one line 12.7 mm high).
FontReport Font(int pixel, bool grassetto = false, bool corsivo = false);
Etichetta Testo(double x, double y, std::string testo, FontReport f, Colore c, double larghezza = 0,
                Allineamento a = Allineamento::Sinistra);
Figura Immagine(double x, double y, double w, double h, SorgenteFigura s, bool proporzioni = false);
Figura ImmagineInRiquadro(double x, double y, const FiguraPixel &f, double larghezzaMassima, double altezzaMassima);
Banda PiePagina();
// Advance of one character of the monospaced listing font, in ems.
inline constexpr double LarghezzaCarattereMono = 0.6;
Banda BandaTabulato(std::vector<std::string> righe);

// Tmyreport ("Anteprima"): portrait, the header, the caption (red bold, centred),
// two subtitles (navy bold italic) and the picture centred, scaled down to fit.
Report Tmyreport(const IntestazioneReport &intestazione, const FiguraPixel &figura, const std::string &titolo,
                 const std::string &sottotitolo1, const std::string &sottotitolo2);
// Tmyreportorizzontale ("Anteprima"): landscape, the two grids side by side.
Report Tmyreportorizzontale(const IntestazioneReport &intestazione, const FiguraPixel &sinistra,
                            const FiguraPixel &destra, const std::string &titolo, const std::string &sottotitolo1,
                            const std::string &sottotitolo2);

// The title band of the portrait forms other than Tmyreport: program title,
// logo, the user's lines in their box, and `figuraDestra` (the sign picture or
// the user's logo) on the right.
Banda IntestazioneComune(const IntestazioneReport &intestazione, const SorgenteFigura &figuraDestra, double altezza);

// The title band of the full-page forms of Cruci and Metodi (TestataAnteprimaRighe)
// and of the "Tabulato" forms of Sistemi, Cruci and Metodi (TestataTabulato): the
// header and four lines, the first blue, the second red italics, two purple.
Banda TestataAnteprimaRighe(const IntestazioneReport &intestazione, const std::array<std::string, 4> &righe);
Banda TestataTabulato(const IntestazioneReport &intestazione, const std::array<std::string, 4> &righe);
// The publisher's line at the foot of the full-page forms' title band.
Etichetta EditoreInFondo();
// The end of every "Tabulato" form: the caption "Tabulato" at (x, y) of the title
// band, then the listing and the footer.
void ChiudiTabulato(Report &r, Banda testata, double x, double y, std::vector<std::string> righe);
// "Casuali %d Ultimi %d, Frequenze %d Ritardi %d": the page's "Inserisci" values.
std::string RigaInserimenti(int casuali, int ultimi, int frequenze, int ritardi);
// "Numeri in combinazione " and the chosen item, "Libero" when none.
std::string RigaCombinazione(const std::string &combinazione);

// Treportspoglio ("Report Spoglio"): the system's name, contest and date, the
// numbers in play, the pictures of the three grids of the checking window and
// the list of all columns, three per line.
struct DatiReportSpoglio {
    std::string nomeSistema = "Noname";
    std::string data;          // today, short date format
    std::string numeriInGioco; // FormattaColonna of every number, once, in order of first occurrence
    FiguraPixel datiSistema;   // "Riepilogo Colonne"
    FiguraPixel riepilogo;     // "Riepilogo Vincite"
    FiguraPixel analisi;       // "Analisi "
    std::vector<Colonna> colonne;
};
Report Treportspoglio(const IntestazioneReport &intestazione, const DatiReportSpoglio &d);
// TReportSistemi ("Tabulato Sistemi"): the choices of the systems page, its
// numbers in play and the listing of its development.
struct DatiReportSistemi {
    std::string data;         // today, short date format
    std::string riduzione;    // the chosen item of "Riduzioni"
    std::string combinazione; // the chosen item of "Numeri in combinazione"; empty: "Libero"
    int casuali = 0, ultimi = 0, frequenze = 0, ritardi = 0;
    FiguraPixel numeriInGioco;
    std::vector<std::string> tabulato; // the listing lines of the development (RigheTabulato)
};
Report TReportSistemi(const IntestazioneReport &intestazione, const DatiReportSistemi &d);

// Every number of the columns once, in order of first occurrence.
Colonna NumeriInGioco(const std::vector<Colonna> &colonne);

// Listing lines of a development grid (column 0 the number, column 1 the
// numbers, row 0 the header): "C.%-5s: %-20s - ", three pieces per line.
std::vector<std::string> RigheTabulato(const Griglia &sviluppo);
// The same from `righe` rows given one at a time (number, numbers): a large
// development needs no grid.
std::vector<std::string> RigheTabulato(int righe, const std::function<std::pair<std::string, std::string>(int)> &riga);
// Listing lines of the checking report: "C.%.5d: %-20s - " numbered from 1.
std::vector<std::string> RigheSpoglio(const std::vector<Colonna> &colonne);

} // namespace sestina::esporta
