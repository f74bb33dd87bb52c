#include "app/tray.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace corvane;

// The tray controller on a stand-in main window, with and without a tray.
class TestTray : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window = std::make_unique<QMainWindow>();
        window->setWindowIcon(QIcon(QPixmap(16, 16)));
        tray = new TrayController(window.get(), [this] { return trayThere; });
    }
    void cleanup() { window.reset(); }

    void iconAndMenu() {
        QCOMPARE(tray->trayIcon()->toolTip(), QStringLiteral("Right click to open"));
        QCOMPARE(tray->trayIcon()->contextMenu(), tray->popTray());
        const QList<QAction *> items = tray->popTray()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QStringLiteral("&Show calendar"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->text(), QStringLiteral("&Close"));
        QCOMPARE(items[0], tray->showCalendarAction());
        QCOMPARE(items[2], tray->closeAction());
    }

    void hideWithoutTrayMinimises() {
        trayThere = false;
        window->show();
        QSignalSpy away(tray, &TrayController::putAway);
        tray->hideApplication();
        QVERIFY(window->isVisible());
        QVERIFY(window->isMinimized());
        QCOMPARE(away.count(), 1);

        tray->showApplication();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }

    void hideIntoTrayTakesEveryWindow() {
        trayThere = true;
        window->show();
        QWidget other;
        other.show();
        QSignalSpy away(tray, &TrayController::putAway);
        tray->hideApplication();
        QVERIFY(!window->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(away.count(), 1);

        tray->showApplication();
        QVERIFY(window->isVisible());
        QVERIFY(other.isVisible());
    }

    void minimiseGoesIntoTray() {
        trayThere = true;
        window->showMaximized();
        QSignalSpy away(tray, &TrayController::putAway);
        window->showMinimized();
        QCOMPARE(away.count(), 1);
        QTRY_VERIFY(!window->isVisible());

        tray->showApplication();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowState() & ~Qt::WindowActive, Qt::WindowMaximized);
    }

    void minimiseWithoutTrayStaysMinimised() {
        trayThere = false;
        window->show();
        QSignalSpy away(tray, &TrayController::putAway);
        window->showMinimized();
        QCOMPARE(away.count(), 1);
        QTest::qWait(20);
        QVERIFY(window->isVisible());
    }

    void startHidden() {
        trayThere = true;
        tray->startHidden();
        QVERIFY(!window->isVisible());
        trayThere = false;
        tray->startHidden();
        QVERIFY(window->isVisible());
        QVERIFY(window->isMinimized());
    }

    void clickIsReportedAfter400ms() {
        QSignalSpy clicked(tray, &TrayController::clicked);
        QSignalSpy doubled(tray, &TrayController::doubleClicked);
        QElapsedTimer clock;
        clock.start();
        emit tray->trayIcon()->activated(QSystemTrayIcon::Trigger);
        QTest::qWait(300);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(clicked.wait(1000));
        QVERIFY(clock.elapsed() >= 400);
        QCOMPARE(doubled.count(), 0);

        emit tray->trayIcon()->activated(QSystemTrayIcon::MiddleClick);
        QVERIFY(clicked.wait(1000));
    }

    void doubleClickIsNotAlsoAClick() {
        QSignalSpy clicked(tray, &TrayController::clicked);
        QSignalSpy doubled(tray, &TrayController::doubleClicked);
        emit tray->trayIcon()->activated(QSystemTrayIcon::Trigger);
        emit tray->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QCOMPARE(doubled.count(), 1);
        QTest::qWait(600);
        QCOMPARE(clicked.count(), 0);
    }

    void alarmBringsTheWindowBack() {
        trayThere = true;
        window->show();
        tray->hideApplication();
        tray->showForAlarm(QStringLiteral("Alarm"));
        QVERIFY(window->isVisible());
        trayThere = false;
        tray->hideApplication();
        tray->showForAlarm(QStringLiteral("Alarm"));
        QVERIFY(!window->isMinimized());
    }

private:
    std::unique_ptr<QMainWindow> window;
    TrayController *tray = nullptr;
    bool trayThere = false;
};

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
