// Lesson files without a display: what the loader takes, each rule by which
// it refuses a file whole, and saving and loading random lessons back.
#include "core/lesson.h"
#include "core/networkdocument.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace ts;

namespace {
QByteArray lessonWith(const QByteArray &keys)
{
    return "{\"format\": \"transpose-switch-lesson\", \"version\": 1" + (keys.isEmpty() ? "" : ", " + keys) + "}";
}

Lesson randomLesson(QRandomGenerator &rng)
{
    Lesson l;
    l.title = rng.bounded(2) ? QStringLiteral("Lesson \"%1\" ü\n").arg(rng.bounded(100)) : QString();
    l.notes = QStringLiteral("line\tone\nline two \\ %1").arg(rng.generate());
    const int n = rng.bounded(1, kMaxNetworkSize + 1);
    l.network.setSize(n);
    for (const PlaneFamily f : kAllPlaneFamilies)
        l.network.setOffset(f, rng.bounded(-n, n + 1));
    for (int m = rng.bounded(20); m > 0; --m) {
        const int bit = 1 << rng.bounded(3);
        if (rng.bounded(2))
            l.network.toggleTerminal(rng.bounded(n), rng.bounded(n), bit);
        else
            l.network.toggleSwitch(rng.bounded(n), rng.bounded(n), rng.bounded(n), bit);
    }
    l.options.routeMode = static_cast<RouteMode>(rng.bounded(2));
    l.options.wiresMode = static_cast<WiresMode>(rng.bounded(3));
    l.options.switchesMode = static_cast<SwitchesMode>(rng.bounded(3));
    for (PlaneOptions &p : l.options.planes)
        p = {rng.bounded(2) == 1, rng.bounded(2) == 1, rng.bounded(2) == 1};
    l.view = {normaliseAngle(float(rng.bounded(720.0) - 360.0)), normaliseAngle(float(rng.bounded(360.0))),
              kMinZoom + rng.bounded(kMaxZoom - kMinZoom)};
    return l;
}
} // namespace

class TestLesson : public QObject
{
    Q_OBJECT

private slots:
    void takesTheDocumentedFile()
    {
        Lesson l;
        QString error;
        QVERIFY2(parseLesson(R"({
            "format": "transpose-switch-lesson", "version": 1,
            "title": "Dead ends", "notes": "Free text shown beside the view.",
            "size": 4, "offsets": {"c1": 2, "c2": 0, "c3": -4},
            "routes": "wire", "wires": "used", "switches": "frame",
            "families": {"ik": {"hilite": true, "plane": true, "opaque": false},
                         "kj": {"opaque": true}},
            "marks": [{"terminal": [1, 0], "colours": ["red"]},
                      {"switch": [0, 2, 1], "colours": ["green", "blue", "green"]}],
            "view": {"angles": [30.0, -30.0], "zoom": 2.5},
            "a later key": {"is": "ignored"}
        })", &l, &error), qPrintable(error));
        QCOMPARE(l.title, QStringLiteral("Dead ends"));
        QCOMPARE(l.network.size(), 4);
        QCOMPARE(l.network.allOffsets(), (Offsets{2, 0, -4}));
        QCOMPARE(l.network.terminalMark(1, 0), int(RedBit));
        QCOMPARE(l.network.switchMark(0, 2, 1), GreenBit | BlueBit);
        QCOMPARE(int(l.options.routeMode), int(RouteWire));
        QCOMPARE(int(l.options.wiresMode), int(WiresUsed));
        QCOMPARE(int(l.options.switchesMode), int(SwitchesFrame));
        QVERIFY(l.options.plane(PlaneFamily::IK).plane && !l.options.plane(PlaneFamily::JI).hilite);
        QVERIFY(l.options.plane(PlaneFamily::KJ).opaque);
        QVERIFY(l.view == (ViewPoint{30.0f, 330.0f, 2.5}));
        // Only format and version are needed; the rest is the start state.
        QVERIFY(parseLesson(lessonWith({}), &l, &error));
        QVERIFY(l == Lesson{});
    }

