#include "app/routemap.h"
#include "scene/palette.h"

#include "core/networkdocument.h"
#include "core/routetext.h"

#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

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
    case Qt::DisplayRole: return QString::fromStdString(mapCellText(net, i, j));
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return QString::fromStdString(describeTerminal(net, i, j));
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
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? tr("i = %1").arg(section) : tr("j = %1").arg(section);
}

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
    table->setAccessibleName(tr("Where each terminal arrives"));
    table->setModel(new RouteMapModel(document, table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->installEventFilter(this);
    connect(table, &QTableView::clicked, this, &RouteMapPage::mark);
    layout->addWidget(table, 1);
    connect(document, &NetworkDocument::networkChanged, this, &RouteMapPage::showRule);
    showRule();
}

void RouteMapPage::showRule()
{
    rule->setText(hiddenForQuestion ? tr("hidden during the question")
                                    : QString::fromStdString(mapRuleText(document->network())));
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
