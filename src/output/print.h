#pragma once

#include <QDialog>

namespace corvane {

// The print selection dialog: which tasks to print.
class TfrmPrint : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPrint(QWidget *parent = nullptr);
};

} // namespace corvane
