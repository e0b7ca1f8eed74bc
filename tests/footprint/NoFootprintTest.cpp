// The game leaves no trace on the machine and talks to nobody: a race with every command
// writes no file and opens no network connection. Three watches, any of which fails the test:
//
// - the calls: the test takes over the C library's file-writing and socket functions for the
//   whole program (CallWatch.cpp) and notes every call from Qt's start to its shutdown, even a
//   file opened and closed again at once;
// - the open files: /proc/self/fd is read after every turn and command; no file open for
//   writing and no socket may appear that was not open before the window was;
// - the folders: main() points HOME, the XDG folders, TMPDIR and the working folder at fresh
//   empty folders before Qt starts; they must still be empty once the window has closed, and
//   again once Qt has shut down.
//
// The session bus and a display connection would be allowed; the test runs offscreen with no
// session bus, so neither is expected.
#include "AboutPlovari.h"
#include "CallWatch.h"
#include "CommonDialog.h"
#include "GameWindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/socket.h>
#include <sys/un.h>
#include <tuple>
#include <unistd.h>
#include <utility>

using namespace plovari;
using namespace plovari::testing;

namespace {

/// Fresh empty folders for everything a program might write into, with the environment and
/// the working folder pointed at them. Made before the calls are watched.
class EmptyFolders {
public:
    static constexpr std::array<std::pair<const char*, const char*>, 7> Variables{{
        {"home", "HOME"},
        {"config", "XDG_CONFIG_HOME"},
        {"data", "XDG_DATA_HOME"},
        {"cache", "XDG_CACHE_HOME"},
        {"state", "XDG_STATE_HOME"},
        {"runtime", "XDG_RUNTIME_DIR"},
        {"tmp", "TMPDIR"},
    }};

