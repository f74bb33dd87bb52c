#include "editing/complete.h"

#include "calendar/layoutmath.h"
#include "editing/completedhistory.h"
#include "editing/editorwidgets.h"
#include "output/tableprinter.h"
#include "settings/options.h"
#include "store/clock.h"
#include "store/tasktable.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"
#include "widgets/taskgrid.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace corvane {

namespace {

QPlainTextEdit *notesMemo(QWidget *parent) {
    auto *memo = new QPlainTextEdit(parent);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFixedHeight(110);
    return memo;
}

QWidget *labelledMemo(const QString &caption, QPlainTextEdit *memo, QWidget *parent) {
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(caption, box);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    layout->addWidget(memo);
    return box;
}

} // namespace

TfrmComplete::TfrmComplete(const ShadowLabel *titleStyle, QWidget *parent)
    : QDialog(parent), m_titleStyle(titleStyle) {
    setWindowTitle(QStringLiteral("Completed Tasks"));
    setSizeGripEnabled(true);
    resize(720, 480);

    auto *menuBar = new QMenuBar(this);
    QMenu *file = menuBar->addMenu(QStringLiteral("&File"));
    Print1 = file->addAction(QStringLiteral("Print"));
    QMenu *exportMenu = file->addMenu(QStringLiteral("Export"));
    HTMLFormat1 = exportMenu->addAction(QStringLiteral("HTML Format"));
    CommaDelimited1 = exportMenu->addAction(QStringLiteral("Comma-Delimited"));
    file->addSeparator();
    Delete1 = file->addAction(QStringLiteral("Delete"));
    Delete1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Clear1 = file->addAction(QStringLiteral("Clear"));
    Clear1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    file->addSeparator();
    Close1 = file->addAction(QStringLiteral("Close"));

    lblCompTitle = new ShadowLabel(QStringLiteral("Completed Tasks"), this);
    QFont titleFont = lblCompTitle->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblCompTitle->setFont(titleFont);
    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32, 32));
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(lblCompTitle, 1);

    gridComp = new TaskGrid(this);
    gridComp->setRowHeight(28);
    gridComp->setShowGrid(true);
    gridComp->setWordWrap(true);
    // Whole rows show selected, the window being the one place the history is looked at.
    gridComp->setSelectionActive(true);
    m_history = emptyCompletedTable();
    loadTableReporting(m_history, completedFileName());
    setCompletedTitles(m_history);
    gridComp->setTable(&m_history);
    PopupMenu1 = new QMenu(this);
    Deleterow1 = PopupMenu1->addAction(QStringLiteral("Delete row"));
    gridComp->setPopupMenu(PopupMenu1);

    memWhat = notesMemo(this);
    memPurpose = notesMemo(this);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(labelledMemo(QStringLiteral("WHAT"), memWhat, this));
    bottom->addWidget(labelledMemo(QStringLiteral("COMPLETION NOTES"), memPurpose, this));

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(top);
    layout->addWidget(gridComp, 1);
    layout->addLayout(bottom);

    connect(Delete1, &QAction::triggered, this, &TfrmComplete::Delete1Click);
    connect(Deleterow1, &QAction::triggered, this, &TfrmComplete::Delete1Click);
    connect(Clear1, &QAction::triggered, this, &TfrmComplete::Clear1Click);
    connect(Close1, &QAction::triggered, this, &TfrmComplete::Close1Click);
    connect(Print1, &QAction::triggered, this, &TfrmComplete::Print1Click);
    connect(HTMLFormat1, &QAction::triggered, this, &TfrmComplete::HTMLFormat1Click);
    connect(CommaDelimited1, &QAction::triggered, this, &TfrmComplete::CommaDelimited1Click);
    connect(gridComp, &TaskGrid::currentRowChanged, this, &TfrmComplete::gridDrawCell);
    connect(gridComp, &TaskGrid::contentsChanged, this, &TfrmComplete::gridDrawCell);
    memWhat->installEventFilter(this);
    memPurpose->installEventFilter(this);
    // A click on a column title sorts without taking the focus from a memo.
    gridComp->horizontalHeader()->viewport()->installEventFilter(this);
    gridDrawCell();
}

// The grid's model watches the history, which goes before the grid does: let go of it first.
TfrmComplete::~TfrmComplete() {
    gridComp->setTable(nullptr);
}

