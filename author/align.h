// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QTransform>

#include <atomic>

namespace Author {

// Photo B laid over photo A: what a second shot taken by hand needs.
struct AlignedPair
{
    QImage b; // B in A's frame and size, its exposure and colours matched to A's; its edge
              // pixels repeated beyond what it covers
    QRect common; // the part of A that B covers
    QTransform aToB; // where each point of A lies in the photo B as given
    QString problem; // why B could not be laid over A (in Japanese), or empty
    bool cancelled = false;
};

// Registers B onto A (shift, turn, change of scale and mild perspective,
// found coarse to fine on grey pyramids by OpenCV's ECC), then matches B's
// exposure and colour balance to A's over the parts that did not change.
// Two photos of different places are refused. `cancel`, when set by another
// thread, stops the work early (cancelled set, nothing else).
AlignedPair alignPhotos(const QImage &a, const QImage &b, const std::atomic_bool *cancel = nullptr);

} // namespace Author
