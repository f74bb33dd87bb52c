#include "recurrence/recur.h"

#include "editing/editorwidgets.h"
#include "recurrence/daygrid.h"
#include "recurrence/recurtexts.h"
#include "store/dateformats.h"
#include "store/daynumber.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace corvane {

namespace {

const QString countText = QStringLiteral("Number of dates: ");

// Draws list lines with tab stops every `distance` pixels.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(qreal distance, QObject *parent) : QStyledItemDelegate(parent), m_distance(distance) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStyle *style = item.widget ? item.widget->style() : QApplication::style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        const QString text = item.text;
        item.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setTabStopDistance(m_distance);
        const bool selected = item.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect.adjusted(2, 0, 0, 0), text, layout);
        painter->restore();
    }

private:
    qreal m_distance;
};

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QSpinBox *counter(int maximum, QWidget *parent) {
    auto *box = new QSpinBox(parent);
    box->setRange(1, maximum);
    box->setValue(1);
    return box;
}

// "Every <counter> <unit>" at the head of a kind panel.
QHBoxLayout *everyRow(QSpinBox *counter, const QString &unit, QWidget *parent) {
    auto *row = new QHBoxLayout;
    row->addWidget(buddyLabel(QStringLiteral("E&very"), counter, parent));
    row->addWidget(counter);
    row->addWidget(new QLabel(unit, parent));
    row->addStretch();
    return row;
}

QCheckBox *checkBox(const QString &text, QWidget *parent) {
    return new QCheckBox(text, parent);
}

// Monday to Sunday in rows of four, from column 1 of `grid` at `row`. The columns have the same places
// on every panel that shows weekdays.
void addWeekdays(QGridLayout *grid, int row, const std::array<QCheckBox *, 7> &mondayFirst) {
    const QFontMetrics metrics = mondayFirst[0]->fontMetrics();
    grid->setColumnMinimumWidth(0, metrics.horizontalAdvance(QStringLiteral("On the")));
    for (int i = 0; i < 7; ++i) {
        grid->addWidget(mondayFirst[i], row + i / 4, 1 + i % 4);
        grid->setColumnMinimumWidth(1 + i % 4, metrics.horizontalAdvance(QStringLiteral("Last")) + 30);
    }
}

// The rule's weekday flags (Sunday first) from check boxes given Sunday first.
std::array<bool, 7> weekdayFlags(const std::array<const QCheckBox *, 7> &sundayFirst) {
    std::array<bool, 7> flags{};
    for (int i = 0; i < 7; ++i)
        flags[i] = sundayFirst[i]->isChecked();
    return flags;
}

} // namespace

TfrmRecur::TfrmRecur(TaskTable &store, std::function<void()> SortGridStore, QWidget *parent)
    : QDialog(parent), m_store(store), m_sortGridStore(std::move(SortGridStore)),
      m_dateFormat(dialogDateFormat(formats().shortDate)),
      m_generator([this](const QDate &date) { return addLine(date); }) {
    setWindowTitle(QStringLiteral("Repeating event for ..."));

    date1 = new QDateEdit(this);
    date2 = new QDateEdit(this);
    for (QDateEdit *edit : {date1, date2}) {
        setUpDateEdit(*edit);
        edit->installEventFilter(this);
        connect(edit, &QDateEdit::dateChanged, this, &TfrmRecur::date1Change);
    }
    lblNdays = new QLabel(QStringLiteral("0"), this);
    lblNdays->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNdays->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-00000")));

    createKindPanels();

    auto *previewTitle = new QLabel(QStringLiteral("Preview of dates"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setToolTip(QStringLiteral("Click and drag to select multiple dates to delete"));
    ListBox1->setUniformItemSizes(true);
    // Tab stops every 25 dialog units: a dialog unit is a quarter of the average character width.
    ListBox1->setItemDelegate(new TabStopDelegate(fontMetrics().averageCharWidth() * 25 / 4.0, ListBox1));
    ListBox1->installEventFilter(this);
    previewTitle->setBuddy(ListBox1);
    Label17 = new QLabel(QStringLiteral("Highlight multiple dates then click Delete to remove dates."), this);
    Label17->setWordWrap(true);
    Label12 = new QLabel(countText, this);

    btPreview = new QPushButton(QStringLiteral("&Preview Selection"), this);
    btReset = new QPushButton(QStringLiteral("&Reset"), this);
    btDelete = new QPushButton(QStringLiteral("&Delete"), this);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setToolTip(QStringLiteral("Add multiple reminders"));
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton *button : {btPreview, btReset, btDelete, btOK, btCancel})
        button->setAutoDefault(false);
    btPreview->setDefault(true);
    btDelete->setEnabled(false);
    btOK->setEnabled(false);

    auto *dates = new QHBoxLayout;
    dates->addWidget(buddyLabel(QStringLiteral("&Start Date"), date1, this));
    dates->addWidget(date1);
    dates->addSpacing(12);
    dates->addWidget(buddyLabel(QStringLiteral("E&nd Date"), date2, this));
    dates->addWidget(date2);
    dates->addSpacing(12);
    dates->addWidget(lblNdays);
    dates->addWidget(new QLabel(QStringLiteral("Days"), this));
    dates->addStretch();

    auto *kinds = new QVBoxLayout;
    for (QRadioButton *button : {rbWofM, rbDofM, rbWeekly, rbDaily, rbAnnual})
        kinds->addWidget(button);
    kinds->addStretch();
    auto *preview = new QVBoxLayout;
    preview->addWidget(previewTitle);
    preview->addWidget(ListBox1, 1);
    preview->addWidget(Label17);
    preview->addWidget(Label12);
    auto *middle = new QHBoxLayout;
    middle->addLayout(kinds);
    middle->addWidget(pnlKinds, 1);
    middle->addSpacing(6);
    middle->addLayout(preview);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btPreview);
    buttons->addWidget(btReset);
    buttons->addWidget(btDelete);
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    // The dialog takes the size its contents need, so no caption is clipped under any font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ListBox1->setFixedSize(220, 240);

    connect(btPreview, &QPushButton::clicked, this, &TfrmRecur::btPreviewClick);
    connect(btReset, &QPushButton::clicked, this, &TfrmRecur::btResetClick);
    connect(btDelete, &QPushButton::clicked, this, &TfrmRecur::btDeleteClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmRecur::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TfrmRecur::ListBox1Click);
}

