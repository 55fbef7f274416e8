#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, drawn here: six balls on a ring around a star, on the
// blue of the splash window. The installed PNGs of the hicolor theme are made
// from the same drawing.
QImage ImmagineIcona(int lato);
QIcon IconaProgramma();
