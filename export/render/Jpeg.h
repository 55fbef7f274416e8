#pragma once

#include <QImage>

#include <string>

// JPEG files written with libjpeg directly: quality 100 for grid pictures,
// 90 for window captures.
namespace sestina::resa {

inline constexpr int QualitaGriglia = 100;
inline constexpr int QualitaFinestra = 90;

// The JPEG bytes of the picture. At quality 100 colours are not subsampled, so
// thin coloured cell borders and texts stay sharp. Throws Errore on failure.
std::string CodificaJPEG(const QImage &immagine, int qualita);
// Writes the picture as a JPEG file, replacing it (through a temporary file).
void SalvaJPEG(const QImage &immagine, int qualita, const std::string &percorso);

} // namespace sestina::resa