    EmptyFolders() {
        if (!Root.isValid()) {
            return;
        }
        for (const auto& [folder, variable] : Variables) {
            const QString path = Folder(folder);
            if (!QDir().mkpath(path) || !qputenv(variable, QFile::encodeName(path))) {
                return;
            }
        }
        // The runtime folder must be the user's alone, or Qt refuses it.
        QFile::setPermissions(Folder("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
        // No session bus and no display: the game has no business with either.
        for (const char* variable : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"}) {
            qunsetenv(variable);
        }
        Ready = QDir().mkpath(Folder("work")) && QDir::setCurrent(Folder("work"));
    }

    QString Folder(const char* name) const { return Root.filePath(QString::fromUtf8(name)); }

    /// Every file and folder below the root that was not there from the start.
    QStringList Additions() const {
        std::set<QString> made{Folder("work")};
        for (const auto& [folder, variable] : Variables) {
            made.insert(Folder(folder));
        }
        QStringList found;
        QDirIterator entries(Root.path(),
                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString entry = entries.next();
            if (made.count(entry) == 0) {
                found << entry;
            }
        }
        return found;
    }

    bool Ready = false;

private:
    QTemporaryDir Root;
};

EmptyFolders* Folders = nullptr;

/// A descriptor the process holds open, as /proc/self/fd shows it.
struct Descriptor {
    int Number = -1;
    QString Target;
    int Flags = 0;
    int Family = -1;
    QString Peer;

    bool operator<(const Descriptor& other) const {
        return std::tie(Number, Target) < std::tie(other.Number, other.Target);
    }
};

int FlagsOf(int number) {
    QFile info(QStringLiteral("/proc/self/fdinfo/%1").arg(number));
    if (!info.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : info.readAll().split('\n')) {
        if (line.startsWith("flags:")) {
            return line.mid(6).trimmed().toInt(nullptr, 8);
        }
    }
    return 0;
}

QString PeerOf(int number, int family) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getpeername(number, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return QStringLiteral("none");
    }
    if (family != AF_UNIX) {
        return QStringLiteral("family %1").arg(family);
    }
    const auto* local = reinterpret_cast<const sockaddr_un*>(&address);
    QByteArray path(local->sun_path,
                    static_cast<qsizetype>(length - offsetof(sockaddr_un, sun_path)));
    if (path.startsWith('\0')) {
        path[0] = '@';
    }
    return QString::fromLocal8Bit(path.left(path.indexOf('\0')));
}

std::set<Descriptor> OpenDescriptors() {
    std::set<Descriptor> open;
    DIR* folder = opendir("/proc/self/fd");
    if (folder == nullptr) {
        qFatal("cannot read /proc/self/fd");
    }
    while (const dirent* entry = readdir(folder)) {
        bool number = false;
        const int fd = QByteArray(entry->d_name).toInt(&number);
        if (!number || fd == dirfd(folder)) {
            continue;
        }
        Descriptor descriptor;
        descriptor.Number = fd;
        char target[4096];
        const ssize_t length =
            readlink(qPrintable(QStringLiteral("/proc/self/fd/%1").arg(fd)), target, sizeof target);
        descriptor.Target =
            QString::fromLocal8Bit(target, length > 0 ? static_cast<qsizetype>(length) : 0);
        descriptor.Flags = FlagsOf(fd);
        if (descriptor.Target.startsWith(QLatin1String("socket:"))) {
            int family = -1;
            socklen_t length = sizeof family;
            getsockopt(fd, SOL_SOCKET, SO_DOMAIN, &family, &length);
            descriptor.Family = family;
            descriptor.Peer = PeerOf(fd, family);
        }
        open.insert(descriptor);
    }
    closedir(folder);
    return open;
}

/// The session bus and the display, where a desktop program may connect.
QStringList AllowedPeers() {
    QStringList peers;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        peers << runtime + QStringLiteral("/bus");
    }
    for (const QString& entry :
         qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").split(QLatin1Char(';'))) {
        for (const QString& setting : entry.section(QLatin1Char(':'), 1).split(QLatin1Char(','))) {
            if (setting.startsWith(QLatin1String("path="))) {
                peers << setting.mid(5);
            } else if (setting.startsWith(QLatin1String("abstract="))) {
                peers << QLatin1Char('@') + setting.mid(9);
            }
        }
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.startsWith(QLatin1Char(':'))) {
        const QString socket =
            QStringLiteral("/tmp/.X11-unix/X") + display.mid(1).section(QLatin1Char('.'), 0, 0);
        peers << socket << QLatin1Char('@') + socket;
    }
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        peers << (wayland.startsWith(QLatin1Char('/')) ? wayland
                                                       : runtime + QLatin1Char('/') + wayland);
    }
    return peers;
}

/// What a descriptor that was not open before says about the game: nothing, or what it wrote
/// or reached.
QString Judge(const Descriptor& descriptor, const QStringList& allowedPeers) {
    const QString what =
        QStringLiteral("fd %1 -> %2").arg(descriptor.Number).arg(descriptor.Target);
    if (descriptor.Target.startsWith(QLatin1String("socket:"))) {
        if (descriptor.Family == AF_UNIX && allowedPeers.contains(descriptor.Peer)) {
            return {};
        }
        return what + QStringLiteral(" (socket family %1, peer %2)")
                          .arg(descriptor.Family)
                          .arg(descriptor.Peer);
    }
    if (descriptor.Target.startsWith(QLatin1String("pipe:"))) {
        return what + QStringLiteral(" (a pipe: another process?)");
    }
    if (descriptor.Target.startsWith(QLatin1String("anon_inode:")) ||
        descriptor.Target == QLatin1String("/dev/null")) {
        return {}; // event and timer descriptors; the null device
    }
    const bool writing = (descriptor.Flags & (O_WRONLY | O_RDWR | O_APPEND)) != 0;
    return writing
               ? what + QStringLiteral(" (open for writing, flags 0%1)").arg(descriptor.Flags, 0, 8)
               : QString();
}

QStringList NotedProblems(const QStringList& allowedPeers) {
    QStringList problems;
    for (const std::string& call : footprint::NotedCalls()) {
        const QString text = QString::fromStdString(call);
        const QString connectUnix = QStringLiteral("connect unix:");
        if (text.startsWith(connectUnix) && allowedPeers.contains(text.mid(connectUnix.size()))) {
            continue;
        }
        problems << text;
    }
    return problems;
}

} // namespace

