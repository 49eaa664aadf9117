#include "platform/qt/ObrazJpeg.h"

#include <QImage>
#include <csetjmp>
#include <vector>

#include <jpeglib.h>

#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"
#include "base/Kodowanie.h"

namespace {

// libjpeg ends the process on an error unless the handler jumps out.
struct Bledy {
    jpeg_error_mgr mgr;
    std::jmp_buf powrot;
    char komunikat[JMSG_LENGTH_MAX];
};

void NaBlad(j_common_ptr cinfo)
{
    Bledy* b = reinterpret_cast<Bledy*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, b->komunikat);
    std::longjmp(b->powrot, 1);
}

void BezKomunikatow(j_common_ptr) {}

// The decoding itself; kept apart so that no object with a destructor lives
// across setjmp.
bool Dekoduj(const unsigned char* bajty, std::size_t rozmiar, QImage& obraz, std::string& przyczyna)
{
    jpeg_decompress_struct cinfo {};
    Bledy bledy {};
    cinfo.err = jpeg_std_error(&bledy.mgr);
    bledy.mgr.error_exit = NaBlad;
    bledy.mgr.output_message = BezKomunikatow;
    QImage* wynik = new QImage;
    if (setjmp(bledy.powrot)) {
        jpeg_destroy_decompress(&cinfo);
        delete wynik;
        przyczyna = bledy.komunikat;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bajty, static_cast<unsigned long>(rozmiar));
    jpeg_read_header(&cinfo, TRUE);
    // The size the header declares is checked before the bitmap is made.
    if (cinfo.image_width > MaksBokObrazuJpeg || cinfo.image_height > MaksBokObrazuJpeg) {
        przyczyna = Utf8NaCp1250("obraz zbyt duży, ") + std::to_string(cinfo.image_width) + " x " +
                    std::to_string(cinfo.image_height) + Utf8NaCp1250(" pikseli");
        jpeg_destroy_decompress(&cinfo);
        delete wynik;
        return false;
    }
    // The byte order of QImage::Format_RGB32, with the fourth byte 0xFF.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    cinfo.out_color_space = JCS_EXT_BGRA;
#else
    cinfo.out_color_space = JCS_EXT_ARGB;
#endif
    jpeg_start_decompress(&cinfo);

    *wynik = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB32);
    if (wynik->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        delete wynik;
        przyczyna = Utf8NaCp1250("obraz zbyt duży");
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW wiersz = reinterpret_cast<JSAMPROW>(wynik->scanLine(static_cast<int>(cinfo.output_scanline)));
        jpeg_read_scanlines(&cinfo, &wiersz, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    obraz = std::move(*wynik);
    delete wynik;
    return true;
}

} // namespace

bool CzytajJpegZBajtow(std::string_view bajty, QImage& obraz, std::string& przyczyna)
{
    przyczyna.clear();
    return Dekoduj(reinterpret_cast<const unsigned char*>(bajty.data()), bajty.size(), obraz, przyczyna);
}

bool CzytajJpeg(const std::string& sciezka, QImage& obraz, std::string& blad)
{
    std::string bajty;
    if (!CzytajPlik(sciezka, bajty, blad))
        return false;
    std::string przyczyna;
    if (CzytajJpegZBajtow(bajty, obraz, przyczyna))
        return true;
    blad = Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" nie jest poprawnym obrazem JPEG (") + przyczyna + ").";
    return false;
}
