// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture of a made question in the README: a question made from one
// picture by the author's tool, its two pictures side by side, and with
// --circles the answer circles drawn on B.
//
//   pimukaro-made-example PICTURE SEED OUTPUT.png [--circles]

#include "author/interimphoto.h"
#include "author/plant.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: pimukaro-made-example PICTURE SEED OUTPUT.png [--circles]\n");
        return 2;
    }
    QString why;
    const std::optional<QImage> photo = Author::Interim::readPhoto(arguments[0], why);
    if (!photo) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    const QImage a = Author::Interim::cutSquare(*photo, Author::Interim::defaultSquare(photo->size()));
    const Author::Planting planting = Author::plantDifferences(a, Author::DefaultPlanted, arguments[1].toULongLong());
    if (!planting.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(planting.problem));
        return 1;
    }
    constexpr int Gap = 10;
    QImage both(a.width() * 2 + Gap, a.height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, a);
    painter.drawImage(a.width() + Gap, 0, planting.b);
    if (arguments.contains(QStringLiteral("--circles"))) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::red, 2));
        for (const Author::PlantedChange &change : planting.changes)
            painter.drawEllipse(QPoint(a.width() + Gap + change.circle.x, change.circle.y), change.circle.r,
                change.circle.r);
    }
    painter.end();
    if (!both.save(arguments[2], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[2]));
        return 1;
    }
    return 0;
}
