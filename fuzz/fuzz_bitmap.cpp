// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bitmap files as the game meets them: copied, cut short, hand-edited. Each
// one loads into an image of its stated size or fails with one of the two
// bitmap messages; nothing else may happen.
#include "fuzzsupport.h"

#include "rules/errors.h"
#include "rules/picture.h"

#include <QtEndian>

namespace {

constexpr qint64 maxPixels = qint64(64) * 1024 * 1024;

void checkLoads(const QByteArray &bytes)
{
    const QString path = Fuzz::tempPath(QStringLiteral("picture.bmp"));
    Fuzz::writeFile(path, bytes);
    std::unique_ptr<Picture> picture;
    try {
        picture = loadPicture(path);
    } catch (const EInvalidGraphic &e) {
        if (e.message() != Errors::invalidBitmap())
            Fuzz::fail("EInvalidGraphic with another message", e.message());
        return;
    } catch (const EReadError &e) {
        if (e.message() != Errors::readError())
            Fuzz::fail("EReadError with another message", e.message());
        return;
    } catch (const EGameError &e) {
        Fuzz::fail("a bitmap failed with an unexpected error", e.message());
    }
    if (!picture || picture->kind() != Picture::Kind::Bitmap)
        Fuzz::fail("a bitmap file did not give a bitmap");
    const QSize size = picture->size();
    if (size.width() <= 0 || size.height() <= 0 || qint64(size.width()) * size.height() > maxPixels)
        Fuzz::fail("bitmap of an impossible size",
                   QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    const QImage &image = picture->image();
    if (image.size() != size)
        Fuzz::fail("image() differs from size()");
    if (picture->bitmap() == nullptr)
        Fuzz::fail("a bitmap without writable pixels");
}

// A header that claims 30000 x 30000 pixels in a file of a few bytes must be
// turned down by its header alone: uncompressed it is a file cut short, run-
// length encoded (whose length cannot be told in advance) too large a picture.
void checkHugeHeaderFails(quint32 compression)
{
    QByteArray bytes(14 + 40 + 16, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), p + 2);
    qToLittleEndian<quint32>(14 + 40, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(30000, p + 18);
    qToLittleEndian<qint32>(30000, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(compression == 1 ? 8 : 24, p + 28);
    qToLittleEndian<quint32>(compression, p + 30);
    qToLittleEndian<quint32>(compression == 1 ? 1 : 0, p + 46);
    const QString path = Fuzz::tempPath(QStringLiteral("huge.bmp"));
    Fuzz::writeFile(path, bytes);
    const QString expected = compression == 1 ? Errors::invalidBitmap() : Errors::readError();
    try {
        loadPicture(path);
    } catch (const EGameError &e) {
        if (e.message() == expected)
            return;
    }
    Fuzz::fail("a 30000x30000 bitmap header was not refused", expected);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    checkHugeHeaderFails(0);
    checkHugeHeaderFails(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoads(Fuzz::bytesOf(data, size));
    return 0;
}