void TfrmRecur::createKindPanels() {
    rbWofM = new QRadioButton(QStringLiteral("&Week of Month"), this);
    rbDofM = new QRadioButton(QStringLiteral("Da&ys of Month"), this);
    rbWeekly = new QRadioButton(QStringLiteral("W&eekly"), this);
    rbDaily = new QRadioButton(QStringLiteral("D&aily"), this);
    rbAnnual = new QRadioButton(QStringLiteral("Annually"), this);
    rbWofM->setChecked(true);

    pnlKinds = new QStackedWidget(this);
    pnlKinds->setFrameShape(QFrame::StyledPanel);
    createWeekOfMonthPanel();
    createDaysOfMonthPanel();
    createWeeklyPanel();
    createDailyPanel();
    createAnnualPanel();
    for (QWidget *panel : {pnlWofM, pnlDofM, pnlWeekly, pnlDaily, pnlAnnual})
        pnlKinds->addWidget(panel);
    for (QRadioButton *button : {rbWofM, rbDofM, rbWeekly, rbDaily, rbAnnual})
        connect(button, &QRadioButton::toggled, this, &TfrmRecur::kindClick);
    kindClick();
}

void TfrmRecur::createWeekOfMonthPanel() {
    pnlWofM = new QWidget;
    cntWofM = counter(12, pnlWofM);
    cb1st = checkBox(QStringLiteral("1st"), pnlWofM);
    cb2nd = checkBox(QStringLiteral("2nd"), pnlWofM);
    cb3rd = checkBox(QStringLiteral("3rd"), pnlWofM);
    cb4th = checkBox(QStringLiteral("4th"), pnlWofM);
    cbLast = checkBox(QStringLiteral("Last"), pnlWofM);
    cbMon = checkBox(QStringLiteral("Mon"), pnlWofM);
    cbTue = checkBox(QStringLiteral("Tue"), pnlWofM);
    cbWed = checkBox(QStringLiteral("Wed"), pnlWofM);
    cbThu = checkBox(QStringLiteral("Thu"), pnlWofM);
    cbFri = checkBox(QStringLiteral("Fri"), pnlWofM);
    cbSat = checkBox(QStringLiteral("Sat"), pnlWofM);
    cbSun = checkBox(QStringLiteral("Sun"), pnlWofM);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("On the"), pnlWofM), 0, 0);
    const std::array<QCheckBox *, 5> ordinals{cb1st, cb2nd, cb3rd, cb4th, cbLast};
    for (int i = 0; i < 5; ++i)
        grid->addWidget(ordinals[i], 0, 1 + i);
    grid->setRowMinimumHeight(1, 8);
    grid->addWidget(new QLabel(QStringLiteral("On"), pnlWofM), 2, 0);
    addWeekdays(grid, 2, {cbMon, cbTue, cbWed, cbThu, cbFri, cbSat, cbSun});
    grid->setColumnStretch(6, 1);
    auto *layout = new QVBoxLayout(pnlWofM);
    layout->addLayout(everyRow(cntWofM, QStringLiteral("Months"), pnlWofM));
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch();

    connect(cb4th, &QCheckBox::clicked, this, &TfrmRecur::cb4thClick);
    connect(cbLast, &QCheckBox::clicked, this, &TfrmRecur::cbLastClick);
}

