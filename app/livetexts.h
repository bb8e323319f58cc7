#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

// Texts a user reads, set again in the new language whenever it changes:
// each setter runs once when added and again at every
// QEvent::LanguageChange the watched widget gets. Classes that are not
// widgets watch the window they build for.
class LiveTexts : public QObject
{
public:
    LiveTexts(QObject *parent, QWidget *watched);

    void add(std::function<void()> set);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<std::function<void()>> setters;
};
