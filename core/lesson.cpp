#include "core/lesson.h"

#include "core/practiceround.h"
#include "core/routelegs.h"
#include "core/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <cerrno>
#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace ts {

namespace {
constexpr char kFormat[] = "transpose-switch-lesson";
const char *const kRouteNames[] = {"path", "wire"};
const char *const kWiresNames[] = {"off", "used", "all"};
const char *const kSwitchesNames[] = {"fill", "frame", "off"};
const char *const kColourNames[] = {"red", "green", "blue"};
const char *const kOffsetKeys[] = {"c1", "c2", "c3"};
const char *const kOptionKeys[] = {"hilite", "plane", "opaque"};
const char *const kLevelNames[] = {"small", "medium", "large"};
constexpr bool PlaneOptions::*kOptionFields[] = {&PlaneOptions::hilite, &PlaneOptions::plane, &PlaneOptions::opaque};

// Every message is one template for the translator, with the keys and
// paths it names in its places as they are written in the file.
struct LessonText
{
    Q_DECLARE_TR_FUNCTIONS(Lesson)
};

// The first thing wrong, with where it is ("marks[2].colours"). Thrown only
// inside the reader below and caught by parseLesson, so that each check is
// one line and the first failure ends the reading.
struct Refusal
{
    QString message;
};

// Typed reading of JSON values; each refuses a value of the wrong kind.
struct Reader
{
    static QString path(const QString &where, const char *key)
    {
        return where.isEmpty() ? QLatin1String(key) : where + QLatin1Char('.') + QLatin1String(key);
    }

    // A whole number as a double, so that one out of int's range can still
    // be named in the message of the range it breaks.
    static double whole(const QJsonValue &v, const QString &where)
    {
        const double d = v.toDouble();
        if (!v.isDouble() || !std::isfinite(d) || std::floor(d) != d)
            throw Refusal{LessonText::tr("\"%1\" must be a whole number").arg(where)};
        return d;
    }

    static QString number(double d) { return QString::number(d, 'g', 16); }

    // A whole number from min to max; `range` words the rule with %1 for
    // the number found.
    static int wholeNumber(const QJsonValue &v, const QString &where, int min, int max, const QString &range)
    {
        const double d = whole(v, where);
        if (d < min || d > max)
            throw Refusal{range.arg(number(d))};
        return static_cast<int>(d);
    }

    static QJsonObject object(const QJsonValue &v, const QString &where)
    {
        if (!v.isObject())
            throw Refusal{LessonText::tr("\"%1\" must be an object").arg(where)};
        return v.toObject();
    }

    static QJsonArray array(const QJsonValue &v, const QString &where, int size = -1)
    {
        if (!v.isArray() || (size >= 0 && v.toArray().size() != size))
            throw Refusal{size < 0 ? LessonText::tr("\"%1\" must be a list").arg(where)
                                   : LessonText::tr("\"%1\" must be a list of %2").arg(where).arg(size)};
        return v.toArray();
    }

    static QString string(const QJsonValue &v, const QString &where)
    {
        if (!v.isString())
            throw Refusal{LessonText::tr("\"%1\" must be a text").arg(where)};
        return v.toString();
    }

