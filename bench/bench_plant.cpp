// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Questions made from one photo: how long make takes from a 12-megapixel
// photo and from a 350 x 350 one, and over generated photo-like scenes how
// often the count asked is planted, how many changes a person sees at a
// glance, whether anything leaks outside the circles, how much seam the
// filled ground shows, and whether the finder proposes exactly the circles.

#include "author/cvimage.h"
#include "author/finder.h"
#include "author/makeone.h"
#include "author/plant.h"
#include "author/plantmeasure.h"
#include "author/plantscene.h"
#include "bench/benchgame.h"
#include "bench/hardpairs.h"
#include "tools/asseterror.h"
#include "tools/assetgen.h"
#include "tools/imagewriters.h"

#include <QDir>
#include <QPainter>

#include <opencv2/imgproc.hpp>

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int sceneCount = 24;
constexpr unsigned sceneSeed = 22;
constexpr int plantedCount = 5;

QString scratchFolder(const char *name)
{
    const QString folder = BenchGame::instance().playFolder() + QString::fromUtf8(name) + QLatin1Char('/');
    QDir().mkpath(folder);
    return folder;
}

// Times make from the photo, each run writing a new question beside the last:
// the count outlives one call, since the library calls a benchmark again for
// each repetition into the same folder.
void timeMakes(benchmark::State &state, const QString &folder, const QString &photo)
{
    static int run = 0;
    for (auto _ : state) {
        Author::OnePhotoRequest request;
        request.question = {folder, QStringLiteral("m%1").arg(++run)};
        request.photo = photo;
        request.seed = quint64(run);
        const auto started = std::chrono::steady_clock::now();
        const Author::Outcome outcome = Author::makeFromOnePhoto(request);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (outcome.status != Author::Done) {
            state.SkipWithError(outcome.err.constData());
            break;
        }
    }
}

void BM_PlantMake12Mp(benchmark::State &state)
{
    const QString folder = scratchFolder("plant-12mp");
    const QString photo = folder + QStringLiteral("photo.jpg");
    try {
        QImage big(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&big);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(big.rect(), HardPairs::photos(1, sceneSeed).front());
        painter.end();
        // A fine pattern, so the JPEG holds as much detail as a camera's would.
        for (int y = 0; y < big.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(big.scanLine(y));
            for (int x = 0; x < big.width(); ++x)
                line[x] ^= quint32((x * 7 + y * 13) & 0x7) * 0x010101u;
        }
        writeFileAtomically(photo, encodeJpeg(big, 90, false));
    } catch (const AssetError &error) {
        state.SkipWithError(error.what());
        return;
    }
    timeMakes(state, folder, photo);
}

void BM_PlantMake350(benchmark::State &state)
{
    const QString folder = scratchFolder("plant-350");
    const QString photo = folder + QStringLiteral("photo.png");
    if (!HardPairs::photos(1, sceneSeed).front().save(photo)) {
        state.SkipWithError("cannot write the photo");
        return;
    }
    timeMakes(state, folder, photo);
}

QImage jpegRoundTrip(const QImage &picture)
{
    return QImage::fromData(encodeJpeg(picture, 92, false), "JPEG").convertToFormat(QImage::Format_RGB32);
}

// New edge strength along the border of the changed pixels of a circle,
// against the same border in A (grey levels per pixel).
double newEdges(const cv::Mat &a, const cv::Mat &b, const Author::Circle &circle)
{
    const cv::Rect box = cv::Rect(circle.x - circle.r, circle.y - circle.r, 2 * circle.r + 1, 2 * circle.r + 1)
        & cv::Rect(0, 0, a.cols, a.rows);
    cv::Mat difference;
    cv::absdiff(a(box), b(box), difference);
    cv::Mat any;
    cv::transform(difference, any, cv::Matx13f(1, 1, 1));
    const cv::Mat changed = any > 0;
    cv::Mat unchangedNear;
    cv::dilate(~changed, unchangedNear, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
    const cv::Mat border = changed & unchangedNear;
    if (cv::countNonZero(border) == 0)
        return 0;
    const cv::Mat excess = cv::max(Author::edgeStrength(b(box)) - Author::edgeStrength(a(box)), 0.0);
    return cv::mean(excess, border)[0];
}

void BM_PlantScenes(benchmark::State &state)
{
    const std::vector<QImage> photos = HardPairs::photos(sceneCount, sceneSeed);
    int made = 0, circles = 0, visible = 0, exact = 0, removed = 0;
    qint64 outside = 0;
    double seams = 0;
    for (auto _ : state) {
        made = circles = visible = exact = removed = 0;
        outside = 0;
        seams = 0;
        for (std::size_t i = 0; i < photos.size(); ++i) {
            const QImage &a = photos[i];
            const Author::Planting planting = Author::plantDifferences(a, plantedCount, quint64(i + 1));
            if (!planting.problem.isEmpty())
                continue;
            ++made;
            const cv::Mat bitmapA = Author::toMat(a);
            const cv::Mat bitmapB = Author::toMat(planting.b);
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const bool circled = std::any_of(planting.changes.begin(), planting.changes.end(),
                        [&](const Author::PlantedChange &c) { return Author::hits(c.circle, x, y); });
                    outside += !circled && bitmapA.at<cv::Vec3b>(y, x) != bitmapB.at<cv::Vec3b>(y, x) ? 1 : 0;
                }
            // Seen as the game shows them: both pictures as written, in JPEG.
            const QImage shownA = jpegRoundTrip(a);
            const QImage shownB = jpegRoundTrip(planting.b);
            const cv::Mat jpegA = Author::toMat(shownA);
            const cv::Mat jpegB = Author::toMat(shownB);
            for (const Author::PlantedChange &change : planting.changes) {
                ++circles;
                visible += Author::visiblePixels(jpegA, jpegB, change.circle) >= Author::smallestChangeFor(plantedCount);
                if (change.kind == Author::ChangeKind::Removed) {
                    ++removed;
                    seams += newEdges(bitmapA, bitmapB, change.circle);
                }
            }
            const std::vector<Author::Circle> found = Author::findDifferences(shownA, shownB);
            const bool oneEach = found.size() == planting.changes.size()
                && std::all_of(planting.changes.begin(), planting.changes.end(), [&](const Author::PlantedChange &c) {
                       return std::count_if(found.begin(), found.end(),
                                  [&](const Author::Circle &f) { return Author::hits(c.circle, f.x, f.y); }) == 1;
                   });
            exact += oneEach ? 1 : 0;
        }
    }
    state.counters["made_share"] = double(made) / sceneCount;
    state.counters["visible_share"] = circles ? double(visible) / circles : 0.0;
    state.counters["outside_px"] = double(outside);
    state.counters["seam"] = removed ? seams / removed : 0.0;
    state.counters["exact_share"] = made ? double(exact) / made : 0.0;
}

} // namespace

BENCHMARK(BM_PlantMake12Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_PlantMake350)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_PlantScenes)->Unit(benchmark::kMillisecond)->Iterations(1);
