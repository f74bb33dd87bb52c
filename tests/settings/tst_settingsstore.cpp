#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

using namespace corvane;

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void integerReading_data();
    void integerReading();
    void booleans_data();
    void booleans();
    void valuesAreStoredAsTextAndSurviveReopening();
    void absentValuesGiveTheDefault();
    void unwritableStoreIsReported();
};

void SettingsStoreTest::integerReading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "16776960" << 16776960;
    QTest::newRow("negative") << "-2147483643" << -2147483643;
    QTest::newRow("hex") << "0x1F" << 31;
    QTest::newRow("hex upper X") << "0X1f" << 31;
    QTest::newRow("hex system colour") << "0x80000005" << int(0x80000005u);
    QTest::newRow("0x alone") << "0x" << -1;
    QTest::newRow("bad hex") << "0xZZ" << -1;
    QTest::newRow("junk") << "twelve" << -1;
    QTest::newRow("trailing junk") << "12px" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("too big") << "99999999999" << -1;
}

void SettingsStoreTest::integerReading() {
    QFETCH(QString, text);
    QFETCH(int, value);
    test::Sandbox sandbox;
    {
        SettingsStore store;
        store.writeText("Options", "Value", text);
    }
    SettingsStore store;
    QCOMPARE(store.readInt("Options", "Value", -1), value);
}

void SettingsStoreTest::booleans_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("value");
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("any non-zero") << "-1" << false << true;
    QTest::newRow("hex non-zero") << "0x10" << false << true;
    QTest::newRow("junk keeps default true") << "yes" << true << true;
    QTest::newRow("junk keeps default false") << "yes" << false << false;
}

void SettingsStoreTest::booleans() {
    QFETCH(QString, text);
    QFETCH(bool, fallback);
    test::Sandbox sandbox;
    SettingsStore store;
    store.writeText("Filter", "Flag", text);
    QTEST(store.readBool("Filter", "Flag", fallback), "value");
}

void SettingsStoreTest::valuesAreStoredAsTextAndSurviveReopening() {
    test::Sandbox sandbox;
    {
        SettingsStore store;
        store.writeBool("Options", "Shadows", true);
        store.writeBool("Options", "Confirm", false);
        store.writeInt("Options", "Color", 16776960);
        store.writeInt("Options", "System", int(0x80000005u));
        store.writeText("WebCal", "Title", "Tasks, plans; and \"quotes\" = ünïcode");
        store.writeInt("", "Width", 640);
        QVERIFY(store.sync());
    }
    // Read by another client, every value is a string.
    QSettings raw(sandbox.settingsFile(), QSettings::IniFormat);
    QCOMPARE(raw.value("Options/Shadows").typeId(), QMetaType::QString);
    QCOMPARE(raw.value("Options/Shadows").toString(), QString("1"));
    QCOMPARE(raw.value("Options/Confirm").toString(), QString("0"));
    QCOMPARE(raw.value("Options/Color").toString(), QString("16776960"));
    QCOMPARE(raw.value("Options/System").toString(), QString("-2147483643"));
    QCOMPARE(raw.value("Width").toString(), QString("640"));

    SettingsStore store;
    QCOMPARE(store.readBool("Options", "Shadows", false), true);
    QCOMPARE(store.readBool("Options", "Confirm", true), false);
    QCOMPARE(store.readInt("Options", "Color", 0), 16776960);
    QCOMPARE(store.readInt("Options", "System", 0), int(0x80000005u));
    QCOMPARE(store.readText("WebCal", "Title", ""), QString("Tasks, plans; and \"quotes\" = ünïcode"));
    QCOMPARE(store.readInt("", "Width", 0), 640);
    QVERIFY(store.contains("WebCal", "Title"));
}

void SettingsStoreTest::absentValuesGiveTheDefault() {
    test::Sandbox sandbox;
    SettingsStore store;
    QCOMPARE(store.readInt("Options", "Missing", 7), 7);
    QCOMPARE(store.readBool("NoSection", "Missing", true), true);
    QCOMPARE(store.readText("Options", "Missing", "fallback"), QString("fallback"));
    QVERIFY(!store.contains("Options", "Missing"));
    store.writeText("Options", "Empty", "");
    QCOMPARE(store.readInt("Options", "Empty", 9), 9);
    QCOMPARE(store.readText("Options", "Empty", "x"), QString());
}

void SettingsStoreTest::unwritableStoreIsReported() {
    test::Sandbox sandbox;
    SettingsStore::setFileForTesting(sandbox.path("missing-folder/settings.ini"));
    test::writeFile(sandbox.path("missing-folder"), "a file where the folder should be");
    SettingsStore store;
    store.writeInt("Options", "Value", 1);
    QString error;
    QVERIFY(!store.sync(&error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
