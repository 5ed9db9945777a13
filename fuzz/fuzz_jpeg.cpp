// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// JPEG files as the game meets them. The header is read at load, the pixels
// at the first image() call; either may fail, but only with a libjpeg message
// number, and a second image() call never fails.
#include "fuzzsupport.h"

#include "rules/errors.h"
#include "rules/picture.h"

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include <QRegularExpression>

namespace {

constexpr qint64 maxPixels = qint64(64) * 1024 * 1024;

void checkJpegMessage(const EJPEG &e)
{
    static const QRegularExpression form(QStringLiteral("^JPEG エラー #(\\d+)$"));
    const QRegularExpressionMatch match = form.match(e.message());
    if (!match.hasMatch())
        Fuzz::fail("EJPEG message of the wrong form", e.message());
    bool ok = false;
    const int code = match.captured(1).toInt(&ok);
    if (!ok || code <= JMSG_NOMESSAGE || code >= JMSG_LASTMSGCODE || e.message() != Errors::jpegError(code))
        Fuzz::fail("EJPEG message number outside libjpeg's messages", e.message());
}

void checkLoads(const QByteArray &bytes)
{
    const QString path = Fuzz::tempPath(QStringLiteral("picture.jpg"));
    Fuzz::writeFile(path, bytes);
    std::unique_ptr<Picture> picture;
    try {
        picture = loadPicture(path);
    } catch (const EJPEG &e) {
        checkJpegMessage(e);
        return;
    } catch (const EGameError &e) {
        Fuzz::fail("a JPEG failed to load with an unexpected error", e.message());
    }
    if (!picture || picture->kind() != Picture::Kind::Jpeg)
        Fuzz::fail("a JPEG file did not give a JPEG picture");
    const QSize size = picture->size();
    if (size.width() <= 0 || size.height() <= 0 || qint64(size.width()) * size.height() > maxPixels)
        Fuzz::fail("JPEG of an impossible size", QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
    try {
        if (picture->image().size() != size)
            Fuzz::fail("first image() differs from size()");
    } catch (const EJPEG &e) {
        checkJpegMessage(e);
    } catch (const EGameError &e) {
        Fuzz::fail("decoding failed with an unexpected error", e.message());
    }
    try {
        if (picture->image().size() != size)
            Fuzz::fail("second image() differs from size()");
    } catch (const EGameError &e) {
        Fuzz::fail("second image() threw", e.message());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkLoads(Fuzz::bytesOf(data, size));
    return 0;
}
