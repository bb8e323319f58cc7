// Start-up as a whole process: without OpenGL the program warns once and
// exits with -1, also when toolkit options and stray arguments are given.
#include <QProcess>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
