#pragma once

#include "FinestraProva.h"
#include "support/ArchivioProva.h"

#include <functional>
#include <memory>
#include <vector>

// The window test of a prediction page (Astro, Metodi, Cruci, Armonia): random
// draws, the main window opened on them with the page in front, and its grids by
// name. The test class derives from QObject and from this.
template <class Pagina> class FinestraPrevisione {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;
    std::vector<sestina::archivio::Estrazione> m_e;

    Pagina *pagina() const { return m_form->pagina<Pagina>(); }
    ExtStringGrid *griglia(const char *nome) const
    {
        return pagina()->template findChild<ExtStringGrid *>(QString::fromLatin1(nome));
    }

    // For init(): `n` random draws of seed `seme`, the folder filled by `prepara`
    // before the window opens, the page (objectName `nome`) in front.
    bool apri(unsigned seme, int n, const QString &nome, const std::function<bool(const QTemporaryDir &)> &prepara = {})
    {
        m_e = sestina::prova::EstrazioniCasuali(seme, n);
        return ApriFinestraSuPagina(m_dir, m_form, m_e, nome, prepara) &&
               pagina() == m_form->findChild<QWidget *>(nome);
    }
    // For cleanup().
    void chiudi() { ChiudiFinestraProva(m_form, m_dir); }
};
