#include "output/print.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace corvane {

TfrmPrint::TfrmPrint(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print Tasks"));
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Print Tasks"), this));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
}

} // namespace corvane
