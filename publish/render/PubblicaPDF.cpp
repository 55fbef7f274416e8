#include "publish/render/PubblicaPDF.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "export/render/PittoreReport.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

namespace sestina::pubblica {
namespace {

namespace fs = std::filesystem;

bool EstensionePDF(const std::string &nome)
{
    if (nome.size() < 4)
        return false;
    std::string e = nome.substr(nome.size() - 4);
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e == ".pdf";
}

} // namespace

EsitoPDF EsportaPDF(const std::vector<GruppoPDF> &piano, const std::string &cartella, Progresso &progresso)
{
    EsitoPDF esito;
    if (piano.empty())
        return esito;
    CreaCartella(cartella);
    long totale = 0;
    for (const auto &g : piano)
        totale += static_cast<long>(g.nomi.size());
    const PreparaGriglia allarga = [](Griglia &g) { resa::AllargaColonne(g); };
    for (const auto &g : piano) {
        if (progresso.Interrompi()) {
            esito.interrotto = true;
            return esito;
        }
        esporta::Report r = g.crea(allarga);
        resa::CaricaFigure(r);
        const QByteArray pdf = resa::ReportPDF(r);
        for (const auto &nome : g.nomi) {
            ScriviFileAtomico(PercorsoInCartella(cartella, nome),
                              std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
            esito.scritti.push_back(nome);
            progresso.Avanza(static_cast<long>(esito.scritti.size()), totale);
        }
    }
    return esito;
}

std::vector<std::string> PartiOpuscolo(const std::string &cartella)
{
    std::vector<std::string> parti;
    std::error_code ec;
    fs::directory_iterator it(fs::path(cartella), ec);
    if (ec)
        throw Errore("Impossibile leggere la cartella \"" + cartella + "\": " + ec.message());
    for (const auto &voce : it) {
        const std::string nome = voce.path().filename().string();
        if (nome == FileOpuscolo || !EstensionePDF(nome) || !voce.is_regular_file())
            continue;
        parti.push_back(nome);
    }
    std::sort(parti.begin(), parti.end());
    return parti;
}

int CreaOpuscolo(const std::string &cartella, Progresso &progresso)
{
    const auto parti = PartiOpuscolo(cartella);
    if (parti.empty())
        throw Errore("Nessun file PDF da unire nella cartella \"" + cartella + "\"");
    QPDF uscita;
    uscita.emptyPDF();
    QPDFPageDocumentHelper pagineUscita(uscita);
    // The parts must outlive the write: the booklet's pages point into them.
    std::vector<std::unique_ptr<QPDF>> ingressi;
    int pagine = 0;
    long fatti = 0;
    for (const auto &nome : parti) {
        const std::string percorso = PercorsoInCartella(cartella, nome);
        try {
            auto q = std::make_unique<QPDF>();
            q->setSuppressWarnings(true);
            q->processFile(percorso.c_str());
            for (auto &p : QPDFPageDocumentHelper(*q).getAllPages()) {
                pagineUscita.addPage(p, false);
                ++pagine;
            }
            ingressi.push_back(std::move(q));
        } catch (const std::exception &e) {
            throw Errore("Impossibile unire \"" + percorso + "\" all'opuscolo: " + e.what());
        }
        progresso.Avanza(++fatti, static_cast<long>(parti.size()));
        if (progresso.Interrompi())
            throw Errore("Opuscolo interrotto: \"" + std::string(FileOpuscolo) + "\" non creato");
    }
    const std::string destinazione = PercorsoInCartella(cartella, FileOpuscolo);
    std::string byte;
    try {
        QPDFWriter w(uscita);
        w.setOutputMemory();
        w.setStaticID(false);
        w.write();
        auto b = w.getBufferSharedPointer();
        byte.assign(reinterpret_cast<const char *>(b->getBuffer()), b->getSize());
    } catch (const std::exception &e) {
        throw Errore("Impossibile scrivere \"" + destinazione + "\": " + e.what());
    }
    ScriviFileAtomico(destinazione, byte);
    return pagine;
}

} // namespace sestina::pubblica
