// "Esporta" and "Importa": the archive's exchange with a dBASE table.
#include "ui/PaginaEstrazioni.h"

#include "app/FileAtomico.h"
#include "archive/ScambioDBF.h"
#include "ui/Dialoghi.h"
#include "ui/Qt.h"

#include <QFileInfo>

using namespace sestina;

void PaginaEstrazioni::EsportaDBF()
{
    auto cartella = Dialoghi::ScegliCartella(this, QStringLiteral("Cartella di esportazione"));
    if (!cartella)
        return;
    const std::string file = archivio::PercorsoEsportazione(S(*cartella));
    if (EsisteFile(file) &&
        !Dialoghi::Domanda(this, QStringLiteral("il file di esportazione esite già\r\n\r\nvuoi sovrascriverlo?")))
        return;
    // The table is built whole and renamed over the old file, so a failure leaves it as it was.
    Esegui([&] { archivio::EsportaDBF(archivio(), file, true); });
}

void PaginaEstrazioni::ImportaDBF()
{
    auto scelto = Dialoghi::ApriFile(this, QStringLiteral("Importa"), QStringLiteral("File Importazione (*.dbf)"));
    if (!scelto)
        return;
    const QString percorso = QFileInfo(*scelto).absoluteFilePath();
    if (!EsisteFile(S(percorso))) {
        Dialoghi::Avviso(this, QStringLiteral("Non esite il file da importare:\r\n\r\n") + percorso);
        return;
    }
    bool nonValido = false;
    std::vector<archivio::Estrazione> estrazioni;
    if (!Esegui([&] {
            auto tabella = archivio::ApriTabellaImportazione(S(percorso));
            if (tabella.NumeroCampi() != archivio::CampiTabellaScambio) {
                nonValido = true;
                return;
            }
            // Everything is read and checked before the archive files are replaced.
            estrazioni = archivio::LeggiEstrazioniScambio(tabella);
            tabella.Chiudi();
        }))
        return;
    if (nonValido) {
        Dialoghi::Avviso(this, Q(archivio::TestoImportazioneNonValida));
        return;
    }
    // A file much shorter than the archive is more likely a mistake than an update.
    const int presenti = archivio::EstrazioniPresenti(archivio());
    if (archivio::RiduzioneDaConfermare(presenti, estrazioni.size()) &&
        !Dialoghi::Domanda(this, Q(archivio::TestoRiduzione(presenti, estrazioni.size())) +
                                     QStringLiteral("\r\n\r\nVuoi sostituire comunque l'archivio?")))
        return;
    if (Esegui([&] {
            archivio().Sostituisci(estrazioni);
            m_stato.UltimaEstrazione = archivio().LeggiUltimaEstrazione();
            m_stato.AggiornaViste();
        }))
        Dialoghi::Informazione(this, QStringLiteral("fine importazione"));
}
