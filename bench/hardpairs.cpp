// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/hardpairs.h"

#include "tools/assetgen.h"
#include "tools/imagewriters.h"
#include "tools/shapes.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

namespace HardPairs {

namespace {

const QColor fills[] = {Palette::red, Palette::orange, Palette::yellow, Palette::green, Palette::blue,
    Palette::purple, Palette::pink, Palette::brown, Palette::white, Palette::black};

struct Spot
{
    qreal x;
    qreal y;
    qreal r;
};

class SceneMaker
{
public:
    explicit SceneMaker(std::mt19937 &random) : m_random(random) {}

    Scene make(const QString &name)
    {
        Scene scene;
        scene.name = name;
        scene.format = PictureFormat::Jpeg;
        const QColor skies[] = {Palette::skyBlue, QColor(0xf0, 0xe8, 0xd8), QColor(0xd8, 0xe8, 0xf0)};
        const QColor grounds[] = {Palette::lightGreen, QColor(0xc8, 0xa8, 0x78), QColor(0x90, 0xc0, 0x80)};
        Motifs::landscape(scene, skies[below(3)], grounds[below(3)], between(150, 260));
        m_spots.clear();
        const int clutter = between(9, 14);
        for (int i = 0; i < clutter; ++i)
            if (const auto spot = freeSpot(14, 30))
                scene.add(shapeAt(*spot, fills[below(10)]));

        const int shapes = int(scene.shapes.size());
        const int wanted = between(3, 6);
        std::vector<int> used;
        for (int d = 0; d < wanted; ++d) {
            int target = 2 + below(shapes - 2);
            if (std::find(used.begin(), used.end(), target) != used.end())
                continue;
            switch ((d + below(4)) % 4) {
            case 0:
                used.push_back(target);
                scene.missing({target});
                break;
            case 1: {
                used.push_back(target);
                const QColor old = scene.shapes[std::size_t(target)].fill;
                QColor colour = old;
                while (std::abs(colour.red() - old.red()) + std::abs(colour.green() - old.green())
                        + std::abs(colour.blue() - old.blue()) < 150)
                    colour = fills[below(10)];
                scene.recolour(target, colour);
                break;
            }
            case 2:
                if (const auto spot = freeSpot(12, 24))
                    scene.extra({shapeAt(*spot, fills[below(10)])});
                break;
            default: {
                used.push_back(target);
                const qreal angle = between(0, 359) * M_PI / 180;
                const qreal distance = between(12, 20);
                scene.reshape(target,
                    scene.shapes[std::size_t(target)].path.translated(
                        distance * std::cos(angle), distance * std::sin(angle)));
                break;
            }
            }
        }
        return scene;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // A place for a shape clear of every other, and of the picture's edge.
    std::optional<Spot> freeSpot(int smallest, int largest)
    {
        for (int attempt = 0; attempt < 200; ++attempt) {
            const Spot spot {qreal(between(40, PictureSide - 40)), qreal(between(40, PictureSide - 40)),
                qreal(between(smallest, largest))};
            const bool clear = std::none_of(m_spots.begin(), m_spots.end(), [&](const Spot &other) {
                return std::hypot(spot.x - other.x, spot.y - other.y) < spot.r + other.r + 30;
            });
            if (clear) {
                m_spots.push_back(spot);
                return spot;
            }
        }
        return std::nullopt;
    }

    Shape shapeAt(const Spot &s, const QColor &fill)
    {
        switch (below(5)) {
        case 0:
            return {Paths::circle(s.x, s.y, s.r), fill};
        case 1:
            return {Paths::star(s.x, s.y, s.r, s.r / 2), fill};
        case 2:
            return {Paths::heart(s.x, s.y, s.r * 1.4), fill};
        case 3:
            return {Paths::roundRect(s.x - s.r, s.y - s.r * 0.7, 2 * s.r, 1.4 * s.r, 5), fill};
        default:
            return {Paths::ellipse(s.x, s.y, s.r, s.r * 0.6), fill};
        }
    }

    std::mt19937 &m_random;
    std::vector<Spot> m_spots;
};

// What a camera adds to both pictures alike: light falling off away from
// one point, and a faint texture.
struct Lighting
{
    std::vector<float> gain;
    std::vector<float> offset;
};

Lighting lighting(qreal lightX, qreal lightY)
{
    Lighting light;
    light.gain.resize(std::size_t(PictureSide) * PictureSide);
    light.offset.resize(light.gain.size());
    for (int y = 0; y < PictureSide; ++y)
        for (int x = 0; x < PictureSide; ++x) {
            const std::size_t i = std::size_t(y) * PictureSide + x;
            light.gain[i] = float(1.05 - 0.25 * std::hypot(x - lightX, y - lightY) / PictureSide);
            light.offset[i] = float(4 * std::sin(x * 0.21) * std::sin(y * 0.17));
        }
    return light;
}

// The drawing as a camera takes it: the lighting, and noise of its own in each
// picture (near-normal, spread 3: the sum of four random bytes).
QImage photographed(const QImage &drawn, const Lighting &light, std::mt19937 &random)
{
    QImage photo = drawn.convertToFormat(QImage::Format_RGB32);
    constexpr float noiseScale = 3.0f / 147.8f; // the spread of a sum of four bytes
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const std::size_t i = std::size_t(y) * PictureSide + x;
            int channels[3];
            for (int c = 0; c < 3; ++c) {
                const quint32 bits = random();
                const int bytes = int((bits & 0xff) + ((bits >> 8) & 0xff) + ((bits >> 16) & 0xff) + (bits >> 24));
                const float value = float((line[x] >> (16 - 8 * c)) & 0xff);
                const float noisy = value * light.gain[i] + light.offset[i] + float(bytes - 510) * noiseScale;
                channels[c] = std::clamp(int(noisy + 0.5f), 0, 255);
            }
            line[x] = qRgb(channels[0], channels[1], channels[2]);
        }
    }
    return photo;
}

} // namespace

