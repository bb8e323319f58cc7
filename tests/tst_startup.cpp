// Start-up as a whole process: without OpenGL the program warns once and
// exits with -1, also when toolkit options and stray arguments are given;
// and the command line: help, version, exporting a picture of a lesson, and
// what a bad argument gets.
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run
{
    int code = -1;
    QString out, err;
};

Run run(const QStringList &arguments)
{
    QProcess app;
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
            QCOMPARE(lines.size(), 1);
            QVERIFY2(lines[0].startsWith(QStringLiteral("transpose-switch: ")) && lines[0].contains(said),
                     qPrintable(lines[0]));
        }
        const QString out = dir.filePath(QStringLiteral("out.png"));
        QCOMPARE(QFileInfo::exists(out), picture.isValid());
        if (picture.isValid())
            QCOMPARE(QImageReader(out).size(), picture);
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
