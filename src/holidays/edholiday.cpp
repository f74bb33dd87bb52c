#include "holidays/edholiday.h"

#include "holidays/holidayrules.h"
#include "store/clock.h"
#include "store/dateformats.h"
#include "store/routines.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace corvane {

namespace {

// The year whose month lengths the day list offers: a leap year, so February has its 29th.
constexpr int kLeapYear = 1996;

// Stays in its place while hidden, so the dialog does not change shape between the two day choices.
void keepPlaceWhenHidden(QWidget *widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void selectText(QComboBox &box, const QString &text) {
    box.setCurrentIndex(box.findText(text, Qt::MatchFixedString));
}

} // namespace

TfrmEditHoliday::TfrmEditHoliday(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Edit Holiday"));

    edName = new QLineEdit(this);
    edName->setMaxLength(20);
    cbMonth = new QComboBox(this);
    cbMonth->addItems(formats().longMonthNames.mid(0, 12));
    cbMonth->setCurrentIndex(0);
    rbSpecific = new QRadioButton(QStringLiteral("&Specific day of month"), this);
    rbSpecific->setChecked(true);
    cbDOM = new QComboBox(this);
    rbFloating = new QRadioButton(QStringLiteral("&Floating day of month"), this);
    cbNth = new QComboBox(this);
    cbNth->addItems(holidayOrdinals());
    cbDay = new QComboBox(this);
    cbDay->addItems(formats().longDayNames.mid(0, 7));
    cbDay->setCurrentIndex(0);
    for (QWidget *choice :
         {static_cast<QWidget *>(cbDOM), static_cast<QWidget *>(cbNth), static_cast<QWidget *>(cbDay)})
        keepPlaceWhenHidden(choice);

    auto *nameLabel = new QLabel(QStringLiteral("&Holiday name"), this);
    nameLabel->setBuddy(edName);
    auto *monthLabel = new QLabel(QStringLiteral("&Month"), this);
    monthLabel->setBuddy(cbMonth);

    auto *fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(edName, 0, 1, 1, 2);
    fields->addWidget(monthLabel, 1, 0);
    fields->addWidget(cbMonth, 1, 1);
    fields->addWidget(rbSpecific, 2, 0);
    fields->addWidget(cbDOM, 2, 1);
    fields->addWidget(rbFloating, 3, 0);
    fields->addWidget(cbNth, 3, 1);
    fields->addWidget(cbDay, 3, 2);
    fields->setColumnStretch(2, 1);
    fields->setVerticalSpacing(10);

    auto *buttons = new QDialogButtonBox(this);
    btOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    btCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    btOK->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cbMonth, &QComboBox::activated, this, &TfrmEditHoliday::cbMonthClick);
    connect(rbSpecific, &QRadioButton::toggled, this, &TfrmEditHoliday::rbSpecificClick);
    fillDays(1);
}

void TfrmEditHoliday::editRule(const QString &name, const QString &monthText, const HolidayDayChoice &day) {
    m_editMode = true;
    edName->setText(name);
    m_monthText = monthText;
    m_day = day;
    rbSpecific->setChecked(day.specific);
    rbFloating->setChecked(!day.specific);
}

HolidayDayChoice TfrmEditHoliday::chosenDay() const {
    HolidayDayChoice day;
    day.specific = rbSpecific->isChecked();
    if (day.specific) {
        day.dayOfMonth = readInteger(cbDOM->currentText());
    } else {
        day.ordinal = cbNth->currentText();
        day.weekday = cbDay->currentText();
    }
    return day;
}

void TfrmEditHoliday::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmEditHoliday::FormShow() {
    if (!m_editMode) {
        const QDate today = now().date();
        edName->clear();
        cbMonth->setCurrentIndex(today.month() - 1);
        cbNth->setCurrentIndex(0);
        cbDay->setCurrentIndex(0);
        fillDays(today.month());
        cbDOM->setCurrentIndex(today.day() - 1);
    } else {
        // A month text that names no month (another language's, say) leaves the first month selected.
        cbMonth->setCurrentIndex(std::max(0, cbMonth->findText(m_monthText, Qt::MatchFixedString)));
        fillDays(cbMonth->currentIndex() + 1);
        const int dayIndex = cbDOM->findText(QString::number(m_day.dayOfMonth));
        cbDOM->setCurrentIndex(std::max(0, dayIndex));
        if (m_day.specific) {
            // The floating choice starts as in add mode, so switching to it never gives an empty rule.
            cbNth->setCurrentIndex(0);
            cbDay->setCurrentIndex(0);
        } else {
            selectText(*cbNth, m_day.ordinal);
            selectText(*cbDay, m_day.weekday);
        }
    }
    rbSpecificClick();
    edName->setFocus();
}

void TfrmEditHoliday::fillDays(int month) {
    cbDOM->clear();
    const int days = daysInMonth(month, kLeapYear);
    for (int day = 1; day <= days; ++day)
        cbDOM->addItem(QString::number(day));
}

void TfrmEditHoliday::cbMonthClick() {
    const int remembered = cbDOM->currentIndex();
    fillDays(cbMonth->currentIndex() + 1);
    cbDOM->setCurrentIndex(std::min(remembered, cbDOM->count() - 1));
}

void TfrmEditHoliday::rbSpecificClick() {
    const bool specific = rbSpecific->isChecked();
    cbDOM->setVisible(specific);
    cbNth->setVisible(!specific);
    cbDay->setVisible(!specific);
}

} // namespace corvane
