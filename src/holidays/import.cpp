#include "holidays/import.h"

#include "holidays/builtinholidays.h"
#include "holidays/holidayrules.h"
#include "widgets/prompter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace corvane {

namespace {

// Draws a line's text after its tab at a fixed stop, so the names of a country line up in a column.
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int stop = option->fontMetrics.averageCharWidth() * 15;
        QString text = option->text;
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            return;
        // Blanks up to the stop: the text is drawn on one line with the style's own look.
        QString head = text.left(tab);
        while (option->fontMetrics.horizontalAdvance(head + QLatin1Char(' ')) < stop)
            head += QLatin1Char(' ');
        option->text = head + QLatin1Char(' ') + text.mid(tab + 1);
    }
};

} // namespace

TfrmImport::TfrmImport(QWidget *parent) : QDialog(parent), m_grid(newHolidayTable()) {
    setWindowTitle(QStringLiteral("Import International Holidays"));
    setSizeGripEnabled(true);

    lblHint = new QLabel(QStringLiteral("Hint: Drag mouse or Ctrl-Click to select multiple entries"), this);
    lbCountries = new QListWidget(this);
    lbCountries->setSelectionMode(QAbstractItemView::SingleSelection);
    lbCountries->addItems(holidayCountries());
    lbCountries->setFixedWidth(lbCountries->sizeHintForColumn(0) + 2 * lbCountries->frameWidth() +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    lbDays = new QListWidget(this);
    lbDays->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbDays->setItemDelegate(new TabStopDelegate(lbDays));

    auto *buttons = new QDialogButtonBox(this);
    btOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    btClose = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    btOK->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(lbCountries, 0, 0);
    layout->addWidget(lbDays, 0, 1);
    layout->addWidget(lblHint, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    resize(640, 420);

    // OK closes only after importing; Close (and Esc) leave without saving.
    connect(btOK, &QPushButton::clicked, this, &TfrmImport::btOKClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lbCountries, &QListWidget::currentRowChanged, this, &TfrmImport::FillHolidays);

    lbCountries->setCurrentRow(0);
    if (QFileInfo::exists(holidayFileName())) {
        QString error;
        if (!loadHolidays(m_grid, holidayFileName(), &error))
            prompter().error(error);
    }
}

void TfrmImport::FillHolidays() {
    lbDays->clear();
    for (const HolidayStructure &holiday : countryHolidays(lbCountries->currentRow()))
        lbDays->addItem(holidayLine(holiday));
}

void TfrmImport::btOKClick() {
    const QList<HolidayStructure> holidays = countryHolidays(lbCountries->currentRow());
    // Imported into a copy, so a failed save leaves nothing to be imported twice on the next OK.
    TaskTable imported = m_grid;
    bool selected = false;
    for (int line = 0; line < lbDays->count(); ++line) {
        if (lbDays->item(line)->isSelected()) {
            selected = true;
            addToGrid(imported, holidays.value(line));
        }
    }
    if (!selected) {
        prompter().error(QStringLiteral("Nothing selected!  Click on holiday(s) above to select."));
        return;
    }
    if (!saveTableReporting(imported, holidayFileName()))
        return;
    m_grid = imported;
    accept();
}

} // namespace corvane
