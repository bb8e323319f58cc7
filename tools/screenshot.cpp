// Puts the real main window into a state given on the command line, through
// its own controls and mouse clicks, and saves a picture of the window.
//
//   transpose-switch-shot OUT.png [--size N] [--rotate X,Y] [--route path|wire]
//       [--wires off|used|all] [--switches fill|frame|off] [--check NAME]...
//       [--offsets C1,C2,C3] [--mark I,J,left|middle|right]... [--zoom Z]
//       [--lesson FILE] [--step LEGS] [--action NAME]... [--tab routes|map]
//
// --check takes a check box's object name, e.g. ik_hilite or kj_opaque.
#include "app/globjectwindow.h"
#include "app/lessonfiles.h"
#include "app/startup.h"
#include "support/viewdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <cstdio>

using namespace ts;

namespace {
int fail(const char *what)
{
    std::fprintf(stderr, "transpose-switch-shot: %s\n", what);
    return 2;
}
} // namespace

int main(int argc, char **argv)
{
    ProgramApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return fail("usage: transpose-switch-shot OUT.png [options]");

    GLObjectWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return fail("the window was never shown");
    auto *view = window.findChild<GLBox *>(QStringLiteral("glbox"));
    auto child = [&](const QString &name) { return window.findChild<QWidget *>(name); };
    QPointF rotation(0, 0);
    double zoom = 1.0;
    QList<QStringList> marks;
    int steps = 0;
    QStringList actions;

    for (int a = 1; a + 1 < args.size(); a += 2) {
        const QString option = args[a], value = args[a + 1];
        const QStringList parts = value.split(QLatin1Char(','));
        if (option == QLatin1String("--size")) {
            qobject_cast<QSpinBox *>(child(QStringLiteral("grid")))->setValue(value.toInt());
        } else if (option == QLatin1String("--rotate") && parts.size() == 2) {
            rotation = {parts[0].toDouble(), parts[1].toDouble()};
        } else if (option == QLatin1String("--route") || option == QLatin1String("--wires") ||
                   option == QLatin1String("--switches")) {
            const QString group = option.mid(2) == QLatin1String("route") ? QStringLiteral("routing") : option.mid(2);
            auto *radio = qobject_cast<QRadioButton *>(child(group + QLatin1Char('_') + value));
            if (!radio)
                return fail("no such mode");
            radio->click();
        } else if (option == QLatin1String("--check")) {
            auto *check = qobject_cast<QCheckBox *>(child(value));
            if (!check)
                return fail("no such check box");
            check->click();
        } else if (option == QLatin1String("--offsets") && parts.size() == 3) {
            for (const PlaneFamilyInfo &family : kPlaneFamilies) {
                const QString name = QLatin1String(family.key) + QStringLiteral("_spin");
                qobject_cast<QSpinBox *>(child(name))->setValue(parts[index(family.family)].toInt());
            }
        } else if (option == QLatin1String("--zoom")) {
            zoom = value.toDouble();
        } else if (option == QLatin1String("--mark") && parts.size() == 3) {
            marks << parts;
        } else if (option == QLatin1String("--lesson")) {
            QString error;
            if (!window.lessonFiles()->open(value, &error))
                return fail(qPrintable(error));
            const ts::ViewPoint from = view->document()->viewPoint();
            rotation = {from.rotX, from.rotY};
            zoom = from.zoom;
        } else if (option == QLatin1String("--step")) {
            steps = value.toInt();
        } else if (option == QLatin1String("--action")) {
            actions << value;
        } else if (option == QLatin1String("--tab")) {
            auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("routes_tabs"));
            for (int t = 0; t < tabs->count(); ++t)
                if (tabs->tabText(t).compare(value, Qt::CaseInsensitive) == 0)
                    tabs->setCurrentIndex(t);
        } else {
            return fail("unknown option");
        }
    }

    // Marks are clicked looking straight down on the top face, then the
    // view is turned as asked.
    for (const QStringList &m : marks) {
        const Qt::MouseButton button = m[2] == QLatin1String("middle") ? Qt::MiddleButton
                                       : m[2] == QLatin1String("right") ? Qt::RightButton
                                                                        : Qt::LeftButton;
        clickTerminalFromAbove(*view, m[0].toInt(), m[1].toInt(), button);
    }
    view->setRotation(float(rotation.x()), float(rotation.y()));
    view->setZoom(zoom);
    for (const QString &name : actions) {
        auto *action = window.findChild<QAction *>(name);
        if (!action)
            return fail("no such action");
        action->trigger();
    }
    for (int s = 0; s < steps; ++s)
        qobject_cast<QAbstractButton *>(child(QStringLiteral("step_next")))->click();
    QTest::qWait(100);
    if (!window.grab().save(args[0]))
        return fail("could not save the picture");
    return 0;
}