class NoFootprintTest : public QObject, private GameWindow {
    Q_OBJECT

    std::set<Descriptor> Before;
    QStringList Peers;
    int HelpCommands = 0;

    /// What is open now and was not before the window opened, as far as it matters.
    QStringList NewlyOpen() const {
        QStringList problems;
        for (const Descriptor& descriptor : OpenDescriptors()) {
            if (Before.count(descriptor) == 0) {
                const QString problem = Judge(descriptor, Peers);
                if (!problem.isEmpty()) {
                    problems << problem;
                }
            }
        }
        return problems;
    }

    /// Every trace so far: calls noted, files held open, files left in the folders.
    QStringList Traces() const { return NotedProblems(Peers) + NewlyOpen() + Folders->Additions(); }

    /// Help > About, closed again from within its own loop.
    void ShowAbout() {
        WhileModal([this] { Action("About")->trigger(); }, [](QWidget&) {});
    }

    /// One of the game's commands, by number, so that a race meets all of them in turn.
    void Command(int number) {
        switch (number % 16) {
        case 0:
            Action("FourPlayers")->trigger();
            break;
        case 1:
            ClickMode("High", 1);
            break;
        case 2:
            ShowAbout();
            break;
        case 3:
            Action("Rules")->trigger();
            ++HelpCommands;
            break;
        case 4:
            ClickMode("Medium", 0);
            break;
        case 5:
            Action("Finish500")->trigger();
            break;
        case 6: {
            // A few turns on the clock, with the About window open for one of them.
            Action("Fast")->trigger();
            ClickContinue();
            const std::size_t draws = Draws();
            QVERIFY(QTest::qWaitFor([&] { return Draws() > draws; }));
            bool turnWhileOpen = false;
            WhileModal([this] { Action("About")->trigger(); },
                       [&](QWidget&) {
                           const std::size_t before = Draws();
                           turnWhileOpen = QTest::qWaitFor([&] { return Draws() > before; });
                       });
            QVERIFY(turnWhileOpen);
            QTest::keyClick(TempText(), Qt::Key_P);
            Action("StepByStep")->trigger();
            break;
        }
        case 7:
            QTest::keyClick(TempText(), Qt::Key_Escape);
            break;
        case 8:
            Action("SixPlayers")->trigger();
            break;
        case 9:
            ClickMode("Low", 2);
            break;
        case 10:
            Action("RestartGame")->trigger();
            break;
        case 11:
            Action("Finish1000")->trigger();
            break;
        case 12:
            Action("Slow")->trigger();
            Action("StepByStep")->trigger();
            break;
        case 13:
            Action("TwoPlayers")->trigger();
            break;
        case 14:
            Action("Finish200")->trigger();
            break;
        default:
            Action("ThreePlayers")->trigger();
            break;
        }
    }

private slots:
    void initTestCase() {
        Peers = AllowedPeers();
        // The folders are where Qt, and so the game, would keep anything.
        QCOMPARE(QDir::homePath(), Folders->Folder("home"));
        QCOMPARE(QDir::tempPath(), Folders->Folder("tmp"));
        QCOMPARE(QDir::currentPath(), Folders->Folder("work"));
        for (const auto& [location, folder] :
             {std::pair{QStandardPaths::ConfigLocation, "config"},
              std::pair{QStandardPaths::GenericDataLocation, "data"},
              std::pair{QStandardPaths::GenericCacheLocation, "cache"},
              std::pair{QStandardPaths::RuntimeLocation, "runtime"}}) {
            QCOMPARE(QStandardPaths::writableLocation(location), Folders->Folder(folder));
        }
    }

