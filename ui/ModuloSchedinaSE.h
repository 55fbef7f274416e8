#pragma once

#include <QWidget>

#include <array>

class ExtStringGrid;
class QCheckBox;
class QRadioButton;

// The on-screen replica of the SuperEnalotto play slip: the picture of the paper
// form, of the program's own drawing, with the mark grids and boxes laid on it.
class ModuloSchedinaSE : public QWidget {
    Q_OBJECT
public:
    explicit ModuloSchedinaSE(QWidget *parent = nullptr);

    static constexpr int Larghezza = 830;
    static constexpr int Altezza = 380;
    // The paper form alone, as drawn behind the grids.
    static void DisegnaModulo(QPainter &p);

    ExtStringGrid *pannelloA = nullptr;
    ExtStringGrid *pannelloB = nullptr;
    QCheckBox *superStarA = nullptr;
    QCheckBox *superStarB = nullptr;
    std::array<QRadioButton *, 5> importi{}; // RadioButton1 .. RadioButton5
    ExtStringGrid *abbonamento = nullptr;
    ExtStringGrid *riduzione = nullptr;
    ExtStringGrid *basi = nullptr;

protected:
    void paintEvent(QPaintEvent *e) override;
};