std::vector<Question> write(const QString &folder, int count, unsigned seed)
{
    std::mt19937 random(seed);
    QDir().mkpath(folder);
    const QDir dir(folder);
    std::vector<Question> questions;
    SceneMaker maker(random);
    while (int(questions.size()) < count) {
        const QString name = QStringLiteral("h%1").arg(questions.size() + 1);
        const Scene scene = maker.make(name);
        if (!sceneProblem(scene).isEmpty())
            continue; // differences too close, too small or too large for a fair question
        std::uniform_real_distribution<double> corner(0, PictureSide);
        const qreal lightX = corner(random);
        const qreal lightY = corner(random);
        const Lighting light = lighting(lightX, lightY);
        std::uniform_int_distribution<int> quality(70, 95);
        writeFileAtomically(dir.filePath(name + QStringLiteral("_A.jpg")),
            encodeJpeg(photographed(renderPictureA(scene), light, random), quality(random), false));
        writeFileAtomically(dir.filePath(name + QStringLiteral("_B.jpg")),
            encodeJpeg(photographed(renderPictureB(scene), light, random), quality(random), false));
        questions.push_back({name, answerCircles(scene)});
    }
    return questions;
}

std::vector<QImage> photos(int count, unsigned seed)
{
    std::mt19937 random(seed);
    SceneMaker maker(random);
    std::vector<QImage> made;
    while (int(made.size()) < count) {
        const Scene scene = maker.make(QStringLiteral("p%1").arg(made.size() + 1));
        std::uniform_real_distribution<double> corner(0, PictureSide);
        const qreal lightX = corner(random);
        const qreal lightY = corner(random);
        made.push_back(photographed(renderPictureA(scene), lighting(lightX, lightY), random));
    }
    return made;
}

} // namespace HardPairs
