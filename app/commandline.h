#pragma once

#include "figure/figure.h"
#include "figure/figurefile.h"

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks for, once the toolkit has taken its own
// options: transpose-switch [LESSON] [--export FILE [--image-size WxH]
// [--background print|screen] [--caption] [--legend] [--no-fit]
// [--handout [--format pdf|svg|png]]] [--lang CODE], --help and --version.
struct CommandLine
{
    enum Action { Run, Export, Exit } action = Run;
    QString lesson;     // empty: the start state
    QString exportFile; // for Export
    QSize imageSize;    // for Export, in millimetres for PDF; invalid: the default size
    ts::FigureOptions figure; // for Export
    // For Export: every scene, a PDF of a page each or a folder of files.
    bool handout = false;
    ts::FigureFormat handoutFormat = ts::FigureFormat::Pdf;
    // For Export: View → Focus on Marked Routes and View → Labels, on
    // whatever the lesson says.
    bool focusRoutes = false;
    bool labels = false;
    bool practice = false; // start in practice with this seed and level
    quint64 practiceSeed = 0;
    int practiceLevel = 0; // 0 small, 1 medium, 2 large
    QString language;   // --lang: a shipped code for this run; empty: the saved choice or the system's
    int exitCode = 0;   // for Exit
    QString message;    // for Exit: to standard output when exitCode is 0, else standard error
};

CommandLine parseCommandLine(const QStringList &arguments);

// The largest picture side --image-size takes.
constexpr int kMaxImageSide = 16384;
