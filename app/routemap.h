#pragma once

#include <QAbstractTableModel>
#include <QWidget>

class NetworkDocument;
class QLabel;
class QTableView;

// The whole network as a map: one cell per source terminal (rows j, columns
// i, as seen from above), each saying where that terminal arrives or at
// which family it dies, coloured by its marks. It follows the document
// without being rebuilt, so a screen reader keeps its place.
class RouteMapModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RouteMapModel(NetworkDocument *document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Every cell and header worded again in the language in use.
    void reword();

private:
    void follow();

    NetworkDocument *document;
    int shownRows;
    int shownColumns;
};

// The "Map" tab: the rule in one line above the map. A click on a cell, or
// Space on it, marks that terminal red, as a left click on it in the view.
class RouteMapPage : public QWidget
{
    Q_OBJECT

public:
    RouteMapPage(NetworkDocument *document, QWidget *parent);

    // While a practice question is open the map would give its answer
    // away: the rule and the cells give way to a line saying so.
    void setHiddenForQuestion(bool hidden);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mark(const QModelIndex &cell);
    void showRule();

    RouteMapModel *model = nullptr;

    NetworkDocument *document;
    bool hiddenForQuestion = false;
    QLabel *rule;
    QTableView *table;
};
