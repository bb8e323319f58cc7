#include "app/marklistmodel.h"
#include "scene/palette.h"


#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

using namespace ts;

namespace {
constexpr int kSwatchSide = MarkListModel::kSwatchSide;

// The route's start colour and its half-colour end, side by side; a route
// that dies ends in the grey its line ends in.
QIcon makeSwatch(int bits, bool dead)
{
    QPixmap pixmap(2 * kSwatchSide, kSwatchSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const Colour full = colourFromBits(bits, palette::marked);
    const Colour half = dead ? palette::deadEndGrey : colourFromBits(bits, palette::derived);
    painter.fillRect(0, 0, kSwatchSide, kSwatchSide, QColor::fromRgbF(full.r, full.g, full.b));
    painter.fillRect(kSwatchSide, 0, kSwatchSide, kSwatchSide, QColor::fromRgbF(half.r, half.g, half.b));
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 2 * kSwatchSide - 1, kSwatchSide - 1);
    return QIcon(pixmap);
}
} // namespace

int MarkListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown.size());
}

QVariant MarkListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row &row = shown[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return row.text;
    case Qt::DecorationRole: {
        if (!row.bits)
            return {};
        QIcon &icon = swatches[static_cast<std::size_t>((row.bits & 7) + (row.dead ? 8 : 0))]; // drawn when first shown
        if (icon.isNull())
            icon = makeSwatch(row.bits & 7, row.dead);
        return icon;
    }
    default: return {};
    }
}

void MarkListModel::setRows(const std::vector<Row> &next)
{
    // A merge of two lists sorted by key: rows only in the old list go,
    // rows only in the new one come, rows in both change if they differ.
    int r = 0;
    auto n = next.begin();
    while (r < rowCount() || n != next.end()) {
        const Row *old = r < rowCount() ? &shown[static_cast<std::size_t>(r)] : nullptr;
        if (old && (n == next.end() || old->key < n->key)) {
            beginRemoveRows({}, r, r);
            shown.erase(shown.begin() + r);
            endRemoveRows();
        } else if (!old || n->key < old->key) {
            beginInsertRows({}, r, r);
            shown.insert(shown.begin() + r, *n++);
            endInsertRows();
            ++r;
        } else {
            if (old->bits != n->bits || old->text != n->text || old->dead != n->dead) {
                shown[static_cast<std::size_t>(r)] = *n;
                const QModelIndex changed = index(r);
                emit dataChanged(changed, changed);
            }
            ++n;
            ++r;
        }
    }
}
