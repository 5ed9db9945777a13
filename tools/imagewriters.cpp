// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/imagewriters.h"

#include "tools/asseterror.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

QByteArray encodeBitmap(const QImage &image)
{
    // Qt writes any image that is not indexed as a 24-bit bitmap.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        throw AssetError(QStringLiteral("cannot encode a bitmap: %1").arg(writer.errorString()));
    return bytes;
}

namespace {

struct JpegErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<JpegErrorManager *>(cinfo->err)->jump, 1);
}

// Plain C frames only between setjmp and libjpeg, so a longjmp skips no destructor.
// Returns 0, or the libjpeg message code of the failure.
int compress(const unsigned char *rgb, int width, int height, int quality, bool progressive,
    unsigned char **out, unsigned long *outSize)
{
    jpeg_compress_struct cinfo;
    JpegErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jpegErrorExit;
    if (setjmp(err.jump)) {
        const int code = err.pub.msg_code != 0 ? err.pub.msg_code : -1;
        jpeg_destroy_compress(&cinfo);
        return code;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Full-resolution colour keeps the thin outlines of the drawings crisp.
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + std::size_t(cinfo.next_scanline) * std::size_t(width) * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 0;
}

} // namespace

QByteArray encodeJpeg(const QImage &image, int quality, bool progressive)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> pixels(std::size_t(rgb.width()) * std::size_t(rgb.height()) * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), std::size_t(rgb.width()) * 3,
            pixels.begin() + std::ptrdiff_t(std::size_t(y) * std::size_t(rgb.width()) * 3));
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    const int code = compress(pixels.data(), rgb.width(), rgb.height(), quality, progressive, &out, &outSize);
    QByteArray bytes;
    if (code == 0)
        bytes = QByteArray(reinterpret_cast<const char *>(out), qsizetype(outSize));
    std::free(out);
    if (code != 0)
        throw AssetError(QStringLiteral("cannot encode a JPEG: libjpeg message %1").arg(code));
    return bytes;
}
