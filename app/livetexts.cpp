#include "app/livetexts.h"

#include <QEvent>
#include <QWidget>

LiveTexts::LiveTexts(QObject *parent, QWidget *watched)
    : QObject(parent)
{
    watched->installEventFilter(this);
}

void LiveTexts::add(std::function<void()> set)
{
    set();
    setters.push_back(std::move(set));
}

bool LiveTexts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        for (const auto &set : setters)
            set();
    return QObject::eventFilter(watched, event);
}
