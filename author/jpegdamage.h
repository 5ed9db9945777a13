// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace Author {

// What libjpeg says about a JPEG file cut short or damaged while the game
// still shows it (the undecoded part grey, or blocks gone wrong): libjpeg's
// first warning, or its error, in its own words; empty for a sound file.
// The game keeps quiet about such warnings; the author's check does not.
QString jpegDamage(const QByteArray &bytes);

} // namespace Author
