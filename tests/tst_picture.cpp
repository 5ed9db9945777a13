// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/errors.h"
#include "rules/picture.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {

// Four solid blocks (red, green, blue, white), 64x64, each 32x32.
QColor blockColour(int x, int y)
{
    if (y < 32)
        return x < 32 ? QColor(255, 0, 0) : QColor(0, 255, 0);
    return x < 32 ? QColor(0, 0, 255) : QColor(255, 255, 255);
}

QByteArray encodeJpeg(bool progressive, bool grey = false)
{
    const int w = 64, h = 64;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = w;
    cinfo.image_height = h;
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(w * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < w; ++x) {
            const QColor c = blockColour(x, int(cinfo.next_scanline));
            if (grey) {
                row[x] = JSAMPLE(qGray(c.rgb()));
                continue;
            }
            row[x * 3] = JSAMPLE(c.red());
            row[x * 3 + 1] = JSAMPLE(c.green());
            row[x * 3 + 2] = JSAMPLE(c.blue());
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char *>(out), qsizetype(outSize));
    jpeg_destroy_compress(&cinfo);
    free(out);
    return result;
}

// libjpeg's own decoding with the settings the game must use (the
// floating-point inverse DCT and block smoothing), as 0xffRRGGBB.
QImage referenceDecode(const QByteArray &bytes)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.do_block_smoothing = TRUE;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    QImage image(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    std::vector<JSAMPLE> row(cinfo.output_width * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]));
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QImage pattern(int w, int h, QImage::Format format)
{
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 3) & 0xff, (x + y) & 0xff));
    return image;
}

template <typename E, typename F>
QString messageOf(F &&f)
{
    try {
        f();
    } catch (const E &e) {
        return e.message();
    } catch (const EGameError &e) {
        return QStringLiteral("wrong error class: ") + e.message();
    }
    return QStringLiteral("no error");
}

// A bitmap with a version 5 header, 32 bits a pixel with an alpha mask,
// every pixel the given stored value.
QByteArray v5Bitmap(int w, int h, quint32 pixel)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 offset = 14 + 124;
    out << quint8('B') << quint8('M') << quint32(offset + w * h * 4) << quint32(0) << offset;
    out << quint32(124) << qint32(w) << qint32(h) << quint16(1) << quint16(32) << quint32(3) // bit fields
        << quint32(w * h * 4) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    out << quint32(0x00ff0000) << quint32(0x0000ff00) << quint32(0x000000ff) << quint32(0xff000000);
    out << quint32(0x73524742); // sRGB
    for (int i = 0; i < 12; ++i)
        out << quint32(0); // end points and gamma
    out << quint32(4) << quint32(0) << quint32(0) << quint32(0); // intent, profile, reserved
    for (int i = 0; i < w * h; ++i)
        out << pixel;
    return bytes;
}

