#include "filters/filter.h"

#include "settings/colorpanel.h"
#include "settings/settingsstore.h"
#include "store/programfolder.h"
#include "widgets/prompter.h"
#include "widgets/shadowlabel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace corvane {

namespace {
QString choicesFile() {
    return besideProgram(QStringLiteral("category.xxx"));
}
QString selectionFile() {
    return besideProgram(QStringLiteral("category.yyy"));
}
} // namespace

TfrmFilter::TfrmFilter(QWidget *parent)
    : QDialog(parent), lblTitle(new ShadowLabel(QStringLiteral("Task Filters : Off"), this)),
      cbWhat(new QListWidget(this)), btAll(new QPushButton(QStringLiteral("&All"), this)),
      btNone(new QPushButton(QStringLiteral("&None"), this)),
      cbDone(new QCheckBox(QStringLiteral("&Done items"), this)),
      cbNotDone(new QCheckBox(QStringLiteral("   &Not done items"), this)),
      pnlDone(new ColorPanel(QStringLiteral("&Done Items"), this)),
      pnlNotDone(new ColorPanel(QStringLiteral("&Not Done Items"), this)),
      btOK(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("Task Filters"));

    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setShadowDepth(4);
    lblTitle->setTextColor(Qt::blue);

    auto *lblCategories = new QLabel(QStringLiteral("&Categories"), this);
    lblCategories->setBuddy(cbWhat);
    btAll->setToolTip(QStringLiteral("Select all categories"));
    btNone->setToolTip(QStringLiteral("Clear all categories"));
    btOK->setDefault(true);
    pnlDone->setBuddy(cbDone);
    pnlNotDone->setBuddy(cbNotDone);
    pnlDone->setMinimumWidth(120);
    pnlNotDone->setMinimumWidth(120);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lblTitle, 0, 0, 1, 2);
    layout->addWidget(lblCategories, 1, 0);
    layout->addWidget(cbWhat, 2, 0, 3, 1);
    layout->addWidget(btAll, 2, 1);
    layout->addWidget(btNone, 3, 1);
    layout->setRowStretch(4, 1);
    layout->addWidget(cbDone, 5, 0);
    layout->addWidget(pnlDone, 5, 1);
    layout->addWidget(cbNotDone, 6, 0);
    layout->addWidget(pnlNotDone, 6, 1);
    layout->addWidget(btOK, 7, 1);

    connect(cbWhat, &QListWidget::itemChanged, this, &TfrmFilter::cbWhatItemChanged);
    connect(btAll, &QPushButton::clicked, this, &TfrmFilter::btAllClick);
    connect(btNone, &QPushButton::clicked, this, &TfrmFilter::btAllClick);
    connect(cbDone, &QCheckBox::clicked, this, &TfrmFilter::cbDoneClick);
    connect(cbNotDone, &QCheckBox::clicked, this, &TfrmFilter::cbDoneClick);
    connect(pnlDone, &ColorPanel::clicked, this, &TfrmFilter::pnlDoneClick);
    connect(pnlNotDone, &ColorPanel::clicked, this, &TfrmFilter::pnlDoneClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmFilter::btOKClick);

    m_state.readSwitches(SettingsStore());
    loadEntries();
}

void TfrmFilter::setPanelColors(int doneText, int doneBack, int notDoneText, int notDoneBack) {
    pnlDone->setColors(doneText, doneBack);
    pnlNotDone->setColors(notDoneText, notDoneBack);
}

void TfrmFilter::showEvent(QShowEvent *event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmFilter::FormShow() {
    loadEntries();
}

// The categories as the choices file has them now, ticked as saved; categories added since show ticked.
void TfrmFilter::loadEntries() {
    m_state.loadEntries(choicesFile());
    m_state.tickSaved(selectionFile());
    const QSignalBlocker blocker(cbWhat);
    cbWhat->clear();
    for (const FilterState::Entry &entry : m_state.entries()) {
        auto *item = new QListWidgetItem(entry.name);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        cbWhat->addItem(item);
    }
    showState();
}

void TfrmFilter::cbWhatItemChanged(QListWidgetItem *item) {
    m_state.setTicked(cbWhat->row(item), item->checkState() == Qt::Checked);
    updateTitle();
}

void TfrmFilter::btAllClick() {
    m_state.tickAll(sender() == btAll);
    showState();
}

void TfrmFilter::cbDoneClick() {
    m_state.setShowDone(cbDone->isChecked());
    m_state.setShowNotDone(cbNotDone->isChecked());
    updateTitle();
}

void TfrmFilter::pnlDoneClick() {
    (sender() == pnlDone ? cbDone : cbNotDone)->click();
}

void TfrmFilter::btOKClick() {
    QString reason;
    if (!m_state.saveSelection(selectionFile(), &reason))
        prompter().error(QStringLiteral("Could not save %1: %2").arg(selectionFile(), reason));
    accept();
}

void TfrmFilter::done(int result) {
    SettingsStore store;
    m_state.writeSwitches(store);
    QString reason;
    if (!store.sync(&reason))
        prompter().error(QStringLiteral("Could not save the filter settings: %1").arg(reason));
    QDialog::done(result);
}

// Puts the state into the controls without their change handlers running.
void TfrmFilter::showState() {
    const QSignalBlocker blocker(cbWhat);
    for (int row = 0; row < cbWhat->count(); ++row)
        cbWhat->item(row)->setCheckState(m_state.entries().at(row).ticked ? Qt::Checked : Qt::Unchecked);
    cbDone->setChecked(m_state.showDone());
    cbNotDone->setChecked(m_state.showNotDone());
    updateTitle();
}

void TfrmFilter::updateTitle() {
    lblTitle->setText(m_state.isOn() ? QStringLiteral("Task Filters : On")
                                     : QStringLiteral("Task Filters : Off"));
}

} // namespace corvane
