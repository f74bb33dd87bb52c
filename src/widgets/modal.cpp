#include "widgets/modal.h"

#include <QDialog>

namespace corvane {

namespace {
ModalRunner installedRunner;
}

int runModal(QDialog &dialog) {
    return installedRunner ? installedRunner(dialog) : dialog.exec();
}

void setModalRunner(ModalRunner runner) {
    installedRunner = std::move(runner);
}

} // namespace corvane
