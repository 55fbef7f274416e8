#include "archive/rete/Scaricamento.h"

#include "app/Errore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace sestina::rete {

namespace {

// Qt's network layer needs an application object; sestina-cli has none of its own.
void AssicuraApplicazione()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char nome[] = "sestina-cli";
    static char *argv[] = {nome, nullptr};
    static QCoreApplication app(argc, argv);
}

std::string Testo(const QString &s)
{
    return s.toStdString();
}

// The network layer's reasons are English; the common ones get an Italian text.
std::string Motivo(const QNetworkReply &r, qint64 ricevuti)
{
    switch (r.error()) {
    case QNetworkReply::RemoteHostClosedError:
        return "il server ha chiuso il collegamento: il file è arrivato incompleto (" + std::to_string(ricevuti) +
               " byte)";
    case QNetworkReply::ConnectionRefusedError:
        return "il server rifiuta il collegamento";
    case QNetworkReply::HostNotFoundError:
        return "server sconosciuto (" + Testo(r.url().host()) + ")";
    case QNetworkReply::SslHandshakeFailedError:
        return "la connessione sicura non è riuscita (" + Testo(r.errorString()) + ")";
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return "rinvio non seguito (" + Testo(r.errorString()) + ")";
    default:
        return Testo(r.errorString());
    }
}

} // namespace

std::string Scarica(const std::string &indirizzo, Progresso &p, const OpzioniScaricamento &opzioni)
{
    AssicuraApplicazione();
    const QUrl url(QString::fromStdString(indirizzo), QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https")) || url.host().isEmpty())
        throw Errore("Indirizzo non valido \"" + indirizzo + "\": serve un indirizzo http:// o https://");

    QNetworkAccessManager rete;
    QNetworkRequest richiesta(url);
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    richiesta.setTransferTimeout(opzioni.silenzioMassimoMs);
    richiesta.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Sestina"));
    // Uncompressed, so the declared length is the length of what we keep.
    richiesta.setRawHeader("Accept-Encoding", "identity");
    std::unique_ptr<QNetworkReply> risposta(rete.get(richiesta));

    QByteArray corpo;
    std::string motivo; // set when we give up ourselves
    QEventLoop ciclo;
    QElapsedTimer orologio;
    orologio.start();
    auto abbandona = [&](std::string perche) {
        if (motivo.empty())
            motivo = std::move(perche);
        risposta->abort();
    };
    QObject::connect(risposta.get(), &QNetworkReply::metaDataChanged, &ciclo, [&] {
        const qint64 dichiarata = risposta->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (dichiarata > opzioni.dimensioneMassima)
            abbandona("il file è troppo grande (" + std::to_string(dichiarata) + " byte, massimo " +
                      std::to_string(opzioni.dimensioneMassima) + ")");
    });
    QObject::connect(risposta.get(), &QNetworkReply::readyRead, &ciclo, [&] {
        corpo += risposta->readAll();
        if (corpo.size() > opzioni.dimensioneMassima)
            abbandona("il file è troppo grande (oltre " + std::to_string(opzioni.dimensioneMassima) + " byte)");
    });
    QObject::connect(risposta.get(), &QNetworkReply::downloadProgress, &ciclo, [&](qint64 ricevuti, qint64 totale) {
        p.Avanza(static_cast<long>(ricevuti), static_cast<long>(std::max<qint64>(totale, 0)));
    });
    QObject::connect(risposta.get(), &QNetworkReply::finished, &ciclo, &QEventLoop::quit);
    // The stop request and the overall limit are looked at a few times a second.
    QTimer controllo;
    controllo.setInterval(50);
    QObject::connect(&controllo, &QTimer::timeout, &ciclo, [&] {
        if (p.Interrompi())
            abbandona("scaricamento interrotto dall'utente");
        else if (orologio.elapsed() > opzioni.durataMassimaMs)
            abbandona("tempo scaduto dopo " + std::to_string(opzioni.durataMassimaMs / 1000) + " secondi");
    });
    controllo.start();
    if (!risposta->isFinished())
        ciclo.exec();
    controllo.stop();
    if (risposta->isOpen())
        corpo += risposta->readAll();

    const std::string prefisso = "Scaricamento da " + indirizzo + " non riuscito: ";
    if (!motivo.empty())
        throw Errore(prefisso + motivo);
    if (risposta->error() == QNetworkReply::OperationCanceledError || risposta->error() == QNetworkReply::TimeoutError)
        throw Errore(prefisso + "il server non risponde (attesa oltre " +
                     std::to_string(opzioni.silenzioMassimoMs / 1000) + " secondi)");
    const int stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (risposta->error() != QNetworkReply::NoError && stato < 400)
        throw Errore(prefisso + Motivo(*risposta, corpo.size()));
    if (stato < 200 || stato >= 300)
        throw Errore(prefisso + "il server ha risposto " + std::to_string(stato) + " " +
                     Testo(risposta->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    // A connection closed early is not always an error for the network layer.
    const QVariant dichiarata = risposta->header(QNetworkRequest::ContentLengthHeader);
    if (dichiarata.isValid() && dichiarata.toLongLong() != corpo.size())
        throw Errore(prefisso + "il file è arrivato incompleto (" + std::to_string(corpo.size()) + " byte su " +
                     std::to_string(dichiarata.toLongLong()) + ")");
    if (!dichiarata.isValid() && !corpo.isEmpty() && !corpo.endsWith('\n'))
        throw Errore(prefisso + "il file è arrivato incompleto (l'ultima riga è interrotta)");
    return corpo.toStdString();
}

} // namespace sestina::rete
