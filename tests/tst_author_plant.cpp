// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Differences planted into one picture: every kind of change does what it
// says to known things, B equals A outside the circles pixel for pixel, every
// change is seen at a glance, faces are left alone, the dice repeat, and a
// picture with nothing to change is refused.

#include "author/circle.h"
#include "author/finder.h"
#include "author/limit.h"
#include "author/plant.h"
#include "plantscenes.h"

#include <QTest>

#include <cmath>
#include <map>

using Author::ChangeKind;
using Author::Circle;
using Author::Planting;

Q_DECLARE_METATYPE(Author::Circle)

namespace {

bool inAnyCircle(const Planting &planting, int x, int y)
{
    return std::any_of(planting.changes.begin(), planting.changes.end(),
        [&](const Author::PlantedChange &change) { return Author::hits(change.circle, x, y); });
}

// The first pixel outside every circle where B is not A, or none.
std::optional<QPoint> leakOutside(const QImage &a, const Planting &planting)
{
    const QImage b = planting.b.convertToFormat(QImage::Format_RGB32);
    const QImage plainA = a.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((plainA.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff) && !inAnyCircle(planting, x, y))
                return QPoint(x, y);
    return std::nullopt;
}

int largestStep(QRgb p, QRgb q)
{
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// Pixels of the circle whose colour is near `colour`.
int pixelsNear(const QImage &image, const Circle &circle, const QColor &colour)
{
    int count = 0;
    for (int y = std::max(0, circle.y - circle.r); y <= std::min(image.height() - 1, circle.y + circle.r); ++y)
        for (int x = std::max(0, circle.x - circle.r); x <= std::min(image.width() - 1, circle.x + circle.r); ++x)
            if (Author::hits(circle, x, y) && largestStep(image.pixel(x, y), colour.rgb()) < 40)
                ++count;
    return count;
}

// The colour of the known thing most present in A's circle, if any.
std::optional<QColor> thingIn(const QImage &a, const Circle &circle)
{
    std::optional<QColor> best;
    int most = 0;
    for (const PlantScenes::Thing &thing : PlantScenes::things()) {
        const int count = pixelsNear(a, circle, thing.fill);
        if (count > most) {
            most = count;
            best = thing.fill;
        }
    }
    return most >= 100 ? best : std::nullopt;
}

// CIE lightness (0 to 100) of an sRGB colour.
double lightness(QRgb colour)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double y = 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    return y > 0.008856 ? 116 * std::cbrt(y) - 16 : 903.3 * y;
}

// Pixels of the circle that changed by a step anyone sees.
int clearlyChanged(const QImage &a, const QImage &b, const Circle &circle)
{
    int count = 0;
    for (int y = std::max(0, circle.y - circle.r); y <= std::min(a.height() - 1, circle.y + circle.r); ++y)
        for (int x = std::max(0, circle.x - circle.r); x <= std::min(a.width() - 1, circle.x + circle.r); ++x)
            if (Author::hits(circle, x, y) && largestStep(a.pixel(x, y), b.pixel(x, y)) >= 40)
                ++count;
    return count;
}

} // namespace

