// The document and its one history, without a display: sequences of edits,
// undos and redos, each row with the network that the rules of undo say
// must result, written out by hand.
#include "core/networkdocument.h"
#include "support/heapinuse.h"
#include "support/marksoracle.h"

#include <QUndoStack>
#include <QtTest>

using namespace ts;

namespace {
// Runs "m i j bit" (toggle a terminal), "s i j k bit" (a switch), "clear",
// "N n" (size), "c1 v", "c2 v", "c3 v", "u" (undo) and "r" (redo), and of
// the scenes "add", "dup", "del i", "mv from to", "ren i title" and "go i"
// (show one), separated by semicolons.
void run(NetworkDocument &doc, const QString &script)
{
    for (const QString &step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList w = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        auto arg = [&w](int a) { return w.value(a).toInt(); };
        const QString op = w.value(0);
        if (op == QLatin1String("m"))
            doc.toggleTerminal(arg(1), arg(2), arg(3));
        else if (op == QLatin1String("s"))
            doc.toggleSwitch(arg(1), arg(2), arg(3), arg(4));
        else if (op == QLatin1String("clear"))
            doc.clearMarks();
        else if (op == QLatin1String("N"))
            doc.setSize(arg(1));
        else if (op.startsWith(QLatin1Char('c')))
            doc.setOffset(kAllPlaneFamilies[static_cast<std::size_t>(op.mid(1).toInt() - 1)], arg(1));
        else if (op == QLatin1String("u"))
            doc.undoStack()->undo();
        else if (op == QLatin1String("r"))
            doc.undoStack()->redo();
        else if (op == QLatin1String("add"))
            doc.addScene();
        else if (op == QLatin1String("dup"))
            doc.duplicateScene();
        else if (op == QLatin1String("del"))
            doc.deleteScene(arg(1));
        else if (op == QLatin1String("mv"))
            doc.moveScene(arg(1), arg(2));
        else if (op == QLatin1String("ren"))
            doc.renameScene(arg(1), w.value(2));
        else if (op == QLatin1String("go"))
            doc.showScene(arg(1));
        else
            qFatal("unknown step %s", qPrintable(step));
    }
}

// "N c1 c2 c3" and the marks as "i j bits" or "i j k bits", e.g. "4 1 0 0; 0 0 1".
SwitchNetwork expected(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(';'));
    const QStringList sizes = parts[0].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    SwitchNetwork net = oracle::networkWith(sizes[0].toInt(), sizes[1].toInt(), sizes[2].toInt(), sizes[3].toInt());
    for (int p = 1; p < parts.size(); ++p) {
        const QStringList m = parts[p].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (m.size() == 3)
            net.toggleTerminal(m[0].toInt(), m[1].toInt(), m[2].toInt());
        else
            net.toggleSwitch(m[0].toInt(), m[1].toInt(), m[2].toInt(), m[3].toInt());
    }
    return net;
}
} // namespace

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void history_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("undoable"); // edits left to undo
        QTest::newRow("mark, c1, undo: c1 only") << "m 0 0 1; c1 1; u" << "4 0 0 0; 0 0 1" << 1;
        QTest::newRow("... undo again: nothing") << "m 0 0 1; c1 1; u; u" << "4 0 0 0" << 0;
        QTest::newRow("... redo twice: both") << "m 0 0 1; c1 1; u; u; r; r" << "4 1 0 0; 0 0 1" << 2;
        QTest::newRow("spinning c1 is one edit") << "c1 1; c1 2; c1 3; c1 4; c1 5; u" << "4 0 0 0" << 0;
        QTest::newRow("spinning back is no edit") << "c1 1; c1 2; c1 0" << "4 0 0 0" << 0;
        QTest::newRow("two offsets, two edits") << "c1 1; c2 1; u" << "4 1 0 0" << 1;
        QTest::newRow("spinning the size is one edit") << "N 5; N 6; N 7; u" << "4 0 0 0" << 0;
        QTest::newRow("a shrink undone brings the marks back")
            << "N 8; m 7 7 1; s 6 1 7 4; m 1 2 2; N 3; u" << "8 0 0 0; 7 7 1; 6 1 7 4; 1 2 2" << 4;
        QTest::newRow("a shrink redone drops them") << "N 8; m 7 7 1; m 1 2 2; N 3; u; r" << "3 0 0 0; 1 2 2" << 4;
        QTest::newRow("the shrink's clamp is part of it") << "N 8; c1 6; c3 -7; N 3; c1 3; c3 -3; u"
                                                          << "8 6 0 -7" << 3;
        QTest::newRow("an offset inside the range is not a clamp") << "N 8; N 6; c1 1; u" << "6 0 0 0" << 1;
        QTest::newRow("a new edit clears redo") << "m 0 0 1; m 1 1 2; u; m 2 2 4; r" << "4 0 0 0; 0 0 1; 2 2 4" << 2;
        QTest::newRow("no merging across an undo") << "c1 1; m 0 0 1; u; c1 2; u" << "4 1 0 0" << 1;
        QTest::newRow("a clear undone") << "m 0 0 1; s 1 1 1 2; clear; u" << "4 0 0 0; 0 0 1; 1 1 1 2" << 2;
        QTest::newRow("a clear redone") << "m 0 0 1; s 1 1 1 2; clear; u; r" << "4 0 0 0" << 3;
        QTest::newRow("nothing to clear, no edit") << "clear" << "4 0 0 0" << 0;
        QTest::newRow("outside the network, no edit") << "m 4 0 1; s 0 0 4 1; m -1 0 1" << "4 0 0 0" << 0;
        QTest::newRow("a refused size, no edit") << "N 16; N 0" << "4 0 0 0" << 0;
        QTest::newRow("undo and redo beyond the ends") << "m 1 1 1; u; u; r; r" << "4 0 0 0; 1 1 1" << 1;
    }

    void history()
    {
        QFETCH(QString, script);
        QFETCH(QString, result);
        QFETCH(int, undoable);
        if (script.contains(QLatin1String("N 16")))
            for (int n : {16, 0})
                QTest::ignoreMessage(QtWarningMsg,
                                     qPrintable(QStringLiteral("Invalid size requested! (%1).  Valid range is 1-15").arg(n)));
        NetworkDocument doc;
        run(doc, script);
        const SwitchNetwork want = expected(result);
        QCOMPARE(doc.network().size(), want.size());
        QCOMPARE(doc.network().allOffsets(), want.allOffsets());
        QVERIFY(doc.network().marks() == want.marks());
        QVERIFY(doc.network().marks().arrivals == oracle::expectedMarks(want));
        QCOMPARE(doc.undoStack()->index(), undoable);
    }

    // Each scene keeps its own network; an edit is undone in the scene it was
    // made in, which is shown first; the list's edits are undone too.
    void scenes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("scenes"); // each as history's result, split by " | ", the shown one in [ ]
        QTest::addColumn<QString>("titles");
        QTest::newRow("one scene") << "m 0 0 1" << "[4 0 0 0; 0 0 1]" << "";
        QTest::newRow("a new scene copies the network") << "m 0 0 1; add; m 1 1 2"
                                                        << "4 0 0 0; 0 0 1 | [4 0 0 0; 0 0 1; 1 1 2]" << "|";
        QTest::newRow("undo shows the scene of the edit") << "add; m 0 0 1; go 0; u" << "4 0 0 0 | [4 0 0 0]" << "|";
        QTest::newRow("redo too") << "add; c2 1; u; go 0; r" << "4 0 0 0 | [4 0 1 0]" << "|";
        QTest::newRow("an add undone") << "m 1 1 2; add; go 0; u" << "[4 0 0 0; 1 1 2]" << "";
        QTest::newRow("an add and the edit before it undone") << "m 1 1 2; add; u; u" << "[4 0 0 0]" << "";
        QTest::newRow("a move") << "m 0 0 1; add; m 1 1 2; mv 1 0"
                                << "[4 0 0 0; 0 0 1; 1 1 2] | 4 0 0 0; 0 0 1" << "|";
        QTest::newRow("a move undone") << "m 0 0 1; add; m 1 1 2; mv 1 0; u"
                                       << "4 0 0 0; 0 0 1 | [4 0 0 0; 0 0 1; 1 1 2]" << "|";
        QTest::newRow("a delete keeps what the scene showed") << "add; N 3; del 1; u"
                                                              << "4 0 0 0 | [3 0 0 0]" << "|";
        QTest::newRow("a delete shows the one after") << "add; add; c1 2; go 0; del 0"
                                                      << "[4 0 0 0] | 4 2 0 0" << "|";
        QTest::newRow("the last scene stays") << "del 0; m 2 2 4" << "[4 0 0 0; 2 2 4]" << "";
        QTest::newRow("a duplicate keeps the title") << "ren 0 Intro; dup; ren 1 Then; u"
                                                     << "4 0 0 0 | [4 0 0 0]" << "Intro|Intro";
        QTest::newRow("an add does not") << "ren 0 Intro; add; c3 -1" << "4 0 0 0 | [4 0 0 -1]" << "Intro|";
    }

    void scenes()
    {
        QFETCH(QString, script);
        QFETCH(QString, scenes);
        QFETCH(QString, titles);
        NetworkDocument doc;
        run(doc, script);
        const QStringList want = scenes.split(QStringLiteral(" | "));
        QCOMPARE(doc.sceneCount(), int(want.size()));
        const Lesson lesson = doc.lesson();
        for (int s = 0; s < doc.sceneCount(); ++s) {
            const bool shown = want[s].startsWith(QLatin1Char('['));
            QCOMPARE(doc.currentScene() == s, shown);
            QVERIFY2(lesson.scenes[std::size_t(s)].network == expected(QString(want[s]).remove('[').remove(']')),
                     qPrintable(QStringLiteral("scene %1").arg(s)));
        }
        if (doc.sceneCount() > 1 || !titles.isEmpty())
            for (int s = 0; s < doc.sceneCount(); ++s)
                QCOMPARE(lesson.scenes[std::size_t(s)].title, titles.split(QLatin1Char('|')).value(s));
        // Undone to the start, every row is the one empty scene again.
        while (doc.undoStack()->canUndo())
            doc.undoStack()->undo();
        QVERIFY(doc.lesson() == Lesson{});
        QVERIFY(!doc.isModified());
    }

    // One signal per kind of change, in a fixed order, and only for what
    // changed; display options and the view point are not history.
    void signalsFollowTheChange()
    {
        NetworkDocument doc;
        QStringList heard;
        connect(&doc, &NetworkDocument::sizeChanged, this, [&](int n) { heard << QStringLiteral("size %1").arg(n); });
        connect(&doc, &NetworkDocument::offsetChanged, this,
                [&](PlaneFamily f, int c) { heard << QStringLiteral("offset %1 %2").arg(index(f)).arg(c); });
        connect(&doc, &NetworkDocument::marksChanged, this, [&] { heard << QStringLiteral("marks"); });
        connect(&doc, &NetworkDocument::networkChanged, this, [&] { heard << QStringLiteral("network"); });
        connect(&doc, &NetworkDocument::displayOptionsChanged, this, [&] { heard << QStringLiteral("options"); });
        connect(&doc, &NetworkDocument::viewPointChanged, this, [&] { heard << QStringLiteral("view"); });

        run(doc, QStringLiteral("N 8; c3 6; m 7 7 1"));
        heard.clear();
        // A smaller size pulls the offset in within the same edit; the
        // panel's clamp that follows changes nothing.
        run(doc, QStringLiteral("N 3; c3 3"));
        QCOMPARE(heard, (QStringList{"size 3", "offset 2 3", "marks", "network"}));
        QCOMPARE(doc.undoStack()->count(), 4);
        heard.clear();
        run(doc, QStringLiteral("u"));
        QCOMPARE(heard, (QStringList{"size 8", "offset 2 6", "marks", "network"}));
        heard.clear();

        doc.setWiresMode(WiresAll);
        doc.setWiresMode(WiresAll);
        doc.setPlaneOption(PlaneFamily::JI, &PlaneOptions::opaque, true);
        doc.setRotation(-30.0f, 725.0f);
        doc.setZoom(100.0);
        doc.setZoom(kMaxZoom);
        QCOMPARE(heard, (QStringList{"options", "options", "view", "view"}));
        QVERIFY(doc.viewPoint() == (ViewPoint{330.0f, 5.0f, kMaxZoom}));
        QCOMPARE(doc.undoStack()->index(), 3);
    }

    // A lecture's history must fit in a few MB: each entry keeps what its
    // edit changed, not the network. Heap in use over hundreds of entries at
    // N = 15, a few marks already there.
    void undoEntryCost_data()
    {
        QTest::addColumn<QString>("edit"); // %1 and %2 run over the entries
        QTest::newRow("a terminal mark") << "m %1 %2 1";
        QTest::newRow("a switch mark") << "s %2 %1 %2 4";
        QTest::newRow("a mark, then a clear of it") << "m %1 %2 2; clear";
        QTest::newRow("offsets of two families in turn") << "c1 %1; c2 %1";
    }

    void undoEntryCost()
    {
        QFETCH(QString, edit);
        constexpr int kEdits = 300;
        constexpr std::size_t kMostBytesPerEntry = 1024;
        NetworkDocument doc;
        run(doc, QStringLiteral("N 15; m 1 2 1; s 3 4 5 2; m 14 14 4"));
        doc.undoStack()->clear();
        const std::size_t before = heapInUse();
        for (int e = 0; e < kEdits; ++e)
            run(doc, edit.arg(e % 15).arg(e / 15 % 15));
        const std::size_t bytesPerEntry = (heapInUse() - before) / std::size_t(doc.undoStack()->count());
        QVERIFY2(doc.undoStack()->count() >= kEdits, qPrintable(QString::number(doc.undoStack()->count())));
        QVERIFY2(bytesPerEntry <= kMostBytesPerEntry, qPrintable(QStringLiteral("%1 bytes").arg(bytesPerEntry)));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
