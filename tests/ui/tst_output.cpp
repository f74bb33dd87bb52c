#include "app/main.h"
#include "app/mainoutput.h"
#include "app/program.h"
#include "editing/complete.h"
#include "editing/completedhistory.h"
#include "output/print.h"
#include "output/webcal.h"
#include "settings/settingsstore.h"
#include "store/clock.h"
#include "store/daynumber.h"
#include "store/programfolder.h"
#include "testsupport.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace corvane;

namespace {

const QDate today(2000, 3, 15);

TfrmPrint &printDialog(QDialog &dialog) {
    return static_cast<TfrmPrint &>(dialog);
}

// A print dialog handler: OK with everything as it stands.
int pressOK(QDialog &dialog) {
    dialog.show();
    printDialog(dialog).btOK->click();
    return dialog.result();
}

} // namespace

class OutputFlowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinFormats("en_US"); }
    void init();
    void cleanup();

    void printDialogRefusesWhatCannotBePrinted();
    void captionsFollowTheMode();
    void categoryListComesFromTheFileOrTheDefaults();
    void selectionPrintsDateRowsThenNonDateRows();
    void dayListPrintCarriesTheDayTitle();
    void cancelledDialogsPrintNothing();
    void exportsWriteTheChosenTableAndRememberTheName();
    void focusedListIsExported();
    void completedTasksPrintLandscapeAndExportWithoutAsking();
    void webPageIsPublishedAndLaunched();
    void webPageFailures();
    void screenshots();

private:
    void addTasks();

    std::unique_ptr<test::Sandbox> sandbox;
    std::unique_ptr<test::FakePrompter> prompts;
    std::unique_ptr<test::ModalScript> modal;
    std::unique_ptr<Program> program;
    TfrmMain *main = nullptr;
};

void OutputFlowTest::init() {
    setNow(QDateTime(today, QTime(10, 30)));
    sandbox = std::make_unique<test::Sandbox>();
    prompts = std::make_unique<test::FakePrompter>();
    modal = std::make_unique<test::ModalScript>();
    program = std::make_unique<Program>();
    main = &program->main();
    program->start();
    QVERIFY(QTest::qWaitForWindowExposed(main));
}

void OutputFlowTest::cleanup() {
    QVERIFY2(modal->unexpected.isEmpty(), qPrintable(modal->unexpected.join(", ")));
    program.reset();
    modal.reset();
    prompts.reset();
    sandbox.reset();
    setNow(QDateTime());
}

// Two tasks today (one done), one tomorrow, and two non-date tasks.
void OutputFlowTest::addTasks() {
    TaskTable &store = main->gridStore;
    store.setRowCount(4);
    const int day = dayNumber(today);
    store.setRowCells(
        1, {storeKey(day, 101), "9:00 AM", "Work", "Call the bank\r\nthen write, \"soon\"", "No", "Yes"});
    store.setRowCells(2, {storeKey(day, 102), "1:00 PM", "Home", "Fish & Chips", "Yes", "No"});
    store.setRowCells(3, {storeKey(day + 1, 101), "8:00 AM", "Work", "Zoë's report", "No", "No"});
    TaskTable &nonday = main->gridNonday->table();
    nonday.setRowCount(3);
    nonday.setRowCells(1, {"Home", "paint the fence", "No"});
    nonday.setRowCells(2, {"Work", "tidy the desk", "Yes"});
    main->readFromStore(day);
    main->UpdateLabels(main->currentCalendar);
}

void OutputFlowTest::printDialogRefusesWhatCannotBePrinted() {
    prompts->printerAnswer = false;
    modal->then([this](QDialog &dialog) {
        TfrmPrint &print = printDialog(dialog);
        dialog.show();
        for (QCheckBox *box : {print.cbNotDone, print.cbDone, print.cbNonDate})
            box->setChecked(false);
        print.btOK->click();
        if (!print.isVisible())
            return int(QDialog::Rejected);
        print.cbNonDate->setChecked(true);
        print.rbDate->click();
        print.dt1->setDate(today);
        print.dt2->setDate(today.addDays(-1));
        print.btOK->click();
        print.dt2->setDate(today); // a one-day range is accepted
        print.btOK->click();
        return dialog.result();
    });
    main->Print1->trigger();
    QCOMPARE(prompts->errors,
             (QStringList{"At least one of the DONE, NOT DONE or NON-DATE options must be checked",
                          "The second date must be AFTER the first date!"}));
    QCOMPARE(prompts->printDialogs, 1);
    QCOMPARE(main->gridPrint.rowCount(), 2); // reset after the print
    QVERIFY(main->gridPrint.rowIsEmpty(1));
}