    template <std::size_t N>
    static int name(const QJsonValue &v, const QString &where, const char *const (&names)[N])
    {
        const QString s = string(v, where);
        QStringList allowed;
        for (std::size_t n = 0; n < N; ++n) {
            if (s == QLatin1String(names[n]))
                return static_cast<int>(n);
            allowed << QStringLiteral("\"%1\"").arg(QLatin1String(names[n]));
        }
        throw Refusal{LessonText::tr("\"%1\" must be one of %2, not \"%3\"").arg(where, allowed.join(QStringLiteral(", ")), s)};
    }
};

// The keys of one scene, from "size" to "view". at is "" in a lesson of
// one scene and "scenes[3]." in a list of them, the start of every path a
// message names.
LessonScene readScene(const QJsonObject &object, const QString &at)
{
    using R = Reader;
    LessonScene scene;
    auto has = [&object](const char *key) { return object.contains(QLatin1String(key)); };
    auto value = [&object](const char *key) { return object.value(QLatin1String(key)); };
    auto where = [&at](const char *key) { return at + QLatin1String(key); };

    SwitchNetwork &net = scene.network;
    if (has("size")) {
        const int n = R::wholeNumber(value("size"), where("size"), kMinNetworkSize, kMaxNetworkSize,
                                     LessonText::tr("\"%1\" must be from %2 to %3, not %4")
                                         .arg(where("size"))
                                         .arg(kMinNetworkSize)
                                         .arg(kMaxNetworkSize)
                                         .arg(QLatin1String("%1")));
        net.setSize(n);
    }
    const int n = net.size();
    if (has("offsets")) {
        const QJsonObject offsets = R::object(value("offsets"), where("offsets"));
        for (const PlaneFamily family : kAllPlaneFamilies) {
            const char *key = kOffsetKeys[index(family)];
            if (!offsets.contains(QLatin1String(key)))
                continue;
            const QString at = R::path(where("offsets"), key);
            const int c = R::wholeNumber(offsets.value(QLatin1String(key)), at, -n, n,
                                         LessonText::tr("\"%1\" must be from %2 to %3 at size %3, not %4")
                                             .arg(at)
                                             .arg(-n)
                                             .arg(n)
                                             .arg(QLatin1String("%1")));
            net.setOffset(family, c);
        }
    }
    if (has("routes"))
        scene.options.routeMode = static_cast<RouteMode>(R::name(value("routes"), where("routes"), kRouteNames));
    if (has("wires"))
        scene.options.wiresMode = static_cast<WiresMode>(R::name(value("wires"), where("wires"), kWiresNames));
    if (has("switches"))
        scene.options.switchesMode =
            static_cast<SwitchesMode>(R::name(value("switches"), where("switches"), kSwitchesNames));
    if (has("families")) {
        const QJsonObject families = R::object(value("families"), where("families"));
        for (const PlaneFamilyInfo &family : kPlaneFamilies) {
            if (!families.contains(QLatin1String(family.key)))
                continue;
            const QString at = R::path(where("families"), family.key);
            const QJsonObject options = R::object(families.value(QLatin1String(family.key)), at);
            for (int o = 0; o < 3; ++o) {
                const QJsonValue v = options.value(QLatin1String(kOptionKeys[o]));
                if (v.isUndefined())
                    continue;
                if (!v.isBool())
                    throw Refusal{LessonText::tr("\"%1\" must be true or false").arg(R::path(at, kOptionKeys[o]))};
                scene.options.plane(family.family).*kOptionFields[o] = v.toBool();
            }
        }
    }
    if (has("marks")) {
        const QJsonArray marks = R::array(value("marks"), where("marks"));
        for (int m = 0; m < marks.size(); ++m) {
            const QString mat = where("marks") + QStringLiteral("[%1]").arg(m);
            const QJsonObject mark = R::object(marks[m], mat);
            const bool terminal = mark.contains(QLatin1String("terminal"));
            if (terminal == mark.contains(QLatin1String("switch")))
                throw Refusal{LessonText::tr("\"%1\" must name one \"terminal\" or one \"switch\"").arg(mat)};
            const char *kind = terminal ? "terminal" : "switch";
            const QJsonArray place = R::array(mark.value(QLatin1String(kind)), R::path(mat, kind), terminal ? 2 : 3);
            int index[3] = {0, 0, 0};
            for (int a = 0; a < place.size(); ++a) {
                index[a] = R::wholeNumber(
                    place[a], QStringLiteral("%1[%2]").arg(R::path(mat, kind)).arg(a), 0, n - 1,
                    LessonText::tr("\"%1\" lies outside the network of size %2").arg(R::path(mat, kind)).arg(n));
            }
            const QString colourWhere = R::path(mat, "colours");
            const QJsonArray colours = R::array(mark.value(QLatin1String("colours")), colourWhere);
            if (colours.isEmpty())
                throw Refusal{LessonText::tr("\"%1\" names no colour").arg(colourWhere)};
            for (int c = 0; c < colours.size(); ++c) {
                const int bit = 1 << R::name(colours[c], QStringLiteral("%1[%2]").arg(colourWhere).arg(c), kColourNames);
                const int has = terminal ? net.terminalMark(index[0], index[1])
                                         : net.switchMark(index[0], index[1], index[2]);
                if (has & bit)
                    continue; // a colour named twice is the same mark
                if (terminal)
                    net.toggleTerminal(index[0], index[1], bit);
                else
                    net.toggleSwitch(index[0], index[1], index[2], bit);
            }
        }
    }
    for (auto [key, field] :
         {std::pair{"focus", &Presentation::focusRoutes}, std::pair{"labels", &Presentation::labels}}) {
        if (!has(key))
            continue;
        if (!value(key).isBool())
            throw Refusal{LessonText::tr("\"%1\" must be true or false").arg(where(key))};
        scene.presentation.*field = value(key).toBool();
    }
    if (has("step")) {
        const QJsonObject step = R::object(value("step"), where("step"));
        const QString terminalAt = R::path(where("step"), "terminal");
        const QJsonArray terminal = R::array(step.value(QLatin1String("terminal")), terminalAt, 2);
        int t[2] = {};
        for (int a = 0; a < 2; ++a)
            t[a] = R::wholeNumber(terminal[a], QStringLiteral("%1[%2]").arg(terminalAt).arg(a), 0, n - 1,
                                  LessonText::tr("\"%1\" lies outside the network of size %2").arg(terminalAt).arg(n));
        const int legCount = static_cast<int>(routeLegs(net, t[0], t[1]).size());
        const QString legsAt = R::path(where("step"), "legs");
        const int legs = R::wholeNumber(step.value(QLatin1String("legs")), legsAt, 0, legCount,
                                        LessonText::tr("\"%1\" must be from 0 to %2, the legs of that route, not %3")
                                            .arg(legsAt)
                                            .arg(legCount)
                                            .arg(QLatin1String("%1")));
        scene.presentation.step = {true, t[0], t[1], legs};
    }
    if (has("view")) {
        const QJsonObject view = R::object(value("view"), where("view"));
        if (view.contains(QLatin1String("angles"))) {
            const QJsonArray angles = R::array(view.value(QLatin1String("angles")), where("view.angles"), 2);
            float a[2] = {};
            for (int i = 0; i < 2; ++i) {
                const double degrees = angles[i].toDouble();
                if (!angles[i].isDouble() || !std::isfinite(degrees))
                    throw Refusal{LessonText::tr("\"%1[%2]\" must be a finite number").arg(where("view.angles")).arg(i)};
                // Any finite angle turns the model somewhere: fmod is exact,
                // and keeps one far beyond float's range from becoming inf.
                a[i] = normaliseAngle(static_cast<float>(std::fmod(degrees, 360.0)));
            }
            scene.view.rotX = a[0];
            scene.view.rotY = a[1];
        }
        if (view.contains(QLatin1String("zoom"))) {
            const QJsonValue zoom = view.value(QLatin1String("zoom"));
            const double z = zoom.toDouble();
            if (!zoom.isDouble() || !(z >= kMinZoom && z <= kMaxZoom))
                throw Refusal{LessonText::tr("\"%1\" must be a number from %2 to %3")
                                  .arg(where("view.zoom"))
                                  .arg(kMinZoom)
                                  .arg(kMaxZoom)};
            scene.view.zoom = z;
        }
        if (view.contains(QLatin1String("pan"))) {
            const QJsonArray pan = R::array(view.value(QLatin1String("pan")), where("view.pan"), 2);
            double p[2] = {};
            for (int i = 0; i < 2; ++i) {
                p[i] = pan[i].toDouble();
                if (!pan[i].isDouble() || !(p[i] >= -kMaxPan && p[i] <= kMaxPan))
                    throw Refusal{LessonText::tr("\"%1[%2]\" must be a number from %3 to %4")
                                      .arg(where("view.pan"))
                                      .arg(i)
                                      .arg(-kMaxPan)
                                      .arg(kMaxPan)};
            }
            scene.view.panX = p[0];
            scene.view.panY = p[1];
        }
    }
    return scene;
}

PracticeSet readPractice(const QJsonValue &v)
{
    using R = Reader;
    const QJsonObject practice = R::object(v, QStringLiteral("practice"));
    PracticeSet set;
    if (practice.contains(QLatin1String("seed")))
        set.seed = static_cast<std::uint64_t>(R::wholeNumber(
            practice.value(QLatin1String("seed")), QStringLiteral("practice.seed"), 0, static_cast<int>(kMaxPracticeSeed),
            LessonText::tr("\"practice.seed\" must be from 0 to %1, not %2").arg(kMaxPracticeSeed).arg(QLatin1String("%1"))));
    if (practice.contains(QLatin1String("level")))
        set.level = static_cast<PracticeLevel>(
            R::name(practice.value(QLatin1String("level")), QStringLiteral("practice.level"), kLevelNames));
    if (practice.contains(QLatin1String("questions")))
        set.questions = R::wholeNumber(practice.value(QLatin1String("questions")), QStringLiteral("practice.questions"), 1,
                                       kMaxPracticeQuestions,
                                       LessonText::tr("\"practice.questions\" must be from 1 to %1, not %2")
                                           .arg(kMaxPracticeQuestions)
                                           .arg(QLatin1String("%1")));
    return set;
}

Lesson readLesson(const QJsonObject &root)
{
    using R = Reader;
    if (root.value(QLatin1String("format")) != QLatin1String(kFormat))
        throw Refusal{LessonText::tr("not a lesson: \"format\" must be \"%1\"").arg(QLatin1String(kFormat))};
    const QJsonValue versionValue = root.value(QLatin1String("version"));
    if (versionValue.isUndefined())
        throw Refusal{LessonText::tr("\"version\" is missing")};
    const double version = R::whole(versionValue, QStringLiteral("version"));
    if (version > kLessonVersion)
        throw Refusal{LessonText::tr("made by a newer version of the program (lesson version %1)").arg(R::number(version))};
    if (version < 1)
        throw Refusal{LessonText::tr("\"version\" must be 1 or 2")};

    Lesson lesson;
    auto has = [&root](const char *key) { return root.contains(QLatin1String(key)); };
    auto value = [&root](const char *key) { return root.value(QLatin1String(key)); };
    if (has("title"))
        lesson.title = R::string(value("title"), QStringLiteral("title"));
    if (has("notes"))
        lesson.notes = R::string(value("notes"), QStringLiteral("notes"));
    if (has("practice"))
        lesson.practice = readPractice(value("practice"));
    if (version == kOneSceneLessonVersion) {
        lesson.first() = readScene(root, QString());
        return lesson;
    }
    const QJsonValue scenesValue = value("scenes");
    if (!scenesValue.isArray() || scenesValue.toArray().isEmpty())
        throw Refusal{LessonText::tr("\"scenes\" must be a list of at least one object")};
    const QJsonArray scenes = scenesValue.toArray();
    lesson.scenes.clear();
    for (int s = 0; s < scenes.size(); ++s) {
        const QString at = QStringLiteral("scenes[%1]").arg(s);
        const QJsonObject object = R::object(scenes[s], at);
        LessonScene scene = readScene(object, at + QLatin1Char('.'));
        if (object.contains(QLatin1String("title")))
            scene.title = R::string(object.value(QLatin1String("title")), at + QStringLiteral(".title"));
        if (object.contains(QLatin1String("notes")))
            scene.notes = R::string(object.value(QLatin1String("notes")), at + QStringLiteral(".notes"));
        lesson.scenes.push_back(std::move(scene));
    }
    return lesson;
}

QString quoted(const QString &text)
{
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString boolText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString colourList(int bits)
{
    QStringList names;
    for (int c = 0; c < 3; ++c)
        if (bits & (1 << c))
            names << quoted(QLatin1String(kColourNames[c]));
    return QLatin1Char('[') + names.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString lineAndColumn(const QByteArray &bytes, int offset)
{
    const QByteArray before = bytes.left(offset);
    const int line = static_cast<int>(before.count('\n')) + 1;
    const int column = static_cast<int>(offset - (before.lastIndexOf('\n') + 1)) + 1;
    return LessonText::tr("line %1, column %2").arg(line).arg(column);
}
} // namespace

bool parseLesson(const QByteArray &bytes, Lesson *lesson, QString *error)
{
    QJsonParseError parse{};
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parse);
    try {
        if (parse.error != QJsonParseError::NoError) {
            // Qt reports the place just past the character it stumbled on,
            // except for text after the end.
            const int at = parse.error == QJsonParseError::GarbageAtEnd ? parse.offset : std::max(0, parse.offset - 1);
            throw Refusal{LessonText::tr("not JSON: %1 at %2").arg(parse.errorString(), lineAndColumn(bytes, at))};
        }
        if (!json.isObject())
            throw Refusal{LessonText::tr("not a lesson: the file holds no JSON object")};
        *lesson = readLesson(json.object());
        return true;
    } catch (const Refusal &refusal) {
        if (error)
            *error = refusal.message;
        return false;
    }
}

namespace {
// The lines of one scene's keys, from "size" to "view", at one indent.
QStringList sceneLines(const LessonScene &scene, const QString &indent)
{
    const SwitchNetwork &net = scene.network;
    const DisplayOptions &o = scene.options;
    const QString step = QStringLiteral("    ");
    QStringList lines;
    auto key = [&](const char *name, const QString &value) {
        lines << indent + quoted(QLatin1String(name)) + QStringLiteral(": ") + value;
    };
    key("size", QString::number(net.size()));
    key("offsets", QStringLiteral("{\"c1\": %1, \"c2\": %2, \"c3\": %3}")
                       .arg(net.offset(PlaneFamily::IK))
                       .arg(net.offset(PlaneFamily::JI))
                       .arg(net.offset(PlaneFamily::KJ)));
    key("routes", quoted(QLatin1String(kRouteNames[o.routeMode == RoutePath ? 0 : 1])));
    key("wires", quoted(QLatin1String(kWiresNames[o.wiresMode >= WiresOff && o.wiresMode <= WiresAll ? o.wiresMode : 0])));
    key("switches", quoted(QLatin1String(
                        kSwitchesNames[o.switchesMode >= SwitchesFill && o.switchesMode <= SwitchesOff ? o.switchesMode : 0])));
    QStringList families;
    for (const PlaneFamilyInfo &family : kPlaneFamilies) {
        const PlaneOptions &p = o.plane(family.family);
        families << indent + step +
                        QStringLiteral("\"%1\": {\"hilite\": %2, \"plane\": %3, \"opaque\": %4}")
                            .arg(QLatin1String(family.key), boolText(p.hilite), boolText(p.plane), boolText(p.opaque));
    }
    key("families", QStringLiteral("{\n") + families.join(QStringLiteral(",\n")) + QLatin1Char('\n') + indent + QLatin1Char('}'));
    QStringList marks;
    const int n = net.size();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (const int bits = net.terminalMark(i, j))
                marks << QStringLiteral("{\"terminal\": [%1, %2], \"colours\": %3}").arg(i).arg(j).arg(colourList(bits));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k)
                if (const int bits = net.switchMark(i, j, k))
                    marks << QStringLiteral("{\"switch\": [%1, %2, %3], \"colours\": %4}")
                                 .arg(i)
                                 .arg(j)
                                 .arg(k)
                                 .arg(colourList(bits));
    for (QString &mark : marks)
        mark.prepend(indent + step);
    key("marks", marks.isEmpty() ? QStringLiteral("[]")
                                 : QStringLiteral("[\n") + marks.join(QStringLiteral(",\n")) + QLatin1Char('\n') + indent +
                                       QLatin1Char(']'));
    // Written only when on, so a lesson without them reads as older
    // programs wrote it.
    if (scene.presentation.focusRoutes)
        key("focus", boolText(true));
    if (scene.presentation.labels)
        key("labels", boolText(true));
    if (const RouteStep &s = scene.presentation.step; s.active)
        key("step", QStringLiteral("{\"terminal\": [%1, %2], \"legs\": %3}").arg(s.i0).arg(s.j0).arg(s.legs));
    // Nine digits bring a float back exactly, seventeen a double.
    // The pan only once the picture is moved, as older programs wrote it.
    const QString pan = scene.view.panned() ? QStringLiteral(", \"pan\": [%1, %2]")
                                                  .arg(QString::number(scene.view.panX, 'g', 17),
                                                       QString::number(scene.view.panY, 'g', 17))
                                            : QString();
    key("view", QStringLiteral("{\"angles\": [%1, %2], \"zoom\": %3%4}")
                    .arg(QString::number(double(scene.view.rotX), 'g', 9), QString::number(double(scene.view.rotY), 'g', 9),
                         QString::number(scene.view.zoom, 'g', 17), pan));
    return lines;
}

QString practiceText(const PracticeSet &set)
{
    QStringList parts;
    if (set.seed)
        parts << QStringLiteral("\"seed\": %1").arg(*set.seed);
    if (set.level)
        parts << QStringLiteral("\"level\": ") + quoted(QLatin1String(kLevelNames[static_cast<int>(*set.level)]));
    if (set.questions)
        parts << QStringLiteral("\"questions\": %1").arg(*set.questions);
    return QLatin1Char('{') + parts.join(QStringLiteral(", ")) + QLatin1Char('}');
}
} // namespace