void TfrmRecur::createDaysOfMonthPanel() {
    pnlDofM = new QWidget;
    cntDofM = counter(12, pnlDofM);
    sgMonth = new DayGrid(pnlDofM);
    cbDofMAvoidSat = checkBox(QStringLiteral("Avoid Saturdays?"), pnlDofM);
    cbDofMAvoidSun = checkBox(QStringLiteral("Avoid Sundays?"), pnlDofM);
    auto *layout = new QVBoxLayout(pnlDofM);
    layout->addLayout(everyRow(cntDofM, QStringLiteral("Months"), pnlDofM));
    layout->addWidget(sgMonth);
    layout->addWidget(cbDofMAvoidSat);
    layout->addWidget(cbDofMAvoidSun);
    layout->addStretch();
}

void TfrmRecur::createWeeklyPanel() {
    pnlWeekly = new QWidget;
    cntWeekly = counter(52, pnlWeekly);
    cbWMon = checkBox(QStringLiteral("Mon"), pnlWeekly);
    cbWTue = checkBox(QStringLiteral("Tue"), pnlWeekly);
    cbWWed = checkBox(QStringLiteral("Wed"), pnlWeekly);
    cbWThu = checkBox(QStringLiteral("Thu"), pnlWeekly);
    cbWFri = checkBox(QStringLiteral("Fri"), pnlWeekly);
    cbWSat = checkBox(QStringLiteral("Sat"), pnlWeekly);
    cbWSun = checkBox(QStringLiteral("Sun"), pnlWeekly);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("On"), pnlWeekly), 0, 0);
    addWeekdays(grid, 0, {cbWMon, cbWTue, cbWWed, cbWThu, cbWFri, cbWSat, cbWSun});
    grid->setColumnStretch(5, 1);
    auto *layout = new QVBoxLayout(pnlWeekly);
    layout->addLayout(everyRow(cntWeekly, QStringLiteral("Weeks"), pnlWeekly));
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch();
}

void TfrmRecur::createDailyPanel() {
    pnlDaily = new QWidget;
    cntDaily = counter(364, pnlDaily);
    cbDailyAvoidSat = checkBox(QStringLiteral("Avoid Saturdays?"), pnlDaily);
    cbDailyAvoidSun = checkBox(QStringLiteral("Avoid Sundays?"), pnlDaily);
    auto *layout = new QVBoxLayout(pnlDaily);
    layout->addLayout(everyRow(cntDaily, QStringLiteral("Days"), pnlDaily));
    layout->addSpacing(6);
    layout->addWidget(cbDailyAvoidSat);
    layout->addWidget(cbDailyAvoidSun);
    layout->addStretch();
}

void TfrmRecur::createAnnualPanel() {
    pnlAnnual = new QWidget;
    auto *text =
        new QLabel(QStringLiteral("Events are scheduled annually on the starting date above"), pnlAnnual);
    text->setWordWrap(true);
    auto *layout = new QVBoxLayout(pnlAnnual);
    layout->addWidget(text);
    layout->addStretch();
}

void TfrmRecur::init(const QString &time, const QString &category, const QString &notes,
                     const QString &alarm) {
    m_task = {time, category, notes, false, alarm == QStringLiteral("Yes")};
}

RecurrenceRule TfrmRecur::rule() const {
    RecurrenceRule rule;
    rule.start = date1->date();
    rule.end = date2->date();
    if (rbWofM->isChecked()) {
        rule.kind = RecurrenceKind::WeekOfMonth;
        rule.interval = cntWofM->value();
        rule.ordinals = {cb1st->isChecked(), cb2nd->isChecked(), cb3rd->isChecked(), cb4th->isChecked(),
                         cbLast->isChecked()};
        rule.weekdays = weekdayFlags({cbSun, cbMon, cbTue, cbWed, cbThu, cbFri, cbSat});
    } else if (rbDofM->isChecked()) {
        rule.kind = RecurrenceKind::DaysOfMonth;
        rule.interval = cntDofM->value();
        rule.days = sgMonth->days();
        rule.avoidSaturday = cbDofMAvoidSat->isChecked();
        rule.avoidSunday = cbDofMAvoidSun->isChecked();
    } else if (rbWeekly->isChecked()) {
        rule.kind = RecurrenceKind::Weekly;
        rule.interval = cntWeekly->value();
        rule.weekdays = weekdayFlags({cbWSun, cbWMon, cbWTue, cbWWed, cbWThu, cbWFri, cbWSat});
    } else if (rbDaily->isChecked()) {
        rule.kind = RecurrenceKind::Daily;
        rule.interval = cntDaily->value();
        rule.avoidSaturday = cbDailyAvoidSat->isChecked();
        rule.avoidSunday = cbDailyAvoidSun->isChecked();
    } else {
        rule.kind = RecurrenceKind::Annual;
    }
    return rule;
}