void OutputFlowTest::captionsFollowTheMode() {
    TfrmPrint &print = *forms().frmPrint;
    print.clearMode = true;
    print.show();
    QCOMPARE(print.windowTitle(), QString("Clear tasks"));
    QCOMPARE(print.rbAll->text(), QString("Clear All tasks"));
    QCOMPARE(print.rbDate->text(), QString("Clear tasks within a range of dates"));
    QVERIFY(!print.pnlDate->isVisible());
    print.rbDate->click();
    QVERIFY(print.pnlDate->isVisible());
    print.hide();
    // The next print switches back.
    QStringList shown;
    modal->then([&](QDialog &dialog) {
        dialog.show();
        shown << dialog.windowTitle() << printDialog(dialog).rbAll->text()
              << printDialog(dialog).lblCompTitle->text();
        return int(QDialog::Rejected);
    });
    main->tbPrint->trigger();
    QCOMPARE(shown, (QStringList{"Print tasks", "Print All tasks", "Print tasks"}));
    QCOMPARE(print.lblCompTitle->shadowDepth(), main->EsLabel1->shadowDepth());
}

void OutputFlowTest::categoryListComesFromTheFileOrTheDefaults() {
    {
        TfrmPrint print;
        QCOMPARE(print.cbCategory->count(), 4);
        QCOMPARE(print.cbCategory->itemText(3), QString("4 - Don't Care"));
        QCOMPARE(print.cbCategory->currentIndex(), -1);
        QVERIFY(!print.cbCategory->isVisibleTo(&print));
        print.cbCat->click();
        QVERIFY(print.cbCategory->isVisibleTo(&print));
        print.btOKClick();
        QCOMPARE(prompts->errors,
                 QStringList{"Please choose a category, or uncheck \"Selected categories?\""});
        QCOMPARE(print.result(), int(QDialog::Accepted)); // as set first, while the dialog stays open
    }
    test::writeFile(besideProgram("category.xxx"), "Work\r\nHome\r\nErrands\r\n");
    TfrmPrint print;
    QCOMPARE(print.cbCategory->count(), 3);
    QCOMPARE(print.cbCategory->currentText(), QString("Home"));
    QCOMPARE(print.dt1->date(), today);
}

void OutputFlowTest::selectionPrintsDateRowsThenNonDateRows() {
    addTasks();
    prompts->printFile = sandbox->path("selection.pdf");
    modal->then([](QDialog &dialog) {
        TfrmPrint &print = printDialog(dialog);
        print.rbDate->setChecked(true);
        print.dt1->setDate(today);
        print.dt2->setDate(today);
        return pressOK(dialog);
    });
    main->output->Print1Click();
    QVERIFY(prompts->errors.isEmpty());
    const QString text = test::pdfText(prompts->printFile);
    QVERIFY2(text.contains("Tasks for ALL dates"), qPrintable(text));
    QVERIFY(text.contains("3/15/2000")); // the date of printing
    QVERIFY(text.contains(QRegularExpression("Date\\s+Time\\s+Category\\s+What\\s+Completed\\s+Alarm")));
    const QStringList order = {"Call the bank", "then write, \"soon\"", "Fish & Chips", "paint the fence",
                               "tidy the desk"};
    qsizetype at = 0;
    for (const QString &part : order) {
        const qsizetype found = text.indexOf(part, at);
        QVERIFY2(found > at, qPrintable(part));
        at = found;
    }
    QVERIFY(!text.contains("Zoë's report")); // outside the range
    QVERIFY(text.contains(QRegularExpression("Non-date\\s+Home\\s+paint the fence")));
}

void OutputFlowTest::dayListPrintCarriesTheDayTitle() {
    addTasks();
    prompts->printFile = sandbox->path("day.pdf");
    main->tbPrint1->trigger();
    const QString text = test::pdfText(prompts->printFile);
    QVERIFY2(text.simplified().contains(main->lblDate->text().simplified()), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("9:00 AM\\s+Work\\s+Call the bank")));
    QVERIFY(!text.contains("paint the fence"));
    prompts->printFile = sandbox->path("nonday.pdf");
    main->Print4->trigger();
    QVERIFY(test::pdfText(prompts->printFile)
                .contains(QRegularExpression("Non Date Oriented Tasks[\\s\\S]*paint the fence")));
}

void OutputFlowTest::cancelledDialogsPrintNothing() {
    addTasks();
    prompts->printFile = sandbox->path("never.pdf");
    modal->then([](QDialog &) { return int(QDialog::Rejected); });
    main->output->Print1Click();
    QCOMPARE(prompts->printDialogs, 0);
    prompts->printerAnswer = false;
    main->output->Print3Click();
    main->output->Print2Click();
    QCOMPARE(prompts->printDialogs, 2);
    QVERIFY(!QFile::exists(prompts->printFile));
    QVERIFY(prompts->errors.isEmpty() && prompts->messages.isEmpty());
}