class TestAuthorPlant : public QObject
{
    Q_OBJECT

private slots:
    // Over many seeds on the known things, every kind of change appears, and
    // each does to its thing what its kind says.
    void everyKindDoesWhatItSays()
    {
        const QImage a = PlantScenes::objects();
        std::map<ChangeKind, int> seen;
        for (quint64 seed = 1; seed <= 40; ++seed) {
            const Planting planting = Author::plantDifferences(a, 5, seed);
            QVERIFY2(planting.problem.isEmpty(), qPrintable(planting.problem));
            for (const Author::PlantedChange &change : planting.changes) {
                ++seen[change.kind];
                const Circle &c = change.circle;
                const QString where = QStringLiteral("seed %1, circle (%2, %3) r %4, kind %5")
                                          .arg(seed).arg(c.x).arg(c.y).arg(c.r).arg(int(change.kind));
                const std::optional<QColor> thing = thingIn(a, c);
                const int before = thing ? pixelsNear(a, c, *thing) : 0;
                const int after = thing ? pixelsNear(planting.b, c, *thing) : 0;
                switch (change.kind) {
                case ChangeKind::Removed:
                case ChangeKind::Recoloured:
                    // The thing's colour is gone from its circle.
                    QVERIFY2(thing, qPrintable(where));
                    QVERIFY2(after * 10 < before, qPrintable(where));
                    break;
                case ChangeKind::Mirrored:
                    // As much of the thing as before, but in other places.
                    QVERIFY2(thing, qPrintable(where));
                    QVERIFY2(std::abs(after - before) * 5 < before, qPrintable(where));
                    QVERIFY2(clearlyChanged(a, planting.b, c) * 5 > before, qPrintable(where));
                    break;
                case ChangeKind::Resized:
                    QVERIFY2(thing, qPrintable(where));
                    QVERIFY2(after * 2 < before || after * 10 > before * 16, qPrintable(where));
                    break;
                case ChangeKind::Copied: {
                    // A circle of plain ground in A now holds one of the things.
                    QVERIFY2(!thing, qPrintable(where));
                    const auto things = PlantScenes::things();
                    QVERIFY2(std::any_of(things.begin(), things.end(),
                                 [&](const PlantScenes::Thing &t) { return pixelsNear(planting.b, c, t.fill) >= 100; }),
                        qPrintable(where));
                    break;
                }
                case ChangeKind::Added:
                    QVERIFY2(!thing, qPrintable(where));
                    QVERIFY2(clearlyChanged(a, planting.b, c) >= 100, qPrintable(where));
                    break;
                }
            }
        }
        for (ChangeKind kind : {ChangeKind::Removed, ChangeKind::Recoloured, ChangeKind::Mirrored, ChangeKind::Resized,
                 ChangeKind::Copied, ChangeKind::Added})
            QVERIFY2(seen[kind] > 0, qPrintable(QStringLiteral("kind %1 never planted").arg(int(kind))));
    }

    // A recoloured thing keeps its lightness: only its hue turns.
    void recolouringKeepsLightness()
    {
        const QImage a = PlantScenes::objects();
        int checked = 0;
        for (quint64 seed = 1; seed <= 40; ++seed) {
            const Planting planting = Author::plantDifferences(a, 5, seed);
            for (const Author::PlantedChange &change : planting.changes) {
                const std::optional<QColor> thing = thingIn(a, change.circle);
                if (change.kind != ChangeKind::Recoloured || !thing || thing->hslSaturation() < 60)
                    continue;
                const Circle &c = change.circle;
                double before = 0, after = 0;
                int count = 0;
                for (int y = c.y - c.r; y <= c.y + c.r; ++y)
                    for (int x = c.x - c.r; x <= c.x + c.r; ++x)
                        if (Author::hits(c, x, y) && largestStep(a.pixel(x, y), thing->rgb()) < 20) {
                            before += lightness(a.pixel(x, y));
                            after += lightness(planting.b.pixel(x, y));
                            ++count;
                        }
                QVERIFY(count > 50);
                // CIE lightness from 0 to 100: a step of 5 is hardly seen.
                QVERIFY2(std::abs(before - after) / count < 5, qPrintable(QString::number((after - before) / count)));
                ++checked;
            }
        }
        QVERIFY(checked > 0);
    }

