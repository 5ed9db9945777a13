// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/wavewriter.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>

QByteArray waveFileBytes(const std::vector<double> &samples)
{
    constexpr quint16 channels = 1;
    constexpr quint16 bitsPerSample = 16;
    constexpr quint16 blockAlign = channels * bitsPerSample / 8;
    const quint32 dataSize = quint32(samples.size()) * blockAlign;

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16) << quint16(1) << channels << quint32(waveSampleRate)
        << quint32(waveSampleRate * blockAlign) << blockAlign << bitsPerSample;
    out.writeRawData("data", 4);
    out << dataSize;
    for (double s : samples)
        out << qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    return bytes;
}
