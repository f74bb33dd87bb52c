#include "settings/alarmsound.h"
#include "settings/qtalarmsound.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSoundEffect>
#include <QTest>

using namespace corvane;
using namespace corvane::test;

class TestAlarmSound : public QObject {
    Q_OBJECT
private slots:
    void playsOnlyAnExistingFile();
    void shippedFileIsBesideTheExecutable();
    void deviceSoundIsHarmlessWithoutAudio();
};

void TestAlarmSound::playsOnlyAnExistingFile() {
    FakeAlarmSound sound;
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("a.wav"));
    writeFile(wave, "RIFF");
    for (const QString &silent :
         {QString(), QStringLiteral(" \r\n"), dir.filePath(QStringLiteral("no.wav")), dir.path()})
        playAlarmFile(silent, true);
    QCOMPARE(sound.calls, QStringList());
    playAlarmFile(wave, true);
    playAlarmFile(wave, false);
    QCOMPARE(sound.calls, (QStringList{"play " + wave + " loop", "play " + wave + " once"}));
}

void TestAlarmSound::shippedFileIsBesideTheExecutable() {
    QCOMPARE(defaultAlarmFile(), QCoreApplication::applicationDirPath() + QStringLiteral("/alarm.wav"));
}

void TestAlarmSound::deviceSoundIsHarmlessWithoutAudio() {
    // The build puts the shipped tone in its top folder; the tests run one folder below.
    const QString wave = QCoreApplication::applicationDirPath() + QStringLiteral("/../alarm.wav");
    QVERIFY(QFile::exists(wave));
    QtAlarmSound sound;
    sound.play(wave, true);
    QCOMPARE(sound.loopCount(), int(QSoundEffect::Infinite));
    QTest::qWait(100);
    sound.stop();
    QVERIFY(!sound.isPlaying());
    sound.play(wave, false);
    QCOMPARE(sound.loopCount(), 1);
    sound.play(QStringLiteral("/nonexistent.wav"), false);
    QTest::qWait(50);
    sound.stop();
}

QTEST_MAIN(TestAlarmSound)
#include "tst_alarmsound.moc"
