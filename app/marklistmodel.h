#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QString>

#include <array>
#include <vector>

// A list of lines about marked things, each with a key that orders it and
// the colour bits it is shown with (a swatch of the colour and its half).
// setRows changes only the rows that differ, so views keep their selection
// and scroll position, and a click that marks one terminal costs one row.
class MarkListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Row
    {
        int key;
        int bits; // 0: no swatch
        QString text;
        bool dead = false; // a route that dies: its swatch ends in grey
    };

    using QAbstractListModel::QAbstractListModel;
    static constexpr int kSwatchSide = 14;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const std::vector<Row> &rows() const { return shown; }
    // The rows must be in increasing key order.
    void setRows(const std::vector<Row> &next);

private:
    std::vector<Row> shown;
    mutable std::array<QIcon, 16> swatches; // one per colour mask, arriving or dead
};
