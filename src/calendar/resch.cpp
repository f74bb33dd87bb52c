#include "calendar/resch.h"

#include "editing/editorwidgets.h"
#include "store/dateformats.h"
#include "store/routines.h"
#include "widgets/shadowlabel.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace corvane {

TfrmReschedule::TfrmReschedule(const ShadowLabel *titleStyle, QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Reschedule Task"));
    lblTitle = new ShadowLabel(QStringLiteral("Reschedule Task"), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    copyTitleStyle(*lblTitle, titleStyle);
    auto *dateLabel = new QLabel(QStringLiteral("Date"), this);
    date1 = new QDateEdit(this);
    setUpDateEdit(*date1);
    dateLabel->setBuddy(date1);
    lblDate2 = new QLabel(this);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btOK->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblTitle, 0, 0, 1, 2);
    layout->addWidget(dateLabel, 1, 0);
    layout->addWidget(date1, 1, 1);
    layout->addWidget(lblDate2, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setFixedSize(300, 160);

    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(date1, &QDateEdit::dateChanged, this, &TfrmReschedule::date1SetDate);
    date1->installEventFilter(this);
    date1SetDate();
}

void TfrmReschedule::date1SetDate() {
    const QDateTime moment(date1->date(), QTime(0, 0));
    lblDate2->setText(formatDateTime(QStringLiteral("dddd"), moment) + QStringLiteral(" : ") +
                      relativeDate(moment));
}

bool TfrmReschedule::eventFilter(QObject *watched, QEvent *event) {
    if (watched == date1 && event->type() == QEvent::FocusOut)
        date1SetDate();
    return QDialog::eventFilter(watched, event);
}

} // namespace corvane
