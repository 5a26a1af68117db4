// The game installed into a fresh prefix: the program, its desktop entry with the icon
// it names, the AppStream metadata that launches that entry and the licence, and
// nothing the game does not read; the game starts from its desktop entry there. And
// the Debian package, laid out as Debian wants and passed by Debian's checker.
#include <QDir>
#include <QIcon>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kId = QStringLiteral(ZENTAR_ID);
constexpr int kInstallMs = 300000;  // making the package and checking it take a while
constexpr int kRunningMs = 2000;

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One key of the [Desktop Entry] group of a desktop file.
QString desktopKey(const QString& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

// The text of every element `name` of an XML file that carries no language.
QStringList xmlTexts(const QString& path, const QString& name) {
    QStringList texts;
    QXmlStreamReader xml(readText(path));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name &&
            !xml.attributes().hasAttribute(QStringLiteral("xml:lang")))
            texts << xml.readElementText();
    return xml.hasError() ? QStringList{QStringLiteral("broken: ") + xml.errorString()} : texts;
}

// What a program prints, or "" when it fails.
QString output(const QString& program, const QStringList& arguments) {
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(program, arguments);
    if (!run.waitForFinished(kInstallMs) || run.exitCode() != 0) return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The package names of a Depends field, every alternative, versions left out.
QStringList packageNames(const QString& field) {
    QStringList names;
    for (const QString& item : field.split(QRegularExpression(QStringLiteral("[,|]"))))
        names << item.trimmed().section(QLatin1Char(' '), 0, 0);
    return names;
}

}  // namespace

class InstallTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir prefix_;
    QTemporaryDir packages_;
    QString deb_;
    QString share() const { return prefix_.path() + QStringLiteral("/share"); }
    QString entry() const { return share() + QStringLiteral("/applications/") + kId + ".desktop"; }

  private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedChannels);
        install.start(QStringLiteral(CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(BUILD_DIR),
                       QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY(install.waitForFinished(kInstallMs));
        QCOMPARE(install.exitCode(), 0);

        const QString cpack = QFileInfo(QStringLiteral(CMAKE_COMMAND)).absolutePath() + "/cpack";
        const QStringList pack = {
            QStringLiteral("-G"),       QStringLiteral("DEB"),
            QStringLiteral("--config"), QStringLiteral(BUILD_DIR "/CPackConfig.cmake"),
            QStringLiteral("-B"),       packages_.path()};
        QVERIFY(!output(cpack, pack).isEmpty());
        const QStringList debs = QDir(packages_.path()).entryList({QStringLiteral("zentar_*.deb")});
        QCOMPARE(debs.size(), 1);
        deb_ = packages_.path() + QLatin1Char('/') + debs.first();
    }

    void desktopEntryStartsAnInstalledProgramWithAnInstalledIcon() {
        const QString text = readText(entry());
        QVERIFY2(!text.isEmpty(), qPrintable(entry()));
        const QString exec = desktopKey(text, QStringLiteral("Exec")).section(' ', 0, 0);
        QFileInfo program(prefix_.path() + QStringLiteral("/bin/") + exec);
        QVERIFY2(program.isFile() && program.isExecutable(), qPrintable(program.filePath()));
        const QString icon = desktopKey(text, QStringLiteral("Icon"));
        QVERIFY(!icon.isEmpty());
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QString file =
                share() + QStringLiteral("/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(icon);
            QVERIFY2(!QIcon(file).pixmap(size).isNull(), qPrintable(file));
        }
    }

    void metadataLaunchesTheInstalledEntry() {
        const QString metainfo = share() + QStringLiteral("/metainfo/") + kId + ".metainfo.xml";
        QVERIFY2(QFile::exists(metainfo), qPrintable(metainfo));
        QCOMPARE(xmlTexts(metainfo, QStringLiteral("id")), QStringList{kId});
        const QStringList launchable = xmlTexts(metainfo, QStringLiteral("launchable"));
        QCOMPARE(launchable, QStringList{QFileInfo(entry()).fileName()});
        QCOMPARE(xmlTexts(metainfo, QStringLiteral("name")), QStringList{QStringLiteral("Zentar")});
        for (const QString& binary : xmlTexts(metainfo, QStringLiteral("binary")))
            QVERIFY(QFileInfo(prefix_.path() + QStringLiteral("/bin/") + binary).isExecutable());
    }

    // The manual is read from the game's resources, so no copy of it is installed.
    void manualIsTheGamesOwnAndLicenceIsInstalled() {
        Q_INIT_RESOURCE(assets);
        const QString help = QStringLiteral(":/help/");
        const QString manual = readText(help + QStringLiteral("index.html"));
        QVERIFY(manual.contains(QStringLiteral("お助けヘルプ")));
        // Every file the manual links to is there beside it.
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#:]+)\""));
        for (auto m = link.globalMatch(manual); m.hasNext();) {
            const QString file = help + m.next().captured(1);
            QVERIFY2(QFile::exists(file), qPrintable(file));
        }
        QVERIFY(!QFileInfo::exists(share() + QStringLiteral("/zentar")));
        QVERIFY(readText(share() + QStringLiteral("/doc/zentar/copyright"))
                    .contains(QStringLiteral("MIT License")));
    }

    // The package names every Qt library the game links, the windowing plugins Qt loads
    // at run time and a Japanese font, with alternatives.
    void debianPackageDependsOnWhatTheGameNeeds() {
        const QString dpkgDeb = QStringLiteral("dpkg-deb");
        const QString field =
            output(dpkgDeb, {QStringLiteral("-f"), deb_, QStringLiteral("Depends")});
        const QStringList depends = packageNames(field);
        QVERIFY2(depends.contains(QStringLiteral("qt6-qpa-plugins")), qPrintable(field));
        QVERIFY2(field.contains(QRegularExpression(QStringLiteral("(^|,) *fonts-noto-cjk *\\|"))),
                 qPrintable(field));

        const QString linked = output(QStringLiteral("readelf"),
                                      {QStringLiteral("-d"), prefix_.path() + "/bin/zentar"});
        const QRegularExpression qtLibrary(QStringLiteral("\\[(libQt6\\w+\\.so\\.6)\\]"));
        QStringList owners;
        for (auto m = qtLibrary.globalMatch(linked); m.hasNext();)
            owners << output(QStringLiteral("dpkg"), {QStringLiteral("-S"), m.next().captured(1)})
                          .section(QLatin1Char(':'), 0, 0);
        QVERIFY2(owners.size() >= 3, qPrintable(linked));  // Core, Gui and Widgets at least
        for (const QString& owner : owners)
            QVERIFY2(depends.contains(owner), qPrintable(owner + " missing: " + field));
    }

    // Debian keeps games in /usr/games and wants a manual page and a changelog; the
    // package holds nothing the game does not read.
    void debianPackageHoldsTheGameAsDebianWants() {
        const QString files = output(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb_});
        for (const QString& file :
             {QStringLiteral("./usr/games/zentar"), "./usr/share/applications/" + kId + ".desktop",
              "./usr/share/metainfo/" + kId + ".metainfo.xml",
              QStringLiteral("./usr/share/man/man6/zentar.6.gz"),
              QStringLiteral("./usr/share/doc/zentar/changelog.gz"),
              QStringLiteral("./usr/share/doc/zentar/copyright")})
            QVERIFY2(files.contains(QLatin1Char(' ') + file + QLatin1Char('\n')), qPrintable(file));
        QVERIFY2(!files.contains(QStringLiteral(" ./usr/bin/")), qPrintable(files));
        QVERIFY2(!files.contains(QStringLiteral(" ./usr/share/zentar/")), qPrintable(files));
    }

    void debianCheckerFindsNoErrorOrWarning() {
        QProcess lintian;
        lintian.setProcessChannelMode(QProcess::MergedChannels);
        lintian.start(QStringLiteral("lintian"),
                      {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), deb_});
        QVERIFY(lintian.waitForFinished(kInstallMs));
        const QByteArray report = lintian.readAll();
        QVERIFY2(lintian.exitStatus() == QProcess::NormalExit && lintian.exitCode() == 0,
                 report.constData());
    }

    // As the desktop does: the program named by Exec, found through PATH.
    void gameStartsFromItsDesktopEntry() {
        QTemporaryDir config;
        const QString exec = desktopKey(readText(entry()), QStringLiteral("Exec"));
        QVERIFY(!exec.isEmpty());
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"),
                   prefix_.path() + QStringLiteral("/bin:") + env.value(QStringLiteral("PATH")));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), share());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::ForwardedChannels);
        game.start(QStringLiteral("/bin/sh"),
                   {QStringLiteral("-c"), QStringLiteral("exec ") + exec});
        QVERIFY(game.waitForStarted());
        QTest::qWait(kRunningMs);
        QCOMPARE(game.state(), QProcess::Running);  // the title screen waits for the player
        QVERIFY(QFile::exists(config.path() + QStringLiteral("/zentar/zentar.lock")));
        game.terminate();
        QVERIFY(game.waitForFinished(kInstallMs));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }
};

QTEST_MAIN(InstallTest)
#include "test_install.moc"
