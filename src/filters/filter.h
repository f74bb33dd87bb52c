#pragma once

#include "filters/filterstate.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace corvane {

class ColorPanel;
class ShadowLabel;

// The category filter dialog. Created once at start, it holds the filter state every view applies until
// the program ends; changes apply at once, OK also saves the category selection.
class TfrmFilter : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFilter(QWidget *parent = nullptr);

    const FilterState &filter() const { return m_state; }
    bool passes(const QString &done, const QString &category) const { return m_state.passes(done, category); }
    bool isOn() const { return m_state.isOn(); }
    RowFilter rowFilter() const { return m_state.rowFilter(); }

    ShadowLabel *lblTitle;
    QListWidget *cbWhat;
    QPushButton *btAll;
    QPushButton *btNone;
    QCheckBox *cbDone;
    QCheckBox *cbNotDone;
    ColorPanel *pnlDone;
    ColorPanel *pnlNotDone;
    QPushButton *btOK;

public slots:
    // The done and not-done colours of the settings, as stored colour values.
    void setPanelColors(int doneText, int doneBack, int notDoneText, int notDoneBack);
    void FormShow();
    void cbWhatItemChanged(QListWidgetItem *item);
    void btAllClick();
    void cbDoneClick();
    void pnlDoneClick();
    void btOKClick();

protected:
    void showEvent(QShowEvent *event) override;
    // However the dialog closes, the two switches are saved.
    void done(int result) override;

private:
    void loadEntries();
    void showState();
    void updateTitle();

    FilterState m_state;
};

} // namespace corvane
