#pragma once

#include "app/Progresso.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

// The windows' side of a long loop: now and then it lets pending events run (so
// a stop button can be pressed and the window repaints) and answers the stop request.
class ProgressoFinestra final : public sestina::Progresso {
public:
    using Avanzamento = std::function<void(long fatto, long totale)>;

    explicit ProgressoFinestra(std::function<bool()> fermato, Avanzamento avanzamento = {}, int intervalloMs = 40)
        : m_fermato(std::move(fermato)), m_avanzamento(std::move(avanzamento)), m_intervallo(intervalloMs)
    {
    }

    void Avanza(long fatto, long totale) override
    {
        // The first report runs the events at once, so a stop already queued takes effect.
        if (m_orologio.isValid() && m_orologio.elapsed() < m_intervallo)
            return;
        m_orologio.start();
        if (m_avanzamento)
            m_avanzamento(fatto, totale);
        QCoreApplication::processEvents();
    }

    [[nodiscard]] bool Interrompi() override { return m_fermato && m_fermato(); }

private:
    std::function<bool()> m_fermato;
    Avanzamento m_avanzamento;
    int m_intervallo;
    QElapsedTimer m_orologio;
};