// The process's address space in bytes.
qint64 virtualMemory()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(0).toLongLong() * sysconf(_SC_PAGESIZE);
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void unknownExtensionBeforeOpening()
    {
        QCOMPARE(messageOf<EInvalidGraphic>([&] { loadPicture(path("cat.gif")); }),
                 Errors::unknownExtension("gif"));
        QCOMPARE(messageOf<EInvalidGraphic>([&] { loadPicture(path("cat.WMF")); }),
                 Errors::unknownExtension("WMF"));
        QCOMPARE(messageOf<EInvalidGraphic>([&] { loadPicture(path("a.bmp/noext")); }),
                 Errors::unknownExtension(""));
    }

    void missingFileCannotOpen()
    {
        const QString p = path("nothing_here.bmp");
        QCOMPARE(messageOf<EFOpenError>([&] { loadPicture(p); }), Errors::cannotOpen(p));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.jpg"));
        QCOMPARE(messageOf<EFOpenError>([&] { loadPicture(path("folder.jpg")); }),
                 Errors::cannotOpen(path("folder.jpg")));
    }

    void notABitmap()
    {
        const QString p = path("xx.bmp");
        QVERIFY(writeFile(p, QByteArray(100, 'X')));
        QCOMPARE(messageOf<EInvalidGraphic>([&] { loadPicture(p); }), Errors::invalidBitmap());
    }

    void truncatedBitmap()
    {
        const QString p = path("whole.bmp");
        QVERIFY(pattern(50, 50, QImage::Format_RGB32).save(p, "BMP"));
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(writeFile(path("short.bmp"), bytes.left(10)));
        QCOMPARE(messageOf<EReadError>([&] { loadPicture(path("short.bmp")); }), Errors::readError());
        QVERIFY(writeFile(path("cut.bmp"), bytes.left(bytes.size() / 2)));
        QCOMPARE(messageOf<EReadError>([&] { loadPicture(path("cut.bmp")); }), Errors::readError());
    }

    void bitmapsKeepSizeAndPixels_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("format");
        QTest::newRow("200x200 rgb32") << 200 << 200 << int(QImage::Format_RGB32);
        QTest::newRow("500x400 rgb888") << 500 << 400 << int(QImage::Format_RGB888);
        QTest::newRow("200x200 argb32") << 200 << 200 << int(QImage::Format_ARGB32);
    }

    void bitmapsKeepSizeAndPixels()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, format);
        const QImage source = pattern(w, h, QImage::Format(format));
        const QString p = path(QStringLiteral("pic%1x%2_%3.BMP").arg(w).arg(h).arg(format));
        QVERIFY(source.save(p, "BMP"));
        auto pic = loadPicture(p);
        QCOMPARE(pic->kind(), Picture::Kind::Bitmap);
        QCOMPARE(pic->size(), QSize(w, h));
        QVERIFY(pic->bitmap() != nullptr);
        const QImage &img = pic->image();
        for (int y = 0; y < h; y += 37)
            for (int x = 0; x < w; x += 41)
                QCOMPARE(img.pixel(x, y) & 0xffffff, source.pixel(x, y) & 0xffffff);
    }

    void indexedBitmap()
    {
        QImage source(40, 30, QImage::Format_Indexed8);
        source.setColorCount(2);
        source.setColor(0, qRgb(10, 20, 30));
        source.setColor(1, qRgb(200, 100, 50));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                source.setPixel(x, y, (x + y) % 2);
        QVERIFY(source.save(path("idx.bmp"), "BMP"));
        auto pic = loadPicture(path("idx.bmp"));
        QCOMPARE(pic->size(), QSize(40, 30));
        QCOMPARE(pic->image().pixel(0, 0) & 0xffffff, 0x0a141eu);
        QCOMPARE(pic->image().pixel(1, 0) & 0xffffff, 0xc86432u);
    }

    void randomBytesAreNotJpeg()
    {
        QByteArray junk(500, '\0');
        for (auto &c : junk)
            c = char(QRandomGenerator::global()->bounded(256));
        junk[0] = 'Z'; // never a start-of-image marker
        QVERIFY(writeFile(path("junk.jpg"), junk));
        QCOMPARE(messageOf<EJPEG>([&] { loadPicture(path("junk.jpg")); }), Errors::jpegError(JERR_NO_SOI));
        QCOMPARE(Errors::jpegError(JERR_NO_SOI), QStringLiteral("JPEG エラー #%1").arg(int(JERR_NO_SOI)));
    }

    void jpegCutInHeaderFailsAtLoad()
    {
        const QByteArray whole = encodeJpeg(false);
        QVERIFY(writeFile(path("head.jpeg"), whole.left(40)));
        const QString m = messageOf<EJPEG>([&] { loadPicture(path("head.jpeg")); });
        QVERIFY2(m.startsWith(QStringLiteral("JPEG エラー #")), qPrintable(m));
    }

    void jpegCutInDataDecodes()
    {
        const QByteArray whole = encodeJpeg(false);
        const qsizetype sos = whole.indexOf(QByteArray("\xff\xda", 2));
        QVERIFY(sos > 0);
        QVERIFY(writeFile(path("cut.jpg"), whole.left(sos + (whole.size() - sos) / 2)));
        auto pic = loadPicture(path("cut.jpg"));
        QCOMPARE(pic->size(), QSize(64, 64));
        QImage img;
        try {
            img = pic->image();
        } catch (const EGameError &e) {
            QFAIL(qPrintable(e.message()));
        }
        QCOMPARE(img.size(), QSize(64, 64));
        QVERIFY(qAbs(qRed(img.pixel(5, 5)) - 255) <= 8);
    }

    void jpegFatalInDataThrowsOnce()
    {
        QByteArray bytes = encodeJpeg(true);
        const qsizetype first = bytes.indexOf(QByteArray("\xff\xda", 2));
        const qsizetype second = bytes.indexOf(QByteArray("\xff\xda", 2), first + 2);
        QVERIFY(first > 0 && second > first);
        bytes[second + 5] = char(0x77); // a component id the frame does not have
        QVERIFY(writeFile(path("bad.jpg"), bytes));
        auto pic = loadPicture(path("bad.jpg"));
        QCOMPARE(pic->size(), QSize(64, 64));
        const QString m = messageOf<EJPEG>([&] { pic->image(); });
        QVERIFY2(m.startsWith(QStringLiteral("JPEG エラー #")), qPrintable(m));
        QCOMPARE(messageOf<EJPEG>([&] { pic->image(); }), QStringLiteral("no error"));
        QCOMPARE(pic->image().size(), QSize(64, 64));
    }

    void jpegDecodes_data()
    {
        QTest::addColumn<bool>("progressive");
        QTest::newRow("baseline") << false;
        QTest::newRow("progressive") << true;
    }

    void jpegDecodes()
    {
        QFETCH(bool, progressive);
        const QString p = path(progressive ? "prog.JPG" : "base.jpg");
        QVERIFY(writeFile(p, encodeJpeg(progressive)));
        auto pic = loadPicture(p);
        QCOMPARE(pic->kind(), Picture::Kind::Jpeg);
        QCOMPARE(pic->size(), QSize(64, 64));
        QVERIFY(pic->bitmap() == nullptr);
        const QImage &img = pic->image();
        QCOMPARE(img.format(), QImage::Format_RGB32);
        const int points[][2] = {{8, 8}, {50, 10}, {10, 50}, {50, 50}, {20, 20}, {40, 44}};
        for (const auto &pt : points) {
            const QColor want = blockColour(pt[0], pt[1]);
            const QRgb got = img.pixel(pt[0], pt[1]);
            QVERIFY2(qAbs(qRed(got) - want.red()) <= 12 && qAbs(qGreen(got) - want.green()) <= 12 &&
                         qAbs(qBlue(got) - want.blue()) <= 12,
                     qPrintable(QStringLiteral("at %1,%2 got %3").arg(pt[0]).arg(pt[1]).arg(got, 8, 16)));
        }
        // A second call returns the same pixels without decoding again.
        QCOMPARE(&pic->image(), &img);
    }

    // A 32-bit bitmap with an alpha mask, as paint programs export it, is
    // drawn opaque: every pixel keeps its colour, whatever its alpha.
    void alphaBitmapIsOpaque_data()
    {
        QTest::addColumn<quint32>("stored");
        QTest::addColumn<QRgb>("shown");
        QTest::newRow("alpha 0") << 0x00336699u << qRgb(0x33, 0x66, 0x99);
        QTest::newRow("alpha 0, white") << 0x00ffffffu << qRgb(0xff, 0xff, 0xff);
        QTest::newRow("alpha 0, black") << 0x00000000u << qRgb(0, 0, 0);
        QTest::newRow("half alpha") << 0x80ff0000u << qRgb(0xff, 0, 0);
        QTest::newRow("opaque") << 0xff00ff00u << qRgb(0, 0xff, 0);
    }
    void alphaBitmapIsOpaque()
    {
        QFETCH(quint32, stored);
        QVERIFY(writeFile(path("alpha.bmp"), v5Bitmap(4, 3, stored)));
        auto pic = loadPicture(path("alpha.bmp"));
        QCOMPARE(pic->size(), QSize(4, 3));
        QVERIFY(!pic->image().hasAlphaChannel());
        QTEST(pic->image().pixel(0, 0), "shown");
        QTEST(pic->image().pixel(3, 2), "shown");
    }

    // A JPEG whose pixels find no memory raises the game's JPEG error; the
    // memory is cut short in a child process, so that nothing else suffers.
    void jpegWithoutMemoryForItsPixels()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer reserves address space beyond any limit a test could set");
