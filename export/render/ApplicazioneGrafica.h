#pragma once

// Fonts and pictures need a GUI application object; a command-line run has
// none and no display, so it gets an offscreen one for the rest of the process.
namespace sestina::resa {

void AssicuraApplicazioneGrafica();
// Deletes that object while Qt's own globals still exist: call it before main returns.
void ChiudiApplicazioneGrafica();

} // namespace sestina::resa
