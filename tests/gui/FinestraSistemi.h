#pragma once

#include "FinestraProva.h"
#include "support/ArchivioProva.h"
#include "ui/ExtStringGrid.h"
#include "ui/PaginaSistemi.h"
#include "ui/TForm1.h"

#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

// The window test of "&Sistemi": four draws, the main window opened on them with
// the page in front, its controls by name and a user's clicks. The test class
// derives from QObject and from this.
class FinestraSistemi {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TForm1> m_form;

    PaginaSistemi *pagina() const { return m_form->pagina<PaginaSistemi>(); }
    template <class T> T *w(const char *nome) const
    {
        T *x = pagina()->findChild<T *>(QString::fromLatin1(nome));
        if (!x)
            qWarning("missing %s", nome);
        return x;
    }
    ExtStringGrid *tabellone() const { return w<ExtStringGrid>("ExtStringGrid27"); }

    void clic(const char *nome) { ClicPulsante(pagina(), QString::fromLatin1(nome)); }
    // A user's click on the board cell of number n.
    void segna(int n)
    {
        ExtStringGrid *g = tabellone();
        const QModelIndex i = g->model()->index((n - 1) / 10, (n - 1) % 10);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
    }
    // A user's click on item `voce` of the radio group `gruppo`.
    void scegli(const char *gruppo, int voce)
    {
        auto *b = w<QRadioButton>((std::string(gruppo) + "_" + std::to_string(voce)).c_str());
        QVERIFY(b && b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
        QVERIFY(b->isChecked());
    }

    // For init(): oldest first, dated 1, 3, 5 and 7 March 2011; even counts 3, 6,
    // 0, 3; the last draw starts with 5 and brings 70..74 in.
    bool apri()
    {
        const std::vector<std::vector<int>> righe = {
            {1, 2, 3, 4, 5, 6}, {10, 20, 30, 40, 50, 60}, {1, 11, 21, 31, 41, 51}, {5, 70, 71, 72, 73, 74}};
        return ApriFinestraSuPagina(m_dir, m_form,
                                    sestina::prova::EstrazioniDaNumeri(righe, sestina::Data{1, 3, 2011}, 2, 90, 1),
                                    QStringLiteral("TabSheet5"));
    }
    // For cleanup().
    void chiudi() { ChiudiFinestraProva(m_form, m_dir); }
};