    void theWatchesSeeAFileWrittenAndASocketOpened() {
        QVERIFY(footprint::EveryLibraryCallsTheWatch());
        footprint::ForgetNotedCalls();
        Before = OpenDescriptors();
        QVERIFY(Traces().isEmpty());

        // A file written as the game would write one, through Qt, and a network socket.
        QFile file(QStringLiteral("written"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const int socket = ::socket(AF_INET, SOCK_DGRAM, 0);
        const QStringList open = NewlyOpen();
        ::close(socket);
        file.close();
        const QStringList noted = NotedProblems(Peers);
        const QStringList left = Folders->Additions();
        QVERIFY(file.remove());
        footprint::ForgetNotedCalls();

        const QString path = Folders->Folder("work") + QStringLiteral("/written");
        const QString inet = QStringLiteral("socket family %1").arg(AF_INET);
        QVERIFY(socket >= 0);
        QVERIFY2(open.size() == 2 && open.filter(path).size() == 1 && open.filter(inet).size() == 1,
                 qPrintable(open.join(QLatin1Char('\n'))));
        QVERIFY2(noted == (QStringList{QStringLiteral("open64 written (flags 02001101)"), inet}),
                 qPrintable(noted.join(QLatin1Char('\n'))));
        QCOMPARE(left, QStringList{path});
        QVERIFY(Traces().isEmpty());
    }

    void aRaceWithEveryCommandLeavesNoTrace() {
        Before = OpenDescriptors();
        QVERIFY(Open());
        int viewerCalls = 0;
        Find<CommonDialog>(*Window, "CommonDialog1")
            ->SetViewer([&viewerCalls](const QString&, std::int16_t) { ++viewerCalls; });

        // Dice from the game's own generator, each face rolled again three times in four: the
        // ties make the Medium and High players fast, so races also end.
        ClockRandomSource generator(20240607);
        std::vector<std::int16_t> dice(std::size_t{6} * 400);
        std::int16_t face = 1;
        for (std::int16_t& die : dice) {
            if (generator.Next() < 0.25f) {
                face = DieFromRandom(generator.Next());
            }
            die = face;
        }
        Dice->Script(dice);
        Action("StepByStep")->trigger();

        int turns = 0;
        int races = 0;
        for (int click = 0; click < 400; ++click) {
            if (click % 16 == 8) {
                Command(click / 16);
                if (QTest::currentTestFailed()) {
                    return;
                }
                QVERIFY2(Traces().isEmpty(), qPrintable(Traces().join(QLatin1Char('\n'))));
            }
            const std::size_t draws = Draws();
            const bool restart = ContinueButton()->text() == QStringLiteral("Restart");
            ClickContinue(); // a turn, step by step, or a restart once the race has ended
            // The turn that the click started, which step by step ends with a pause.
            QVERIFY(QTest::qWaitFor([this] { return ContinueButton()->isEnabled(); }));
            turns += Draws() > draws ? 1 : 0;
            races += restart ? 1 : 0;
            const QStringList traces = NewlyOpen() + NotedProblems(Peers);
            QVERIFY2(traces.isEmpty(), qPrintable(traces.join(QLatin1Char('\n'))));
        }
        qInfo("%d turns, %d races ended", turns, races);
        QVERIFY2(turns >= 300 && races >= 3,
                 qPrintable(QStringLiteral("%1 turns, %2 races").arg(turns).arg(races)));
        QCOMPARE(viewerCalls, HelpCommands);
        QVERIFY(HelpCommands > 0);

        Action("QuitGame")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!Window->isVisible());
        Close();
        QCoreApplication::processEvents();
        QVERIFY2(Traces().isEmpty(), qPrintable(Traces().join(QLatin1Char('\n'))));
    }
};

int main(int argc, char* argv[]) {
    EmptyFolders folders;
    if (!folders.Ready) {
        std::fprintf(stderr, "cannot make the empty folders\n");
        return 1;
    }
    Folders = &folders;
    footprint::WatchCalls(true);
    int failures = 0;
    {
        QApplication application(argc, argv);
        NoFootprintTest test;
        failures = QTest::qExec(&test, argc, argv);
    }
    // Qt has shut down: whatever it would keep on the way out is kept by now.
    footprint::WatchCalls(false);
    QStringList traces = NotedProblems(AllowedPeers()) + folders.Additions();
    for (const QString& trace : traces) {
        std::fprintf(stderr, "FAIL after Qt shut down: %s\n", qPrintable(trace));
    }
    return failures + static_cast<int>(traces.size());
}

#include "NoFootprintTest.moc"
