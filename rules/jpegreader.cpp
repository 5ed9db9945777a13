// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/jpegreader.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

// The libjpeg glue: plain C-style frames only, so longjmp skips no destructors.

struct JpegErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegErrorManager *>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void jpegEmitMessage(j_common_ptr, int) {}
void jpegOutputMessage(j_common_ptr) {}

void setUpErrors(JpegErrorManager *err)
{
    jpeg_std_error(&err->pub);
    err->pub.error_exit = jpegErrorExit;
    err->pub.emit_message = jpegEmitMessage;
    err->pub.output_message = jpegOutputMessage;
}

// The colour of a JPEG's pixels that were never decoded.
void fillGrey(unsigned char *bits, qsizetype stride, int width, int fromRow, int toRow)
{
    for (int y = fromRow; y < toRow; ++y)
        std::fill_n(reinterpret_cast<quint32 *>(bits + stride * y), width, 0xffc0c0c0u);
}

int fatalCode(const JpegErrorManager &err)
{
    return err.pub.msg_code != 0 ? err.pub.msg_code : -1;
}

// Reads the header only; returns the libjpeg message code of a fatal error, or 0.
int readJpegHeader(const unsigned char *data, unsigned long length, int *width, int *height)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    setUpErrors(&err);
    cinfo.err = &err.pub;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return fatalCode(err);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, length);
    jpeg_read_header(&cinfo, TRUE);
    *width = int(cinfo.image_width);
    *height = int(cinfo.image_height);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

// Decodes into 32-bit rows (0xffRRGGBB) at bits with the given stride,
// straight from libjpeg into the rows, which must be of the picture's own
// size; rows finished before a fatal error stay, the rest are filled grey.
int decodeJpeg(const unsigned char *data, unsigned long length, unsigned char *bits, qsizetype stride, int width,
               int height)
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    setUpErrors(&err);
    cinfo.err = &err.pub;
    volatile int done = 0; // rows decoded; volatile, as it is read after the jump
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        fillGrey(bits, stride, width, done, height);
        return fatalCode(err);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, length);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.do_block_smoothing = TRUE;
    cinfo.dct_method = JDCT_FLOAT;
    // 0xffRRGGBB as it lies in memory; libjpeg makes it from colour and grey
    // pictures alike, alpha always 0xff.
    cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    if (int(cinfo.output_width) != width || int(cinfo.output_height) != height)
        ERREXIT(&cinfo, JERR_IMAGE_TOO_BIG);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = bits + stride * qsizetype(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, &row, 1);
        done = int(cinfo.output_scanline);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

class JpegPicture : public Picture
{
public:
    JpegPicture(QByteArray bytes, QSize size) : m_bytes(std::move(bytes)), m_size(size) {}
    Kind kind() const override { return Kind::Jpeg; }
    QSize size() const override { return m_size; }
    const QImage &image() override
    {
        if (m_decoded)
            return m_image;
        m_decoded = true;
        m_image = QImage(m_size, QImage::Format_RGB32);
        if (m_image.isNull()) {
            m_bytes.clear();
            throw EJPEG(Errors::jpegError(JERR_OUT_OF_MEMORY));
        }
        const int code = decodeJpeg(reinterpret_cast<const unsigned char *>(m_bytes.constData()),
                                    static_cast<unsigned long>(m_bytes.size()), m_image.bits(),
                                    m_image.bytesPerLine(), m_size.width(), m_size.height());
        m_bytes.clear();
        if (code != 0)
            throw EJPEG(Errors::jpegError(code));
        return m_image;
    }

private:
    QByteArray m_bytes;
    QSize m_size;
    QImage m_image;
    bool m_decoded = false;
};

} // namespace

std::unique_ptr<Picture> readJpeg(QByteArray bytes)
{
    int width = 0, height = 0;
    const int code = readJpegHeader(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                    static_cast<unsigned long>(bytes.size()), &width, &height);
    if (code != 0)
        throw EJPEG(Errors::jpegError(code));
    if (width <= 0 || height <= 0 || qint64(width) * height > MaxPicturePixels)
        throw EJPEG(Errors::jpegError(JERR_IMAGE_TOO_BIG));
    return std::make_unique<JpegPicture>(std::move(bytes), QSize(width, height));
}

EJPEG jpegTooLarge()
{
    return EJPEG(Errors::jpegError(JERR_IMAGE_TOO_BIG));
}