QByteArray lessonBytes(const Lesson &lesson)
{
    const QString indent = QStringLiteral("    ");
    const bool oneScene =
        lesson.scenes.size() == 1 && lesson.first().title.isEmpty() && lesson.first().notes.isEmpty();
    QStringList lines;
    auto key = [&](const char *name, const QString &value) {
        lines << indent + quoted(QLatin1String(name)) + QStringLiteral(": ") + value;
    };
    key("format", quoted(QLatin1String(kFormat)));
    key("version", QString::number(oneScene ? kOneSceneLessonVersion : kLessonVersion));
    key("title", quoted(lesson.title));
    key("notes", quoted(lesson.notes));
    if (lesson.practice)
        key("practice", practiceText(*lesson.practice));
    if (oneScene) {
        lines << sceneLines(lesson.first(), indent);
    } else {
        QStringList scenes;
        for (const LessonScene &scene : lesson.scenes) {
            const QString inner = indent + indent + indent;
            QStringList sceneKeys{inner + QStringLiteral("\"title\": ") + quoted(scene.title),
                                  inner + QStringLiteral("\"notes\": ") + quoted(scene.notes)};
            sceneKeys << sceneLines(scene, inner);
            scenes << indent + indent + QStringLiteral("{\n") + sceneKeys.join(QStringLiteral(",\n")) + QLatin1Char('\n') +
                          indent + indent + QLatin1Char('}');
        }
        key("scenes", QStringLiteral("[\n") + scenes.join(QStringLiteral(",\n")) + QLatin1Char('\n') + indent +
                          QLatin1Char(']'));
    }
    return (QStringLiteral("{\n") + lines.join(QStringLiteral(",\n")) + QStringLiteral("\n}\n")).toUtf8();
}