    void refusesWholeAndSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("{\n  \"format\": ,\n}") << "not JSON: illegal value at line 2, column 13";
        QTest::newRow("no object") << QByteArray("[1]") << "not a lesson: the file holds no JSON object";
        QTest::newRow("wrong format") << QByteArray(R"({"format": "x", "version": 1})")
                                      << "not a lesson: \"format\" must be \"transpose-switch-lesson\"";
        QTest::newRow("no version") << QByteArray(R"({"format": "transpose-switch-lesson"})") << "\"version\" is missing";
        QTest::newRow("newer") << lessonWith("\"version\": 2")
                               << "made by a newer version of the program (lesson version 2)";
        QTest::newRow("wrong type") << lessonWith("\"size\": \"4\"") << "\"size\" must be a whole number";
        QTest::newRow("size 16") << lessonWith("\"size\": 16") << "\"size\" must be from 1 to 15, not 16";
        QTest::newRow("size 0") << lessonWith("\"size\": 0") << "\"size\" must be from 1 to 15, not 0";
        QTest::newRow("offset beyond") << lessonWith("\"size\": 3, \"offsets\": {\"c2\": -4}")
                                       << "\"offsets.c2\" must be from -3 to 3 at size 3, not -4";
        QTest::newRow("mark outside") << lessonWith("\"marks\": [{\"terminal\": [0, 4], \"colours\": [\"red\"]}]")
                                      << "\"marks[0].terminal\" lies outside the network of size 4";
        QTest::newRow("switch of 2") << lessonWith("\"marks\": [{\"switch\": [0, 1], \"colours\": [\"red\"]}]")
                                     << "\"marks[0].switch\" must be a list of 3";
        QTest::newRow("no colours") << lessonWith("\"marks\": [{\"terminal\": [0, 0], \"colours\": []}]")
                                    << "\"marks[0].colours\" names no colour";
        QTest::newRow("unknown colour") << lessonWith("\"marks\": [{\"terminal\": [0, 0], \"colours\": [\"pink\"]}]")
                                        << "\"marks[0].colours\" must be one of \"red\", \"green\", \"blue\", not \"pink\"";
        QTest::newRow("unknown mode") << lessonWith("\"wires\": \"some\"")
                                      << "\"wires\" must be one of \"off\", \"used\", \"all\", not \"some\"";
        QTest::newRow("non-finite angle") << lessonWith("\"view\": {\"angles\": [1e39, 0]}")
                                          << "\"view.angles[0]\" must be a finite number";
        QTest::newRow("zoom") << lessonWith("\"view\": {\"zoom\": 9}") << "\"view.zoom\" must be a number from 0.5 to 8";
    }

    void refusesWholeAndSaysWhy()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        Lesson l;
        l.title = QStringLiteral("untouched");
        const Lesson before = l;
        QString error;
        QVERIFY(!parseLesson(bytes, &l, &error));
        QCOMPARE(error, message);
        QVERIFY(l == before);
    }

    void filesThatAreNoLesson()
    {
        QTemporaryDir dir;
        const QString big = dir.filePath(QStringLiteral("big.tslesson"));
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lessonWith("\"notes\": \"" + QByteArray(int(kMaxLessonBytes), 'x') + "\""));
        file.close();
        Lesson l;
        QString error;
        QVERIFY(!readLessonFile(big, &l, &error));
        QCOMPARE(error, QDir::toNativeSeparators(big) + QStringLiteral(": is larger than 1 MiB, too large for a lesson"));
        QVERIFY(!readLessonFile(dir.path(), &l, &error));
        QVERIFY(error.endsWith(QStringLiteral(": is a folder, not a lesson")));
        QVERIFY(!readLessonFile(dir.filePath(QStringLiteral("none.tslesson")), &l, &error));
        QVERIFY(error.endsWith(QStringLiteral("none.tslesson: there is no such file")));
        // A save that fails says why and leaves what was there.
        QVERIFY(!writeLessonFile(dir.path(), Lesson{}, &error));
        QVERIFY(error.contains(QStringLiteral("cannot be saved")));
        QVERIFY(QFileInfo(dir.path()).isDir());
        QVERIFY(l == Lesson{});
    }

    // Saving writes the keys in the documented order, and every lesson comes
    // back equal from its file; opening one into a document starts a new
    // history and leaves nothing to save.
    void savedAndLoadedBack()
    {
        QRandomGenerator rng(20261208);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("round.tslesson"));
        for (int r = 0; r < 200; ++r) {
            const Lesson l = randomLesson(rng);
            QString error;
            QVERIFY2(writeLessonFile(path, l, &error), qPrintable(error));
            Lesson back;
            QVERIFY2(readLessonFile(path, &back, &error), qPrintable(error));
            QVERIFY2(back == l, qPrintable(QString::fromUtf8(lessonBytes(l))));
        }
        const QByteArray text = lessonBytes(Lesson{});
        int last = -1;
        for (const char *key : {"format", "version", "title", "notes", "size", "offsets", "routes", "wires",
                                "switches", "families", "marks", "view"}) {
            const int at = int(text.indexOf(QByteArray("\"") + key + "\":"));
            QVERIFY2(at > last, key);
            last = at;
        }

        NetworkDocument doc;
        doc.toggleTerminal(0, 0, RedBit);
        const Lesson l = randomLesson(rng);
        doc.open(l);
        QVERIFY(doc.lesson() == l);
        QVERIFY(!doc.undoStack()->canUndo() && !doc.isModified());
        doc.setWiresMode((l.options.wiresMode + 1) % 3);
        QVERIFY(doc.isModified());
        doc.markSaved();
        doc.setLessonText(QStringLiteral("New"), l.notes);
        QVERIFY(doc.isModified());
        doc.undoStack()->undo();
        QVERIFY(!doc.isModified() && doc.title() == l.title);
    }
};

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
