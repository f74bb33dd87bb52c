#include "app/dayview.h"
#include "maintenance/textsearch.h"
#include "store/daynumber.h"

#include <QTest>

using namespace corvane;

namespace {

// A store of tasks, one a day from 1 March 2000 on, in the order given.
TaskTable storeOf(const QStringList &whats, const QStringList &categories = {}) {
    TaskTable store;
    setUpStoreTable(store);
    store.setRowCount(int(whats.size()) + 1);
    for (int i = 0; i < whats.size(); ++i)
        store.setRowCells(i + 1, {storeKey(dayNumber(QDate(2000, 3, 1 + i)), 101), "10:00 AM",
                                  categories.value(i), whats[i], "No", "No"});
    return store;
}

SearchRequest down(const QString &text) {
    return {text, false, false, true};
}

SearchRequest up(const QString &text) {
    return {text, false, false, false};
}

} // namespace

class TextSearchTest : public QObject {
    Q_OBJECT
private slots:
    void matching_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("found");
        QTest::newRow("substring") << "Recall dentist"
                                   << "call" << false << false << true;
        QTest::newRow("not a whole word") << "Recall dentist"
                                          << "call" << false << true << false;
        QTest::newRow("hyphen and colon part words") << "Call-back: dentist"
                                                     << "call" << false << true << true;
        QTest::newRow("case ignored") << "call me"
                                      << "CALL" << false << false << true;
        QTest::newRow("match case") << "call me"
                                    << "Call" << true << false << false;
        QTest::newRow("empty text") << "call me"
                                    << "" << false << false << false;
        // Only ASCII letters fold, as the text match has always folded them.
        QTest::newRow("accented letters keep their case") << "Café noir"
                                                          << "CAFÉ" << false << false << false;
        QTest::newRow("ASCII letters around them fold") << "CAFé noir"
                                                        << "café" << false << false << true;
        QTest::newRow("blank whole word") << "call me"
                                          << " " << false << true << false;
    }
    void matching() {
        QFETCH(QString, what);
        QFETCH(QString, text);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(bool, found);
        QCOMPARE(searchMatches(what, {text, matchCase, wholeWord, true}), found);
    }

    void downwardsFindsEachInTurnThenResets() {
        const TaskTable store = storeOf({"call a", "other", "call b", "call c"});
        TextSearch search;
        QCOMPARE(search.step(store, passAll, down("call")), 1);
        QCOMPARE(search.step(store, passAll, down("call")), 3);
        // The last task of the store is found like any other.
        QCOMPARE(search.step(store, passAll, down("call")), 4);
        QCOMPARE(search.step(store, passAll, down("call")), -1);
        QCOMPARE(search.cursor, 0);
        QVERIFY(search.forwardExhausted);
        QCOMPARE(search.step(store, passAll, down("call")), 1);
    }

    void upwardsFromTheTopReportsAtOnceThenWalksBack() {
        const TaskTable store = storeOf({"call a", "other", "call b"});
        TextSearch search;
        search.restart();
        QCOMPARE(search.step(store, passAll, up("call")), -1);
        QCOMPARE(search.cursor, 3);
        QVERIFY(search.backwardExhausted);
        QCOMPARE(search.step(store, passAll, up("call")), 3);
        QCOMPARE(search.step(store, passAll, up("call")), 1);
        QCOMPARE(search.step(store, passAll, up("call")), -1);
        // Turning downwards after an unsuccessful upward step starts from the top.
        QCOMPARE(search.step(store, passAll, down("call")), 1);
    }

    void turningUpAfterTheBottomStartsAtTheLastRow() {
        const TaskTable store = storeOf({"call a", "call b"});
        TextSearch search;
        search.step(store, passAll, down("call"));
        search.step(store, passAll, down("call"));
        QCOMPARE(search.step(store, passAll, down("call")), -1);
        QCOMPARE(search.step(store, passAll, up("call")), 2);
    }

    void filteredTasksAreNeverFound() {
        const TaskTable store = storeOf({"call hidden", "call shown"}, {"Private", "Work"});
        const RowFilter workOnly = [](const QString &, const QString &category) {
            return category == "Work";
        };
        TextSearch search;
        QCOMPARE(search.step(store, workOnly, down("call")), 2);
        QCOMPARE(search.step(store, workOnly, down("call")), -1);
    }

    void cursorPastTheEndAfterDeletionsIsClamped() {
        TaskTable store = storeOf({"call a", "b", "c", "call d", "e"});
        TextSearch search;
        search.cursor = 5;
        store.setRowCount(3); // rows deleted between two steps
        QCOMPARE(search.step(store, passAll, up("call")), 1);
        search.cursor = 40;
        QCOMPARE(search.step(store, passAll, down("call")), -1);
        QCOMPARE(search.cursor, 0);
    }

    void notFoundMessages() {
        QCOMPARE(searchNotFoundMessage(down("dentist")),
                 QString("Could not find \"dentist\" in any calendar task. Search reset to first task date"));
        QCOMPARE(searchNotFoundMessage(up("dentist")),
                 QString("Could not find \"dentist\" in any calendar task. Search reset to last task date"));
    }
};

QTEST_GUILESS_MAIN(TextSearchTest)
#include "tst_textsearch.moc"
