// The main window and its control panel as a user meets them: the widget
// tree, the start state, the offset ranges, and every control reaching the view.
#include "app/globjectwindow.h"
#include "scene/rotation.h"
#include "view/glbox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ts;

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<GLObjectWindow> window;
    GLBox *view = nullptr;

    QAction *fileItem(const char *text) const
    {
        for (QAction *a : window->menuBar()->actions().at(0)->menu()->actions())
            if (a->text() == QLatin1String(text))
                return a;
        return nullptr;
    }

    template <typename T>
    T *find(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

    // The widgets as the box's layout places them, rows inside it included.
    QStringList childNames(const char *box) const
    {
        QStringList names;
        const std::function<void(QLayout *)> walk = [&](QLayout *layout) {
            for (int i = 0; i < layout->count(); ++i) {
                if (QWidget *w = layout->itemAt(i)->widget())
                    names << w->objectName();
                else if (QLayout *inner = layout->itemAt(i)->layout())
                    walk(inner);
            }
        };
        walk(find<QWidget>(box)->layout());
        return names;
    }

    // The box's child widgets in the order they were made.
    QStringList madeNames(const char *box) const
    {
        QStringList names;
        for (QObject *child : find<QWidget>(box)->children())
            if (child->isWidgetType())
                names << child->objectName();
        return names;
    }

private slots:
    void init()
    {
        window = std::make_unique<GLObjectWindow>(nullptr, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        view = find<GLBox>("glbox");
    }

    void cleanup() { window.reset(); }

    void widgetTree()
    {
        QCOMPARE(window->metaObject()->className(), "GLObjectWindow");
        QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("hbox"));
        QCOMPARE(childNames("hbox"), (QStringList{"vbox", "f"}));
        // "N:" is an addition: made after the column's own widgets, shown beside the size box.
        QCOMPARE(madeNames("vbox"),
                 (QStringList{"grid", "routing", "wires", "switches", "ik", "ji", "kj", "blank", "size_label"}));
        QCOMPARE(childNames("vbox"),
                 (QStringList{"size_label", "grid", "routing", "wires", "switches", "ik", "ji", "kj", "blank"}));
        auto *sizeLabel = find<QLabel>("size_label");
        QCOMPARE(sizeLabel->text(), QStringLiteral("N:"));
        QCOMPARE(sizeLabel->buddy(), find<QWidget>("grid"));
        auto *frame = find<QFrame>("f");
        QCOMPARE(frame->frameStyle(), int(QFrame::Panel | QFrame::Sunken));
        QCOMPARE(frame->lineWidth(), 3);
        QCOMPARE(childNames("f"), QStringList{"glbox"});

        const QList<QAction *> menus = window->menuBar()->actions();
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QAction *about = fileItem("About"), *exit = fileItem("Exit");
        QVERIFY(about && exit);
        QVERIFY(about->shortcut().isEmpty());
        QCOMPARE(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        const QList<QAction *> items = menus[0]->menu()->actions();
        QCOMPARE(items.indexOf(exit), items.indexOf(about) + 1); // the original two, in order, last
    }

    void modeGroups_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("routing") << QByteArray("routing") << "Route" << QStringList{"routing_path", "routing_wire"}
                                 << QStringList{"path", "wire"};
        QTest::newRow("wires") << QByteArray("wires") << "Wires"
                               << QStringList{"wires_off", "wires_used", "wires_all"}
                               << QStringList{"off", "used", "all"};
        QTest::newRow("switches") << QByteArray("switches") << "Switches"
                                  << QStringList{"switches_fill", "switches_frame", "switches_off"}
                                  << QStringList{"fill", "frame", "off"};
    }

    void modeGroups()
    {
        QFETCH(QByteArray, group);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, texts);
        auto *box = find<QGroupBox>(group.constData());
        QTEST(box->title(), "title");
        QCOMPARE(childNames(group.constData()), buttons);
        auto *numbering = box->findChild<QButtonGroup *>();
        QVERIFY(numbering && numbering->exclusive());
        for (int id = 0; id < buttons.size(); ++id) {
            auto *radio = find<QRadioButton>(buttons[id].toLatin1().constData());
            QCOMPARE(radio->text(), texts[id]);
            QCOMPARE(numbering->id(radio), id);
            QVERIFY(!radio->toolTip().isEmpty() && !radio->accessibleName().isEmpty());
        }
        QVERIFY(numbering->button(0)->isChecked());

        // A click sends the button's number; clicking the one already on changes nothing.
        const DisplayOptions &o = view->displayOptions();
        auto field = [&] {
            return group == "routing" ? int(o.routeMode) : group == "wires" ? int(o.wiresMode) : int(o.switchesMode);
        };
        auto clickButton = [&](int id) {
            QAbstractButton *b = numbering->button(id);
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2)); // on the indicator
        };
        clickButton(int(buttons.size()) - 1);
        QCOMPARE(field(), int(buttons.size() - 1));
        clickButton(0);
        QCOMPARE(field(), 0);
        QTest::qWait(20);
        const quint64 frames = view->framesDrawn();
        clickButton(0);
        QTest::qWait(20);
        QCOMPARE(field(), 0);
        QCOMPARE(view->framesDrawn(), frames);
    }

    void planeGroups_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::newRow("ik") << "ik" << "i = k1 + c1" << "c1:";
        QTest::newRow("ji") << "ji" << "j = i + c2" << "c2:";
        QTest::newRow("kj") << "kj" << "k2 = j + c3" << "c3:";
    }

    void planeGroups()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, label);
        const QByteArray p = prefix.toLatin1();
        QTEST(find<QGroupBox>(p)->title(), "title");
        QCOMPARE(childNames(p), (QStringList{prefix + "_hilite", prefix + "_plane", prefix + "_opaque", prefix + "_hbox"}));
        QCOMPARE(childNames(p + "_hbox"), (QStringList{prefix + "_lab", prefix + "_spin"}));
        QCOMPARE(find<QLabel>(p + "_lab")->text(), label);
        auto *spin = find<QSpinBox>(p + "_spin");
        QVERIFY(!spin->toolTip().isEmpty() && !spin->accessibleName().isEmpty());

        const DisplayOptions &o = view->displayOptions();
        const PlaneFamily family = prefix == "ik" ? PlaneFamily::IK : prefix == "ji" ? PlaneFamily::JI : PlaneFamily::KJ;
        const PlaneOptions &plane = o.plane(family);
        const bool *fields[] = {&plane.hilite, &plane.plane, &plane.opaque};
        const char *texts[] = {"hilite", "plane", "opaque"};
        for (int c = 0; c < 3; ++c) {
            auto *check = find<QCheckBox>(p + "_" + texts[c]);
            QCOMPARE(check->text(), QLatin1String(texts[c]));
            QVERIFY(!check->isChecked() && !*fields[c]);
            QTest::mouseClick(check, Qt::LeftButton);
            QVERIFY(*fields[c]);
        }
        auto offset = [&] {
            return view->network().offset(family);
        };
        spin->setValue(-2);
        QCOMPARE(offset(), -2);
    }

    void startsInOneConsistentState()
    {
        QCOMPARE(find<QSpinBox>("grid")->value(), 4);
        for (const char *name : {"ik_spin", "ji_spin", "kj_spin"}) {
            auto *spin = find<QSpinBox>(name);
            QCOMPARE(spin->value(), 0);
            QCOMPARE(spin->minimum(), -4);
            QCOMPARE(spin->maximum(), 4);
        }
        QCOMPARE(view->network().size(), 4);
        QCOMPARE(view->network().offset(PlaneFamily::IK) | view->network().offset(PlaneFamily::JI) | view->network().offset(PlaneFamily::KJ), 0);
        const auto checks = find<QWidget>("vbox")->findChildren<QCheckBox *>();
        QCOMPARE(checks.size(), 9);
        for (QCheckBox *check : window->findChildren<QCheckBox *>()) // the panel's focus box too
            QVERIFY(!check->isChecked());
    }

    void offsetRangesFollowTheSize()
    {
        auto *grid = find<QSpinBox>("grid");
        auto *ik = find<QSpinBox>("ik_spin");
        auto *ji = find<QSpinBox>("ji_spin");
        auto *kj = find<QSpinBox>("kj_spin");
        grid->setValue(15);
        QCOMPARE(ik->minimum(), -15);
        QCOMPARE(kj->maximum(), 15);
        QCOMPARE(ik->value(), 0);
        ik->setValue(5);
        ji->setValue(-5);
        kj->setValue(2);
        QSignalSpy kjSent(kj, &QSpinBox::valueChanged);
        grid->setValue(3);
        QCOMPARE(ik->value(), 3);
        QCOMPARE(ji->value(), -3);
        QCOMPARE(kj->value(), 2);
        QCOMPARE(kjSent.count(), 0);
        QCOMPARE(view->network().offset(PlaneFamily::IK), 3);
        QCOMPARE(view->network().offset(PlaneFamily::JI), -3);
        QCOMPARE(view->network().size(), 3);
        grid->setValue(1);
        QCOMPARE(ik->minimum(), -1);
        QCOMPARE(ik->maximum(), 1);
    }

    void typedSizesStayInRange()
    {
        auto *grid = find<QSpinBox>("grid");
        grid->setFocus();
        grid->selectAll();
        QTest::keyClicks(grid, QStringLiteral("99"));
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(grid->value() >= 1 && grid->value() <= 15);
        QCOMPARE(view->network().size(), grid->value());
        const int before = view->network().size();
        QSignalSpy sent(grid, &QSpinBox::valueChanged);
        grid->selectAll();
        QTest::keyClicks(grid, QStringLiteral("12"));
        // Nothing is sent digit by digit: the network never passes through size 1.
        QCOMPARE(sent.count(), 0);
        QCOMPARE(view->network().size(), before);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(view->network().size(), 12);
    }

    void columnKeepsItsWidth()
    {
        auto *column = find<QWidget>("vbox");
        auto *frame = find<QWidget>("f");
        auto *blank = find<QWidget>("blank");
        const int width = column->width();
        const int frameWidth = frame->width();
        const int blankHeight = blank->height();
        window->resize(window->width() + 200, window->height() + 150);
        QTest::qWait(50);
        QCOMPARE(column->width(), width);
        QCOMPARE(frame->width(), frameWidth + 200);
        QCOMPARE(blank->height(), blankHeight + 150);
        QVERIFY(blank->geometry().top() >= find<QWidget>("kj")->geometry().bottom());
    }

    void angleTextSurvivesTheMenu()
    {
        view->setRotation(30, 7.5f);
        QTest::qWait(30);
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Angle(030.0,007.5)"));
        QStatusTipEvent empty{QString()};
        QCoreApplication::sendEvent(window.get(), &empty);
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Angle(030.0,007.5)"));
    }

    void aboutBox()
    {
        QString caption, text;
        QTimer::singleShot(100, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                caption = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        fileItem("About")->trigger();
        QCOMPARE(caption, QStringLiteral("About..."));
        QVERIFY(text.startsWith(QStringLiteral("Illustrates Tervain's Transpose Switch<br>")));
        QVERIFY(text.endsWith(QStringLiteral("<br><br>First draft: 12 hours<br>Added Features: 8 hours<br>"
                                             "Minor Adjustments: 0.5 hours<br>Total: 20.5 Hours")));
        QVERIFY(!text.contains(QLatin1Char('\n')));
    }

    void exitEndsTheLoopWithZero()
    {
        QTimer::singleShot(0, [&] { fileItem("Exit")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
