#pragma once

#include <QString>

#include <initializer_list>

class QBoxLayout;
class QButtonGroup;
class QGroupBox;
class QToolButton;
class QWidget;

// A plain tool button with its object name and caption.
QToolButton *Pulsante(QWidget *parent, const QString &nome, const QString &testo);

// A titled group of radio buttons added to `dove`: the box is named `nome`, its
// buttons nome0, nome1 .. with ids 0, 1 .., the first one checked. The box in `box` when given.
QButtonGroup *GruppoRadio(QWidget *parent, QBoxLayout *dove, const char *nome, const QString &titolo,
                          std::initializer_list<const char *> voci, bool orizzontale, QGroupBox **box = nullptr);
