// A save killed at any moment leaves one whole saved game: the old one or the new one,
// never keys of two saves mixed.
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "state/saved_game.h"

class CrashSafeSaveTest : public QObject {
    Q_OBJECT
  private slots:
    void killedSavesLeaveOneWholeSave() {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/" ZENTAR_TEST_STORE "/save_child.conf");
        QRandomGenerator dice(20261208);
        int whole = 0;
        long lastGeneration = 0;
        for (int run = 0; run < 100; ++run) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/save_child"));
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(30000));
            QTest::qWait(10 + dice.bounded(120));
            child.kill();  // SIGKILL: no chance to tidy up
            QVERIFY(child.waitForFinished());
            if (!QFile::exists(file)) continue;  // killed before its first save
            QSettings saved(file, QSettings::IniFormat);
            saved.beginGroup(QStringLiteral("velmora"));
            const QString generation = saved.value(QStringLiteral("day")).toString();
            QCOMPARE(saved.allKeys().size(), 208);
            for (const QString& key : zentar::saveKeys()) {
                const QString v = saved.value(key).toString();
                if (key.startsWith(QLatin1String("heisi")))
                    QCOMPARE(v.toLong(), generation.toLong() % 200);
                else if (key == QLatin1String("speed"))
                    QCOMPARE(v.toLong(), 1 + generation.toLong() % 300);
                else
                    QCOMPARE(v, generation);
            }
            QVERIFY(generation.toLong() >= 1);
            lastGeneration = generation.toLong();
            ++whole;
        }
        QVERIFY2(whole >= 50, qPrintable(QStringLiteral("only %1 runs got to save").arg(whole)));
        QVERIFY(lastGeneration > 0);
    }
};

QTEST_GUILESS_MAIN(CrashSafeSaveTest)
#include "test_crash_safe_save.moc"
