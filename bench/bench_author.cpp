// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool: how well propose finds the differences (the sample
// questions and a set of harder photo-like pairs with known truth), how well
// make does on photos taken by hand, how long propose, check and make take,
// and the memory make needs for 48-megapixel photos.

#include "author/check.h"
#include "author/circle.h"
#include "author/finder.h"
#include "author/make.h"
#include "author/photo.h"
#include "author/twophotos.h"
#include "author/propose.h"
#include "author/question.h"
#include "bench/benchgame.h"
#include "support/handheldpairs.h"
#include "bench/hardpairs.h"
#include "rules/constants.h"
#include "tools/asseterror.h"
#include "tools/assetgen.h"
#include "tools/imagewriters.h"
#include "tools/scenebook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>


namespace {

constexpr int hardPairCount = 60;
// Hand-held pairs: enough differences (about 135) to tell 0.97 from 0.99.
constexpr int handHeldPairCount = 30;
const QSize handHeldSize(1600, 1200);
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

// Two photos taken by hand of that size, saved as JPEG 90 in the folder.
void writeHandHeldPhotos(const QString &folder, QSize size, unsigned seed)
{
    QDir().mkpath(folder);
    const HandHeldPairs::Pair pair = HandHeldPairs::make(size, seed, HandHeldPairs::randomShot(seed), 5);
    writeFileAtomically(folder + QStringLiteral("photo-a.jpg"), encodeJpeg(pair.a, 90, false));
    writeFileAtomically(folder + QStringLiteral("photo-b.jpg"), encodeJpeg(pair.b, 90, false));
}

// make from two photos taken by hand: reading, registering, finding,
// writing both pictures and the answer file.
void makeFromPhotos(benchmark::State &state, QSize size, const char *folderName)
{
    const QString folder = scratchFolder(folderName);
    if (!prepared(state, [&] { writeHandHeldPhotos(folder, size, 300); }))
        return;
    static int run = 0; // each repetition makes new questions beside the last
    for (auto _ : state) {
        const Author::QuestionPath question {folder, QStringLiteral("m%1").arg(++run)};
        const auto started = std::chrono::steady_clock::now();
        const Author::Outcome outcome = Author::makeQuestion(
            question, folder + QStringLiteral("photo-a.jpg"), folder + QStringLiteral("photo-b.jpg"), {});
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        if (outcome.status != Author::Done) {
            state.SkipWithError(outcome.err.constData());
            break;
        }
    }
}

void BM_AuthorMake12Mp(benchmark::State &state)
{
    makeFromPhotos(state, {4000, 3000}, "author-make12");
}

void BM_AuthorMake48Mp(benchmark::State &state)
{
    makeFromPhotos(state, {8000, 6000}, "author-make48");
}

// The peak resident memory of the program itself making a question from two
// 48-megapixel photos. GNU time starts it: a process started straight from
// the benchmark would count the benchmark's own memory in its peak, as Linux
// carries the peak of the memory a process replaces at exec.
void BM_AuthorMakePeakMemory(benchmark::State &state)
{
    const QString folder = scratchFolder("author-make48");
    if (!QFileInfo::exists(folder + QStringLiteral("photo-a.jpg"))
        && !prepared(state, [&] { writeHandHeldPhotos(folder, {8000, 6000}, 300); }))
        return;
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/pimukaro-author");
    const QString report = folder + QStringLiteral("peak.txt");
    static int run = 0;
    double peak = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral("/usr/bin/time"),
            {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), report, program, QStringLiteral("make"),
                folder + QStringLiteral("peak%1").arg(++run), folder + QStringLiteral("photo-a.jpg"),
                folder + QStringLiteral("photo-b.jpg")});
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            state.SkipWithError("pimukaro-author make under /usr/bin/time failed");
            return;
        }
        QFile file(report);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("no report from /usr/bin/time");
            return;
        }
        peak = std::max(peak, file.readAll().trimmed().toDouble() * 1024 / 1e6); // kilobytes
    }
    state.counters["peak_MB"] = peak;
}

// make's library path on hand-held pairs of known truth: each photo pair
// read from its JPEG files, registered, cut and compared; a difference is
// found when a circle's centre falls in its true circle, a circle is right
// when its centre falls in some true circle.
void BM_AuthorHandHeldAccuracy(benchmark::State &state)
{
    const QString folder = scratchFolder("author-handheld");
    struct Known
    {
        QString a, b;
        std::vector<HandHeldPairs::Truth> truth;
    };
    std::vector<Known> pairs;
    if (!prepared(state, [&] {
            QDir().mkpath(folder);
            for (int i = 0; i < handHeldPairCount; ++i) {
                const unsigned seed = 1000 + unsigned(i);
                const HandHeldPairs::Pair pair = HandHeldPairs::make(
                    handHeldSize, seed, HandHeldPairs::randomShot(seed), 3 + i % 4);
                Known known {folder + QStringLiteral("p%1-a.jpg").arg(i), folder + QStringLiteral("p%1-b.jpg").arg(i),
                    pair.differences};
                writeFileAtomically(known.a, encodeJpeg(pair.a, 90, false));
                writeFileAtomically(known.b, encodeJpeg(pair.b, 90, false));
                pairs.push_back(known);
            }
        }))
        return;
    Tally tally;
    int refused = 0;
    for (auto _ : state) {
        tally = {};
        refused = 0;
        for (const Known &known : pairs) {
            QString why;
            const std::optional<QImage> a = Author::readPhoto(known.a, why);
            const std::optional<QImage> b = Author::readPhoto(known.b, why);
            if (!a || !b) {
                state.SkipWithError(qPrintable(why));
                return;
            }
            const Author::TwoPhotoQuestion made = Author::questionFromTwoPhotos(*a, *b, std::nullopt);
            refused += made.problem.isEmpty() ? 0 : 1;
            // The truth in the question picture's pixels (the photos were read at full size).
            const double scale = double(PictureSide) / std::max(1, made.square.width());
            std::vector<Author::Circle> truth;
            for (const HandHeldPairs::Truth &t : known.truth)
                truth.push_back({int(std::lround((t.x - made.square.x()) * scale)),
                    int(std::lround((t.y - made.square.y()) * scale)), int(std::ceil(t.r * scale)) + 2});
            tally.add(truth, made.circles);
        }
    }
    state.counters["precision"] = tally.proposals ? double(tally.right) / tally.proposals : 0.0;
    state.counters["recall"] = tally.differences ? double(tally.found) / tally.differences : 0.0;
    state.counters["differences"] = tally.differences;
    state.counters["pairs"] = double(pairs.size());
    state.counters["refused"] = refused;
}

} // namespace

BENCHMARK(BM_AuthorSampleAccuracy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AuthorHardPairsAccuracy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AuthorPropose)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_AuthorCheckSample)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_AuthorHandHeldAccuracy)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AuthorMake12Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_AuthorMake48Mp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_AuthorMakePeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
