// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <map>

// Seed inputs for the fuzz targets, made from code: name -> bytes.
using Seeds = std::map<QString, QByteArray>;

Seeds bitmapSeeds();
Seeds jpegSeeds();
Seeds lineFileSeeds();
Seeds integerSeeds();
Seeds answerFileSeeds();
