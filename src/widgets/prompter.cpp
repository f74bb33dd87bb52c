#include "widgets/prompter.h"

#include "store/badcopy.h"
#include "store/tasktable.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QSet>

namespace corvane {

namespace {

class WidgetPrompter : public Prompter {
public:
    void error(const QString &text) override {
        QApplication::beep();
        QMessageBox::warning(parent(), title(), text);
    }
    void information(const QString &text) override { QMessageBox::information(parent(), title(), text); }
    void message(const QString &text) override {
        QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent());
        box.exec();
    }
    void warning(const QString &text) override { QMessageBox::warning(parent(), title(), text); }
    bool confirm(const QString &text) override {
        return QMessageBox::question(parent(), title(), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &value) override {
        bool ok = false;
        const QString text = QInputDialog::getText(parent(), caption, prompt, QLineEdit::Normal, value, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }
    QString openFileName(const QString &caption, const QString &filter, const QString &fileName) override {
        return QFileDialog::getOpenFileName(parent(), caption, fileName, filter);
    }
    QString saveFileName(const QString &caption, const QString &filter, const QString &fileName,
                         const QString &defaultSuffix) override {
        QFileDialog dialog(parent(), caption, fileName, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        if (!fileName.isEmpty())
            dialog.selectFile(fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }
    bool choosePrinter(QPrinter &printer) override {
        QPrintDialog dialog(&printer, parent());
        return dialog.exec() == QDialog::Accepted;
    }
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }

private:
    static QWidget *parent() { return QApplication::activeWindow(); }
    static QString title() { return QApplication::applicationDisplayName(); }
};

Prompter *installed = nullptr;

// Files that failed to load and of which no copy could be kept: the only copy of their tasks.
QSet<QString> &keptFromOverwriting() {
    static QSet<QString> files;
    return files;
}

} // namespace

Prompter &prompter() {
    static WidgetPrompter standard;
    return installed ? *installed : standard;
}

void setPrompter(Prompter *replacement) {
    installed = replacement;
}

bool saveTableReporting(const TaskTable &table, const QString &fileName) {
    if (keptFromOverwriting().contains(fileName))
        return false;
    QString reason;
    if (table.save(fileName, &reason))
        return true;
    prompter().error(QStringLiteral("Could not save %1: %2").arg(fileName, reason));
    return false;
}

void loadTableReporting(TaskTable &table, const QString &fileName) {
    if (!QFile::exists(fileName))
        return;
    QString error;
    if (table.load(fileName, &error))
        return;
    QString reason;
    const QString copy = keepBadCopy(fileName, &reason);
    if (!copy.isEmpty()) {
        prompter().error(error + QStringLiteral("\nA copy of it was kept as ") + copy);
        return;
    }
    keptFromOverwriting().insert(fileName);
    prompter().error(error + QStringLiteral("\nNo copy of it could be kept (") + reason +
                     QStringLiteral("), so it will not be overwritten until the program starts again."));
}

} // namespace corvane
