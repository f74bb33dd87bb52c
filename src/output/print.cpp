#include "output/print.h"

#include "editing/categoryfile.h"
#include "editing/editorwidgets.h"
#include "store/clock.h"
#include "store/programfolder.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace corvane {

TfrmPrint::TfrmPrint(const ShadowLabel *titleStyle, QWidget *parent)
    : QDialog(parent), m_titleStyle(titleStyle) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print tasks"));

    lblCompTitle = new ShadowLabel(QStringLiteral("Print tasks"), this);
    QFont titleFont = lblCompTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblCompTitle->setFont(titleFont);
    lblCompTitle->setAlignment(Qt::AlignCenter);

    rbAll = new QRadioButton(this);
    rbDate = new QRadioButton(this);
    rbAll->setChecked(true);

    pnlDate = new QWidget(this);
    dt1 = new QDateEdit(pnlDate);
    dt2 = new QDateEdit(pnlDate);
    auto *dates = new QFormLayout(pnlDate);
    dates->setContentsMargins(24, 0, 0, 0);
    dates->addRow(QStringLiteral("From this date (inclusive)"), dt1);
    dates->addRow(QStringLiteral("Through date (inclusive)"), dt2);

    cbNotDone = new QCheckBox(QStringLiteral("Not Done tasks?"), this);
    cbDone = new QCheckBox(QStringLiteral("Done tasks?"), this);
    cbNonDate = new QCheckBox(QStringLiteral("Non-Date tasks?"), this);
    cbCat = new QCheckBox(QStringLiteral("Selected categories?"), this);
    for (QCheckBox *box : {cbNotDone, cbDone, cbNonDate})
        box->setChecked(true);
    cbCategory = new QComboBox(this);
    cbCategory->setEditable(false);
    cbCategory->setMinimumContentsLength(16);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto *category = new QHBoxLayout;
    category->addWidget(cbCat);
    category->addWidget(cbCategory, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(lblCompTitle);
    layout->addWidget(rbAll);
    layout->addWidget(rbDate);
    layout->addWidget(pnlDate);
    layout->addSpacing(6);
    layout->addWidget(cbNotDone);
    layout->addWidget(cbDone);
    layout->addWidget(cbNonDate);
    layout->addLayout(category);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(rbAll, &QRadioButton::clicked, this, &TfrmPrint::rbDateClick);
    connect(rbDate, &QRadioButton::clicked, this, &TfrmPrint::rbDateClick);
    connect(cbCat, &QCheckBox::clicked, this, &TfrmPrint::cbCatClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmPrint::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TfrmPrint::FormCreate() {
    for (QDateEdit *edit : {dt1, dt2}) {
        setUpDateEdit(*edit);
        edit->setDate(now().date());
        edit->installEventFilter(this);
    }
    const QStringList choices = readCategoryFile(besideProgram(QStringLiteral("category.xxx")));
    if (choices.isEmpty()) {
        cbCategory->addItems({QStringLiteral("1 - High"), QStringLiteral("2 - Medium"),
                              QStringLiteral("3 - Low"), QStringLiteral("4 - Don't Care")});
        cbCategory->setCurrentIndex(-1);
    } else {
        cbCategory->addItems(choices);
        cbCategory->setCurrentIndex(choices.size() > 1 ? 1 : -1);
    }
    rbDateClick();
    cbCatClick();
}

void TfrmPrint::FormShow() {
    if (m_titleStyle)
        copyTitleStyle(*lblCompTitle, m_titleStyle);
    const QString verb = clearMode ? QStringLiteral("Clear") : QStringLiteral("Print");
    setWindowTitle(verb + QStringLiteral(" tasks"));
    rbAll->setText(verb + QStringLiteral(" All tasks"));
    rbDate->setText(verb + QStringLiteral(" tasks within a range of dates"));
    lblCompTitle->setText(windowTitle());
}

void TfrmPrint::showEvent(QShowEvent *event) {
    FormShow();
    QDialog::showEvent(event);
}

PrintSelection TfrmPrint::selection() const {
    PrintSelection chosen;
    chosen.dateRange = rbDate->isChecked();
    chosen.from = dt1->date();
    chosen.to = dt2->date();
    chosen.notDone = cbNotDone->isChecked();
    chosen.done = cbDone->isChecked();
    chosen.nonDate = cbNonDate->isChecked();
    chosen.byCategory = cbCat->isChecked();
    chosen.category = cbCategory->currentIndex() < 0 ? QString() : cbCategory->currentText();
    return chosen;
}

bool TfrmPrint::okToPrintDateTask(const TaskTable &store, int row, const QDate &day) const {
    return corvane::okToPrintDateTask(selection(), store, row, day);
}

bool TfrmPrint::okToPrintNonDateTask(const TaskTable &nonday, int row) const {
    return corvane::okToPrintNonDateTask(selection(), nonday, row);
}

void TfrmPrint::TransfertoGridPrint(const TaskTable &store, TaskTable &print, bool all) const {
    transferToGridPrint(selection(), store, print, all);
}

void TfrmPrint::btOKClick() {
    setResult(QDialog::Accepted);
    const SelectionProblem problem = selectionProblem(selection());
    if (problem == SelectionProblem::None) {
        accept();
        return;
    }
    prompter().error(selectionMessage(problem));
    if (problem == SelectionProblem::NoKind)
        cbNotDone->setFocus();
    else if (problem == SelectionProblem::RangeReversed)
        dt2->setFocus();
    else
        cbCategory->setFocus();
}

void TfrmPrint::rbDateClick() {
    pnlDate->setVisible(rbDate->isChecked());
}

void TfrmPrint::cbCatClick() {
    cbCategory->setVisible(cbCat->isChecked());
}

// Typing "/" in a date field enters today's date.
bool TfrmPrint::eventFilter(QObject *watched, QEvent *event) {
    auto *edit = qobject_cast<QDateEdit *>(watched);
    if (edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->text() == QLatin1String("/")) {
        edit->setDate(now().date());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace corvane
