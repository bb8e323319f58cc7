#pragma once
// A seeded random session in the real window at N = 15, as a lecturer's
// hands would make it: clicks on terminals, switches and empty space, undo,
// redo, size and offset changes, and File → New. Shared by the memory test
// and the soak program.

#include "app/globjectwindow.h"
#include "support/viewdriver.h"

#include <QAction>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QUndoStack>

class RandomSession
{
public:
    RandomSession(GLObjectWindow &window, quint32 seed)
        : rng(seed)
        , view(window.findChild<GLBox *>(QStringLiteral("glbox")))
        , newItem(window.findChild<QAction *>(QStringLiteral("new_lesson")))
        , sizeBox(window.findChild<QSpinBox *>(QStringLiteral("grid")))
    {
        for (const char *name : {"ik_spin", "ji_spin", "kj_spin"})
            offsetBoxes << window.findChild<QSpinBox *>(QLatin1String(name));
    }

    // New, then N = 15 turned so that terminals and switches both show.
    void startLesson()
    {
        newItem->trigger();
        sizeBox->setValue(ts::kMaxNetworkSize);
        view->setRotation(30, 40);
        QCoreApplication::processEvents();
    }

    // A click with any button on a terminal, a switch or anywhere in the view.
    void click()
    {
        constexpr Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};
        const int n = view->network().size();
        const ts::CellGeometry g(n);
        QPoint at;
        switch (rng.bounded(3)) {
        case 0: at = project(*view, {g.x(rng.bounded(n)), 1, g.z(rng.bounded(n))}).toPoint(); break;
        case 1: at = project(*view, {g.x(rng.bounded(n)), g.y(rng.bounded(n)), g.z(rng.bounded(n))}).toPoint(); break;
        default: at = QPoint(rng.bounded(view->width()), rng.bounded(view->height())); break;
        }
        QTest::mouseClick(view, buttons[rng.bounded(3)], {}, at);
        QCoreApplication::processEvents(); // the frame that shows it
    }

    // Mostly clicks; with withNew, now and then a new lesson too.
    void act(bool withNew = true)
    {
        QUndoStack *history = view->document()->undoStack();
        const int pick = rng.bounded(100);
        if (pick < 60) {
            click();
            return;
        }
        if (pick < 75) {
            history->undo();
        } else if (pick < 85) {
            history->redo();
        } else if (pick < 91) {
            sizeBox->setValue(rng.bounded(12, ts::kMaxNetworkSize + 1));
        } else if (pick < 99 || !withNew) {
            QSpinBox *box = offsetBoxes[rng.bounded(int(offsetBoxes.size()))];
            box->setValue(rng.bounded(box->minimum(), box->maximum() + 1));
        } else {
            startLesson();
        }
        QCoreApplication::processEvents();
    }

private:
    QRandomGenerator rng;
    GLBox *view;
    QAction *newItem;
    QSpinBox *sizeBox;
    QList<QSpinBox *> offsetBoxes;
};
