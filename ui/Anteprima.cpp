#include "ui/Anteprima.h"

#include "export/render/PittoreReport.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraGuida.h"
#include "ui/Qt.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShowEvent>

using namespace sestina;

TAnteprima::TAnteprima(esporta::Report report, std::unique_ptr<QPrinter> stampante, QWidget *parent)
    : QPrintPreviewDialog(stampante.get(), parent), m_report(std::move(report)), m_stampante(std::move(stampante))
{
    setObjectName(QStringLiteral("Anteprima"));
    FinestraGuida::ScorciatoiaF1(this);
    setWindowTitle(Q(m_report.titolo));
    const bool verticale = m_report.orientamento == esporta::Orientamento::Verticale;
    resize(verticale ? QSize(500, 550) : QSize(550, 500));
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *p) { m_pagine = resa::DipingiReport(m_report, *p); });
}

TAnteprima::~TAnteprima() = default;

void TAnteprima::showEvent(QShowEvent *e)
{
    QPrintPreviewDialog::showEvent(e);
    if (auto *w = findChild<QPrintPreviewWidget *>())
        w->fitInView();
}

TAnteprima *ApriAnteprima(QWidget *parent, esporta::Report report, bool modale)
{
    resa::CaricaFigure(report);
    auto stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    stampante->setFullPage(true);
    stampante->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4),
        report.orientamento == esporta::Orientamento::Verticale ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(0, 0, 0, 0)));
    auto *a = new TAnteprima(std::move(report), std::move(stampante), parent);
    Dialoghi::MostraSenzaAttendere(a, modale);
    return a;
}
