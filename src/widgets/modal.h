#pragma once

#include <functional>

class QDialog;

namespace corvane {

// Every command shows its modal dialogs through runModal, so tests can fill in and press a dialog instead
// of waiting in exec(). Answers the dialog's result (QDialog::Accepted or QDialog::Rejected).
int runModal(QDialog &dialog);

// Installs the function runModal calls (tests); an empty function returns to QDialog::exec().
using ModalRunner = std::function<int(QDialog &)>;
void setModalRunner(ModalRunner runner);

} // namespace corvane
