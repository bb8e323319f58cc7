// Lesson files without a display: what the loader takes, each rule by which
// it refuses a file whole, and saving and loading random lessons back.
#include "core/lesson.h"
#include "core/networkdocument.h"
#include "core/routelegs.h"
#include "core/routetext.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sys/stat.h>

using namespace ts;

namespace {
QByteArray lessonWith(const QByteArray &keys)
{
    return "{\"format\": \"transpose-switch-lesson\", \"version\": 1" + (keys.isEmpty() ? "" : ", " + keys) + "}";
}

QByteArray lessonOfScenes(const QByteArray &scenes)
{
    return "{\"format\": \"transpose-switch-lesson\", \"version\": 2, \"scenes\": " + scenes + "}";
}

LessonScene randomScene(QRandomGenerator &rng)
{
    Lesson l;
    const int n = rng.bounded(1, kMaxNetworkSize + 1);
    l.first().network.setSize(n);
    for (const PlaneFamily f : kAllPlaneFamilies)
        l.first().network.setOffset(f, rng.bounded(-n, n + 1));
    for (int m = rng.bounded(20); m > 0; --m) {
        const int bit = 1 << rng.bounded(3);
        if (rng.bounded(2))
            l.first().network.toggleTerminal(rng.bounded(n), rng.bounded(n), bit);
        else
            l.first().network.toggleSwitch(rng.bounded(n), rng.bounded(n), rng.bounded(n), bit);
    }
    l.first().options.routeMode = static_cast<RouteMode>(rng.bounded(2));
    l.first().options.wiresMode = static_cast<WiresMode>(rng.bounded(3));
    l.first().options.switchesMode = static_cast<SwitchesMode>(rng.bounded(3));
    for (PlaneOptions &p : l.first().options.planes)
        p = {rng.bounded(2) == 1, rng.bounded(2) == 1, rng.bounded(2) == 1};
    l.first().presentation.focusRoutes = rng.bounded(2) == 1;
    l.first().presentation.labels = rng.bounded(2) == 1;
    if (rng.bounded(3) == 0) {
        const int i = rng.bounded(n), j = rng.bounded(n);
        const int legs = int(routeLegs(l.first().network, i, j).size());
        l.first().presentation.step = {true, i, j, rng.bounded(legs + 1)};
    }
    l.first().view = {normaliseAngle(float(rng.bounded(720.0) - 360.0)), normaliseAngle(float(rng.bounded(360.0))),
              kMinZoom + rng.bounded(kMaxZoom - kMinZoom)};
    if (rng.bounded(3) == 0)
        l.first().view.panX = rng.bounded(2 * kMaxPan) - kMaxPan;
    return l.first();
}

// One scene without words of its own (version 1) or several with them.
Lesson randomLesson(QRandomGenerator &rng)
{
    Lesson l;
    l.title = rng.bounded(2) ? QStringLiteral("Lesson \"%1\" ü\n").arg(rng.bounded(100)) : QString();
    l.notes = QStringLiteral("line\tone\nline two \\ %1").arg(rng.generate());
    const int scenes = rng.bounded(3) == 0 ? rng.bounded(2, 5) : 1;
    l.scenes.clear();
    for (int s = 0; s < scenes; ++s) {
        l.scenes.push_back(randomScene(rng));
        if (scenes > 1 && rng.bounded(2))
            l.scenes.back().title = QStringLiteral("Scene \"%1\"").arg(s);
        if (scenes > 1 && rng.bounded(2))
            l.scenes.back().notes = QStringLiteral("notes\n%1").arg(rng.generate());
    }
    if (rng.bounded(2)) {
        PracticeSet set;
        if (rng.bounded(2))
            set.seed = rng.bounded(1000000);
        if (rng.bounded(2))
            set.level = static_cast<PracticeLevel>(rng.bounded(3));
        if (rng.bounded(2))
            set.questions = rng.bounded(1, kMaxPracticeQuestions + 1);
        l.practice = set;
    }
    return l;
}

// The claims of a scene's notes that the rules refute, and the numbers that
// no claim checks. The notes word their claims in these few ways only, so
// that none goes unchecked; k1, c2 and the like are names, not numbers.
QStringList wrongClaims(const LessonScene &scene)
{
    using Match = QRegularExpressionMatch;
    const SwitchNetwork &net = scene.network;
    const int n = net.size();
    const auto num = [](const Match &m, int g) { return m.captured(g).remove(QLatin1Char(',')).toInt(); };
    const auto words = [](const QString &text) { return text; };
    const auto route = [&](const Match &m) { return net.trace(num(m, 1), num(m, 2)); };
    const auto family = [](const QString &title) {
        int f = 0;
        while (f < kPlaneFamilyCount && title != QLatin1String(kPlaneFamilies[std::size_t(f)].title))
            ++f;
        return f;
    };
    int arriving = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            arriving += net.trace(i, j).arrives() ? 1 : 0;
    // "terminal (a, b)" and the words of its sentence up to the claim.
    const QString of = QStringLiteral(R"(terminal \((\d+), (\d+)\)(?:(?!terminal)[^.?!;])*?)");
    const QString families = QStringLiteral(R"((i = k1 \+ c1|j = i \+ c2|k2 = j \+ c3))");
    const std::vector<std::pair<QString, std::function<bool(const Match &)>>> claims = {
        {of + R"(arrives at \((\d+), (\d+)\))",
         [&](const Match &m) { return route(m).arrives() && route(m).i1 == num(m, 3) && route(m).j1 == num(m, 4); }},
        {of + "dies at the " + families + " family",
         [&](const Match &m) { return !route(m).arrives() && index(route(m).deadEnd()) == family(m.captured(3)); }},
        {of + R"(goes down to level k = (\d+))", [&](const Match &m) { return route(m).k == num(m, 3); }},
        // Switches the route turns in, in its order.
        {of + R"(turns at switch(?:es)? ((?:\(\d+, \d+, \d+\)(?:,? and |, )?)+))",
         [&](const Match &m) {
             const std::vector<RouteLeg> legs = routeLegs(net, num(m, 1), num(m, 2));
             auto next = legs.begin();
             QRegularExpressionMatchIterator it =
                 QRegularExpression(QStringLiteral(R"(\((\d+), (\d+), (\d+)\))")).globalMatch(m.captured(3));
             while (it.hasNext()) {
                 const Match t = it.next();
                 next = std::find_if(next, legs.end(), [&](const RouteLeg &l) {
                     return !l.dies && l.kind != RouteLeg::Up && l.i == num(t, 1) && l.j == num(t, 2) &&
                            l.k == num(t, 3);
                 });
                 if (next == legs.end())
                     return false;
                 ++next;
             }
             return true;
         }},
        // Why a route dies, in the Routes panel's words.
        {of + R"((no (?:level k|column i|row j) in 0\.\.\d+ with -?\d+ = [ijk](?: [+-] \d+)?))",
         [&](const Match &m) {
             const RouteLeg last = routeLegs(net, num(m, 1), num(m, 2)).back();
             return last.dies && words(legWords(net, num(m, 1), num(m, 2), last)).contains(m.captured(3));
         }},
        {QStringLiteral(R"(((?:red|green|blue)(?: \+ (?:green|blue))*) route of terminal \((\d+), (\d+)\))"),
         [&](const Match &m) { return words(colourWords(net.terminalMark(num(m, 2), num(m, 3)))) == m.captured(1); }},
        {QStringLiteral(R"(where does terminal \((\d+), (\d+)\) arrive)"),
         [&](const Match &m) { return num(m, 1) < n && num(m, 2) < n; }},
        // Every terminal of a column or row dies at that family (or some
        // at an earlier one, when the notes say so), at least one there.
        {QStringLiteral(R"(every terminal with ([ij]) = (\d+)(?: or [ij] = (\d+))? dies at the )") + families +
             QStringLiteral(" family( or earlier)?"),
         [&](const Match &m) {
             bool there = false;
             for (int i = 0; i < n; ++i)
                 for (int j = 0; j < n; ++j) {
                     const int v = m.captured(1) == QLatin1String("i") ? i : j;
                     if (v != num(m, 2) && (m.captured(3).isEmpty() || v != num(m, 3)))
                         continue;
                     const RouteTrace r = net.trace(i, j);
                     const int at = index(r.deadEnd()), named = family(m.captured(4));
                     if (r.arrives() || at > named || (at < named && m.captured(5).isEmpty()))
                         return false;
                     there = there || at == named;
                 }
             return there;
         }},
        {QStringLiteral(R"(\bN = (\d+))"), [&](const Match &m) { return num(m, 1) == n; }},
        {QStringLiteral(R"(\bc([123]) = (-?\d+))"),
         [&](const Match &m) { return net.allOffsets()[std::size_t(num(m, 1) - 1)] == num(m, 2); }},
        {QStringLiteral(R"(from k = (0) at the top to k = (\d+) at the bottom)"),
         [&](const Match &m) { return num(m, 2) == n - 1; }},
        {QStringLiteral(R"((\d+) terminals and ([\d,]+) switches)"),
         [&](const Match &m) { return num(m, 1) == n * n && num(m, 2) == n * n * n; }},
        {QStringLiteral(R"((\d+) of (\d+) terminals arrive)"),
         [&](const Match &m) { return num(m, 1) == arriving && num(m, 2) == n * n; }},
        {QStringLiteral(R"((\(i, j\) → \([^()]*\)))"),
         [&](const Match &m) { return words(mapRuleText(net)).endsWith(QStringLiteral(": ") + m.captured(1)); }},
    };
    QStringList wrong;
    std::vector<bool> checked(std::size_t(scene.notes.size()));
    for (const auto &[pattern, holds] : claims) {
        QRegularExpressionMatchIterator it =
            QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption).globalMatch(scene.notes);
        while (it.hasNext()) {
            const Match m = it.next();
            if (!holds(m))
                wrong << m.captured(0);
            for (int g = 1; g <= m.lastCapturedIndex(); ++g)
                if (m.capturedStart(g) >= 0)
                    std::fill_n(checked.begin() + m.capturedStart(g), m.capturedLength(g), true);
        }
    }
    QRegularExpressionMatchIterator numbers =
        QRegularExpression(QStringLiteral(R"((?<![\w.])\d)")).globalMatch(scene.notes);
    while (numbers.hasNext()) {
        const qsizetype at = numbers.next().capturedStart();
        if (!checked[std::size_t(at)])
            wrong << QStringLiteral("unchecked: ") + scene.notes.mid(std::max<qsizetype>(0, at - 20), 40).simplified();
    }
    return wrong;
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
        QCOMPARE(l.first().network.size(), 4);
        QCOMPARE(l.first().network.allOffsets(), (Offsets{2, 0, -4}));
        QCOMPARE(l.first().network.terminalMark(1, 0), int(RedBit));
        QCOMPARE(l.first().network.switchMark(0, 2, 1), GreenBit | BlueBit);
        QCOMPARE(int(l.first().options.routeMode), int(RouteWire));
        QCOMPARE(int(l.first().options.wiresMode), int(WiresUsed));
        QCOMPARE(int(l.first().options.switchesMode), int(SwitchesFrame));
        QVERIFY(l.first().options.plane(PlaneFamily::IK).plane && !l.first().options.plane(PlaneFamily::JI).hilite);
        QVERIFY(l.first().options.plane(PlaneFamily::KJ).opaque);
        QVERIFY(l.first().view == (ViewPoint{30.0f, 330.0f, 2.5}));
        // Any finite angle turns the model, even one beyond float's range.
        QVERIFY(parseLesson(lessonWith("\"view\": {\"angles\": [1e308, -1e39]}"), &l, &error));
        QCOMPARE(l.first().view.rotX, normaliseAngle(float(std::fmod(1e308, 360.0))));
        QCOMPARE(l.first().view.rotY, normaliseAngle(float(std::fmod(-1e39, 360.0))));
        QVERIFY(l.first().view.rotX >= 0 && l.first().view.rotX < 360 && l.first().view.rotY >= 0 && l.first().view.rotY < 360);
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
        QTest::newRow("newer") << lessonWith("\"version\": 3")
                               << "made by a newer version of the program (lesson version 3)";
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
                                        << "\"marks[0].colours[0]\" must be one of \"red\", \"green\", \"blue\", not \"pink\"";
        QTest::newRow("a colour that is null")
            << lessonWith("\"marks\": [{\"terminal\": [0, 0], \"colours\": [\"red\", null]}]")
            << "\"marks[0].colours[1]\" must be a text";
        // Numbers far out of range are named by the range they break.
        QTest::newRow("size beyond int") << lessonWith("\"size\": 2147483647")
                                         << "\"size\" must be from 1 to 15, not 2147483647";
        QTest::newRow("offset beyond a billion") << lessonWith("\"offsets\": {\"c1\": 1000000001}")
                                                 << "\"offsets.c1\" must be from -4 to 4 at size 4, not 1000000001";
        QTest::newRow("index of 1e10") << lessonWith("\"marks\": [{\"terminal\": [0, 1e10], \"colours\": [\"red\"]}]")
                                       << "\"marks[0].terminal\" lies outside the network of size 4";
        QTest::newRow("version 1e300") << lessonWith("\"version\": 1e300")
                                       << "made by a newer version of the program (lesson version 1e+300)";
        QTest::newRow("half a size") << lessonWith("\"size\": 4.5") << "\"size\" must be a whole number";
        QTest::newRow("unknown mode") << lessonWith("\"wires\": \"some\"")
                                      << "\"wires\" must be one of \"off\", \"used\", \"all\", not \"some\"";
        QTest::newRow("an angle that is no number") << lessonWith("\"view\": {\"angles\": [0, true]}")
                                                    << "\"view.angles[1]\" must be a finite number";
        QTest::newRow("zoom") << lessonWith("\"view\": {\"zoom\": 9}") << "\"view.zoom\" must be a number from 0.5 to 8";
        QTest::newRow("pan beyond") << lessonWith("\"view\": {\"pan\": [0, -9]}") << "\"view.pan[1]\" must be a number from -8 to 8";
        QTest::newRow("pan of one") << lessonWith("\"view\": {\"pan\": [1]}") << "\"view.pan\" must be a list of 2";
        QTest::newRow("focus as a word") << lessonWith("\"focus\": \"yes\"") << "\"focus\" must be true or false";
        QTest::newRow("labels as a number") << lessonWith("\"labels\": 1") << "\"labels\" must be true or false";
        // A route stepped at N = 4 with no offsets has four legs: down, along x, along z, up.
        QTest::newRow("step past the end") << lessonWith("\"step\": {\"terminal\": [1, 2], \"legs\": 5}")
                                           << "\"step.legs\" must be from 0 to 4, the legs of that route, not 5";
        QTest::newRow("step outside") << lessonWith("\"step\": {\"terminal\": [4, 0], \"legs\": 0}")
                                      << "\"step.terminal\" lies outside the network of size 4";
        QTest::newRow("practice level") << lessonWith("\"practice\": {\"level\": \"hard\"}")
                                        << "\"practice.level\" must be one of \"small\", \"medium\", \"large\", not \"hard\"";
        QTest::newRow("no questions") << lessonWith("\"practice\": {\"questions\": 0}")
                                      << "\"practice.questions\" must be from 1 to 50, not 0";
        QTest::newRow("v2 without scenes") << lessonOfScenes("null")
                                           << "\"scenes\" must be a list of at least one object";
        QTest::newRow("v2 with no scene") << lessonOfScenes("[]") << "\"scenes\" must be a list of at least one object";
        QTest::newRow("a scene that is a number") << lessonOfScenes("[{}, 1]") << "\"scenes[1]\" must be an object";
        QTest::newRow("a scene's size") << lessonOfScenes("[{}, {}, {}, {\"size\": 16}]")
                                        << "\"scenes[3].size\" must be from 1 to 15, not 16";
        QTest::newRow("a scene's mark") << lessonOfScenes("[{\"size\": 2, \"marks\": [{\"terminal\": [2, 0], \"colours\": [\"red\"]}]}]")
                                        << "\"scenes[0].marks[0].terminal\" lies outside the network of size 2";
        QTest::newRow("a scene's zoom") << lessonOfScenes("[{}, {\"view\": {\"zoom\": 0}}]")
                                        << "\"scenes[1].view.zoom\" must be a number from 0.5 to 8";
        QTest::newRow("a scene's title") << lessonOfScenes("[{\"title\": 7}]") << "\"scenes[0].title\" must be a text";
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

