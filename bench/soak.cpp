// Memory over a long session in the real window at N = 15: seeded random
// clicks on terminals, switches and empty space, undos, redos, size and
// offset changes and New, with the resident set and the heap in use after
// 1,000 actions and after all of them. With --rounds, rounds of random
// clicks each ended by New instead, and the memory after each New.
// Prints numbers; it is not a test.
// Usage: transpose-switch-soak [--seed S] [--actions N] [--rounds R [--clicks C]]
#include "app/startup.h"
#include "support/heapinuse.h"
#include "support/randomsession.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {
double residentMB()
{
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1e6;
}

void printMemory(const char *what, int count)
{
    std::printf("%-16s %7d %9.1f %9.1f\n", what, count, residentMB(), double(heapInUse()) / 1e6);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char **argv)
{
    ProgramApplication app(argc, argv);
    quint32 seed = 1;
    int actions = 10000, rounds = 0, clicks = 400;
    for (int a = 1; a + 1 < argc; a += 2) {
        const QByteArray arg(argv[a]);
        const int value = std::max(0, atoi(argv[a + 1]));
        if (arg == "--seed")
            seed = quint32(value);
        else if (arg == "--actions")
            actions = value;
        else if (arg == "--rounds")
            rounds = value;
        else if (arg == "--clicks")
            clicks = value;
    }

    GLObjectWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    RandomSession session(window, seed);
    session.startLesson();
    std::printf("%-16s %7s %9s %9s\n", "after", "count", "RSS MB", "heap MB");
    if (rounds > 0) {
        for (int r = 1; r <= rounds; ++r) {
            for (int c = 0; c < clicks; ++c)
                session.click();
            session.startLesson();
            printMemory("round and New", r);
        }
        return 0;
    }
    for (int a = 1; a <= actions; ++a) {
        session.act();
        if (a == 1000 || a == actions)
            printMemory("actions", a);
    }
    return 0;
}
