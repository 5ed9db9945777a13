// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/differenceimage.h"

#include <cstdlib>

namespace Maker {

namespace {
constexpr int Gain = 4;
int amplified(int a, int b)
{
    return qMin(255, std::abs(a - b) * Gain);
}
} // namespace

QImage differenceImage(const QImage &a, const QImage &b)
{
    if (a.isNull() || a.size() != b.size())
        return QImage();
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    QImage out(left.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto *pa = reinterpret_cast<const QRgb *>(left.constScanLine(y));
        const auto *pb = reinterpret_cast<const QRgb *>(right.constScanLine(y));
        auto *po = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            po[x] = qRgb(amplified(qRed(pa[x]), qRed(pb[x])), amplified(qGreen(pa[x]), qGreen(pb[x])),
                amplified(qBlue(pa[x]), qBlue(pb[x])));
    }
    return out;
}

} // namespace Maker