    void filesThatAreNoLesson_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // after "path: "
        QTest::newRow("too large") << "big.tslesson" << "is larger than 1 MiB, too large for a lesson";
        QTest::newRow("a folder") << "folder" << "is a folder, not a lesson";
        QTest::newRow("missing") << "none.tslesson" << "there is no such file";
        // Opening a FIFO would wait for a writer for ever.
        QTest::newRow("a FIFO") << "fifo.tslesson" << "is not a regular file";
        QTest::newRow("a device") << "/dev/zero" << "is not a regular file";
        QTest::newRow("a link loop") << "loop.tslesson" << "cannot be read: Too many levels of symbolic links";
        QTest::newRow("an empty name") << "" << "the file name is empty";
    }

    void filesThatAreNoLesson()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("big.tslesson")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lessonWith("\"notes\": \"" + QByteArray(int(kMaxLessonBytes), 'x') + "\""));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.tslesson"))).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop.tslesson")), dir.filePath(QStringLiteral("loop.tslesson"))));
        const QString path = name.isEmpty() || name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
        Lesson l;
        QString error;
        QVERIFY(!readLessonFile(path, &l, &error));
        QCOMPARE(error, path.isEmpty() ? message : QDir::toNativeSeparators(path) + QStringLiteral(": ") + message);
        QVERIFY(l == Lesson{});
    }

    // A save either replaces the file whole or leaves the old one byte for
    // byte, with no temporary file beside it, and says why in the system's
    // words: a lesson that fits in a write buffer must fail as a large one.
    void savesWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit"); // bytes a file may have, or 0 for none
        QTest::addColumn<int>("notes"); // characters of notes, for the lesson's size
        QTest::addColumn<QString>("message"); // after "path: "
        QTest::newRow("a small lesson, disk full") << "old.tslesson" << 256 << 10 << "cannot be saved: File too large";
        QTest::newRow("a large lesson, disk full") << "old.tslesson" << 4096 << 100000 << "cannot be saved: File too large";
        QTest::newRow("onto a folder") << "folder" << 0 << 10 << "is a folder, not a file";
        QTest::newRow("onto a FIFO") << "fifo" << 0 << 10 << "is not a regular file";
        QTest::newRow("into a missing folder") << "missing/new.tslesson" << 0 << 10 << "cannot be saved: No such file or directory";
    }

    void savesWholeOrNotAtAll()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        QFETCH(int, notes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
        Lesson old;
        old.title = QStringLiteral("old");
        QVERIFY(writeLessonFile(dir.filePath(QStringLiteral("old.tslesson")), old, nullptr));
        const auto listing = [&dir] {
            QStringList entries;
            for (const QFileInfo &e : QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name))
                entries << e.fileName() + QLatin1Char(' ') + QString::number(e.size()) + (e.isFile() ? "f" : e.isDir() ? "d" : "s");
            return entries;
        };
        const QStringList before = listing();
        const QByteArray oldBytes = lessonBytes(old);

        Lesson next;
        next.notes = QString(notes, QLatin1Char('n'));
        next.first().network.toggleTerminal(1, 2, RedBit);
        const QString path = dir.filePath(name);
        QString error;
        bool saved = true;
        {
            const support::FileSizeLimit disk(limit > 0 ? rlim_t(limit) : RLIM_INFINITY);
            saved = writeLessonFile(path, next, &error);
        }
        QVERIFY(!saved);
        QCOMPARE(error, QDir::toNativeSeparators(path) + QStringLiteral(": ") + message);
        QCOMPARE(listing(), before);
        QFile kept(dir.filePath(QStringLiteral("old.tslesson")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), oldBytes);
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
        // Focus, labels and a step are written only when on, so a lesson
        // without them reads as an older program wrote it; one scene without
        // words of its own is version 1, more are version 2.
        const QByteArray plain = lessonBytes(Lesson{});
        for (const char *key : {"\"focus\"", "\"labels\"", "\"step\"", "\"practice\"", "\"scenes\"", "\"pan\""})
            QVERIFY2(!plain.contains(key), key);
        QVERIFY(plain.contains("\"version\": 1,"));
        Lesson named;
        named.first().title = QStringLiteral("A scene");
        QVERIFY(lessonBytes(named).contains("\"version\": 2,") && lessonBytes(named).contains("\"scenes\": ["));
        // The example lessons are written back byte for byte.
        QString error;
        for (const QFileInfo &file : QDir(QStringLiteral(TS_SOURCE_LESSONS)).entryInfoList({QStringLiteral("*.tslesson")})) {
            QFile f(file.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            Lesson read;
            QVERIFY(parseLesson(bytes, &read, &error));
            QVERIFY2(lessonBytes(read) == bytes, qPrintable(file.fileName()));
        }
        Lesson presented;
        presented.first().presentation.focusRoutes = presented.first().presentation.labels = true;
        const QByteArray text = lessonBytes(presented);
        int last = -1;
        for (const char *key : {"format", "version", "title", "notes", "size", "offsets", "routes", "wires",
                                "switches", "families", "marks", "focus", "labels", "view"}) {
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
        doc.setWiresMode((l.first().options.wiresMode + 1) % 3);
        QVERIFY(doc.isModified());
        doc.markSaved();
        doc.setLessonText(QStringLiteral("New"), l.notes);
        QVERIFY(doc.isModified());
        doc.undoStack()->undo();
        QVERIFY(!doc.isModified() && doc.title() == l.title);
        // The view point is saved: turning makes the lesson modified, and
        // turning back does not, with nothing in the history either way.
        const int edits = doc.undoStack()->count();
        const ViewPoint saved = doc.viewPoint();
        doc.setRotation(saved.rotX + 10, saved.rotY);
        QVERIFY(doc.isModified());
        doc.setViewPoint(saved);
        QVERIFY(!doc.isModified());
        doc.setZoom(saved.zoom == 1.0 ? 2.0 : 1.0);
        QVERIFY(doc.isModified());
        doc.setViewPoint(saved);
        // So are the focus, the labels and a stepped route, each kept with its scene.
        doc.presentation()->setLabels(!l.first().presentation.labels);
        QVERIFY(doc.isModified() && doc.lesson().first().presentation.labels != l.first().presentation.labels);
        doc.presentation()->setLabels(l.first().presentation.labels);
        const RouteStep step{true, 0, 0, 1};
        doc.presentation()->setRouteStep(step == l.first().presentation.step ? RouteStep{} : step);
        QVERIFY(doc.isModified());
        doc.presentation()->setRouteStep(l.first().presentation.step);
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.undoStack()->count(), edits);
        // Opening sets them, so nothing carries over from the last lesson,
        // and a stepped route ends with the network it was stepped in.
        doc.presentation()->setFocusRoutes(!l.first().presentation.focusRoutes);
        doc.open(Lesson{});
        QVERIFY(doc.presentation()->value() == Presentation{});
        doc.presentation()->setRouteStep({true, 0, 0, 1});
        doc.toggleTerminal(0, 0, RedBit);
        QVERIFY(!doc.presentation()->routeStep().active);
    }

    // The example lessons are tours of three to six scenes, each with a title
    // and notes, and every claim the notes make is true by the rules.
    void examplesTellTheTruth_data()
    {
        QTest::addColumn<QString>("path");
        const QFileInfoList examples =
            QDir(QStringLiteral(TS_SOURCE_LESSONS)).entryInfoList({QStringLiteral("*.tslesson")});
        QVERIFY(!examples.isEmpty());
        for (const QFileInfo &file : examples)
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }

    void examplesTellTheTruth()
    {
        QFETCH(QString, path);
        Lesson lesson;
        QString error;
        QVERIFY2(readLessonFile(path, &lesson, &error), qPrintable(error));
        const std::size_t scenes = lesson.scenes.size();
        QVERIFY2(scenes >= 3 && scenes <= 6, qPrintable(QString::number(scenes)));
        for (std::size_t s = 0; s < scenes; ++s) {
            const LessonScene &scene = lesson.scenes[s];
            const QString where = QStringLiteral("scene %1: ").arg(s + 1);
            QVERIFY2(!scene.title.isEmpty() && !scene.notes.isEmpty(), qPrintable(where));
            const QStringList wrong = wrongClaims(scene);
            QVERIFY2(wrong.isEmpty(), qPrintable(where + wrong.join(QStringLiteral(" | "))));
        }
    }
};

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
