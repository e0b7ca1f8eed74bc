// The help route on Linux: where the viewer finds a help file, what it shows, and how the
// common dialog's stand-in starts it.
#include "AccessibleTree.h"
#include "CommonDialog.h"
#include "HelpFile.h"
#include "HelpLinks.h"
#include "HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
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

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

    QTemporaryDir Root;
    QString Program;
    QString Data;
    QString Elsewhere;

private slots:
    void initTestCase() {
        QVERIFY(Root.isValid());
        Program = Root.filePath(QStringLiteral("prefix/bin"));
        Data = Root.filePath(QStringLiteral("prefix/share/plovari"));
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
        viewer.Open(QStringLiteral("Missing.hlp"), HelpViewer::HelpContents, {Program, Data});
        const QString text = ShownText(viewer);
        QVERIFY2(text.contains(QStringLiteral("“Missing.hlp” was not found")), qPrintable(text));
        QVERIFY(text.contains(Program));
        QVERIFY(text.contains(Data));

        viewer.Open(QStringLiteral("../Missing.hlp"), HelpViewer::HelpContents, {Program});
        QVERIFY(ShownText(viewer).contains(QStringLiteral("“../Missing.hlp” is not a bare")));
        viewer.Open(QStringLiteral("Plovari.hlp"), 1, {QStringLiteral(PLOVARI_HELP_FOLDER)});
        QVERIFY(ShownText(viewer).contains(QStringLiteral("cannot carry out help command 1")));
    }

    void theHelpFileOpensAtItsContentsAndEveryTopicLinkLeadsSomewhere() {
        HelpViewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        viewer.Open(QStringLiteral("Plovari.hlp"), HelpViewer::HelpContents,
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
        viewer.Open(QStringLiteral("Plovari.hlp"), HelpViewer::HelpContents,
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
        dialog.SetHelpCommand(CommonDialog::HelpContents);
        dialog.ShowHelp();
        QTRY_VERIFY(QFile::exists(handed));
        QFile file(handed);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Plovari.hlp\n3\n"));

        QVERIFY2(!StartHelpViewer(Root.filePath(QStringLiteral("none")), QStringLiteral("x"), 3),
                 "a missing viewer only fails to start");
    }

    void aSecondViewerHandsItsRequestToTheRunningOneAndEnds() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Root.path());
        const QStringList request{QStringLiteral("Plovari.hlp"), QStringLiteral("3")};
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(PLOVARI_HELP_VIEWER), request);
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY(QFile::exists(Root.filePath(QStringLiteral("plovari-help-%1").arg(getuid()))));

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(PLOVARI_HELP_VIEWER), request);
        const bool ended = second.waitForFinished(10000);
        const bool firstRuns = first.state() == QProcess::Running;
        second.kill();
        first.kill();
        first.waitForFinished();
        QVERIFY2(ended, "the second viewer shows no window of its own");
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(firstRuns);
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
