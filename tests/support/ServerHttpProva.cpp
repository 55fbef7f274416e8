#include "support/ServerHttpProva.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace sestina::prova {

namespace {

void InviaTutto(int s, const char *dati, size_t n)
{
    while (n > 0) {
        ssize_t k = ::send(s, dati, n, MSG_NOSIGNAL);
        if (k <= 0)
            return;
        dati += k;
        n -= static_cast<size_t>(k);
    }
}

} // namespace

ServerHttpProva::ServerHttpProva(std::function<RispostaHttp(const std::string &)> gestore)
    : m_gestore(std::move(gestore))
{
    m_ascolto = ::socket(AF_INET, SOCK_STREAM, 0);
    int si = 1;
    ::setsockopt(m_ascolto, SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (::bind(m_ascolto, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(m_ascolto, 8) != 0)
        throw std::runtime_error("test server: cannot listen on 127.0.0.1");
    socklen_t l = sizeof a;
    ::getsockname(m_ascolto, reinterpret_cast<sockaddr *>(&a), &l);
    m_porta = ntohs(a.sin_port);
    m_thread = std::thread([this] { Ciclo(); });
}

ServerHttpProva::~ServerHttpProva()
{
    m_fine = true;
    m_thread.join();
    ::close(m_ascolto);
}

std::string ServerHttpProva::indirizzo(const std::string &percorso) const
{
    return "http://127.0.0.1:" + std::to_string(m_porta) + percorso;
}

void ServerHttpProva::Ciclo()
{
    while (!m_fine) {
        pollfd p{m_ascolto, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        int c = ::accept(m_ascolto, nullptr, nullptr);
        if (c < 0)
            continue;
        Servi(c);
        ::close(c);
    }
}

void ServerHttpProva::Servi(int c)
{
    std::string richiesta;
    char buf[4096];
    while (richiesta.find("\r\n\r\n") == std::string::npos && !m_fine) {
        pollfd p{c, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        ssize_t k = ::recv(c, buf, sizeof buf, 0);
        if (k <= 0)
            return;
        richiesta.append(buf, static_cast<size_t>(k));
    }
    ++m_richieste;
    const size_t inizio = richiesta.find(' ') + 1;
    const std::string percorso = richiesta.substr(inizio, richiesta.find(' ', inizio) - inizio);
    const RispostaHttp r = m_gestore(percorso);
    if (r.muto) {
        while (!m_fine)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return;
    }
    std::string testa = "HTTP/1.1 " + std::to_string(r.stato) + (r.stato == 200 ? " OK" : " Errore") + "\r\n";
    testa += "Content-Type: text/csv\r\nConnection: close\r\n";
    if (r.lunghezza)
        testa += "Content-Length: " + std::to_string(r.corpo.size()) + "\r\n";
    testa += "\r\n";
    InviaTutto(c, testa.data(), testa.size());
    const size_t n = r.taglia >= 0 ? std::min(r.corpo.size(), static_cast<size_t>(r.taglia)) : r.corpo.size();
    const int pezzi = std::max(1, r.pezzi);
    size_t inviati = 0;
    for (int i = 0; i < pezzi && !m_fine; ++i) {
        if (r.pausaMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(r.pausaMs));
        const size_t fino = n * static_cast<size_t>(i + 1) / static_cast<size_t>(pezzi);
        InviaTutto(c, r.corpo.data() + inviati, fino - inviati);
        inviati = fino;
    }
    ::shutdown(c, SHUT_WR);
}

} // namespace sestina::prova
