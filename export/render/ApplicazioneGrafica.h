#pragma once

// Fonts and pictures need a GUI application object; a command-line run has
// none and no display, so it gets an offscreen one for the rest of the process.
namespace sestina::resa {

void AssicuraApplicazioneGrafica();

} // namespace sestina::resa