void TfrmComplete::AddToCompleteGrid(const Completion &completion) {
    addCompletion(history(), completion);
    save();
}

void TfrmComplete::save() {
    saveTableReporting(history(), completedFileName());
}

void TfrmComplete::gridDrawCell() {
    // Notes typed for the record shown so far reach it before the memos show another.
    memWhatExit();
    m_memoRow = gridComp->row();
    m_memoWhat = history().cell(CompWhat, m_memoRow);
    m_memoNotes = history().cell(CompNotes, m_memoRow);
    setMemoText(*memWhat, m_memoWhat);
    setMemoText(*memPurpose, m_memoNotes);
}

void TfrmComplete::memWhatExit() {
    if (!memoEdited(*memWhat) && !memoEdited(*memPurpose))
        return;
    // Only into the record the notes were typed for, never into one that took its row meanwhile.
    if (history().cell(CompWhat, m_memoRow) != m_memoWhat ||
        history().cell(CompNotes, m_memoRow) != m_memoNotes)
        return;
    m_memoWhat = typedMemoText(*memWhat);
    m_memoNotes = typedMemoText(*memPurpose);
    setMemoText(*memWhat, m_memoWhat);
    setMemoText(*memPurpose, m_memoNotes);
    const QSignalBlocker blocker(gridComp);
    history().setCell(CompWhat, m_memoRow, m_memoWhat);
    history().setCell(CompNotes, m_memoRow, m_memoNotes);
}

void TfrmComplete::Delete1Click() {
    if (confirmDeleting() && !prompter().confirm(QStringLiteral("Really delete?")))
        return;
    removeCompletedRow(history(), gridComp->row());
    gridDrawCell();
}

void TfrmComplete::Clear1Click() {
    if (!prompter().confirm(QStringLiteral("Really clear out ALL completed tasks?")))
        return;
    clearCompleted(history());
    gridDrawCell();
}

void TfrmComplete::Close1Click() {
    close();
}

void TfrmComplete::Print1Click() {
    printWithDialog(history(), completedPrintSettings());
}

void TfrmComplete::HTMLFormat1Click() {
    m_html.exportTable(history());
}

void TfrmComplete::CommaDelimited1Click() {
    m_commaDelimited.exportTable(history());
}

void TfrmComplete::ResizeGrid() {
    const int dataRows = history().rowCount() - 1;
    const int scrollBar =
        gridComp->visibleRowCount() < dataRows ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    if (m_neededWidths.isEmpty()) {
        // The dates and times of the records, in the formats they are written in.
        const QFontMetrics font = gridComp->fontMetrics();
        const int year = now().date().year();
        m_neededWidths = {
            gridComp->fitWidth(CompDate, widestDateText(font, QStringLiteral("ddddd"), year)),
            gridComp->fitWidth(CompTime, widestTimeText(font, QStringLiteral("tt"))),
            gridComp->fitWidth(CompCategory),
            gridComp->fitWidth(CompOrigin, widestDateText(font, QStringLiteral("ddd ddddd"), year))};
    }
    const int minimumNotes = gridComp->fitWidth(CompWhat, 10 * gridComp->fontMetrics().averageCharWidth());
    const QList<int> widths = completedColumnWidths(gridComp->width(), logicalDpiX(), scrollBar,
                                                    style()->pixelMetric(QStyle::PM_DefaultFrameWidth),
                                                    m_neededWidths, minimumNotes);
    for (int column = 0; column < widths.size(); ++column)
        gridComp->setColumnWidth(column, widths[column]);
}

void TfrmComplete::showEvent(QShowEvent *event) {
    if (m_titleStyle)
        copyTitleStyle(*lblCompTitle, m_titleStyle);
    QDialog::showEvent(event);
    ResizeGrid();
}

void TfrmComplete::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    ResizeGrid();
}

void TfrmComplete::done(int result) {
    memWhatExit();
    save();
    QDialog::done(result);
}

bool TfrmComplete::eventFilter(QObject *watched, QEvent *event) {
    if (((watched == memWhat || watched == memPurpose) && event->type() == QEvent::FocusOut) ||
        (watched == gridComp->horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress))
        memWhatExit();
    return QDialog::eventFilter(watched, event);
}

} // namespace corvane
