#pragma once

#include "core/displayoptions.h"
#include "core/network.h"
#include "core/practice.h"
#include "core/presentation.h"
#include "core/viewpoint.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// A lesson: one or more scenes, each the network, how it is shown and from
// where, with a title and notes for the lecturer, and perhaps a practice set,
// as the UTF-8 JSON file "*.tslesson" (docs/lesson-format.md).

namespace ts {

// A lesson of one scene is written as version 1, which older programs read.
constexpr int kLessonVersion = 2;
constexpr int kOneSceneLessonVersion = 1;
constexpr qint64 kMaxLessonBytes = 1024 * 1024;
inline constexpr char kLessonSuffix[] = "tslesson";
inline constexpr char kLessonMimeType[] = "application/x-transpose-switch-lesson";

// Everything the program shows at one moment, with the scene's own title
// and notes (empty in a lesson of one scene, whose words are the lesson's).
struct LessonScene
{
    QString title;
    QString notes;
    SwitchNetwork network;
    DisplayOptions options;
    Presentation presentation; // focus, labels and a route stepped to a leg
    ViewPoint view;
    bool operator==(const LessonScene &o) const
    {
        return title == o.title && notes == o.notes && network == o.network && options == o.options &&
               presentation == o.presentation && view == o.view;
    }
};

// The practice a lesson hands out: each part the lesson leaves out is the
// practice dock's own.
// A scene's title or notes as shown: its own where it has them, else the
// lesson's.
inline const QString &sceneWords(const QString &scene, const QString &lesson)
{
    return scene.isEmpty() ? lesson : scene;
}

struct PracticeSet
{
    std::optional<std::uint64_t> seed;
    std::optional<PracticeLevel> level;
    std::optional<int> questions;
    bool operator==(const PracticeSet &o) const
    {
        return seed == o.seed && level == o.level && questions == o.questions;
    }
};

struct Lesson
{
    QString title;
    QString notes;
    std::vector<LessonScene> scenes = std::vector<LessonScene>(1); // never empty
    std::optional<PracticeSet> practice;
    LessonScene &first() { return scenes.front(); }
    const LessonScene &first() const { return scenes.front(); }
    bool operator==(const Lesson &o) const
    {
        return title == o.title && notes == o.notes && scenes == o.scenes && practice == o.practice;
    }
};

// Reads a lesson from the file's bytes. On failure returns false, leaves
// *lesson alone and says in *error the first thing wrong.
bool parseLesson(const QByteArray &bytes, Lesson *lesson, QString *error);
// The file's bytes: every key in the documented order, indented; version 1
// for one scene without words of its own, version 2 otherwise.
QByteArray lessonBytes(const Lesson &lesson);

// The same for a file: a folder, an unreadable or over-large file is
// refused too, and every message begins with the file's name.
bool readLessonFile(const QString &path, Lesson *lesson, QString *error);
// All or nothing: a failed save leaves an old file as it was.
bool writeLessonFile(const QString &path, const Lesson &lesson, QString *error);

} // namespace ts
