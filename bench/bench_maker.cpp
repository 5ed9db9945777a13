// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The question maker's window: shown, two photos (or one) to circles shown,
// a circle dragged frame by frame, and the memory two 48-megapixel photos take.

#include "author/window/answerview.h"
#include "author/window/draft.h"
#include "author/window/mainwindow.h"
#include "bench/benchgame.h"
#include "tools/asseterror.h"
#include "tools/imagewriters.h"
#include "tools/scenebook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QUndoStack>

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point started)
{
    return std::chrono::duration<double>(Clock::now() - started).count();
}

QString makerFolder()
{
    const QString folder = BenchGame::instance().playFolder() + QStringLiteral("maker/");
    QDir().mkpath(folder);
    return folder;
}

// A camera-sized photo of a sample scene, with a fine pattern so the JPEG
// holds as much detail as a camera's would.
void writePhoto(const QString &path, QSize size, bool withDifferences)
{
    if (QFile::exists(path))
        return;
    const Scene scene = sampleScenes().at(1);
    QImage photo(size, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(photo.rect(), withDifferences ? renderPictureB(scene) : renderPictureA(scene));
    painter.end();
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] ^= quint32((x * 7 + y * 13) & 0x7) * 0x010101u;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodeJpeg(photo, 90, false)) < 0)
        throw AssetError(QStringLiteral("cannot write %1").arg(path));
}

// Until the window has read the photos and shows the question's circles.
bool waitForQuestion(Maker::MainWindow &window)
{
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (window.isBusy() || window.draft()->isEmpty()) {
        if (Clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    window.repaint();
    return true;
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void BM_MakerShown(benchmark::State &state)
{
    for (auto _ : state) {
        const auto started = Clock::now();
        Maker::MainWindow window;
        window.show();
        window.repaint();
        state.SetIterationTime(secondsSince(started));
    }
}

void photosToCircles(benchmark::State &state, QSize size, const char *name, bool onePhoto = false)
{
    const QString folder = makerFolder();
    const QString a = folder + QString::fromLatin1(name) + QStringLiteral("-a.jpg");
    const QString b = folder + QString::fromLatin1(name) + QStringLiteral("-b.jpg");
    try {
        writePhoto(a, size, false);
        writePhoto(b, size, true);
    } catch (const AssetError &error) {
        state.SkipWithError(error.what());
        return;
    }
    for (auto _ : state) {
        Maker::MainWindow window;
        window.show();
        QCoreApplication::processEvents();
        const long before = residentKilobytes();
        const auto started = Clock::now();
        window.startFromPhotos(onePhoto ? QStringList {a} : QStringList {a, b});
        if (!waitForQuestion(window)) {
            state.SkipWithError("the photos never became a question");
            return;
        }
        state.SetIterationTime(secondsSince(started));
        state.counters["circles"] = double(window.draft()->circles().size());
        state.counters["added_MB"] = double(residentKilobytes() - before) * 1024 / 1e6;
        window.undoStack()->setClean();
    }
}

void BM_MakerTwoPhotos12Mp(benchmark::State &state)
{
    photosToCircles(state, {4000, 3000}, "12mp");
}

// One photo: read, its middle cut, five differences planted.
void BM_MakerOnePhoto12Mp(benchmark::State &state)
{
    photosToCircles(state, {4000, 3000}, "12mp", true);
}

void BM_MakerTwoPhotos48Mp(benchmark::State &state)
{
    photosToCircles(state, {8000, 6000}, "48mp");
}

// One frame of a circle drag: a mouse move over picture B and the repaint
// it causes, as the event loop would paint it.
void BM_MakerCircleDragFrame(benchmark::State &state)
{
    Maker::MainWindow window;
    window.resize(1000, 700);
    window.show();
    const QImage picture = renderPictureA(sampleScenes().at(1));
    window.draft()->setQuestion(picture, renderPictureB(sampleScenes().at(1)),
        {{100, 100, 30}, {250, 250, 20}, {60, 280, 15}}, 60);
    QWidget *viewport = window.viewB()->viewport();
    QCoreApplication::processEvents();
    const QPoint start = window.viewB()->viewportPointOf(100, 100);
    QMouseEvent press(QEvent::MouseButtonPress, start, viewport->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    int step = 0;
    for (auto _ : state) {
        const QPoint at = start + QPoint(step % 120, (step / 2) % 60);
        ++step;
        const auto started = Clock::now();
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        viewport->repaint();
        state.SetIterationTime(secondsSince(started));
    }
    QMouseEvent release(QEvent::MouseButtonRelease, start, viewport->mapToGlobal(start), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    window.undoStack()->setClean();
}

} // namespace

BENCHMARK(BM_MakerShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_MakerTwoPhotos12Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_MakerOnePhoto12Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_MakerCircleDragFrame)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_MakerTwoPhotos48Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
