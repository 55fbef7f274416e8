#pragma once

#include "app/Colonna.h"
#include "export/ReportAstrolotto.h"
#include "export/ReportCruci.h"
#include "export/ReportMetodi.h"
#include "methods/Metodo.h"

#include <string>
#include <vector>

// The texts the prediction pages put on their report forms, shared by the
// window and sestina-cli so both print the same form.
namespace sestina::metodi {

// The sign (1..12), its picture in the program folder `dir` and the draw line
// "Conc. n." + number + " del " + date.
void TestiReportAstro(esporta::DatiReportAstrolotto &d, int segno, int record, const std::string &data,
                      const std::string &dir);
// The selected method's values, its name and the selected date.
void TestiReportMetodo(esporta::DatiReportMetodi &d, const ParametriMetodo &p, const std::string &nome,
                       const std::string &data);
// The choices of "Riduzioni" (livello 0..3) and "Numeri in combinazione" (k 3..6;
// "Libero" without a reduction, when the lines are developed whole).
void ScelteReportCruci(esporta::DatiReportCruci &d, int livello, int k);
// The listing lines of a development.
std::vector<std::string> TabulatoSviluppo(const std::vector<Colonna> &sviluppo);

} // namespace sestina::metodi