QList<QDate> TfrmRecur::previewDates() const {
    QList<QDate> dates;
    dates.reserve(ListBox1->count());
    for (int i = 0; i < ListBox1->count(); ++i)
        dates << ListBox1->item(i)->data(Qt::UserRole).toDate();
    return dates;
}

void TfrmRecur::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmRecur::FormShow() {
    date1->setDate(startDate);
    date2->setDate(startDate.addDays(30));
    setWindowTitle(recurCaption(m_task.what));
}

bool TfrmRecur::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == date1 || watched == date2) &&
        (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonPress))
        date1Change();
    if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        btDeleteClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmRecur::date1Change() {
    lblNdays->setText(QString::number(date1->date().daysTo(date2->date())));
}

void TfrmRecur::kindClick() {
    const std::array<std::pair<QRadioButton *, QWidget *>, 5> kinds{{{rbWofM, pnlWofM},
                                                                     {rbDofM, pnlDofM},
                                                                     {rbWeekly, pnlWeekly},
                                                                     {rbDaily, pnlDaily},
                                                                     {rbAnnual, pnlAnnual}}};
    for (const auto &[button, panel] : kinds)
        if (button->isChecked())
            pnlKinds->setCurrentWidget(panel);
}

void TfrmRecur::cb4thClick() {
    if (cbLast->isChecked())
        cb4th->setChecked(false);
}

void TfrmRecur::cbLastClick() {
    if (cb4th->isChecked())
        cbLast->setChecked(false);
}

void TfrmRecur::btPreviewClick() {
    goforit();
    enableButtons();
}

void TfrmRecur::goforit() {
    const RecurrenceRule current = rule();
    if (spanTooLong(current.start, current.end)) {
        prompter().error(QStringLiteral("Date range exceeds 20 years!"));
        return;
    }
    ListBox1->clear();
    m_generator.run(current);
    showCount();
    if (ListBox1->count() == 0)
        prompter().error(
            QStringLiteral("No dates were generated.  Check your starting/ending dates and selections."));
}

bool TfrmRecur::addLine(const QDate &date) {
    if (ListBox1->count() >= listCapacity) {
        prompter().warning(
            QStringLiteral("Maximum capacity of listbox reached ... unable to preview all dates."));
        return false;
    }
    auto *line = new QListWidgetItem(previewLine(date, m_dateFormat));
    line->setData(Qt::UserRole, date);
    ListBox1->addItem(line);
    return true;
}

void TfrmRecur::showCount() {
    Label12->setText(countText + QString::number(ListBox1->count()));
}

void TfrmRecur::enableButtons() {
    btDelete->setEnabled(!ListBox1->selectedItems().isEmpty());
    btOK->setEnabled(ListBox1->count() > 0);
}

void TfrmRecur::ListBox1Click() {
    btDelete->setEnabled(!ListBox1->selectedItems().isEmpty());
}

void TfrmRecur::btResetClick() {
    ListBox1->clear();
    Label12->clear();
    m_generator.listAccepting = true;
    btOK->setEnabled(false);
    btDelete->setEnabled(false);
}

void TfrmRecur::btDeleteClick() {
    {
        // One look at the selection afterwards, not one per deleted line: a run may hold thousands.
        const QSignalBlocker blocker(ListBox1);
        qDeleteAll(ListBox1->selectedItems());
    }
    showCount();
    enableButtons();
}

void TfrmRecur::btOKClick() {
    if (!prompter().confirm(QStringLiteral("Really add %1 events to the calendar?").arg(ListBox1->count())))
        return;
    const QList<QDate> dates = previewDates();
    QList<int> days;
    days.reserve(dates.size());
    for (const QDate &date : dates)
        days << dayNumber(date);
    if (!dates.isEmpty())
        Label12->setText(QStringLiteral("Inserting : ") +
                         formatWithLocalePattern(m_dateFormat, QDateTime(dates.last(), QTime(0, 0))));
    insertIntoStore(m_store, days, m_task);
    m_sortGridStore();
    accept();
}

} // namespace corvane
