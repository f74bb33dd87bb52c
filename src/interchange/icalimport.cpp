#include "interchange/icalimport.h"

#include "interchange/importplan.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

TfrmIcalImport::TfrmIcalImport(const QString &fileName, const ImportPlan &plan, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmIcalImport"));
    setWindowTitle(QStringLiteral("Import iCalendar"));
    auto *column = new QVBoxLayout(this);

    lblFile = new QLabel(QFileInfo(fileName).fileName(), this);
    lblFile->setToolTip(fileName);
    QFont bold = lblFile->font();
    bold.setBold(true);
    lblFile->setFont(bold);
    column->addWidget(lblFile);

    lblSummary = new QLabel(importSummary(plan), this);
    lblSummary->setWordWrap(true);
    column->addWidget(lblSummary);

    lbNotUnderstood = new QListWidget(this);
    lbNotUnderstood->addItems(plan.notUnderstood);
    lbNotUnderstood->setSelectionMode(QAbstractItemView::NoSelection);
    lbNotUnderstood->setFocusPolicy(Qt::NoFocus);
    lbNotUnderstood->setVisible(!plan.notUnderstood.isEmpty());
    column->addWidget(lbNotUnderstood, 1);

    auto *buttons = new QDialogButtonBox(this);
    btOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    btCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    btOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(420, plan.notUnderstood.isEmpty() ? 150 : 300);
}

} // namespace corvane
