#include "settings/color.h"

#include "settings/samplecalendar.h"
#include "widgets/colorcombo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

TfrmColor::TfrmColor(QWidget *parent)
    : QDialog(parent), cbFG(new ColorCombo(this)), cbBG(new ColorCombo(this)),
      cal2(new SampleCalendar(1998, 11, this)), lblMonth(new QLabel(this)),
      btOK(new QPushButton(QStringLiteral("OK"), this)),
      btCancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Set Color"));
    setMinimumWidth(300);

    auto *colors = new QFormLayout;
    colors->addRow(QStringLiteral("ForeGround"), cbFG);
    colors->addRow(QStringLiteral("BackGround"), cbBG);

    lblMonth->setText(QLocale().standaloneMonthName(11) + QStringLiteral(" 1998"));
    lblMonth->setAlignment(Qt::AlignCenter);
    QFont bold = lblMonth->font();
    bold.setBold(true);
    lblMonth->setFont(bold);
    cal2->setMinimumSize(230, 160);

    btOK->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(colors);
    layout->addWidget(lblMonth);
    layout->addWidget(cal2, 1);
    layout->addLayout(buttons);

    connect(cbFG, &ColorCombo::colorChanged, this, &TfrmColor::cbFG2Click);
    connect(cbBG, &ColorCombo::colorChanged, this, &TfrmColor::cbFG2Click);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    cbFG2Click();
}

void TfrmColor::cbFG2Click() {
    cal2->setDayColors(cbFG->color(), cbBG->color());
}

} // namespace corvane