    // Outside the circles B is A, pixel for pixel; circles never share a
    // pixel; every count from 3 to 9 is planted in full.
    void confinedToCircles_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<quint64>("seed");
        for (int count = Author::FewestPlanted; count <= Author::MostPlanted; ++count)
            for (quint64 seed : {quint64(3), quint64(77), quint64(1234567890123ULL)})
                QTest::addRow("%d differences, seed %llu", count, static_cast<unsigned long long>(seed)) << count << seed;
    }
    void confinedToCircles()
    {
        QFETCH(int, count);
        QFETCH(quint64, seed);
        const QImage a = PlantScenes::objects();
        const Planting planting = Author::plantDifferences(a, count, seed);
        QVERIFY2(planting.problem.isEmpty(), qPrintable(planting.problem));
        QCOMPARE(int(planting.changes.size()), count);
        QCOMPARE(planting.b.size(), a.size());
        const std::optional<QPoint> leak = leakOutside(a, planting);
        QVERIFY2(!leak, leak ? qPrintable(QStringLiteral("B differs at (%1, %2)").arg(leak->x()).arg(leak->y())) : "");
        for (std::size_t i = 0; i < planting.changes.size(); ++i) {
            const Circle &c = planting.changes[i].circle;
            QVERIFY(c.r >= 10 && c.r <= 99);
            QVERIFY(a.rect().contains(QRect(c.x - c.r, c.y - c.r, 2 * c.r + 1, 2 * c.r + 1)));
            for (std::size_t j = i + 1; j < planting.changes.size(); ++j)
                QVERIFY(!Author::overlap(c, planting.changes[j].circle));
        }
    }

    // Things near the edge are changed, if at all, in circles the edge does
    // not cut.
    void circlesStayInsideThePicture()
    {
        const QImage a = PlantScenes::nearTheEdges();
        for (quint64 seed = 1; seed <= 12; ++seed) {
            const Planting planting = Author::plantDifferences(a, 3, seed);
            for (const Author::PlantedChange &change : planting.changes) {
                const Circle &c = change.circle;
                QVERIFY2(a.rect().contains(QRect(c.x - c.r, c.y - c.r, 2 * c.r + 1, 2 * c.r + 1)),
                    qPrintable(QStringLiteral("seed %1: circle (%2, %3) r %4").arg(seed).arg(c.x).arg(c.y).arg(c.r)));
            }
        }
    }

    // Every change is seen at a glance: many pixels of its circle change by
    // a step anyone sees, and the finder takes each for exactly one difference.
    void everyChangeIsVisible()
    {
        const QImage a = PlantScenes::objects();
        for (quint64 seed = 100; seed < 110; ++seed) {
            const Planting planting = Author::plantDifferences(a, 7, seed);
            QVERIFY2(planting.problem.isEmpty(), qPrintable(planting.problem));
            for (const Author::PlantedChange &change : planting.changes)
                QVERIFY2(clearlyChanged(a, planting.b, change.circle) >= 100,
                    qPrintable(QStringLiteral("seed %1 at (%2, %3)").arg(seed).arg(change.circle.x).arg(change.circle.y)));
            const std::vector<Circle> found = Author::findDifferences(a, planting.b);
            QCOMPARE(found.size(), planting.changes.size());
            for (const Author::PlantedChange &change : planting.changes)
                QCOMPARE(std::count_if(found.begin(), found.end(),
                             [&](const Circle &f) { return Author::hits(change.circle, f.x, f.y); }),
                    1);
        }
    }

    // The same picture, count and seed give the same B; another seed another.
    void seedsRepeat()
    {
        const QImage a = PlantScenes::objects();
        const Planting first = Author::plantDifferences(a, 5, 42);
        const Planting again = Author::plantDifferences(a, 5, 42);
        const Planting other = Author::plantDifferences(a, 5, 43);
        QCOMPARE(again.b, first.b);
        QCOMPARE(again.changes.size(), first.changes.size());
        for (std::size_t i = 0; i < first.changes.size(); ++i) {
            QCOMPARE(again.changes[i].circle, first.changes[i].circle);
            QCOMPARE(int(again.changes[i].kind), int(first.changes[i].kind));
        }
        QVERIFY(other.b != first.b);
    }

    // Nothing is changed on or beside a face.
    void facesAreLeftAlone()
    {
        const QImage a = PlantScenes::face();
        for (quint64 seed = 1; seed <= 12; ++seed) {
            const Planting planting = Author::plantDifferences(a, 3, seed);
            QVERIFY2(planting.problem.isEmpty(), qPrintable(planting.problem));
            for (const Author::PlantedChange &change : planting.changes) {
                const double distance = std::hypot(change.circle.x - PlantScenes::FaceCentre,
                    change.circle.y - PlantScenes::FaceCentre);
                QVERIFY2(distance >= change.circle.r + PlantScenes::FaceRadius,
                    qPrintable(QStringLiteral("seed %1: circle (%2, %3) r %4 on the face")
                                   .arg(seed).arg(change.circle.x).arg(change.circle.y).arg(change.circle.r)));
            }
        }
    }

    // A picture with nothing to change: the reason, and no B to write.
    void refusesAFlatPicture_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("one grey") << PlantScenes::flat(QColor(128, 128, 128));
        QTest::newRow("one blue") << PlantScenes::flat(QColor(40, 90, 200));
        QTest::newRow("tiny") << PlantScenes::flat(QColor(200, 30, 30), 12);
    }
    void refusesAFlatPicture()
    {
        QFETCH(QImage, picture);
        // Nothing to change there: shapes added onto it are never a whole
        // question, even of the fewest differences.
        const Planting planting = Author::plantDifferences(picture, 3, 5);
        QVERIFY(planting.problem.startsWith(QStringLiteral("この写真では、子どもが見つけやすい違いを 3 か所作れませんでした")));
    }

    // Asked to stop, the planter stops at once and says so.
    void stopsWhenCancelled()
    {
        const std::atomic_bool cancel {true};
        const Planting planting = Author::plantDifferences(PlantScenes::objects(), 5, 1, &cancel);
        QVERIFY(planting.cancelled);
        QVERIFY(planting.changes.empty());
        QVERIFY(planting.problem.isEmpty());
    }

    // Putting one back: its circle shows A again and it is gone; the others stay.
    void putBackRestoresOne()
    {
        const QImage a = PlantScenes::objects();
        const Planting planting = Author::plantDifferences(a, 5, 9);
        const Planting fewer = Author::putBack(a, planting, 2);
        QCOMPARE(fewer.changes.size(), std::size_t(4));
        QCOMPARE(fewer.changes[2].circle, planting.changes[3].circle);
        QVERIFY(!leakOutside(a, fewer));
        const Circle gone = planting.changes[2].circle;
        QCOMPARE(clearlyChanged(a, fewer.b, gone), 0);
        QCOMPARE(fewer.b.copy(gone.x - gone.r, gone.y - gone.r, 2 * gone.r + 1, 2 * gone.r + 1),
            a.copy(gone.x - gone.r, gone.y - gone.r, 2 * gone.r + 1, 2 * gone.r + 1));
        QCOMPARE(Author::putBack(a, planting, 5).changes.size(), std::size_t(5));
    }

    // Planting one anew: another kind or another place; the others kept.
    void replantChangesOne()
    {
        const QImage a = PlantScenes::objects();
        const Planting planting = Author::plantDifferences(a, 5, 11);
        for (int index = 0; index < 5; ++index) {
            const Planting replanted = Author::replantOne(a, planting, index, 1000 + quint64(index));
            QVERIFY2(replanted.problem.isEmpty(), qPrintable(replanted.problem));
            QCOMPARE(replanted.changes.size(), planting.changes.size());
            const Author::PlantedChange &old = planting.changes[std::size_t(index)];
            const Author::PlantedChange &now = replanted.changes[std::size_t(index)];
            QVERIFY(now.kind != old.kind || !Author::hits(old.circle, now.circle.x, now.circle.y));
            for (int other = 0; other < 5; ++other)
                if (other != index)
                    QCOMPARE(replanted.changes[std::size_t(other)].circle, planting.changes[std::size_t(other)].circle);
            QVERIFY(!leakOutside(a, replanted));
            for (std::size_t i = 0; i < replanted.changes.size(); ++i)
                for (std::size_t j = i + 1; j < replanted.changes.size(); ++j)
                    QVERIFY(!Author::overlap(replanted.changes[i].circle, replanted.changes[j].circle));
        }
    }

    // The limit grows with the number of differences and for small ones, and
    // is always one of the game's time choices.
    void limitFollowsTheDifferences_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("limit");
        QTest::newRow("none") << 0 << 20 << 30;
        QTest::newRow("3 large") << 3 << 40 << 50;
        QTest::newRow("3 small") << 3 << 12 << 70;
        QTest::newRow("5 middling") << 5 << 25 << 90;
        QTest::newRow("5 large") << 5 << 40 << 70;
        QTest::newRow("9 small") << 9 << 12 << 180;
        QTest::newRow("20 small") << 20 << 12 << 300;
    }
    void limitFollowsTheDifferences()
    {
        QFETCH(int, count);
        QFETCH(int, radius);
        QFETCH(int, limit);
        QCOMPARE(Author::suggestedLimit(std::vector<Circle>(std::size_t(count), Circle {100, 100, radius})), limit);
    }
};

QTEST_MAIN(TestAuthorPlant)
#include "tst_author_plant.moc"
