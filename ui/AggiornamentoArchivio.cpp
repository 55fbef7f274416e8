#include "ui/AggiornamentoArchivio.h"

#include "app/FileAtomico.h"
#include "archive/Aggiornamento.h"
#include "archive/rete/Scaricamento.h"
#include "ui/Dialoghi.h"
#include "ui/Qt.h"

#include <QProgressDialog>

using namespace sestina;

namespace AggiornamentoArchivio {

namespace {

// The download's bar and stop button; the download's own event loop keeps it painted.
class ProgressoDialogo final : public Progresso {
public:
    explicit ProgressoDialogo(QProgressDialog &d) : m_d(d) {}
    void Avanza(long fatto, long totale) override
    {
        if (totale > 0) {
            m_d.setMaximum(static_cast<int>(totale));
            m_d.setValue(static_cast<int>(std::min(fatto, totale)));
        } else {
            m_d.setMaximum(0); // unknown length: a busy bar
        }
        m_d.setLabelText(QStringLiteral("Scaricamento delle estrazioni: %1 KB").arg(fatto / 1024));
    }
    bool Interrompi() override { return m_d.wasCanceled(); }

private:
    QProgressDialog &m_d;
};

std::string Scarica(QWidget *parent, const std::string &indirizzo)
{
    QProgressDialog d(QStringLiteral("Collegamento a ") + Q(indirizzo), QStringLiteral("Interrompi"), 0, 0, parent);
    d.setObjectName(QStringLiteral("ProgressoAggiornamento"));
    d.setWindowTitle(QStringLiteral("Aggiornamento archivio"));
    d.setWindowModality(Qt::WindowModal);
    d.setMinimumDuration(0);
    d.setAutoClose(false);
    d.setAutoReset(false);
    d.show();
    ProgressoDialogo p(d);
    return rete::Scarica(indirizzo, p);
}

} // namespace

QString SpiegazioneIndirizzo()
{
    return QStringLiteral("Indirizzo da cui scaricare le estrazioni (http:// oppure https://),\r\n"
                          "oppure il percorso di un file CSV sul computer.\r\n\r\n"
                          "Il file è un CSV come quello letto da \"sestina-cli importa-csv\": la prima riga è\r\n"
                          "    data;concorso;n1;n2;n3;n4;n5;n6;jolly;superstar\r\n"
                          "poi un'estrazione per riga, dalla più vecchia alla più recente, per esempio\r\n"
                          "    18/08/2026;132;10;16;24;25;39;66;70;6\r\n\r\n"
                          "Le estrazioni già in archivio devono coincidere con quelle del file: vengono aggiunte\r\n"
                          "solo quelle più recenti. L'indirizzo viene ricordato; per cambiarlo, tasto destro\r\n"
                          "sul pulsante \"AGGIORNA TRAMITE INTERNET\".");
}

bool CambiaIndirizzo(QWidget *parent, StatoCondiviso &stato)
{
    const std::string attuale = archivio::LeggiIndirizzoAggiornamento(stato.DirectoryProgramma);
    auto scelto =
        Dialoghi::ChiediTesto(parent, QStringLiteral("Indirizzo di aggiornamento"), SpiegazioneIndirizzo(), Q(attuale));
    if (!scelto || scelto->trimmed().isEmpty())
        return false;
    archivio::ScriviIndirizzoAggiornamento(stato.DirectoryProgramma, S(scelto->trimmed()));
    return true;
}

void Aggiorna(QWidget *parent, StatoCondiviso &stato)
{
    std::string indirizzo = archivio::LeggiIndirizzoAggiornamento(stato.DirectoryProgramma);
    if (indirizzo.empty()) {
        if (!CambiaIndirizzo(parent, stato))
            return;
        indirizzo = archivio::LeggiIndirizzoAggiornamento(stato.DirectoryProgramma);
    }
    const std::string byte = archivio::IndirizzoInternet(indirizzo) ? Scarica(parent, indirizzo) : LeggiFile(indirizzo);
    archivio::Archivio a(stato.DirectoryProgramma);
    const archivio::EsitoAggiornamento esito = archivio::AggiornaArchivioDaCSV(a, byte);
    if (esito.aggiunte > 0) {
        stato.UltimaEstrazione = a.LeggiUltimaEstrazione();
        stato.AggiornaViste();
    }
    Dialoghi::Informazione(parent, Q(archivio::MessaggioEsito(esito)));
}

} // namespace AggiornamentoArchivio
