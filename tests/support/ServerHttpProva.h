#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace sestina::prova {

// How the test server answers one request.
struct RispostaHttp {
    std::string corpo;
    int stato = 200;
    bool lunghezza = true; // send Content-Length
    long long taglia = -1; // send only this many bytes of the body, then close
    bool muto = false;     // read the request, then say nothing until the server stops
    int pezzi = 1;         // send the body in this many pieces ...
    int pausaMs = 0;       // ... with this pause before each
};

// A tiny HTTP server on 127.0.0.1 and a free port, run by the test itself in a
// thread of its own; it answers every request with what `gestore` returns.
class ServerHttpProva {
public:
    explicit ServerHttpProva(std::function<RispostaHttp(const std::string &percorso)> gestore);
    ~ServerHttpProva();
    ServerHttpProva(const ServerHttpProva &) = delete;
    ServerHttpProva &operator=(const ServerHttpProva &) = delete;

    std::string indirizzo(const std::string &percorso = "/estrazioni.csv") const;
    int richieste() const { return m_richieste; }

private:
    void Ciclo();
    void Servi(int connessione);

    std::function<RispostaHttp(const std::string &)> m_gestore;
    int m_ascolto = -1;
    int m_porta = 0;
    std::atomic<bool> m_fine{false};
    std::atomic<int> m_richieste{0};
    std::thread m_thread;
};

} // namespace sestina::prova
