// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Small bitmaps of every depth and encoding the game accepts, then broken
// copies of them: cut short at several points and with lying headers.
#include "seeds.h"

#include <QtEndian>

namespace {

using namespace Qt::StringLiterals;

struct Dib
{
    quint32 infoSize = 40;
    qint32 width = 12;
    qint32 height = 6;
    quint16 bpp = 24;
    quint32 compression = 0;
    quint32 colours = 0;
    QByteArray masks; // BI_BITFIELDS masks after a 40-byte header, or inside a longer one
    QByteArray palette;
    QByteArray pixels;
};

void put16(QByteArray &b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

void put32(QByteArray &b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}

QByteArray bmpBytes(const Dib &d)
{
    const bool masksInHeader = d.infoSize > 40;
    QByteArray info;
    if (d.infoSize == 12) {
        put32(info, 12);
        put16(info, quint16(d.width));
        put16(info, quint16(d.height));
        put16(info, 1);
        put16(info, d.bpp);
    } else {
        put32(info, d.infoSize);
        put32(info, quint32(d.width));
        put32(info, quint32(d.height));
        put16(info, 1);
        put16(info, d.bpp);
        put32(info, d.compression);
        put32(info, quint32(d.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, d.colours);
        put32(info, 0);
        if (masksInHeader)
            info += d.masks;
        info.append(qsizetype(d.infoSize) - info.size(), '\0');
    }
    const QByteArray tail = (masksInHeader ? QByteArray() : d.masks) + d.palette;
    QByteArray file("BM");
    const quint32 offset = quint32(14 + info.size() + tail.size());
    put32(file, offset + quint32(d.pixels.size()));
    put32(file, 0);
    put32(file, offset);
    return file + info + tail + d.pixels;
}

// count entries of B, G, R(, 0) in bright colours.
QByteArray palette(int count, int entrySize)
{
    QByteArray p;
    for (int i = 0; i < count; ++i) {
        p.append(char((i * 67) & 0xff));
        p.append(char((i * 131 + 40) & 0xff));
        p.append(char((255 - i * 29) & 0xff));
        if (entrySize == 4)
            p.append('\0');
    }
    return p;
}

// Uncompressed rows, bottom-up, each padded to four bytes.
QByteArray rows(int width, int height, int bpp)
{
    QByteArray out;
    const int stride = ((width * bpp + 31) / 32) * 4;
    for (int y = 0; y < height; ++y) {
        QByteArray row(stride, '\0');
        auto *p = reinterpret_cast<uchar *>(row.data());
        for (int x = 0; x < width; ++x) {
            const int v = x * 5 + y * 3;
            switch (bpp) {
            case 1:
                if (v & 1)
                    p[x / 8] |= uchar(0x80 >> (x % 8));
                break;
            case 4:
                p[x / 2] |= uchar((v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                p[x] = uchar(v);
                break;
            case 16:
                qToLittleEndian<quint16>(quint16((v & 31) << 10 | (y * 7 & 31) << 5 | (x & 31)), p + 2 * x);
                break;
            case 24:
                p[3 * x] = uchar(v * 9);
                p[3 * x + 1] = uchar(y * 40);
                p[3 * x + 2] = uchar(x * 20);
                break;
            case 32:
                qToLittleEndian<quint32>(quint32(x * 20) << 16 | quint32(y * 40) << 8 | quint32(v * 9), p + 4 * x);
                break;
            }
        }
        out += row;
    }
    return out;
}

// Run-length rows: a repeated run, an absolute run, a delta, end of line, end of bitmap.
QByteArray rle8(int width, int height)
{
    QByteArray out;
    for (int y = 0; y < height; ++y) {
        out += QByteArray::fromRawData("\x04\x01", 2);            // four of colour 1
        out += QByteArray::fromRawData("\x00\x03\x05\x06\x07\x00", 6); // absolute 5 6 7, padded
        if (y == 1)
            out += QByteArray::fromRawData("\x00\x02\x02\x00", 4); // skip two pixels
        out += QByteArray(1, char(width > 9 ? width - 9 : 1)) + char(y + 2);
        out += QByteArray::fromRawData("\x00\x00", 2);
    }
    out += QByteArray::fromRawData("\x00\x01", 2);
    return out;
}

QByteArray rle4(int width, int height)
{
    QByteArray out;
    for (int y = 0; y < height; ++y) {
        out += QByteArray::fromRawData("\x05\x12", 2);                 // 1 2 1 2 1
        out += QByteArray::fromRawData("\x00\x04\x34\x56", 4);         // absolute 3 4 5 6
        out += QByteArray(1, char(width > 9 ? width - 9 : 1)) + char(0x70 | (y & 15));
        out += QByteArray::fromRawData("\x00\x00", 2);
    }
    out += QByteArray::fromRawData("\x00\x01", 2);
    return out;
}

Dib indexed(int bpp, quint32 infoSize = 40)
{
    Dib d;
    d.infoSize = infoSize;
    d.bpp = quint16(bpp);
    d.palette = palette(1 << bpp, infoSize == 12 ? 3 : 4);
    d.pixels = rows(d.width, d.height, bpp);
    return d;
}

Dib direct(int bpp)
{
    Dib d;
    d.bpp = quint16(bpp);
    d.pixels = rows(d.width, d.height, bpp);
    return d;
}

QByteArray masks(quint32 r, quint32 g, quint32 b)
{
    QByteArray m;
    put32(m, r);
    put32(m, g);
    put32(m, b);
    return m;
}

// The same bytes with a 32-bit field changed.
QByteArray patched32(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
    return bytes;
}

} // namespace

Seeds bitmapSeeds()
{
    Seeds seeds;
    seeds[u"depth1"_s] = bmpBytes(indexed(1));
    seeds[u"depth4"_s] = bmpBytes(indexed(4));
    const QByteArray depth8 = bmpBytes(indexed(8));
    seeds[u"depth8"_s] = depth8;
    seeds[u"depth16"_s] = bmpBytes(direct(16));
    seeds[u"depth24"_s] = bmpBytes(direct(24));
    seeds[u"depth32"_s] = bmpBytes(direct(32));

    Dib few = indexed(8);
    few.colours = 20;
    few.palette = palette(20, 4);
    seeds[u"depth8-20-colours"_s] = bmpBytes(few);

    Dib topDown = direct(24);
    topDown.height = -topDown.height;
    seeds[u"depth24-top-down"_s] = bmpBytes(topDown);

    Dib fields565 = direct(16);
    fields565.compression = 3;
    fields565.masks = masks(0xf800, 0x07e0, 0x001f);
    seeds[u"depth16-bitfields"_s] = bmpBytes(fields565);

    Dib fields32 = direct(32);
    fields32.compression = 3;
    fields32.masks = masks(0x00ff0000, 0x0000ff00, 0x000000ff);
    seeds[u"depth32-bitfields"_s] = bmpBytes(fields32);

    Dib v4 = fields32;
    v4.infoSize = 108;
    seeds[u"depth32-v4"_s] = bmpBytes(v4);
    Dib v5 = direct(24);
    v5.infoSize = 124;
    seeds[u"depth24-v5"_s] = bmpBytes(v5);

    seeds[u"core-depth8"_s] = bmpBytes(indexed(8, 12));
    seeds[u"core-depth4"_s] = bmpBytes(indexed(4, 12));
    Dib core24 = direct(24);
    core24.infoSize = 12;
    seeds[u"core-depth24"_s] = bmpBytes(core24);

    Dib r8 = indexed(8);
    r8.compression = 1;
    r8.pixels = rle8(r8.width, r8.height);
    seeds[u"rle8"_s] = bmpBytes(r8);
    Dib r4 = indexed(4);
    r4.compression = 2;
    r4.pixels = rle4(r4.width, r4.height);
    seeds[u"rle4"_s] = bmpBytes(r4);

    // Cut short: inside the file header, the info header, the colour table, the pixels.
    const int cuts[] = {0, 2, 13, 16, 30, 53, 54, 300, 1078, int(depth8.size()) - 1};
    for (int cut : cuts)
        seeds[u"depth8-cut-%1"_s.arg(cut)] = depth8.left(cut);
    const QByteArray rle = seeds[u"rle8"_s];
    seeds[u"rle8-cut"_s] = rle.left(rle.size() - 5);

    QByteArray notBm = depth8;
    notBm[1] = 'A';
    seeds[u"not-bm"_s] = notBm;
    seeds[u"header-size-41"_s] = patched32(depth8, 14, 41);
    seeds[u"width-0"_s] = patched32(depth8, 18, 0);
    seeds[u"width-negative"_s] = patched32(depth8, 18, quint32(-12));
    seeds[u"height-0"_s] = patched32(depth8, 22, 0);
    seeds[u"colours-300"_s] = patched32(depth8, 46, 300);
    seeds[u"pixel-offset-past-end"_s] = patched32(depth8, 10, 0x7fffffff);
    QByteArray depth7 = depth8;
    depth7[28] = 7;
    seeds[u"depth7"_s] = depth7;
    seeds[u"huge-30000"_s] = patched32(patched32(bmpBytes(direct(24)), 18, 30000), 22, 30000);
    seeds[u"rle8-huge-30000"_s] = patched32(patched32(rle, 18, 30000), 22, 30000);
    seeds[u"rle8-wrong-runs"_s] = patched32(rle, 18, 3);
    return seeds;
}