bool readLessonFile(const QString &path, Lesson *lesson, QString *error)
{
    const QString name = QDir::toNativeSeparators(path);
    auto refuse = [&](const QString &why) {
        if (error)
            *error = name.isEmpty() ? why : LessonText::tr("%1: %2").arg(name, why);
        return false;
    };
    if (path.isEmpty())
        return refuse(LessonText::tr("the file name is empty"));
#ifdef Q_OS_UNIX
    // Asked before opening: a FIFO would block the open, and a folder on
    // the way that may not be searched is not the same as no file.
    struct stat status{};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return refuse(errno == ENOENT || errno == ENOTDIR
                          ? LessonText::tr("there is no such file")
                          : LessonText::tr("cannot be read: %1").arg(qt_error_string(errno)));
    if (S_ISDIR(status.st_mode))
        return refuse(LessonText::tr("is a folder, not a lesson"));
    if (!S_ISREG(status.st_mode))
        return refuse(LessonText::tr("is not a regular file"));
#else
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(LessonText::tr("there is no such file"));
    if (info.isDir())
        return refuse(LessonText::tr("is a folder, not a lesson"));
    if (!info.isFile())
        return refuse(LessonText::tr("is not a regular file"));
#endif
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(LessonText::tr("cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(kMaxLessonBytes + 1);
    if (bytes.size() > kMaxLessonBytes)
        return refuse(LessonText::tr("is larger than 1 MiB, too large for a lesson"));
    QString why;
    if (!parseLesson(bytes, lesson, &why))
        return refuse(why);
    return true;
}

bool writeLessonFile(const QString &path, const Lesson &lesson, QString *error)
{
    QString why;
    if (writeWholeFile(path, lessonBytes(lesson), &why))
        return true;
    if (error)
        *error = path.isEmpty() ? why : LessonText::tr("%1: %2").arg(QDir::toNativeSeparators(path), why);
    return false;
}

} // namespace ts
