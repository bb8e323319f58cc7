// Start-up as a whole process: without OpenGL the program warns once and
// exits with -1, also when toolkit options and stray arguments are given;
// and the command line: help, version, exporting a picture of a lesson, also
// with no display, and what a bad argument gets.
#include "support/filesizelimit.h"
#include "support/svgcheck.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/stat.h>

namespace {
struct Run
{
    int code = -1;
    QString out, err;
};

Run run(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess app;
    app.setProcessEnvironment(environment);
    app.start(QStringLiteral(TS_APP_PATH), arguments);
    Run r;
    if (!app.waitForFinished(60000))
        return r;
    r.code = app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1;
    r.out = QString::fromLocal8Bit(app.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(app.readAllStandardError());
    return r;
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void refusesToRunWithoutOpenGL()
    {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("minimal"));
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(TS_APP_PATH), {});
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 255);
        const QString err = QString::fromLocal8Bit(app.readAllStandardError());
        QCOMPARE(err.count(QStringLiteral("This system has no OpenGL support. Exiting.")), 1);
        QVERIFY2(!err.contains(QStringLiteral("createPlatformOpenGLContext")), qPrintable(err));
        QVERIFY(app.readAllStandardOutput().isEmpty());
    }

    void toolkitOptionsAreConsumed()
    {
        // A toolkit option and a stray argument must not stop the refusal path.
        QProcess app;
        app.start(QStringLiteral(TS_APP_PATH), {QStringLiteral("-platform"), QStringLiteral("minimal"),
                                                 QStringLiteral("stray")});
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitCode(), 255);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said"); // on stdout when code is 0, else the one line on stderr
        QTest::addColumn<QSize>("picture"); // written to out.png, or none
        const QString lesson = QStringLiteral(TS_SOURCE_DIR "/data/lessons/2-dead-ends.tslesson");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage:" << QSize();
        QTest::newRow("version") << QStringList{"--version"} << 0 << "transpose-switch 1.0.0\n" << QSize();
        QTest::newRow("export a lesson") << QStringList{lesson, "--export", "@out.png", "--image-size", "320x240"} << 0
                                         << "" << QSize(320, 240);
        QTest::newRow("export with a toolkit option")
            << QStringList{"-style", "Fusion", "--export", "@out.png"} << 0 << "" << QSize(800, 800);
        QTest::newRow("export a broken lesson") << QStringList{"@broken.tslesson", "--export", "@out.png"} << 1
                                                << "broken.tslesson: not JSON" << QSize();
        QTest::newRow("export nowhere") << QStringList{"--export", "@missing/out.png"} << 1 << "missing/out.png"
                                        << QSize();
        QTest::newRow("a bad size") << QStringList{"--export", "@out.png", "--image-size", "0x5"} << 2
                                    << "--image-size must be WIDTHxHEIGHT" << QSize();
        QTest::newRow("an unknown option") << QStringList{"--frob"} << 2 << "Unknown option 'frob'" << QSize();
        QTest::newRow("two lessons") << QStringList{lesson, lesson} << 2 << "one lesson at a time" << QSize();
        QTest::newRow("a format without a handout") << QStringList{"--export", "@out", "--format", "svg"} << 2
                                                    << "--format goes with --handout" << QSize();
        QTest::newRow("a handout as a picture") << QStringList{"--export", "@out.png", "--handout"} << 2
                                                << "--handout writes a .pdf file, or a folder" << QSize();
        QTest::newRow("a handout of GIFs") << QStringList{"--export", "@out", "--handout", "--format", "gif"} << 2
                                           << "--format must be pdf, svg or png, not \"gif\"" << QSize();
        QTest::newRow("help in German") << QStringList{"--lang", "de", "--help"} << 0
                                        << "Ein 3D-Modell des Transpose-Switch-Netzwerks drehen" << QSize();
        QTest::newRow("a bad argument in German") << QStringList{"--lang=de", lesson, lesson} << 2
                                                  << "nur eine Lektion auf einmal, nicht 2" << QSize();
        QTest::newRow("export to an empty name") << QStringList{"--export", ""} << 2
                                                 << "--export needs a file name, and the one given is empty" << QSize();
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, said);
        QFETCH(QSize, picture);
        QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("broken.tslesson")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("hello") == 5);
        broken.close();
        for (QString &a : arguments)
            if (a.startsWith(QLatin1Char('@')))
                a = dir.filePath(a.mid(1));
        const Run r = run(arguments);
        QCOMPARE(r.code, code);
        if (code == 0) {
            QVERIFY2(r.out.contains(said), qPrintable(r.out));
        } else {
            const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY2(lines.size() == 1, qPrintable(r.err));
            QVERIFY2(lines[0].startsWith(QStringLiteral("transpose-switch: ")) && lines[0].contains(said),
                     qPrintable(lines[0]));
        }
        const QString out = dir.filePath(QStringLiteral("out.png"));
        QCOMPARE(QFileInfo::exists(out), picture.isValid());
        if (picture.isValid())
            QCOMPARE(QImageReader(out).size(), picture);
    }

    // Figures with no display at all, as on a server that builds lecture
    // notes: SVG and PDF as vectors, and a picture drawn from them.
    void exportsWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, or none
        QTest::addColumn<QString>("written");  // what the file holds, or "" for none and a failure
        const QString lesson = QStringLiteral(TS_SOURCE_DIR "/data/lessons/3-shifted-offsets.tslesson");
        QTest::newRow("SVG, print, caption, legend")
            << QStringList{lesson, "--export", "@fig.svg", "--background", "print", "--caption", "--legend"}
            << "offscreen" << "svg";
        QTest::newRow("PDF") << QStringList{lesson, "--export", "@fig.pdf", "--caption"} << "offscreen" << "pdf";
        QTest::newRow("PDF of 100 x 50 mm") << QStringList{"--export", "@fig.pdf", "--image-size", "100x50"}
                                            << "offscreen" << "pdf";
        QTest::newRow("a picture, not fitted") << QStringList{lesson, "--export", "@fig.png", "--no-fit"} << "offscreen"
                                               << "png";
        QTest::newRow("SVG, no platform named") << QStringList{"--export", "@fig.svg"} << "" << "svg";
        QTest::newRow("SVG into a missing folder") << QStringList{"--export", "@missing/fig.svg"} << "offscreen" << "";
        QTest::newRow("PDF onto a folder") << QStringList{"--export", "@folder.pdf"} << "offscreen" << "";
    }

    void exportsWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.pdf")));
        for (QString &a : arguments)
            if (a.startsWith(QLatin1Char('@')))
                a = dir.filePath(a.mid(1));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
        const Run r = run(arguments, environment);
        const QString out = arguments[arguments.indexOf(QStringLiteral("--export")) + 1];
        if (written.isEmpty()) {
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.startsWith(QStringLiteral("transpose-switch: ")), qPrintable(r.err));
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), before);
            QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.pdf"))).isDir());
            return;
        }
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (written == QLatin1String("pdf")) {
            QVERIFY(bytes.startsWith("%PDF"));
            // The page in points: A5 landscape unless asked otherwise.
            const bool small = arguments.contains(QStringLiteral("100x50"));
            QVERIFY(bytes.contains(small ? "/MediaBox [0 0 283" : "/MediaBox [0 0 595"));
        } else if (written == QLatin1String("png")) {
            QCOMPARE(QImageReader(out).size(), QSize(800, 800));
        } else {
            // Well-formed XML with the faces as closed paths and the caption as text.
            QXmlStreamReader svg(bytes);
            int paths = 0;
            QStringList texts;
            while (!svg.atEnd()) {
                if (svg.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (svg.name() == QLatin1String("path") && svg.attributes().value(QLatin1String("d")).startsWith(QLatin1Char('M')))
                    ++paths;
                else if (svg.name() == QLatin1String("text"))
                    texts << svg.readElementText();
            }
            QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
            QVERIFY2(paths > 100, qPrintable(QString::number(paths)));
            if (arguments.contains(QStringLiteral("--caption"))) {
                QVERIFY2(texts.contains(QStringLiteral("N = 8, c1 = 1, c2 = \u22121, c3 = 2")), qPrintable(texts.join(QLatin1Char('|'))));
                QVERIFY(texts.contains(QStringLiteral("Shifted offsets")));
                QVERIFY(texts.contains(QStringLiteral("(3, 0) \u2192 (1, 0)")));
            }
        }
    }

    // Every export replaces its file whole or leaves it byte for byte,
    // with nothing beside it, and says why with exit status 1: on a full
    // disk (a file size limit here), onto something that is not a regular
    // file, and from a lesson that is not one.
    void exportsWholeOrNotAtAll_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("limit"); // bytes a file may have, or 0 for none
        QTest::addColumn<QString>("said"); // after "transpose-switch: "
        const QString lesson = QStringLiteral(TS_SOURCE_DIR "/data/lessons/4-the-whole-network.tslesson");
        const QString tooLarge = QStringLiteral(": cannot be saved: File too large");
        QTest::newRow("SVG, disk full") << QStringList{lesson, "--export", "@keep.svg"} << 4000 << "@keep.svg" + tooLarge;
        QTest::newRow("PDF, disk full") << QStringList{lesson, "--export", "@keep.pdf"} << 4000 << "@keep.pdf" + tooLarge;
        QTest::newRow("PNG from vectors, disk full")
            << QStringList{lesson, "--export", "@keep.png", "--background", "print"} << 4000 << "@keep.png" + tooLarge;
        QTest::newRow("PNG drawn by GL, disk full")
            << QStringList{lesson, "--export", "@keep.png"} << 4000 << "@keep.png" + tooLarge;
        QTest::newRow("a handout, disk full")
            << QStringList{lesson, "--export", "@keep.pdf", "--handout"} << 4000 << "@keep.pdf" + tooLarge;
        QTest::newRow("a handout's folder onto a file")
            << QStringList{lesson, "--export", "@keep.svg", "--handout", "--format", "svg"} << 0 << "@keep.svg: is not a folder";
        QTest::newRow("SVG onto a FIFO") << QStringList{lesson, "--export", "@fifo"} << 0 << "@fifo: is not a regular file";
        QTest::newRow("PNG drawn by GL onto a FIFO")
            << QStringList{lesson, "--export", "@fifo.png"} << 0 << "@fifo.png: is not a regular file";
        QTest::newRow("a FIFO as the lesson")
            << QStringList{"@fifo", "--export", "@keep.svg"} << 0 << "@fifo: is not a regular file";
    }

    void exportsWholeOrNotAtAll()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, limit);
        QFETCH(QString, said);
        QTemporaryDir dir;
        for (const char *name : {"keep.svg", "keep.pdf", "keep.png"}) {
            QFile keep(dir.filePath(QLatin1String(name)));
            QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("good\n") == 5);
        }
        for (const char *name : {"fifo", "fifo.png"})
            QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QLatin1String(name))).constData(), 0600), 0);
        const auto listing = [&dir] {
            QStringList entries;
            for (const QFileInfo &e : QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)) {
                QFile f(e.filePath());
                const QByteArray bytes = e.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : "not a file";
                entries << e.fileName() + QLatin1Char(' ') + QString::fromLatin1(bytes);
            }
            return entries;
        };
        const QStringList before = listing();
        for (QString &a : arguments)
            if (a.startsWith(QLatin1Char('@')))
                a = dir.filePath(a.mid(1));
        said.replace(QLatin1Char('@'), dir.path() + QLatin1Char('/'));

        QProcess app;
        if (limit > 0)
            app.setChildProcessModifier([limit] { support::FileSizeLimit::applyInChild(rlim_t(limit)); });
        app.start(QStringLiteral(TS_APP_PATH), arguments);
        QVERIFY(app.waitForFinished(30000)); // a FIFO opened would block for ever
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 1);
        const QStringList lines =
            QString::fromLocal8Bit(app.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("transpose-switch"));
        QCOMPARE(lines, QStringList{QStringLiteral("transpose-switch: ") + said});
        QCOMPARE(listing(), before);
    }

    // The figure's options of the View menu, the PDF page's margins and
    // searchable text, and one default size wherever it is made.
    void figuresFromTheCommandLine()
    {
        QTemporaryDir dir;
        const QString lesson = QStringLiteral(TS_SOURCE_DIR "/data/lessons/3-shifted-offsets.tslesson");
        const auto svgOf = [&](const QStringList &more) {
            const QString out = dir.filePath(QStringLiteral("fig.svg"));
            const Run r = run(QStringList{lesson, QStringLiteral("--export"), out} + more);
            QFile file(out);
            return r.code == 0 && file.open(QIODevice::ReadOnly) ? support::readOurSvg(file.readAll()) : support::SvgReading{};
        };
        const support::SvgReading plain = svgOf({}), viewed = svgOf({QStringLiteral("--labels"), QStringLiteral("--focus")});
        QVERIFY(plain.problem.isEmpty() && viewed.problem.isEmpty());
        QVERIFY(!plain.texts.contains(QStringLiteral("x (i)")));
        QVERIFY2(viewed.texts.contains(QStringLiteral("x (i)")), qPrintable(viewed.texts.join(QLatin1Char('|'))));
        // Focus draws the boxes no route touches as frames: far fewer faces.
        QVERIFY2(viewed.faces * 2 < plain.faces, qPrintable(QStringLiteral("%1 %2").arg(viewed.faces).arg(plain.faces)));

        // A4 portrait at 50 dpi: nothing drawn within 10 mm of an edge
        // (19.7 pixels), and the caption's words found as they are written.
        const QString pdf = dir.filePath(QStringLiteral("fig.pdf"));
        QCOMPARE(run({lesson, "--export", pdf, "--image-size", "210x297", "--caption", "--legend"}).code, 0);
        QProcess poppler;
        poppler.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                                   QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(poppler.waitForFinished() && poppler.exitCode() == 0);
        const QImage page(dir.filePath(QStringLiteral("page.png")));
        QCOMPARE(page.size(), QSize(414, 585));
        const QRect drawn = support::drawnArea(page, page.pixel(0, 0));
        const int margin = 19;
        QVERIFY2(drawn.left() >= margin && drawn.top() >= margin && page.width() - 1 - drawn.right() >= margin &&
                     page.height() - 1 - drawn.bottom() >= margin,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
        poppler.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(poppler.waitForFinished() && poppler.exitCode() == 0);
        QVERIFY(QString::fromUtf8(poppler.readAllStandardOutput()).contains(QStringLiteral("Shifted offsets")));

        // Drawn by GL in a window of any size, at any scale.
        for (const char *scale : {"1", "2"}) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(scale));
            const QString png = dir.filePath(QStringLiteral("fig.png"));
            QCOMPARE(run({lesson, "--export", png}, environment).code, 0);
            QCOMPARE(QImageReader(png).size(), QSize(800, 800));
        }
    }

    // A handout with no display: a PDF page per scene with its heading
    // (the scene's title, else the lesson's), its notes, the lesson's title
    // and "Page p of n"; notes longer than a page go on over the next pages
    // with every line once; a folder of numbered pictures or drawings.
    void handoutsFromTheCommandLine()
    {
        QTemporaryDir dir;
        constexpr int kScenes = 12, kLongNotes = 150;
        QStringList scenes;
        for (int s = 1; s <= kScenes; ++s) {
            const QString notes = s == 5 ? QStringLiteral("Line 1.") : QStringLiteral("Notes of scene %1.").arg(s);
            scenes << QStringLiteral(R"({"title": "%1", "notes": "%2", "size": 8, "marks": [{"terminal": [1, %3], "colours": ["red"]}]})")
                          .arg(s == 2 ? QString() : QStringLiteral("Scene number %1").arg(s), notes)
                          .arg(s % 8);
        }
        // Scene 5's notes: many lines, so that they need pages of their own.
        QString longNotes;
        for (int l = 1; l <= kLongNotes; ++l)
            longNotes += QStringLiteral("Line %1.\\n").arg(l);
        scenes[4].replace(QStringLiteral("Line 1."), longNotes);
        const QString lessonPath = dir.filePath(QStringLiteral("tour.tslesson"));
        QFile lesson(lessonPath);
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.write(QStringLiteral(R"({"format": "transpose-switch-lesson", "version": 2, "title": "A tour <&>",)"
                                    R"( "scenes": [%1]})").arg(scenes.join(QStringLiteral(", "))).toUtf8());
        lesson.close();
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            bare.remove(QLatin1String(name));
        const auto poppler = [](const QString &tool, const QStringList &arguments) {
            QProcess p;
            p.start(tool, arguments);
            return p.waitForFinished() && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
        };

        const QString pdf = dir.filePath(QStringLiteral("tour.pdf"));
        const Run made = run({lessonPath, "--export", pdf, "--handout", "--caption"}, bare);
        QVERIFY2(made.code == 0, qPrintable(made.err));
        const QRegularExpressionMatch pages =
            QRegularExpression(QStringLiteral("Pages: *(\\d+)")).match(poppler(QStringLiteral("pdfinfo"), {pdf}));
        const int pageCount = pages.captured(1).toInt();
        QVERIFY2(pageCount > kScenes, qPrintable(pages.captured(0)));
        int page = 0;
        QStringList longLines, wanted;
        for (int l = 1; l <= kLongNotes; ++l)
            wanted << QStringLiteral("Line %1.").arg(l);
        for (int s = 1; s <= kScenes; ++s) {
            const int scenePages = s == 5 ? pageCount - kScenes + 1 : 1;
            for (int p = 0; p < scenePages; ++p) {
                ++page;
                const QString text = poppler(QStringLiteral("pdftotext"),
                                             {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
                QVERIFY2(text.startsWith(QStringLiteral("A tour <&>\n")), qPrintable(text));
                QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pageCount)), qPrintable(text));
                if (p == 0) {
                    const QString heading = s == 2 ? QStringLiteral("A tour <&>") : QStringLiteral("Scene number %1").arg(s);
                    QVERIFY2(text.contains(QStringLiteral("\n") + heading + QStringLiteral("\n")), qPrintable(text));
                    QVERIFY2(text.contains(QStringLiteral("N = 8, c1 = 0")), qPrintable(text)); // the figure's caption
                }
                if (s == 5) {
                    longLines += text.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("^Line \\d+\\.$")));
                } else {
                    QVERIFY2(text.contains(QStringLiteral("Notes of scene %1.").arg(s)), qPrintable(text));
                }
            }
        }
        QCOMPARE(longLines, wanted); // in order, none lost or doubled at a page's end

        // Folders of numbered files, made where missing; SVG and PNG.
        for (const char *format : {"svg", "png"}) {
            const QString folder = dir.filePath(QStringLiteral("handout-%1").arg(QLatin1String(format)));
            const Run r = run({lessonPath, "--export", folder, "--handout", "--format", format}, bare);
            QVERIFY2(r.code == 0, qPrintable(r.err));
            const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
            QCOMPARE(files.size(), kScenes);
            QCOMPARE(files.first(), QStringLiteral("01-scene-number-1.%1").arg(QLatin1String(format)));
            QCOMPARE(files[1], QStringLiteral("02-a-tour.%1").arg(QLatin1String(format)));
            if (QLatin1String(format) == QLatin1String("png"))
                QCOMPARE(QImageReader(QDir(folder).filePath(files.last())).size(), QSize(800, 800));
        }
    }

    // A lesson that cannot be opened is told on stderr; the program starts
    // anyway with the start state (and shows the message in a box).
    void aBadLessonStillStarts()
    {
        QTemporaryDir dir;
        const QString notes = dir.filePath(QStringLiteral("notes.txt"));
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a lesson\n") > 0);
        file.close();
        QProcess app;
        app.start(QStringLiteral(TS_APP_PATH), {notes});
        QVERIFY(app.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += app.readAllStandardError()).contains("notes.txt: not JSON"), 20000);
        QTest::qWait(500);
        QCOMPARE(app.state(), QProcess::Running);
        app.kill();
        app.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
