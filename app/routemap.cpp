#include "app/routemap.h"

#include "app/livetexts.h"
#include "scene/palette.h"

#include "core/networkdocument.h"
#include "core/routetext.h"

#include <QApplication>
#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

using namespace ts;

RouteMapModel::RouteMapModel(NetworkDocument *document, QObject *parent)
    : QAbstractTableModel(parent)
    , document(document)
    , shownRows(document->network().size())
    , shownColumns(shownRows)
{
    connect(document, &NetworkDocument::networkChanged, this, &RouteMapModel::follow);
}

int RouteMapModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shownRows;
}

int RouteMapModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : shownColumns;
}

QVariant RouteMapModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const SwitchNetwork &net = document->network();
    const int i = index.column(), j = index.row();
    const int bits = net.terminalMark(i, j);
    switch (role) {
    case Qt::DisplayRole: return mapCellText(net, i, j);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return describeTerminal(net, i, j);
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole: {
        if (!bits)
            return {};
        const Colour c = colourFromBits(bits, palette::derived);
        return QColor::fromRgbF(c.r, c.g, c.b);
    }
    case Qt::ForegroundRole: return bits ? QVariant(QColor(Qt::white)) : QVariant();
    default: return {};
    }
}

QVariant RouteMapModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The number alone, so that fifteen columns fit; the line under the map
    // says which are columns and which rows.
    if (role == Qt::DisplayRole)
        return section;
    if (role == Qt::ToolTipRole)
        return orientation == Qt::Horizontal ? tr("i = %1").arg(section) : tr("j = %1").arg(section);
    return {};
}

namespace {
// A cell's text as short as its width needs: "(3, 1)", "(3,1)", "3,1";
// "dies: IK", "IK". The tooltip keeps the whole sentence.
class ShortCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // What the style leaves of the cell for text.
        const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
        const int room = option->rect.width() - 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1);
        QString text = option->text;
        const QString shorter[] = {QString(text).remove(QLatin1Char(' ')),
                                   QString(text).remove(QLatin1Char(' ')).remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QStringLiteral("dies:"))};
        for (const QString &s : shorter)
            if (option->fontMetrics.horizontalAdvance(text) > room)
                text = s;
        // Still too wide ("14,14" in a narrow dock): a smaller font, down
        // to one that can still be read.
        constexpr int kSmallestPixels = 6;
        const int needed = option->fontMetrics.horizontalAdvance(text);
        if (needed > room) {
            const int pixels = option->font.pixelSize() > 0 ? option->font.pixelSize() : option->fontMetrics.height();
            option->font.setPixelSize(std::max(kSmallestPixels, pixels * room / needed));
            option->fontMetrics = QFontMetrics(option->font);
        }
        option->text = text;
    }
};
} // namespace

void RouteMapModel::follow()
{
    // Rows and columns come and go with the size, one change at a time: a
    // screen reader reads the table between the two, so each must leave it
    // whole. Every cell may change with the offsets or the marks.
    const int n = document->network().size();
    if (n > shownRows) {
        beginInsertRows({}, shownRows, n - 1);
        shownRows = n;
        endInsertRows();
        beginInsertColumns({}, shownColumns, n - 1);
        shownColumns = n;
        endInsertColumns();
    } else if (n < shownRows) {
        beginRemoveColumns({}, n, shownColumns - 1);
        shownColumns = n;
        endRemoveColumns();
        beginRemoveRows({}, n, shownRows - 1);
        shownRows = n;
        endRemoveRows();
    }
    emit dataChanged(index(0, 0), index(n - 1, n - 1));
}

void RouteMapModel::reword()
{
    const int n = document->network().size();
    emit dataChanged(index(0, 0), index(n - 1, n - 1));
    emit headerDataChanged(Qt::Horizontal, 0, n - 1);
    emit headerDataChanged(Qt::Vertical, 0, n - 1);
}

RouteMapPage::RouteMapPage(NetworkDocument *document, QWidget *parent)
    : QWidget(parent)
    , document(document)
    , rule(new QLabel(this))
    , table(new QTableView(this))
{
    auto *layout = new QVBoxLayout(this);
    rule->setObjectName(QStringLiteral("map_rule"));
    rule->setWordWrap(true);
    layout->addWidget(rule);
    table->setObjectName(QStringLiteral("map"));
    model = new RouteMapModel(document, table);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // The cells share the width, so the whole map fits its dock at N = 15.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setItemDelegate(new ShortCellDelegate(table));
    table->setWordWrap(false);
    table->installEventFilter(this);
    connect(table, &QTableView::clicked, this, &RouteMapPage::mark);
    layout->addWidget(table, 1);
    // The short names the cells use, said once.
    QStringList names;
    for (const PlaneFamilyInfo &family : kPlaneFamilies)
        names << QStringLiteral("%1: %2").arg(QLatin1String(family.shortName), QLatin1String(family.title));
    auto *key = new QLabel(this);
    key->setObjectName(QStringLiteral("map_key"));
    key->setWordWrap(true);
    layout->addWidget(key);
    connect(document, &NetworkDocument::networkChanged, this, &RouteMapPage::showRule);
    auto *texts = new LiveTexts(this, this);
    texts->add([this, key, names] {
        table->setAccessibleName(tr("Where each terminal arrives"));
        key->setText(tr("Columns i, rows j; a route dies at the family named: %1").arg(names.join(QStringLiteral(" \u00b7 "))));
        model->reword();
        showRule();
    });
}

void RouteMapPage::showRule()
{
    rule->setText(hiddenForQuestion ? tr("hidden during the question") : mapRuleText(document->network()));
}

void RouteMapPage::setHiddenForQuestion(bool hidden)
{
    if (hidden == hiddenForQuestion)
        return;
    hiddenForQuestion = hidden;
    table->setVisible(!hidden);
    showRule();
}

bool RouteMapPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space && table->currentIndex().isValid()) {
        mark(table->currentIndex());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RouteMapPage::mark(const QModelIndex &cell)
{
    document->toggleTerminal(cell.column(), cell.row(), RedBit);
}
