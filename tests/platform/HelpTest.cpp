// The help route on Linux: where the viewer finds a help file, what it shows, and how the
// common dialog's stand-in starts it.
#include "AccessibleTree.h"
#include "CommonDialog.h"
#include "HelpChannel.h"
#include "HelpFile.h"
#include "HelpLinks.h"
#include "HelpViewer.h"
#include "ViewerChannel.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <algorithm>
#include <csignal>
#include <unistd.h>

using namespace plovari;

namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

QString ShownText(const HelpViewer& viewer) {
    return viewer.findChild<QTextBrowser*>(QStringLiteral("HelpText"))->toPlainText();
}

/// The help channel of the viewers that run with `runtime` as their runtime folder.
QString Channel(const QString& runtime) {
    return QDir(runtime).filePath(QStringLiteral("plovari-help"));
}

/// Whether a viewer takes connections on `channel`.
bool Answers(const QString& channel) {
    QLocalSocket socket;
    socket.connectToServer(channel);
    return socket.waitForConnected(1000);
}

/// Starts the built help viewer for the help file's contents, with its channel in `runtime`.
/// The QProcess ends it when the test leaves its scope.
void StartViewer(QProcess& viewer, const QString& runtime) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    viewer.setProcessEnvironment(environment);
    viewer.start(QStringLiteral(PLOVARI_HELP_VIEWER),
                 {QStringLiteral("Plovari.hlp"), QString::number(HelpContents)});
    if (!viewer.waitForStarted()) {
        qFatal("cannot start %s", PLOVARI_HELP_VIEWER);
    }
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

    QTemporaryDir Root;
    QString Program;
    QString Data;
    QString Elsewhere;

    /// A runtime folder of its own for one test's viewers, the user's alone.
    QString RuntimeFolder(const QString& name) const {
        QString folder = Root.filePath(QStringLiteral("runtime-") + name);
        if (!QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            qFatal("cannot make %s", qPrintable(folder));
        }
        return folder;
    }