void OutputFlowTest::exportsWriteTheChosenTableAndRememberTheName() {
    addTasks();
    // The print dialog's choices select the date-oriented tasks: done ones only.
    forms().frmPrint->cbNotDone->setChecked(false);
    const QString html = sandbox->path("done.htm");
    prompts->fileAnswers = {html, QString(), sandbox->path("nonday.txt"), QString()};
    main->HTMLFormat3->trigger();
    const QByteArray page = test::readFile(html);
    QVERIFY(page.startsWith("<meta charset=\"utf-8\">\r\n<table border=1>\r\n"));
    QVERIFY(page.contains("<td nowrap>Fish &amp; Chips</td>"));
    QVERIFY(!page.contains("Call the bank"));
    QCOMPARE(main->gridPrint.rowCount(), 2); // stays filled until the next print or export
    main->HTMLFormat4->trigger();            // cancelled
    main->CommaDelimitedFormat2->trigger();
    QCOMPARE(test::readFile(sandbox->path("nonday.txt")),
             QByteArray("Category,What,Done?\r\nHome,paint the fence,No\r\nWork,tidy the desk,Yes\r\n"));
    main->CommaDelimitedFormat1->trigger(); // cancelled
    QCOMPARE(prompts->fileCaptions, (QStringList{"Save as an HTML file", "Save as an HTML file",
                                                 "Save as comma-delimited", "Save as comma-delimited"}));
    QCOMPARE(
        prompts->saveProposals,
        (QStringList{"HTM files (*.htm);;All files (*.*) | tasks.htm | htm | ask",
                     "HTM files (*.htm);;All files (*.*) | " + html + " | htm | ask",
                     "Text files (*.txt);;Comma Separated (*.csv);;All files (*.*) | tasks.txt | txt | ask",
                     "Text files (*.txt);;Comma Separated (*.csv);;All files (*.*) | " +
                         sandbox->path("nonday.txt") + " | txt | ask"}));
    QVERIFY(prompts->errors.isEmpty());
}

void OutputFlowTest::focusedListIsExported() {
    addTasks();
    prompts->fileAnswers = {sandbox->path("day.txt"), sandbox->path("other.txt"),
                            "/nonexistent-folder/x.htm"};
    main->gridDay->setFocus();
    main->CSVFormat1->trigger();
    QCOMPARE(test::readFile(sandbox->path("day.txt")),
             QByteArray("Time,Category,What,Done?,Alarm?\r\n9:00 AM,Work,\"Call the bank\r\nthen write, "
                        "\"\"soon\"\"\",No,"
                        "Yes\r\n1:00 PM,Home,Fish & Chips,Yes,No\r\n"));
    main->gridNonday->setFocus();
    main->CSVFormat1->trigger(); // the day list's menu item, the non-date list focused
    QVERIFY(test::readFile(sandbox->path("other.txt")).startsWith("Category,What,Done?\r\n"));
    main->HTMLFormat2->trigger();
    QCOMPARE(prompts->errors.size(), 1);
    QVERIFY(prompts->errors[0].startsWith("Could not write /nonexistent-folder/x.htm: "));
}

void OutputFlowTest::completedTasksPrintLandscapeAndExportWithoutAsking() {
    TfrmComplete &complete = *forms().frmComplete;
    complete.AddToCompleteGrid({now(), now(), "Work", "Wed 3/15/2000", "report", "went well"});
    prompts->printFile = sandbox->path("completed.pdf");
    complete.Print1->trigger();
    QVERIFY(test::pdfText(prompts->printFile)
                .contains(QRegularExpression("Completed Tasks[\\s\\S]*report\\s+went well")));
    QProcess info;
    info.start("pdfinfo", {prompts->printFile});
    info.waitForFinished();
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)")
                                             .match(QString::fromUtf8(info.readAllStandardOutput()));
    QVERIFY(size.hasMatch());
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble()); // landscape
    prompts->fileAnswers = {sandbox->path("output.htm"), sandbox->path("output.txt")};
    complete.HTMLFormat1->trigger();
    complete.CommaDelimited1->trigger();
    QVERIFY(test::readFile(sandbox->path("output.htm")).contains("<td nowrap>went well</td>"));
    QVERIFY(test::readFile(sandbox->path("output.txt"))
                .startsWith("Comp Date,Time,Category,Orig Date,What,Comp Notes\r\n"));
    QCOMPARE(
        prompts->saveProposals,
        (QStringList{
            "HTM files (*.htm);;All files (*.*) | output.htm | htm | replace",
            "Text files (*.txt);;Comma Separated (*.csv);;All files (*.*) | output.txt | txt | replace"}));
}

