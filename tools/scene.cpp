// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scene.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

int Scene::add(const Shape &shape)
{
    shapes.push_back(shape);
    return int(shapes.size()) - 1;
}

int Scene::add(const QPainterPath &path, const QColor &fill, const QColor &line, qreal lineWidth)
{
    return add(Shape { path, fill, line, lineWidth });
}

void Scene::missing(std::initializer_list<int> targets)
{
    Difference d;
    for (int t : targets)
        d.changes.push_back({ Change::Kind::Remove, t, {}, {} });
    differences.push_back(std::move(d));
}

void Scene::recolour(int target, const QColor &colour)
{
    recolour({ target }, colour);
}

void Scene::recolour(std::initializer_list<int> targets, const QColor &colour)
{
    Difference d;
    for (int t : targets)
        d.changes.push_back({ Change::Kind::Recolour, t, colour, {} });
    differences.push_back(std::move(d));
}

void Scene::extra(std::vector<Shape> added)
{
    Difference d;
    for (Shape &s : added)
        d.changes.push_back({ Change::Kind::Add, -1, {}, std::move(s) });
    differences.push_back(std::move(d));
}

void Scene::reshape(int target, const QPainterPath &path)
{
    Shape s = shapes.at(std::size_t(target));
    s.path = path;
    Difference d;
    d.changes.push_back({ Change::Kind::Reshape, target, {}, std::move(s) });
    differences.push_back(std::move(d));
}

namespace {

void paintShape(QPainter &p, const Shape &s)
{
    p.setBrush(s.fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(s.fill));
    if (s.line.alpha() == 0)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(s.line, s.lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(s.path);
}

QImage render(const Scene &scene, bool withDifferences)
{
    QImage image(PictureSide, PictureSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    std::vector<const Change *> changes;
    if (withDifferences) {
        for (const Difference &d : scene.differences)
            for (const Change &c : d.changes)
                changes.push_back(&c);
    }
    auto paintAdded = [&](int after) {
        for (const Change *c : changes)
            if (c->kind == Change::Kind::Add && c->target == after)
                paintShape(p, c->shape);
    };
    for (int i = 0; i < int(scene.shapes.size()); ++i) {
        Shape s = scene.shapes[std::size_t(i)];
        bool removed = false;
        for (const Change *c : changes) {
            if (c->target != i)
                continue;
            if (c->kind == Change::Kind::Remove)
                removed = true;
            else if (c->kind == Change::Kind::Recolour)
                s.fill = c->colour;
            else if (c->kind == Change::Kind::Reshape)
                s = c->shape;
        }
        if (!removed)
            paintShape(p, s);
        paintAdded(i);
    }
    paintAdded(-1);
    return image;
}

// Room beyond a path's outline for half the pen and the antialiased edge.
qreal margin(const Shape &s)
{
    return (s.line.alpha() == 0 ? 0.0 : s.lineWidth / 2) + 2.5;
}

} // namespace

QImage renderPictureA(const Scene &scene)
{
    return render(scene, false);
}

QImage renderPictureB(const Scene &scene)
{
    return render(scene, true);
}

AnswerCircle answerCircle(const Scene &scene, const Difference &difference)
{
    std::vector<const Shape *> touched;
    for (const Change &c : difference.changes) {
        if (c.kind != Change::Kind::Add)
            touched.push_back(&scene.shapes.at(std::size_t(c.target)));
        if (c.kind == Change::Kind::Add || c.kind == Change::Kind::Reshape)
            touched.push_back(&c.shape);
    }
    QRectF bounds;
    for (const Shape *s : touched) {
        const qreal m = margin(*s);
        bounds = bounds.united(s->path.boundingRect().adjusted(-m, -m, m, m));
    }
    const QPointF centre(std::round(bounds.center().x()), std::round(bounds.center().y()));
    qreal reach = 0;
    for (const Shape *s : touched) {
        const qreal m = margin(*s);
        for (const QPolygonF &polygon : s->path.toSubpathPolygons())
            for (const QPointF &point : polygon)
                reach = std::max(reach, std::hypot(point.x() - centre.x(), point.y() - centre.y()) + m);
    }
    return { int(centre.x()), int(centre.y()), std::max(12, int(std::ceil(reach))) };
}

std::vector<AnswerCircle> answerCircles(const Scene &scene)
{
    std::vector<AnswerCircle> circles;
    for (const Difference &d : scene.differences)
        circles.push_back(answerCircle(scene, d));
    return circles;
}

QString sceneProblem(const Scene &scene)
{
    const std::vector<AnswerCircle> circles = answerCircles(scene);
    if (circles.size() < 3 || circles.size() > 6)
        return QStringLiteral("%1: %2 differences").arg(scene.name).arg(circles.size());
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const AnswerCircle &c = circles[i];
        const QString where = QStringLiteral("%1: difference %2 at (%3, %4) r %5")
                                  .arg(scene.name)
                                  .arg(i + 1)
                                  .arg(c.x)
                                  .arg(c.y)
                                  .arg(c.r);
        if (c.r < 12 || c.r > 40)
            return where + QStringLiteral(" has a radius outside 12 to 40");
        if (c.x - c.r < 0 || c.y - c.r < 0 || c.x + c.r >= PictureSide || c.y + c.r >= PictureSide)
            return where + QStringLiteral(" reaches out of the picture");
        for (std::size_t j = 0; j < i; ++j) {
            const AnswerCircle &o = circles[j];
            if (AnswerCirclesOverlap(c, o))
                return where + QStringLiteral(" overlaps difference %1").arg(j + 1);
        }
    }
    return QString();
}
