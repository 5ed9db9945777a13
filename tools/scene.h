// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/circles.h"
#include "rules/constants.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <vector>

// A question picture described as a painter's list of filled outlines. Picture A
// paints the list as it is; picture B paints it with the scene's differences
// applied, and the answer circles are measured from the same changes, so the
// answer file always matches what is drawn.

inline const QColor outlineColour { 0x40, 0x30, 0x30 };

struct Shape
{
    QPainterPath path;
    QColor fill; // a transparent fill paints the outline only
    QColor line = outlineColour; // a transparent line paints the fill only
    qreal lineWidth = 2.5;
};

struct Change
{
    enum class Kind { Remove, Recolour, Add, Reshape };
    Kind kind;
    int target = -1; // the shape removed, recoloured or reshaped; for Add, drawn after it (-1: on top)
    QColor colour; // Recolour
    Shape shape; // Add, Reshape
};

// One thing a child can spot; it may take several changes (an eye and its pupil).
struct Difference
{
    std::vector<Change> changes;
};

enum class PictureFormat { Bitmap, Jpeg, ProgressiveJpeg };

struct Scene
{
    QString name;
    int limit = 60; // seconds, one of the game's time choices
    PictureFormat format = PictureFormat::Bitmap;
    std::vector<Shape> shapes;
    std::vector<Difference> differences;

    int add(const Shape &shape);
    int add(const QPainterPath &path, const QColor &fill, const QColor &line = outlineColour,
        qreal lineWidth = 2.5);

    void missing(std::initializer_list<int> targets);
    void recolour(int target, const QColor &colour);
    void recolour(std::initializer_list<int> targets, const QColor &colour);
    void extra(std::vector<Shape> shapes);
    void reshape(int target, const QPainterPath &path);
};


QImage renderPictureA(const Scene &scene);
QImage renderPictureB(const Scene &scene);

// The smallest whole-pixel circle around the centre of everything the
// difference touches, in A or in B, with room for outlines and antialiasing.
AnswerCircle answerCircle(const Scene &scene, const Difference &difference);
std::vector<AnswerCircle> answerCircles(const Scene &scene);

// Empty when the scene makes a fair question: 3 to 6 differences, circles of
// radius 12 to 40, inside the picture and apart from each other; otherwise
// what is wrong.
QString sceneProblem(const Scene &scene);
