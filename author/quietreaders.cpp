// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/quietreaders.h"

#include <QtGlobal>

#include <cstring>

namespace Author {

namespace {

QtMessageHandler previous = nullptr;

void filtered(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg && isImageReaderChatter(context.category, message))
        return;
    if (previous)
        previous(type, context, message);
}

} // namespace

bool isImageReaderChatter(const char *category, const QString &message)
{
    if (category && std::strncmp(category, "qt.gui.imageio", 14) == 0)
        return true;
    return message.startsWith(QLatin1String("libpng ")) || message.startsWith(QLatin1String("libjpeg "))
        || message.startsWith(QLatin1String("QImageIOHandler: ")) || message.startsWith(QLatin1String("QImageReader"));
}

void keepImageReadersQuiet()
{
    previous = qInstallMessageHandler(filtered);
}

} // namespace Author
