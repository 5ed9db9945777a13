// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/jpegdamage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace Author {

namespace {

// ---- libjpeg glue: plain C-style frames only, so longjmp skips no destructors.

struct Listener
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char first[JMSG_LENGTH_MAX]; // the first warning, or the error
};

void remember(j_common_ptr cinfo)
{
    auto *listener = reinterpret_cast<Listener *>(cinfo->err);
    if (listener->first[0] == '\0')
        cinfo->err->format_message(cinfo, listener->first);
}

void onError(j_common_ptr cinfo)
{
    remember(cinfo);
    std::longjmp(reinterpret_cast<Listener *>(cinfo->err)->jump, 1);
}

// Level -1 is a warning about the data; higher levels are trace messages.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        remember(cinfo);
}

void quiet(j_common_ptr) {}

// Decodes the whole file, row by row into one scratch row.
void listen(const unsigned char *data, unsigned long length, Listener *listener)
{
    jpeg_decompress_struct cinfo;
    jpeg_std_error(&listener->pub);
    listener->pub.error_exit = onError;
    listener->pub.emit_message = onMessage;
    listener->pub.output_message = quiet;
    listener->first[0] = '\0';
    cinfo.err = &listener->pub;
    JSAMPARRAY row = nullptr;
    if (setjmp(listener->jump)) {
        jpeg_destroy_decompress(&cinfo);
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, length);
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
        cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
    while (cinfo.output_scanline < cinfo.output_height)
        jpeg_read_scanlines(&cinfo, row, 1);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

} // namespace

QString jpegDamage(const QByteArray &bytes)
{
    Listener listener;
    listen(reinterpret_cast<const unsigned char *>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
        &listener);
    return QString::fromLocal8Bit(listener.first);
}

} // namespace Author
