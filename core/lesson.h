#pragma once

#include "core/displayoptions.h"
#include "core/network.h"
#include "core/viewpoint.h"

#include <QByteArray>
#include <QString>

// A lesson: the network, how it is shown and from where, with a title and
// notes for the lecturer, as the UTF-8 JSON file "*.tslesson" (docs/lesson-format.md).

namespace ts {

constexpr int kLessonVersion = 1;
constexpr qint64 kMaxLessonBytes = 1024 * 1024;
inline constexpr char kLessonSuffix[] = "tslesson";
inline constexpr char kLessonMimeType[] = "application/x-transpose-switch-lesson";

struct Lesson
{
    QString title;
    QString notes;
    SwitchNetwork network;
    DisplayOptions options;
    // The presentation's lasting parts; a stepped route is not saved.
    bool focusRoutes = false;
    bool labels = false;
    ViewPoint view;
    bool operator==(const Lesson &o) const
    {
        return title == o.title && notes == o.notes && network == o.network && options == o.options &&
               focusRoutes == o.focusRoutes && labels == o.labels && view == o.view;
    }
};

// Reads a lesson from the file's bytes. On failure returns false, leaves
// *lesson alone and says in *error the first thing wrong.
bool parseLesson(const QByteArray &bytes, Lesson *lesson, QString *error);
// The file's bytes: every key in the documented order, indented.
QByteArray lessonBytes(const Lesson &lesson);

// The same for a file: a folder, an unreadable or over-large file is
// refused too, and every message begins with the file's name.
bool readLessonFile(const QString &path, Lesson *lesson, QString *error);
// All or nothing: a failed save leaves an old file as it was.
bool writeLessonFile(const QString &path, const Lesson &lesson, QString *error);

} // namespace ts
