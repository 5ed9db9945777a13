// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floors of loading a question, measured in the same run as the loading
// figures: what reading both pictures must cost at the least. For a JPEG pair,
// libjpeg decoding both files, with the settings the game must use (the
// floating-point inverse DCT and block smoothing), straight into images; for
// a bitmap pair, reading both files and copying their pixel rows into images.
// Either way both pictures are then drawn once into an image of the window's
// size, where the window shows them, as a question shown must be.

#include "bench/benchgame.h"
#include "bench/scratchplay.h"
#include "form/Pimukaro_Main.h"
#include "platform/controls/imageview.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <csetjmp>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct FloorError
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void floorErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<FloorError *>(cinfo->err)->jump, 1);
}

// Reads the whole file at once, as the fastest way to hand it to libjpeg,
// and decodes it into image (made to the picture's size); false on any error.
bool decodeFile(const QString &path, QImage *image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    jpeg_decompress_struct cinfo;
    FloorError err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = floorErrorExit;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.do_block_smoothing = TRUE;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    *image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Reads a bottom-up 24- or 32-bit bitmap and copies its rows into image, as
// they are: no conversion at all.
bool copyRows(const QString &path, QImage *image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 54)
        return false;
    qint32 width, height;
    quint32 offset;
    quint16 bits;
    std::memcpy(&offset, bytes.constData() + 10, 4);
    std::memcpy(&width, bytes.constData() + 18, 4);
    std::memcpy(&height, bytes.constData() + 22, 4);
    std::memcpy(&bits, bytes.constData() + 28, 2);
    // A 24-bit file's rows are taken as RGB888, blue first: the floor's cost
    // does not depend on which byte is red, and Qt widens RGB888 to the
    // window's 32 bits with its quickest converter, which BGR888 lacks.
    const QImage::Format format = bits == 32 ? QImage::Format_RGB32 : QImage::Format_RGB888;
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    if ((bits != 24 && bits != 32) || width <= 0 || height <= 0 || offset + stride * height > bytes.size())
        return false;
    *image = QImage(width, height, format);
    const qsizetype rowBytes = qsizetype(width) * (bits / 8);
    for (int y = 0; y < height; ++y)
        std::memcpy(image->scanLine(height - 1 - y), bytes.constData() + offset + stride * y, size_t(rowBytes));
    return true;
}

QImage inWindowFormat(const QImage &image, QImage::Format format)
{
    return image.format() == format ? image : image.convertToFormat(format);
}

// Reads both pictures of the question with read and draws them where the
// window shows them, into an image of the window's size, again and again.
void readPair(benchmark::State &state, const QString &question, const QString &extension,
              bool (*read)(const QString &, QImage *), const char *failure)
{
    const QString stem = BenchGame::instance().playFolder() + ScratchPlay::loadingFolder + QLatin1Char('/') + question;
    const QString a = stem + QStringLiteral("_A") + extension;
    const QString b = stem + QStringLiteral("_B") + extension;
    const TForm1 &game = BenchGame::instance().form();
    const QPoint placeA = game.Img_A->mapTo(&game, QPoint(0, 0));
    const QPoint placeB = game.Img_B->mapTo(&game, QPoint(0, 0));
    // The format of the offscreen platform's window surface.
    QImage window(game.size(), QImage::Format_RGB32);
    QImage imageA, imageB;
    for (auto _ : state) {
        if (!read(a, &imageA) || !read(b, &imageB)) {
            state.SkipWithError(failure);
            break;
        }
        // Qt's quickest way to draw a picture: into the window's own pixel
        // format first, if it is not in it already, then copied.
        QPainter painter(&window);
        painter.drawImage(placeA, inWindowFormat(imageA, window.format()));
        painter.drawImage(placeB, inWindowFormat(imageB, window.format()));
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}

void BM_LoadJpegFloor(benchmark::State &state)
{
    readPair(state, ScratchPlay::jpegQuestion, QStringLiteral(".jpg"), decodeFile, "the pictures do not decode");
}

void BM_LoadProgressiveJpegFloor(benchmark::State &state)
{
    readPair(state, ScratchPlay::progressiveQuestion, QStringLiteral(".jpg"), decodeFile,
             "the pictures do not decode");
}

void BM_LoadBitmapFloor(benchmark::State &state)
{
    readPair(state, ScratchPlay::bitmapQuestion, QStringLiteral(".bmp"), copyRows,
             "the pictures are not plain bitmaps");
}

} // namespace

BENCHMARK(BM_LoadJpegFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProgressiveJpegFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBitmapFloor)->Unit(benchmark::kMillisecond);
