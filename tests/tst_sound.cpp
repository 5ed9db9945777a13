// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound.h"

#include "installed.h"
#include "recordingspeaker.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

namespace {

// A short tone as a 16-bit mono wave file.
QByteArray toneWave(int milliseconds)
{
    const int rate = 22050;
    const int frames = rate * milliseconds / 1000;
    QByteArray samples;
    for (int i = 0; i < frames; ++i) {
        const auto value = static_cast<qint16>(8000 * std::sin(2 * M_PI * 440 * i / rate));
        samples.append(reinterpret_cast<const char *>(&value), 2); // little-endian on this platform
    }
    auto u32 = [](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char *>(&le), 4);
    };
    auto u16 = [](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char *>(&le), 2);
    };
    QByteArray wave = "RIFF" + u32(36 + samples.size()) + "WAVE";
    wave += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
    wave += "data" + u32(samples.size()) + samples;
    return wave;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Whether this process has a library of that name mapped.
bool mapsLibrary(const QByteArray &name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_playFolder; // the current directory, as the game is started in its play folder
    QTemporaryDir m_dataFolder;
    QString m_startDir;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_playFolder.isValid() && m_dataFolder.isValid());
        m_startDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_playFolder.path()));
        QVERIFY(writeFile(QStringLiteral("Atari.wav"), toneWave(100)));
        QVERIFY(writeFile(m_dataFolder.filePath(QStringLiteral("Atari.wav")), toneWave(100)));
        QVERIFY(writeFile(m_dataFolder.filePath(QStringLiteral("Clear.wav")), toneWave(100)));
        QVERIFY(writeFile(QStringLiteral("Miss.wav"), QByteArray("not a wave at all")));
    }
    void cleanupTestCase() { QDir::setCurrent(m_startDir); }

    // SDL2 is loaded by the first sound, not before: a game that has played
    // nothing yet holds none of it, and that first sound still plays (every
    // way of failing to play it says "No sound: "). First of the tests, so no
    // sound has been played in this process yet.
    void audioLibraryComesWithTheFirstSound()
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^No sound: ")));
        QVERIFY(!mapsLibrary("libSDL2"));
        Platform::SdlSpeaker speaker;
        QVERIFY(!mapsLibrary("libSDL2"));
        speaker.play(QStringLiteral("Atari.wav"));
        QVERIFY(mapsLibrary("libSDL2"));
    }

    // The game asks for sounds by name; the speaker hears them in order.
    void playSoundGoesToTheSpeaker()
    {
        Installed<RecordingSpeaker> speaker;
        Platform::playSound(QStringLiteral("Atari.wav"));
        Platform::playSound(QStringLiteral("Clear.wav"));
        QCOMPARE(
            speaker->played(), QStringList({ QStringLiteral("Atari.wav"), QStringLiteral("Clear.wav") }));
    }

    // A sound is found in the current directory first, then in the data folder.
    void soundIsFoundHereThenInTheDataFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inDataFolder");
        QTest::addColumn<bool>("found");
        QTest::newRow("in both: the current directory wins") << "Atari.wav" << false << true;
        QTest::newRow("only in the data folder") << "Clear.wav" << true << true;
        QTest::newRow("nowhere") << "Hazure.wav" << false << false;
    }
    void soundIsFoundHereThenInTheDataFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, inDataFolder);
        QFETCH(bool, found);
        const QString expected = !found ? QString() : inDataFolder ? m_dataFolder.filePath(name) : name;
        QCOMPARE(Platform::soundFilePath(name, m_dataFolder.path()), expected);
    }

    // The data folder is found from the program's own folder, wherever the
    // tree was installed or moved to; a program in the build tree uses the
    // play folder beside it.
    void dataFolderIsFoundFromTheProgramFolder_data()
    {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed") << QStringList { "usr/bin", "usr/share/pimukaro" } << "usr/bin"
                                   << "usr/share/pimukaro";
        QTest::newRow("moved elsewhere") << QStringList { "opt/kids/bin", "opt/kids/share/pimukaro" }
                                         << "opt/kids/bin" << "opt/kids/share/pimukaro";
        QTest::newRow("program dir written with a slash") << QStringList { "a/bin", "a/share/pimukaro" }
                                                          << "a/bin/" << "a/share/pimukaro";
        QTest::newRow("build tree") << QStringList { "build/play" } << "build" << "build/play";
        QTest::newRow("installed wins over a play folder")
            << QStringList { "p/bin/play", "p/share/pimukaro" } << "p/bin" << "p/share/pimukaro";
    }
    void dataFolderIsFoundFromTheProgramFolder()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, programDir);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        for (const QString &folder : folders)
            QVERIFY(QDir(root.path()).mkpath(folder));
        QVERIFY(QDir(root.path()).mkpath(programDir));
        QCOMPARE(Platform::dataDirFor(root.filePath(programDir)), root.filePath(expected));
    }

    // A missing file, or one that is not a wave, plays nothing and is no error.
    void missingOrBrokenFilePlaysNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "Hazure.wav";
        QTest::newRow("not a wave") << "Miss.wav";
    }
    void missingOrBrokenFilePlaysNothing()
    {
        QFETCH(QString, name);
        qputenv("SDL_AUDIODRIVER", "dummy");
        // The speaker gives up on audio only with this warning.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^No sound: ")));
        Platform::SdlSpeaker speaker;
        speaker.play(name);
    }

    // On a device that takes the sound, it plays to its end and returns.
    void soundPlaysToItsEnd()
    {
        qputenv("SDL_AUDIODRIVER", "dummy");
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^No sound: ")));
        Platform::SdlSpeaker speaker;
        speaker.play(QStringLiteral("Atari.wav"));
        speaker.play(QStringLiteral("Atari.wav"));
    }

    // Without an audio device nothing plays, the speaker gives up once, and later sounds return at once.
    void noAudioDeviceMeansSilence_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<QByteArray>("device");
        QTest::newRow("no audio system") << QByteArray("no-such-driver") << QByteArray();
        // ALSA without a sound card starts, then cannot open its device.
        QTest::newRow("device that does not open") << QByteArray("alsa") << QByteArray("no-such-device");
    }
    void noAudioDeviceMeansSilence()
    {
        QFETCH(QByteArray, driver);
        QFETCH(QByteArray, device);
        qputenv("SDL_AUDIODRIVER", driver);
        qputenv("AUDIODEV", device);
        Platform::SdlSpeaker speaker;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^No sound: ")));
        speaker.play(QStringLiteral("Atari.wav"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^No sound: ")));
        speaker.play(QStringLiteral("Atari.wav"));
        qunsetenv("AUDIODEV");
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "tst_sound.moc"
