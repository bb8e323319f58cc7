#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QSpinBox>
#include <QString>

#include <array>

// Small pieces the panels' forms share.

// A row or column of widgets: a plain widget whose layout places its
// children in creation order.
template <typename Layout, typename Widget = QWidget>
Widget *makeBox(QWidget *parent, const char *name)
{
    auto *box = new Widget(parent);
    box->setObjectName(QLatin1String(name));
    auto *layout = new Layout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    return box;
}

// Adds widget to the box's layout, after what is there.
template <typename W>
W *addTo(QWidget *box, W *widget)
{
    box->layout()->addWidget(widget);
    return widget;
}

// Says what a control does to the pointer and to screen readers alike.
inline void explain(QWidget *widget, const QString &text)
{
    widget->setToolTip(text);
    widget->setAccessibleName(text);
}

// A spin box for an index (i, j or k) in a form, named, and explained to
// the pointer and to screen readers alike.
inline QSpinBox *indexBox(QWidget *parent, const char *name, const QString &help)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    explain(box, help);
    return box;
}

// The i, j and k boxes in one row of a grid, each after its label; returns
// the labels, which name their boxes for Alt+key and screen readers.
inline std::array<QLabel *, 3> addIndexRow(QGridLayout *grid, QWidget *parent, const std::array<QSpinBox *, 3> &boxes)
{
    const char *texts[] = {"i:", "j:", "k:"};
    std::array<QLabel *, 3> labels{};
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        labels[b] = new QLabel(QLatin1String(texts[b]), parent);
        labels[b]->setBuddy(boxes[b]);
        grid->addWidget(labels[b], 0, static_cast<int>(2 * b));
        grid->addWidget(boxes[b], 0, static_cast<int>(2 * b + 1));
    }
    return labels;
}

// A bold, wrapping label for a heading that changes (a question, a title).
inline QLabel *headingLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
