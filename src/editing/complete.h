#pragma once

#include "output/tableexporter.h"
#include "store/tasktable.h"

#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace corvane {

class ShadowLabel;
class TaskGrid;
struct Completion;

// The history of completed tasks, newest first, with the notes of the selected record beneath.
// Lives from start-up to the end; loads gridComp.grd at creation and saves it on every close.
class TfrmComplete : public QDialog {
    Q_OBJECT
public:
    // The title follows `titleStyle` (the main window's day title) each time the window shows.
    explicit TfrmComplete(const ShadowLabel *titleStyle = nullptr, QWidget *parent = nullptr);
    ~TfrmComplete() override;

    TaskTable &history() { return m_history; }
    // Puts a completion at row 1 and saves the history.
    void AddToCompleteGrid(const Completion &completion);

    ShadowLabel *lblCompTitle;
    TaskGrid *gridComp;
    QPlainTextEdit *memWhat, *memPurpose;
    QAction *Print1, *HTMLFormat1, *CommaDelimited1, *Delete1, *Clear1, *Close1, *Deleterow1;
    QMenu *PopupMenu1;

public slots:
    void Delete1Click();
    void Clear1Click();
    void Close1Click();
    void Print1Click();
    void HTMLFormat1Click();
    void CommaDelimited1Click();
    void memWhatExit();
    void ResizeGrid();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void gridDrawCell();
    void save();

    const ShadowLabel *m_titleStyle;
    TaskTable m_history;
    // The record the memos show, and its two texts as they were then.
    int m_memoRow = 0;
    QString m_memoWhat, m_memoNotes;
    TableExporter m_html{ExportFormat::Html, QStringLiteral("output.htm"), false};
    TableExporter m_commaDelimited{ExportFormat::CommaDelimited, QStringLiteral("output.txt"), false};
    QList<int> m_neededWidths; // what the date and time columns' texts need, measured once
};

} // namespace corvane
