// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool: how well propose finds the differences (the sample
// questions and a set of harder photo-like pairs with known truth) and how
// long propose, check and make take.

#include "author/check.h"
#include "author/circle.h"
#include "author/finder.h"
#include "author/make.h"
#include "author/propose.h"
#include "author/question.h"
#include "bench/benchgame.h"
#include "bench/hardpairs.h"
#include "tools/asseterror.h"
#include "tools/assetgen.h"
#include "tools/imagewriters.h"
#include "tools/scenebook.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int hardPairCount = 60;
constexpr unsigned hardPairSeed = 14;

// How proposals meet the truth: a difference is found when a proposal's
// centre lies in its circle; a proposal is right when its centre lies in
// some difference's circle.
struct Tally
{
    int differences = 0;
    int found = 0;
    int proposals = 0;
    int right = 0;

    void add(const std::vector<Author::Circle> &truth, const std::vector<Author::Circle> &proposed)
    {
        differences += int(truth.size());
        proposals += int(proposed.size());
        for (const Author::Circle &t : truth)
            found += std::any_of(proposed.begin(), proposed.end(),
                [&](const Author::Circle &p) { return Author::hits(t, p.x, p.y); }) ? 1 : 0;
        for (const Author::Circle &p : proposed)
            right += std::any_of(truth.begin(), truth.end(),
                [&](const Author::Circle &t) { return Author::hits(t, p.x, p.y); }) ? 1 : 0;
    }
};

std::vector<Author::Circle> circlesOf(const std::vector<AnswerCircle> &truth)
{
    std::vector<Author::Circle> circles;
    for (const AnswerCircle &c : truth)
        circles.push_back({c.x, c.y, c.r});
    return circles;
}

std::vector<Author::Circle> proposalsFor(const QString &folder, const QString &name)
{
    const Author::PicturePair pictures = Author::loadQuestionPictures(folder, name);
    return Author::findDifferences(pictures.a, pictures.b);
}

// Runs the setup of a benchmark; false, with the run marked failed, when it
// could not lay out its files.
template <typename Setup>
bool prepared(benchmark::State &state, Setup setup)
{
    try {
        setup();
        return true;
    } catch (const AssetError &error) {
        state.SkipWithError(error.what());
        return false;
    }
}

QString scratchFolder(const char *name)
{
    return BenchGame::instance().playFolder() + QString::fromUtf8(name) + QLatin1Char('/');
}

void BM_AuthorSampleAccuracy(benchmark::State &state)
{
    const QString samples = scratchFolder("author-samples");
    const QString memory = scratchFolder("author-memory");
    if (!prepared(state, [&] {
            writeQuestionFolder(samples, sampleScenes(), false);
            writeQuestionFolder(memory, memoryScenes(), true);
        }))
        return;
    Tally tally;
    for (auto _ : state) {
        tally = {};
        for (const auto &[folder, scenes] : {std::pair {samples, sampleScenes()}, std::pair {memory, memoryScenes()}})
            for (const Scene &scene : scenes)
                tally.add(circlesOf(answerCircles(scene)), proposalsFor(folder, scene.name));
    }
    state.counters["missed"] = tally.differences - tally.found;
    state.counters["extra"] = tally.proposals - tally.right;
}

void BM_AuthorHardPairsAccuracy(benchmark::State &state)
{
    const QString folder = scratchFolder("author-hard");
    std::vector<HardPairs::Question> questions;
    if (!prepared(state, [&] { questions = HardPairs::write(folder, hardPairCount, hardPairSeed); }))
        return;
    Tally tally;
    for (auto _ : state) {
        tally = {};
        for (const HardPairs::Question &question : questions)
            tally.add(circlesOf(question.truth), proposalsFor(folder, question.name));
    }
    state.counters["precision"] = tally.proposals ? double(tally.right) / tally.proposals : 0.0;
    state.counters["recall"] = tally.differences ? double(tally.found) / tally.differences : 0.0;
    state.counters["differences"] = tally.differences;
}

// propose on a JPEG question of the sample folder, its pictures read from disk.
void BM_AuthorPropose(benchmark::State &state)
{
    const QString folder = scratchFolder("author-propose");
    Scene scene = sampleScenes().at(1);
    scene.format = PictureFormat::Jpeg;
    scene.name = QStringLiteral("p");
    if (!prepared(state, [&] { writeQuestionFolder(folder, {scene}, false); }))
        return;
    const Author::QuestionPath question {folder, scene.name};
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const Author::Outcome outcome = Author::propose(question, {});
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (outcome.status != Author::Done) {
            state.SkipWithError(outcome.err.constData());
            break;
        }
    }
}

void BM_AuthorCheckSample(benchmark::State &state)
{
    const QString folder = scratchFolder("author-check");
    if (!prepared(state, [&] { writeQuestionFolder(folder, sampleScenes(), false); }))
        return;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const Author::Outcome outcome = Author::checkFolders({folder});
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (outcome.status != Author::Done) {
            state.SkipWithError(outcome.out.constData());
            break;
        }
    }
}

// A 12-megapixel photo (4000 x 3000): a sample scene enlarged, with a fine
// pattern so the JPEG holds as much detail as a camera's would.
QByteArray twelveMegapixelPhoto(const Scene &scene, bool withDifferences)
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(photo.rect(), withDifferences ? renderPictureB(scene) : renderPictureA(scene));
    painter.end();
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] ^= quint32((x * 7 + y * 13) & 0x7) * 0x010101u;
    }
    return encodeJpeg(photo, 90, false);
}

void BM_AuthorMake12Mp(benchmark::State &state)
{
    const QString folder = scratchFolder("author-make");
    QDir().mkpath(folder);
    const Scene scene = sampleScenes().at(1);
    const QString photoA = folder + QStringLiteral("photo-a.jpg");
    const QString photoB = folder + QStringLiteral("photo-b.jpg");
    if (!prepared(state, [&] {
            writeFileAtomically(photoA, twelveMegapixelPhoto(scene, false));
            writeFileAtomically(photoB, twelveMegapixelPhoto(scene, true));
        }))
        return;
    static int run = 0; // each repetition makes new questions beside the last
    for (auto _ : state) {
        const Author::QuestionPath question {folder, QStringLiteral("m%1").arg(++run)};
        const auto started = std::chrono::steady_clock::now();
        const Author::Outcome outcome = Author::makeQuestion(question, photoA, photoB, {});
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (outcome.status != Author::Done) {
            state.SkipWithError(outcome.err.constData());
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_AuthorSampleAccuracy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AuthorHardPairsAccuracy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AuthorPropose)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_AuthorCheckSample)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_AuthorMake12Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
