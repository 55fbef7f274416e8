// Writes the program's own picture of the SuperEnalotto play slip.
#include "app/Errore.h"
#include "export/render/ApplicazioneGrafica.h"
#include "export/render/Jpeg.h"
#include "slips/print/PittoreSchedine.h"

#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "uso: genera-modulo FILE.jpg\n";
        return 2;
    }
    try {
        sestina::resa::AssicuraApplicazioneGrafica();
        sestina::resa::SalvaJPEG(sestina::stampaschedine::DisegnoModulo(), 95, argv[1]);
    } catch (const sestina::Errore &e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