void OutputFlowTest::webPageIsPublishedAndLaunched() {
    addTasks();
    const QString file = sandbox->path("calendar.htm");
    prompts->fileAnswers = {file};
    modal->then([](QDialog &dialog) {
        auto &web = static_cast<TfrmWebCal &>(dialog);
        dialog.show();
        if (web.lblTitle->text() != "Publish March 2000 as a web page" || web.grid->item(1, 4)->text() != "1")
            return int(QDialog::Rejected);
        web.btBrowse->click();
        web.cbDetails->setChecked(false);
        web.btLaunch->click();
        return dialog.result();
    });
    main->tbPublish->trigger();
    QVERIFY(prompts->errors.isEmpty());
    QCOMPARE(prompts->openedUrls, QList<QUrl>{QUrl::fromLocalFile(file)});
    const QString page = QString::fromUtf8(test::readFile(file));
    QVERIFY(page.contains("<td align=\"center\" class=\"calmonth\">Corvane - March 2000</td>\r\n"));
    QVERIFY(page.contains(">9:00 am Work<br>1:00 pm Home<br></td>\r\n"));
    QVERIFY(!page.contains("Details"));
    QVERIFY(page.endsWith("</body></html>\r\n"));
    const SettingsStore store;
    QCOMPARE(store.readText("WebCal", "LastFile", QString()), file);
    QCOMPARE(store.readBool("WebCal", "Details", true), false);

    // Cancel closes without publishing; the details come back from the settings.
    QFile::remove(file);
    modal->then([](QDialog &dialog) {
        auto &web = static_cast<TfrmWebCal &>(dialog);
        if (web.edFile->text().isEmpty() || web.cbDetails->isChecked())
            return int(QDialog::Accepted);
        web.cbDetails->setChecked(true);
        web.btClose->click();
        return dialog.result();
    });
    main->PublishCalendarasWebPage1->trigger();
    QCOMPARE(modal->shown.last(), QString("Publish Monthly Calendar as Web Page"));
    QVERIFY(!QFile::exists(file));
    QCOMPARE(SettingsStore().readBool("WebCal", "Details", false), true);
}

void OutputFlowTest::webPageFailures() {
    prompts->openUrlAnswer = false;
    const auto publish = [this](const QString &file, bool launch) {
        modal->then([=](QDialog &dialog) {
            auto &web = static_cast<TfrmWebCal &>(dialog);
            web.edFile->setText(file);
            (launch ? web.btLaunch : web.btPublish)->click();
            return dialog.result();
        });
        main->output->PublishCalendarasWebPage1Click();
    };
    publish(QString(), true);
    publish("/nonexistent-folder/calendar.htm", true);
    publish(sandbox->path("calendar.htm"), true);
    QCOMPARE(prompts->errors.size(), 3);
    QCOMPARE(prompts->errors[0], QString("An HTML file has not been specified"));
    QVERIFY(prompts->errors[1].startsWith("Could not write /nonexistent-folder/calendar.htm: "));
    QCOMPARE(prompts->errors[2], "Couldn't open web browser for \"" + sandbox->path("calendar.htm") + "\"");
    QCOMPARE(prompts->openedUrls.size(), 1); // the page that failed to write was not launched
    QVERIFY(QFile::exists(sandbox->path("calendar.htm")));
    // The name last published to is kept for the next time.
    QCOMPARE(SettingsStore().readText("WebCal", "LastFile", "none"), sandbox->path("calendar.htm"));
}

void OutputFlowTest::screenshots() {
    const QString target = qEnvironmentVariable("CORVANE_SHOTS");
    if (target.isEmpty())
        QSKIP("screenshots only when CORVANE_SHOTS names a folder");
    addTasks();
    TfrmPrint &print = *forms().frmPrint;
    print.rbDate->click();
    print.cbCat->click();
    print.show();
    QTest::qWait(200);
    print.grab().save(target + "/print-selection.png");
    print.clearMode = true;
    print.hide();
    print.show();
    QTest::qWait(200);
    print.grab().save(target + "/clear-selection.png");
    print.hide();
    print.clearMode = false;
    print.rbAll->click();
    print.cbCat->click();
    modal->then([&](QDialog &dialog) {
        auto &web = static_cast<TfrmWebCal &>(dialog);
        web.edFile->setText(target + "/calendar.htm");
        dialog.show();
        QTest::qWait(200);
        dialog.grab().save(target + "/webcal.png");
        web.btPublish->click();
        return dialog.result();
    });
    main->output->PublishCalendarasWebPage1Click();
    prompts->printFile = target + "/selection.pdf";
    modal->then(pressOK);
    main->output->Print1Click();
    prompts->printFile = target + "/completed.pdf";
    forms().frmComplete->AddToCompleteGrid({now(), now(), "Work", "Wed 3/15/2000", "report", "went well"});
    forms().frmComplete->Print1Click();
}

QTEST_MAIN(OutputFlowTest)
#include "tst_output.moc"
