#include "output/webcal.h"

#include "output/tableexport.h"
#include "settings/settingsstore.h"
#include "store/dateformats.h"
#include "widgets/icons.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>

namespace corvane {

namespace {

const QString section = QStringLiteral("WebCal");

// The hourglass while the page is written.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

TfrmWebCal::TfrmWebCal(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Publish Monthly Calendar as Web Page"));
    lblTitle = new ShadowLabel(windowTitle(), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setShadowDepth(2);
    lblTitle->setTextColor(Qt::blue);

    edFile = new QLineEdit(this);
    edFile->setMinimumWidth(300);
    auto *lblFile = new QLabel(QStringLiteral("&Name of output file (*.htm or *.html)"), this);
    lblFile->setBuddy(edFile);
    btBrowse = new QToolButton(this);
    btBrowse->setIcon(themedIcon(QStringLiteral("document-open"), QStringLiteral("find")));
    btBrowse->setToolTip(QStringLiteral("Name of web page"));
    cbDetails = new QCheckBox(QStringLiteral("Include daily details with calendar?"), this);

    grid = new QTableWidget(7, 8, this);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setColumnWidth(0, 6);
    for (int column = 1; column < 8; ++column)
        grid->setColumnWidth(column, 26);
    for (int row = 0; row < 7; ++row)
        grid->setRowHeight(row, 20);
    grid->setFixedSize(6 + 7 * 26 + 4, 7 * 20 + 4);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    btPublish = new QPushButton(QStringLiteral("&Publish"), this);
    btLaunch = new QPushButton(QStringLiteral("Publish then launch &browser"), this);
    btClose = new QPushButton(QStringLiteral("Cancel"), this);
    btPublish->setDefault(true);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(edFile, 1);
    fileRow->addWidget(btBrowse);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btPublish);
    buttons->addWidget(btLaunch);
    buttons->addWidget(btClose);
    buttons->addStretch(1);
    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblTitle, 0, 0, 1, 2);
    layout->addWidget(lblFile, 1, 0, 1, 2);
    layout->addLayout(fileRow, 2, 0, 1, 2);
    layout->addWidget(cbDetails, 3, 0, 1, 2);
    layout->addWidget(grid, 4, 0);
    layout->addLayout(buttons, 4, 1);

    connect(btPublish, &QPushButton::clicked, this, &TfrmWebCal::btPublishClick);
    connect(btLaunch, &QPushButton::clicked, this, &TfrmWebCal::btLaunchClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btBrowse, &QToolButton::clicked, this, &TfrmWebCal::btBrowseClick);

    const SettingsStore store;
    edFile->setText(store.readText(section, QStringLiteral("LastFile"), QString()));
    cbDetails->setChecked(store.readBool(section, QStringLiteral("Details"), true));
}

void TfrmWebCal::showEvent(QShowEvent *event) {
    lblTitle->setText(QStringLiteral("Publish ") + formatDateTime(QStringLiteral("mmmm yyyy"), monthDate) +
                      QStringLiteral(" as a web page"));
    InitGrid();
    QDialog::showEvent(event);
}

void TfrmWebCal::InitGrid() {
    grid->clearContents();
    const QString letters = QStringLiteral("SMTWTFS");
    for (int column = 1; column < 8; ++column) {
        auto *item = new QTableWidgetItem(letters.at(column - 1));
        item->setTextAlignment(Qt::AlignCenter);
        grid->setItem(0, column, item);
    }
    const MonthGrid days = FillGridWithNumbers(monthDate.date());
    for (int week = 1; week < 7; ++week)
        for (int column = 1; column < 8; ++column)
            if (days[week][column]) {
                auto *item = new QTableWidgetItem(QString::number(days[week][column]));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->setItem(week, column, item);
            }
}

bool TfrmWebCal::PublishIt(bool details) {
    const QString fileName = edFile->text();
    if (fileName.isEmpty()) {
        prompter().error(QStringLiteral("An HTML file has not been specified"));
        return false;
    }
    InitGrid();
    const QStringList lines = webPageLines(monthDate.date(), details, daySummary, dayDetails);
    QString error;
    if (!writeOutputFile(fileName, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), &error)) {
        prompter().error(error);
        return false;
    }
    return true;
}

void TfrmWebCal::btPublishClick() {
    {
        const BusyCursor busy;
        PublishIt(cbDetails->isChecked());
    }
    accept();
}

void TfrmWebCal::btLaunchClick() {
    const QString fileName = edFile->text();
    bool written = false;
    {
        const BusyCursor busy;
        written = PublishIt(cbDetails->isChecked());
    }
    if (written && !prompter().openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath())))
        prompter().error(QStringLiteral("Couldn't open web browser for \"%1\"").arg(fileName));
    accept();
}

void TfrmWebCal::btBrowseClick() {
    const QString current = edFile->text();
    const QString proposal = current.isEmpty()
                                 ? QStringLiteral("calendar.htm")
                                 : QFileInfo(current).dir().filePath(QStringLiteral("calendar.htm"));
    const QString chosen =
        prompter().saveFileName(QStringLiteral("Name of web page"),
                                QStringLiteral("HTM files (*.htm);;HTML files (*.html);;All files (*.*)"),
                                proposal, QStringLiteral("htm"));
    if (!chosen.isEmpty())
        edFile->setText(chosen);
}

void TfrmWebCal::done(int result) {
    if (!edFile->text().isEmpty()) {
        SettingsStore store;
        store.writeText(section, QStringLiteral("LastFile"), edFile->text());
        store.writeBool(section, QStringLiteral("Details"), cbDetails->isChecked());
        QString error;
        if (!store.sync(&error))
            prompter().error(error);
    }
    QDialog::done(result);
}

} // namespace corvane
