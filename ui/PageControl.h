#pragma once

#include <QWidget>

#include <vector>

class QButtonGroup;
class QGridLayout;
class QStackedWidget;
class QToolButton;

// The main window's page control: multi-line tabs of fixed size (they wrap
// into rows instead of scrolling), highlighted under the mouse, over a stack of pages.
class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget *parent = nullptr);

    int AggiungiPagina(QWidget *pagina, const QString &titolo, const QIcon &icona);
    int count() const { return static_cast<int>(m_pagine.size()); }
    QWidget *pagina(int i) const { return m_pagine.at(static_cast<size_t>(i)); }
    int indiceDi(const QWidget *pagina) const;
    QString titolo(int i) const;
    void ImpostaPaginaVisibile(int i, bool visibile);
    bool paginaVisibile(int i) const;
    int numeroSchedeVisibili() const;

    int currentIndex() const { return m_indice; }
    QWidget *currentWidget() const;
    void setCurrentIndex(int i);
    void setCurrentWidget(QWidget *w) { setCurrentIndex(indiceDi(w)); }
    QToolButton *scheda(int i) const { return m_schede.at(static_cast<size_t>(i)); }

Q_SIGNALS:
    void currentChanged(int indice);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    void DisponiSchede();

    static constexpr int LarghezzaScheda = 166;
    static constexpr int AltezzaScheda = 24;
    std::vector<QWidget *> m_pagine;
    std::vector<QToolButton *> m_schede;
    std::vector<bool> m_visibili;
    QWidget *m_barra;
    QGridLayout *m_griglia;
    QButtonGroup *m_gruppo;
    QStackedWidget *m_stack;
    int m_indice = -1;
    int m_perRiga = 0;
};
