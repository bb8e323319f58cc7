// Feeds any bytes to the lesson loader. A file it takes must hold a network
// that keeps the rules, and must come back the same after saving and
// loading again; a file it refuses must say why.
#include "core/lesson.h"
#include "support/marksoracle.h"

#include <cstdint>
#include <cstdlib>

using namespace ts;

namespace {
void check(bool ok)
{
    if (!ok)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Lesson lesson;
    QString error;
    if (!parseLesson(bytes, &lesson, &error)) {
        check(!error.isEmpty());
        check(lesson == Lesson{}); // refused whole
        return 0;
    }
    const SwitchNetwork &net = lesson.network;
    check(SwitchNetwork::isValidSize(net.size()) && oracle::nothingBeyondSize(net));
    check(net.marks().arrivals == oracle::expectedMarks(net));
    Lesson again;
    check(parseLesson(lessonBytes(lesson), &again, &error));
    check(again == lesson);
    return 0;
}
