// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// JPEG files made with libjpeg: baseline, progressive, greyscale, with restart
// markers, and copies cut short or with damaged bytes.
#include "seeds.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

using namespace Qt::StringLiterals;

struct Encoding
{
    int width = 32;
    int height = 24;
    bool grey = false;
    bool progressive = false;
    int restartRows = 0;
    bool optimize = false;
    int quality = 85;
};

QByteArray encode(const Encoding &e)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr); // seeds are made from known settings: a failure here is a build failure
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = JDIMENSION(e.width);
    cinfo.image_height = JDIMENSION(e.height);
    cinfo.input_components = e.grey ? 1 : 3;
    cinfo.in_color_space = e.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, e.quality, TRUE);
    cinfo.optimize_coding = e.optimize ? TRUE : FALSE;
    cinfo.restart_in_rows = e.restartRows;
    if (e.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(e.width) * size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < e.width; ++x) {
            // A sky, a red house and a green lawn: edges and flat areas both.
            int r = 120, g = 190, b = 255;
            if (y > e.height * 2 / 3)
                r = 40, g = 200, b = 60;
            else if (x > e.width / 4 && x < e.width * 3 / 4 && y > e.height / 3)
                r = 230, g = 40, b = 30;
            if (e.grey) {
                row[size_t(x)] = JSAMPLE((r * 3 + g * 6 + b) / 10);
            } else {
                row[size_t(x) * 3] = JSAMPLE(r);
                row[size_t(x) * 3 + 1] = JSAMPLE(g);
                row[size_t(x) * 3 + 2] = JSAMPLE(b);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char *>(out), qsizetype(outSize));
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return result;
}

} // namespace

Seeds jpegSeeds()
{
    Seeds seeds;
    const QByteArray baseline = encode({});
    seeds[u"baseline"_s] = baseline;
    const QByteArray progressive = encode({.progressive = true});
    seeds[u"progressive"_s] = progressive;
    seeds[u"grey"_s] = encode({.grey = true});
    seeds[u"grey-progressive"_s] = encode({.grey = true, .progressive = true});
    seeds[u"restarts"_s] = encode({.restartRows = 1, .optimize = true});
    seeds[u"odd-size"_s] = encode({.width = 17, .height = 9, .quality = 40});
    seeds[u"one-pixel"_s] = encode({.width = 1, .height = 1});
    seeds[u"wide"_s] = encode({.width = 200, .height = 2, .progressive = true, .quality = 30});

    for (int percent : {5, 25, 50, 90}) {
        seeds[u"baseline-cut-%1"_s.arg(percent)] = baseline.left(baseline.size() * percent / 100);
        seeds[u"progressive-cut-%1"_s.arg(percent)] = progressive.left(progressive.size() * percent / 100);
    }
    QByteArray damaged = baseline;
    for (qsizetype i = damaged.size() / 2; i < damaged.size() - 2; i += 37)
        damaged[i] = char(damaged[i] ^ 0x5a);
    seeds[u"baseline-damaged"_s] = damaged;
    seeds[u"soi-only"_s] = QByteArray("\xff\xd8", 2);
    seeds[u"not-jpeg"_s] = QByteArray("BM not a JPEG at all");
    seeds[u"empty"_s] = QByteArray();
    return seeds;
}