private slots:
    void initTestCase() {
        QVERIFY(Root.isValid());
        Program = Root.filePath(QStringLiteral("prefix/bin"));
        Data = Root.filePath(QStringLiteral("prefix/share/games/plovari"));
        Elsewhere = Root.filePath(QStringLiteral("elsewhere"));
        for (const QString& folder : {Program, Data, Elsewhere}) {
            QVERIFY(QDir().mkpath(folder));
        }
    }

    void searchesTheProgramFolderThenTheInstalledDataFolder() {
        QCOMPARE(HelpSearchPath(Program), (QStringList{Program, Data}));
    }

    void eachLanguageComesFirstInItsOwnFolderThenEnglish() {
        const QStringList languages{QStringLiteral("pt_BR"), QStringLiteral("pt")};
        QCOMPARE(HelpSearchPath(Program, languages),
                 (QStringList{Program + QStringLiteral("/pt_BR"), Data + QStringLiteral("/pt_BR"),
                              Program + QStringLiteral("/pt"), Data + QStringLiteral("/pt"),
                              Program, Data}));
        QCOMPARE(HelpSearchPath(Program, {QStringLiteral("../x")}), (QStringList{Program, Data}));

        WriteFile(Data + QStringLiteral("/E.hlp"), "english");
        QCOMPARE(FindHelpFile(QStringLiteral("E.hlp"), HelpSearchPath(Program, languages)),
                 Data + QStringLiteral("/E.hlp"));
        QVERIFY(QDir(Data).mkdir(QStringLiteral("pt")));
        WriteFile(Data + QStringLiteral("/pt/E.hlp"), "portuguese");
        QCOMPARE(FindHelpFile(QStringLiteral("E.hlp"), HelpSearchPath(Program, languages)),
                 Data + QStringLiteral("/pt/E.hlp"));
    }

    void theProgramFolderComesFirst() {
        const QStringList folders = HelpSearchPath(Program);
        WriteFile(Data + QStringLiteral("/A.hlp"), "data");
        QCOMPARE(FindHelpFile(QStringLiteral("A.hlp"), folders), Data + QStringLiteral("/A.hlp"));
        WriteFile(Program + QStringLiteral("/A.hlp"), "program");
        QCOMPARE(FindHelpFile(QStringLiteral("A.hlp"), folders),
                 Program + QStringLiteral("/A.hlp"));
        QVERIFY(FindHelpFile(QStringLiteral("B.hlp"), folders).isEmpty());
    }

    void neitherTheCurrentFolderNorAPathIsUsed() {
        WriteFile(Elsewhere + QStringLiteral("/C.hlp"), "elsewhere");
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Elsewhere));
        const QString found = FindHelpFile(QStringLiteral("C.hlp"), HelpSearchPath(Program));
        QVERIFY(QDir::setCurrent(previous));
        QVERIFY2(found.isEmpty(), qPrintable(found));

        const QStringList folders{Program};
        for (const QString& name :
             {Elsewhere + QStringLiteral("/C.hlp"), QStringLiteral("../../elsewhere/C.hlp"),
              QStringLiteral(".."), QString()}) {
            QVERIFY2(!IsBareFileName(name), qPrintable(name));
            QVERIFY2(FindHelpFile(name, folders).isEmpty(), qPrintable(name));
        }
        QVERIFY(QDir(Program).mkdir(QStringLiteral("D.hlp")));
        QVERIFY2(FindHelpFile(QStringLiteral("D.hlp"), folders).isEmpty(), "a folder is no file");
    }

    void aMissingFileIsExplainedNamingItAndWhereItWasLookedFor() {
        HelpViewer viewer;
        viewer.Open(QStringLiteral("Missing.hlp"), HelpContents, {Program, Data});
        const QString text = ShownText(viewer);
        QVERIFY2(text.contains(QStringLiteral("“Missing.hlp” was not found")), qPrintable(text));
        QVERIFY(text.contains(Program));
        QVERIFY(text.contains(Data));

        viewer.Open(QStringLiteral("../Missing.hlp"), HelpContents, {Program});
        QVERIFY(ShownText(viewer).contains(QStringLiteral("“../Missing.hlp” is not a bare")));
        viewer.Open(QStringLiteral("Plovari.hlp"), 1, {QStringLiteral(PLOVARI_HELP_FOLDER)});
        QVERIFY(ShownText(viewer).contains(QStringLiteral("cannot carry out help command 1")));
    }

    void theHelpFileOpensAtItsContentsAndEveryTopicLinkLeadsSomewhere() {
        HelpViewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        viewer.Open(QStringLiteral("Plovari.hlp"), HelpContents,
                    {QStringLiteral(PLOVARI_HELP_FOLDER)});
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Plovari Help"));
        const auto* browser = viewer.findChild<QTextBrowser*>(QStringLiteral("HelpText"));
        QVERIFY(browser->toPlainText().startsWith(QStringLiteral("Plovari Help: Contents")));
        QCOMPARE(browser->verticalScrollBar()->value(), 0);

        const testing::HelpLinks help = testing::LinksOf(*browser->document());
        QVERIFY(help.Links.size() >= 6);
        QVERIFY2(help.Broken().isEmpty(), qPrintable(help.Broken().join(QStringLiteral(", "))));
        const QString text = browser->toPlainText();
        for (const char* needed : {"8.385", "10.239", "11.96", "13.38", "10.5", "5.25", "4.2",
                                   "3.5", "150 milliseconds", "Step by step", "Alt+P"}) {
            QVERIFY2(text.contains(QString::fromUtf8(needed)), needed);
        }
    }

    void everyControlOfTheViewerHasANameForScreenReaders() {
        HelpViewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        viewer.Open(QStringLiteral("Plovari.hlp"), HelpContents,
                    {QStringLiteral(PLOVARI_HELP_FOLDER)});
        const testing::AccessibleWalk walk = testing::WalkAccessibleTree(viewer);
        QVERIFY2(walk.Unnamed.isEmpty(), qPrintable(walk.Unnamed.join(QStringLiteral(", "))));
        QVERIFY2(walk.Named >= 3, "Contents, Back and Forward");
        QCOMPARE(testing::Accessible(viewer.findChild<QTextBrowser*>(QStringLiteral("HelpText")))
                     ->text(QAccessible::Name),
                 QStringLiteral("Help text"));
    }

    void showHelpStartsTheViewerOnItsOwnWithFileAndCommand() {
        const QString viewer = Root.filePath(QStringLiteral("viewer.sh"));
        const QString handed = Root.filePath(QStringLiteral("handed.txt"));
        WriteFile(viewer, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.part'\n"
                                         "mv '%1.part' '%1'\n")
                              .arg(handed)
                              .toUtf8());
        QVERIFY(QFile::setPermissions(viewer, QFile::ReadOwner | QFile::ExeOwner));

        CommonDialog dialog(nullptr);
        dialog.SetViewer([&](const QString& file, std::int16_t command) {
            QVERIFY(StartHelpViewer(viewer, file, command));
        });
        dialog.SetHelpFile(QStringLiteral("Plovari.hlp"));
        dialog.SetHelpCommand(HelpContents);
        dialog.ShowHelp();
        QTRY_VERIFY(QFile::exists(handed));
        QFile file(handed);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Plovari.hlp\n3\n"));

        QString why;
        QVERIFY2(
            !StartHelpViewer(Root.filePath(QStringLiteral("none")), QStringLiteral("x"), 3, &why),
            "a missing viewer only fails to start");
        QVERIFY2(!why.isEmpty(), "and says why");
    }

    void aSecondViewerHandsItsRequestToTheRunningOneAndEnds() {
        // Without XDG_RUNTIME_DIR, not at the channel's old place in the temporary folder, where
        // anyone can put a socket, but in the user's own folder that Qt makes there.
        const QString temporary = RuntimeFolder(QStringLiteral("tmp"));
        QLocalServer squatter;
        QVERIFY(squatter.listen(temporary + QStringLiteral("/plovari-help-%1").arg(getuid())));
        qputenv("TMPDIR", temporary.toUtf8());
        qunsetenv("XDG_RUNTIME_DIR"); // the other tests name their runtime folders
        const QString channel = HelpChannelName();
        QVERIFY(channel.startsWith(temporary + QStringLiteral("/runtime-")));
        QProcess first;
        StartViewer(first, {});
        QTRY_VERIFY_WITH_TIMEOUT(Answers(channel), 20000);

        QProcess second;
        StartViewer(second, {});
        QVERIFY2(second.waitForFinished(20000), "the second viewer shows no window of its own");
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QVERIFY(!squatter.waitForNewConnection(0));

        // A folder that others may enter is none: the help command says so, starting nothing.
        QVERIFY(QFile::setPermissions(QFileInfo(channel).path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ExeOther));
        QWidget owner;
        CommonDialog(&owner).ShowHelp();
        const auto* problem = owner.findChild<QMessageBox*>(QStringLiteral("HelpProblem"));
        QVERIFY(problem != nullptr && problem->informativeText().contains("XDG_RUNTIME_DIR"));
    }

    void aSlowViewerKeepsTheChannelAndStillTakesTheRequest() {
        const QString runtime = RuntimeFolder(QStringLiteral("slow"));
        QProcess first;
        StartViewer(first, runtime);
        QTRY_VERIFY_WITH_TIMEOUT(Answers(Channel(runtime)), 20000);

        // Stopped for longer than one wait for an answer: the next viewer must not take over.
        QVERIFY(kill(static_cast<pid_t>(first.processId()), SIGSTOP) == 0);
        QProcess second;
        StartViewer(second, runtime);
        const auto waits = [&] { return second.readAllStandardError().contains("plovari-help: "); };
        QVERIFY2(QTest::qWaitFor(waits, 20000), "the second viewer says it waits");
        QVERIFY(kill(static_cast<pid_t>(first.processId()), SIGCONT) == 0);
        QVERIFY2(second.waitForFinished(20000), "the second viewer waits and hands over");
        QCOMPARE(second.exitCode(), 0);

        // The channel is still the first viewer's: a third one hands its request to it too.
        QProcess third;
        StartViewer(third, runtime);
        QVERIFY2(third.waitForFinished(20000), "the third viewer hands over");
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
    }

    void aSocketLeftByACrashedViewerIsTakenOver() {
        const QString runtime = RuntimeFolder(QStringLiteral("stale"));
        QProcess crashed;
        StartViewer(crashed, runtime);
        QTRY_VERIFY_WITH_TIMEOUT(Answers(Channel(runtime)), 20000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY2(QFile::exists(Channel(runtime)), "a killed viewer leaves its socket behind");
        QVERIFY(!Answers(Channel(runtime)));

        QProcess next;
        StartViewer(next, runtime);
        QTRY_VERIFY_WITH_TIMEOUT(Answers(Channel(runtime)), 20000);
        QProcess later;
        StartViewer(later, runtime);
        QVERIFY2(later.waitForFinished(20000), "the later viewer hands over to the new one");
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(next.state(), QProcess::Running);
    }

    void ofViewersStartedAtOnceOneServesAndTakesEveryRequest() {
        const QString runtime = RuntimeFolder(QStringLiteral("five"));
        QProcess viewers[5];
        for (QProcess& viewer : viewers) {
            StartViewer(viewer, runtime);
        }
        QTRY_COMPARE_WITH_TIMEOUT(std::ranges::count(viewers, QProcess::Running, &QProcess::state),
                                  1, 30000);
        for (const QProcess& viewer : viewers) { // the others handed their requests over
            QVERIFY(viewer.state() == QProcess::Running || viewer.exitCode() == 0);
        }
    }

    void aBrokenFrameIsRefusedOpensNothingAndTheViewerServesOn() {
        const QString name = Channel(RuntimeFolder(QStringLiteral("fuzz")));
        ViewerChannel channel(name, nullptr);
        QCOMPARE(channel.Join({}), ViewerChannel::Role::Serving);
        QSignalSpy requested(&channel, &ViewerChannel::Requested);
        QSignalSpy refused(&channel, &ViewerChannel::Reported);
        const QStringList request{QStringLiteral("A.hlp"), QStringLiteral("3")};
        const QByteArray frame = ViewerChannel::RequestFrame(request);
        QRandomGenerator random(17);
        for (int round = 1; round <= 4001; ++round) {
            QByteArray bytes = frame; // magic, version at 4, body size at 6, body at 10
            QByteArray noise(frame.size() + 40, '\0');
            random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            switch (round % 5) {
            case 0:
                bytes = noise.left(random.bounded(10, noise.size()));
                break;
            case 1:
                bytes.truncate(round > 4000 ? frame.size() : random.bounded(frame.size()));
                break;
            case 2:
                bytes[5] = char(random.bounded(2, 256));
                break;
            case 3:
                bytes[6] = char(random.bounded(1, 256));
                break;
            case 4:
                bytes.replace(10, frame.size() - 10, noise.left(frame.size() - 10));
                break;
            }
            QLocalSocket client;
            client.connectToServer(name);
            QVERIFY(client.waitForConnected(1000) && client.write(bytes) == bytes.size());
            QVERIFY(bytes.isEmpty() || client.waitForBytesWritten(1000));
            if (round % 40 == 0) { // keeps the queue of connections short
                QTRY_COMPARE(refused.size(), qsizetype{round / 5} * 4);
            }
        }
        QTRY_COMPARE(requested.size(), 1); // the last frame, whole
        QCOMPARE(requested.first().first().toStringList(), request);
        QCOMPARE(refused.size(), 3200);
        QVERIFY(refused.first().first().toString().startsWith(QStringLiteral("refused a help")));
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
