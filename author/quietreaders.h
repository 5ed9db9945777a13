// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Author {

// Whether a message from Qt is its image readers talking to themselves
// (libpng's "iCCP: known incorrect sRGB profile", libjpeg's warnings, the
// allocation limit): the tool says what matters about a photo in its own words.
bool isImageReaderChatter(const char *category, const QString &message);

// From now on, Qt's image-reader chatter is dropped; every other message goes
// where it went before.
void keepImageReadersQuiet();

} // namespace Author
