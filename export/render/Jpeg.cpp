#include "export/render/Jpeg.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace sestina::resa {

namespace {

// libjpeg's own handler calls exit(): ours jumps back to the encoder with the message.
struct GestoreErrori {
    jpeg_error_mgr base;
    std::jmp_buf ritorno;
    char messaggio[JMSG_LENGTH_MAX];
};

extern "C" void UscitaErrore(j_common_ptr cinfo)
{
    auto *g = reinterpret_cast<GestoreErrori *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, g->messaggio);
    std::longjmp(g->ritorno, 1);
}

extern "C" void NessunAvviso(j_common_ptr, int) {}

} // namespace

std::string CodificaJPEG(const QImage &immagine, int qualita)
{
    if (immagine.isNull() || immagine.width() <= 0 || immagine.height() <= 0)
        throw Errore("Impossibile creare il file JPEG: l'immagine è vuota");
    const QImage rgb = immagine.convertToFormat(QImage::Format_RGB888);

    // Everything the jump may cross lives outside the setjmp frame's locals.
    static thread_local jpeg_compress_struct cinfo;
    static thread_local GestoreErrori errori;
    static thread_local unsigned char *buffer;
    static thread_local unsigned long dimensione;
    buffer = nullptr;
    dimensione = 0;
    cinfo.err = jpeg_std_error(&errori.base);
    errori.base.error_exit = UscitaErrore;
    errori.base.emit_message = NessunAvviso;
    if (setjmp(errori.ritorno)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        buffer = nullptr;
        throw Errore(std::string("Impossibile creare il file JPEG: ") + errori.messaggio);
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &dimensione);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qualita, TRUE);
    if (qualita >= 100)
        for (int c = 0; c < cinfo.num_components; ++c)
            cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW riga = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &riga, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string out(reinterpret_cast<const char *>(buffer), dimensione);
    std::free(buffer);
    return out;
}

void SalvaJPEG(const QImage &immagine, int qualita, const std::string &percorso)
{
    ScriviFileAtomico(percorso, CodificaJPEG(immagine, qualita));
}

} // namespace sestina::resa