#else
        QByteArray bytes = encodeJpeg(false);
        const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
        QVERIFY(frame > 0);
        // 8000 x 8000: within the pictures the game accepts, 256 MB of pixels.
        for (int at : {5, 7}) {
            bytes[frame + at] = char(8000 >> 8);
            bytes[frame + at + 1] = char(8000 & 0xff);
        }
        QVERIFY(writeFile(path("huge.jpg"), bytes));
        const QString expected = Errors::jpegError(JERR_OUT_OF_MEMORY);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            auto pic = loadPicture(path("huge.jpg"));
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = rlim_t(virtualMemory() + (qint64(64) << 20));
            setrlimit(RLIMIT_AS, &limit);
            _exit(messageOf<EJPEG>([&] { pic->image(); }) == expected ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the child died instead of raising the error");
        QCOMPARE(WEXITSTATUS(status), 0);
#endif
    }

    // Every pixel exactly as libjpeg decodes it with the game's settings.
    void jpegPixelsAreLibjpegs_data()
    {
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<bool>("grey");
        QTest::newRow("baseline") << false << false;
        QTest::newRow("progressive") << true << false;
        QTest::newRow("grey") << false << true;
        QTest::newRow("grey progressive") << true << true;
    }
    void jpegPixelsAreLibjpegs()
    {
        QFETCH(bool, progressive);
        QFETCH(bool, grey);
        const QByteArray bytes = encodeJpeg(progressive, grey);
        QVERIFY(writeFile(path("exact.jpg"), bytes));
        auto pic = loadPicture(path("exact.jpg"));
        QCOMPARE(pic->image(), referenceDecode(bytes));
    }

    void newBitmapIsWhite()
    {
        auto pic = newBitmap(QSize(30, 20));
        QCOMPARE(pic->kind(), Picture::Kind::Bitmap);
        QCOMPARE(pic->size(), QSize(30, 20));
        QVERIFY(pic->bitmap() != nullptr);
        QCOMPARE(pic->bitmap()->format(), QImage::Format_RGB32);
        QCOMPARE(pic->image().pixel(29, 19), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
