#include "ui/ModuloSchedinaSE.h"

#include "ui/ExtStringGrid.h"
#include "ui/GrigliaNumeri.h"

#include <QCheckBox>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>

using namespace sestina;

namespace {

// The form's ink and paper.
const QColor Inchiostro(196, 18, 84);
const QColor InchiostroChiaro(250, 222, 232);
const QColor Carta(255, 252, 246);
constexpr Colore InchiostroCelle{196, 18, 84};

constexpr int CellaW = 24, CellaH = 22;
constexpr int PannelloAX = 44, PannelloBX = 432, PannelliY = 88;
constexpr int BandaY = 262;

QFont Carattere(int pixel, bool grassetto = true, bool corsivo = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    f.setItalic(corsivo);
    return f;
}

// A box of the form with its title tab.
void Riquadro(QPainter &p, const QRect &r, const QString &titolo)
{
    p.setPen(QPen(Inchiostro, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 5, 5);
    if (titolo.isEmpty())
        return;
    QRect t(r.left(), r.top(), r.width(), 17);
    QPainterPath path;
    path.addRoundedRect(t, 5, 5);
    p.fillPath(path, Inchiostro);
    p.fillRect(QRect(t.left(), t.bottom() - 5, t.width(), 6), Inchiostro);
    p.setPen(Qt::white);
    p.setFont(Carattere(11));
    p.drawText(t, Qt::AlignCenter, titolo);
}

// Boxes printed in the form's ink, their indicators left to the style.
void Inchiostra(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, Inchiostro);
    pal.setColor(QPalette::Base, Qt::white);
    w->setPalette(pal);
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

} // namespace

void ModuloSchedinaSE::DisegnaModulo(QPainter &p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRect foglio(0, 0, Larghezza, Altezza);
    p.fillRect(foglio, QColor(228, 228, 228));
    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.setBrush(Carta);
    p.drawRoundedRect(foglio.adjusted(2, 2, -3, -3), 10, 10);

    // Timing marks of the reader along the left edge and the foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (int y = 30; y < Altezza - 40; y += 22)
        p.drawRect(10, y, 14, 7);
    for (int x = 44; x < Larghezza - 20; x += 20)
        p.drawRect(x, Altezza - 22, 9, 10);

    // Heading.
    p.setPen(Inchiostro);
    p.setFont(Carattere(30, true, true));
    p.drawText(QRect(40, 8, 330, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SuperEnalotto"));
    p.setPen(QPen(Inchiostro, 2));
    p.drawLine(44, 52, 360, 52);
    p.setFont(Carattere(12));
    p.drawText(QRect(380, 10, 430, 20), Qt::AlignRight, QStringLiteral("SCHEDINA DI GIOCO"));
    p.setFont(Carattere(10, false));
    p.drawText(QRect(380, 30, 430, 16), Qt::AlignRight,
               QStringLiteral("Segna i numeri giocati nei pannelli - minimo 6 numeri per pannello"));
    p.drawText(QRect(380, 46, 430, 16), Qt::AlignRight,
               QStringLiteral("Usa penna nera o blu - non piegare la schedina"));

    // The two panels of 90 numbers, each with its SuperStar box.
    const int larghezzaPannello = 15 * CellaW + 12;
    for (int i = 0; i < 2; ++i) {
        const int x = (i == 0 ? PannelloAX : PannelloBX) - 6;
        const QString nome = i == 0 ? QStringLiteral("A") : QStringLiteral("B");
        Riquadro(p, QRect(x, PannelliY - 22, larghezzaPannello, 6 * CellaH + 64), QStringLiteral("PANNELLO ") + nome);
        // SuperStar box.
        QRect ss(x + 8, PannelliY + 6 * CellaH + 8, 150, 26);
        p.setPen(QPen(Inchiostro, 1));
        p.setBrush(InchiostroChiaro);
        p.drawRoundedRect(ss, 4, 4);
        p.setBrush(Qt::NoBrush);
        p.setFont(Carattere(10, false));
        p.drawText(QRect(x + 170, PannelliY + 6 * CellaH + 8, larghezzaPannello - 176, 26),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("con SuperStar + 0,50 euro"));
    }

    // Additional play, subscription and the system player's corner.
    Riquadro(p, QRect(38, BandaY, 288, 76), QStringLiteral("GIOCATA AGGIUNTIVA"));
    p.setPen(Inchiostro);
    p.setFont(Carattere(9, false));
    p.drawText(QRect(44, BandaY + 56, 276, 16), Qt::AlignCenter, QStringLiteral("importo per concorso"));
    Riquadro(p, QRect(334, BandaY, 170, 76), QStringLiteral("ABBONAMENTO"));
    p.setPen(Inchiostro);
    p.setFont(Carattere(9, false));
    p.drawText(QRect(334, BandaY + 62, 170, 12), Qt::AlignCenter, QStringLiteral("n. concorsi consecutivi"));
    Riquadro(p, QRect(512, BandaY, 286, 76), QStringLiteral("SISTEMISTA"));
    p.setPen(Inchiostro);
    p.setFont(Carattere(10));
    p.drawText(QRect(520, BandaY + 20, 110, 14), Qt::AlignLeft, QStringLiteral("Riduzione"));
    p.drawText(QRect(640, BandaY + 20, 150, 14), Qt::AlignLeft, QStringLiteral("Basi e Varianti"));

    // The form code at the foot.
    p.setFont(Carattere(8, false));
    p.setPen(Inchiostro);
    p.drawText(QRect(40, Altezza - 40, 400, 14), Qt::AlignLeft,
               QStringLiteral("Mod. SE/1 - schedina per giocate singole e sistemi"));
    p.restore();
}

ModuloSchedinaSE::ModuloSchedinaSE(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ModuloSchedinaSE"));
    setFixedSize(Larghezza, Altezza);

    std::vector<std::string> numeri;
    for (int n = 1; n <= 90; ++n)
        numeri.push_back(std::to_string(n));
    auto pannello = [&](const char *nome, int x) {
        auto *g = new ExtStringGrid(this);
        g->setObjectName(QString::fromLatin1(nome));
        grigliaNumeri::Fissa(g, grigliaNumeri::Crea(6, 15, CellaW, CellaH, numeri, InchiostroCelle, 11));
        g->move(x, PannelliY);
        return g;
    };
    pannelloA = pannello("GrigliaschedinasepannelloA", PannelloAX);
    pannelloB = pannello("Grigliaschedinasepannellob", PannelloBX);

    auto stella = [&](const char *nome, int x) {
        auto *c = new QCheckBox(QStringLiteral("SuperStar"), this);
        c->setObjectName(QString::fromLatin1(nome));
        Inchiostra(c);
        c->move(x + 8, PannelliY + 6 * CellaH + 12);
        return c;
    };
    superStarA = stella("CheckBox3", PannelloAX - 6);
    superStarB = stella("CheckBox4", PannelloBX - 6);

    // Placed as the amounts read on the form: 1, 2, 5, 10 euro and OFF.
    const char *testi[] = {"2 €", "1 €", "10 €", "5 €", "OFF"};
    const int posto[] = {1, 0, 3, 2, 4};
    for (int i = 0; i < 5; ++i) {
        auto *b = new QRadioButton(QString::fromUtf8(testi[i]), this);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        Inchiostra(b);
        b->move(48 + posto[i] * 55, BandaY + 28);
        importi[static_cast<size_t>(i)] = b;
    }
    importi[4]->setChecked(true);

    abbonamento = new ExtStringGrid(this);
    abbonamento->setObjectName(QStringLiteral("grigliaabbonamentise"));
    {
        Griglia g =
            grigliaNumeri::Crea(2, 5, 30, 20, {"2", "3", "4", "5", "6", "", "9", "12", "15", ""}, InchiostroCelle);
        for (int c : {0, 4}) {
            g.cella(1, c).bloccata = true;
            g.cella(1, c).sfondo = Colore{192, 192, 192};
        }
        grigliaNumeri::Fissa(abbonamento, std::move(g));
    }
    abbonamento->move(344, BandaY + 20);

    riduzione = new ExtStringGrid(this);
    riduzione->setObjectName(QStringLiteral("grigliariduzionese"));
    grigliaNumeri::Fissa(riduzione, grigliaNumeri::Crea(1, 3, 34, 22, {"G5", "G4", "G3"}, InchiostroCelle));
    riduzione->move(520, BandaY + 38);

    basi = new ExtStringGrid(this);
    basi->setObjectName(QStringLiteral("GrigliaBasiVariantise"));
    grigliaNumeri::Fissa(basi, grigliaNumeri::Crea(1, 5, 30, 22, {"B1", "B2", "B3", "B4", "B5"}, InchiostroCelle));
    basi->move(640, BandaY + 38);
}

void ModuloSchedinaSE::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    DisegnaModulo(p);
}
