#pragma once

#include <QSpinBox>
#include <QString>

// A spin box for an index (i, j or k) in a form, named, and explained to
// the pointer and to screen readers alike.
inline QSpinBox *indexBox(QWidget *parent, const char *name, const QString &help)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(help);
    box->setAccessibleName(help);
    return box;
}
