#include "ui/Traduzioni.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The toolkit's own dialogs and menus speak Italian once the program's start loaded the catalogue.
class TestTraduzioni : public QObject {
    Q_OBJECT

    static QString Senza(QString t) { return t.remove(QLatin1Char('&')); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(CaricaTraduzioniItaliane(*QCoreApplication::instance())); }

    void pulsantiDelMessaggio()
    {
        QMessageBox m(QMessageBox::Question, QStringLiteral("Sestina"), QStringLiteral("Vuoi salvare ?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Save);
        m.show();
        QCOMPARE(Senza(m.button(QMessageBox::Yes)->text()), QStringLiteral("Sì"));
        QCOMPARE(Senza(m.button(QMessageBox::No)->text()), QStringLiteral("No"));
        QCOMPARE(Senza(m.button(QMessageBox::Cancel)->text()), QStringLiteral("Annulla"));
        QCOMPARE(Senza(m.button(QMessageBox::Save)->text()), QStringLiteral("Salva"));
    }

    void menuDelCampoDiTesto()
    {
        QLineEdit campo;
        campo.setText(QStringLiteral("Mario"));
        std::unique_ptr<QMenu> menu(campo.createStandardContextMenu());
        QStringList voci;
        for (QAction *a : menu->actions())
            voci << Senza(a->text()).section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(voci.contains(QStringLiteral("Incolla")), qPrintable(voci.join(QLatin1Char('|'))));
        QVERIFY(!voci.contains(QStringLiteral("Paste")));
    }
};

QTEST_MAIN(TestTraduzioni)
#include "tst_traduzioni.moc"
