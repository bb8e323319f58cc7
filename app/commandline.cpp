#include "app/commandline.h"

#include "app/languages.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Turn a 3D model of the Transpose Switch network and follow its routes."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportTo(QStringLiteral("export"),
                                      QCoreApplication::translate("main", "Write the picture of the lesson (or of the "
                                                                          "start) to FILE and exit."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption imageSize(QStringLiteral("image-size"),
                                       QCoreApplication::translate("main", "The exported picture's size: pixels, or "
                                                                           "millimetres for PDF."),
                                       QStringLiteral("WxH"));
    const QCommandLineOption background(QStringLiteral("background"),
                                        QCoreApplication::translate("main", "screen (black, the default) or print "
                                                                            "(white) for --export."),
                                        QStringLiteral("KIND"));
    const QCommandLineOption caption(QStringLiteral("caption"),
                                     QCoreApplication::translate("main", "Put N, the offsets and the lesson's title "
                                                                         "under the exported picture."));
    const QCommandLineOption legend(QStringLiteral("legend"),
                                    QCoreApplication::translate("main", "List the marked routes beside the exported "
                                                                        "picture."));
    const QCommandLineOption noFit(QStringLiteral("no-fit"),
                                   QCoreApplication::translate("main", "Export exactly what the window shows instead "
                                                                       "of fitting the model to the picture."));
    const QCommandLineOption labels(QStringLiteral("labels"),
                                    QCoreApplication::translate("main", "Name the axes and number the indices in the "
                                                                        "exported picture, as View → Labels does."));
    const QCommandLineOption focus(QStringLiteral("focus"),
                                   QCoreApplication::translate("main", "Draw the boxes no marked route touches as faint "
                                                                       "frames in the exported picture, as View → Focus "
                                                                       "on Marked Routes does."));
    const QCommandLineOption handout(QStringLiteral("handout"),
                                     QCoreApplication::translate("main", "Export every scene of the lesson: a PDF of "
                                                                         "a page each (the figure, the scene's title "
                                                                         "and notes), or with --format svg or png a "
                                                                         "folder of numbered files. For print unless "
                                                                         "--background says otherwise."));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QCoreApplication::translate("main", "pdf, svg or png: what --handout writes "
                                                                        "(by default PDF, for a FILE ending in .pdf)."),
                                    QStringLiteral("FORMAT"));
    const QCommandLineOption practice(QStringLiteral("practice"),
                                      QCoreApplication::translate("main", "Start in practice with this seed."),
                                      QStringLiteral("SEED"));
    const QCommandLineOption level(QStringLiteral("level"),
                                   QCoreApplication::translate("main", "The practice level: small, medium or large."),
                                   QStringLiteral("LEVEL"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QCoreApplication::translate("main", "The language for this run: %1.")
                                      .arg(Languages::shippedCodes().join(QStringLiteral(", "))),
                                  QStringLiteral("CODE"));
    parser.addOption(exportTo);
    parser.addOption(imageSize);
    for (const QCommandLineOption &option : {background, caption, legend, labels, focus, noFit, handout, format})
        parser.addOption(option);
    parser.addOption(practice);
    parser.addOption(level);
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("LESSON"),
                                 QCoreApplication::translate("main", "A lesson file (.tslesson) to open."),
                                 QStringLiteral("[LESSON]"));

    CommandLine line;
    auto fail = [&line](const QString &why) {
        line.action = CommandLine::Exit;
        line.exitCode = 2;
        line.message = QStringLiteral("%1: %2").arg(QCoreApplication::applicationName(), why);
        return line;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        line.action = CommandLine::Exit;
        line.message = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Exit;
        line.message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                     QCoreApplication::applicationVersion());
        return line;
    }
    const QStringList lessons = parser.positionalArguments();
    if (lessons.size() > 1)
        return fail(QCoreApplication::translate("main", "one lesson at a time, not %1").arg(lessons.size()));
    line.lesson = lessons.value(0);
    for (const QCommandLineOption &option : {imageSize, background, caption, legend, labels, focus, noFit, handout})
        if (parser.isSet(option) && !parser.isSet(exportTo))
            return fail(QCoreApplication::translate("main", "--%1 goes with --export").arg(option.names().constFirst()));
    if (parser.isSet(format) && !parser.isSet(handout))
        return fail(QCoreApplication::translate("main", "--format goes with --handout"));
    if (parser.isSet(level) && !parser.isSet(practice))
        return fail(QCoreApplication::translate("main", "--level goes with --practice"));
    if (parser.isSet(lang)) {
        line.language = parser.value(lang);
        if (!Languages::shippedCodes().contains(line.language))
            return fail(QCoreApplication::translate("main", "--lang must be one of %1, not \"%2\"")
                            .arg(Languages::shippedCodes().join(QStringLiteral(", ")), line.language));
    }
    if (parser.isSet(practice)) {
        bool ok = false;
        line.practice = true;
        line.practiceSeed = parser.value(practice).toULongLong(&ok);
        if (!ok)
            return fail(QCoreApplication::translate("main", "--practice takes a whole number, not \"%1\"").arg(parser.value(practice)));
        const QStringList levels{QStringLiteral("small"), QStringLiteral("medium"), QStringLiteral("large")};
        line.practiceLevel = parser.isSet(level) ? int(levels.indexOf(parser.value(level))) : 0;
        if (line.practiceLevel < 0)
            return fail(QCoreApplication::translate("main", "--level must be small, medium or large, not \"%1\"").arg(parser.value(level)));
    }
    if (parser.isSet(exportTo)) {
        line.action = CommandLine::Export;
        line.exportFile = parser.value(exportTo);
        if (line.exportFile.isEmpty())
            return fail(QCoreApplication::translate("main", "--export needs a file name, and the one given is empty"));
        const QString kind = parser.value(background);
        if (parser.isSet(background) && kind != QLatin1String("print") && kind != QLatin1String("screen"))
            return fail(QCoreApplication::translate("main", "--background must be print or screen, not \"%1\"").arg(kind));
        line.handout = parser.isSet(handout);
        // A handout is for paper unless asked otherwise.
        const bool print = kind == QLatin1String("print") || (line.handout && !parser.isSet(background));
        line.figure.background = print ? ts::FigureBackground::Print : ts::FigureBackground::Screen;
        if (line.handout) {
            const QString wanted = parser.value(format);
            const QStringList formats{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
            if (parser.isSet(format) && !formats.contains(wanted))
                return fail(QCoreApplication::translate("main", "--format must be pdf, svg or png, not \"%1\"").arg(wanted));
            if (!parser.isSet(format) && ts::figureFormat(line.exportFile) != ts::FigureFormat::Pdf)
                return fail(QCoreApplication::translate("main", "--handout writes a .pdf file, or a folder with --format "
                                                                "svg or png"));
            // In the order of FigureFormat.
            line.handoutFormat = parser.isSet(format) ? static_cast<ts::FigureFormat>(formats.indexOf(wanted))
                                                      : ts::FigureFormat::Pdf;
        }
        line.figure.caption = parser.isSet(caption);
        line.figure.legend = parser.isSet(legend);
        line.labels = parser.isSet(labels);
        line.focusRoutes = parser.isSet(focus);
        line.figure.fit = !parser.isSet(noFit);
        if (parser.isSet(imageSize)) {
            const QRegularExpressionMatch size =
                QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(parser.value(imageSize));
            const int w = size.captured(1).toInt(), h = size.captured(2).toInt();
            if (!size.hasMatch() || w < 1 || h < 1 || w > kMaxImageSide || h > kMaxImageSide)
                return fail(QCoreApplication::translate("main", "--image-size must be WIDTHxHEIGHT, each 1 to %1, not \"%2\"")
                                .arg(kMaxImageSide)
                                .arg(parser.value(imageSize)));
            line.imageSize = QSize(w, h);
        }
    }
    return line;
}
