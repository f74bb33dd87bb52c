#include "holidays/import.h"

#include "holidays/builtinholidays.h"
#include "holidays/holidayrules.h"
#include "widgets/prompter.h"

#include <QApplication>
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

// Draws a line's text after its tab at one stop for the whole list, so the names line up in a column.
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        item.text.clear();
        const QWidget *widget = item.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        const QRect area =
            style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(3, 0, 0, 0);
        // Wide enough for the longest display text, "Last Wed in Sep".
        const int stop = item.fontMetrics.horizontalAdvance(QStringLiteral("Last Wed in Sep")) +
                         2 * item.fontMetrics.averageCharWidth();
        painter->save();
        const bool selected = item.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter->drawText(area, flags, text.left(tab));
        if (tab >= 0)
            painter->drawText(area.adjusted(stop, 0, 0, 0), flags, text.mid(tab + 1));
        painter->restore();
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
    layout->addWidget(lblHint, 0, 0, 1, 2);
    layout->addWidget(lbCountries, 1, 0);
    layout->addWidget(lbDays, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    resize(660, 430);

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
