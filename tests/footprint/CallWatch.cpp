// The definitions below take the place of the C library's functions of the same names for the
// whole program: the test executable exports its symbols, and the dynamic linker looks in the
// executable first, so Qt, fontconfig, D-Bus and every other library call these. Each notes
// the call while the watch is on and hands it on to the C library unchanged.
//
// Off64 names stay distinct: with 64-bit file offsets asked for, the headers would turn open
// into open64 and the two definitions into one.
#undef _FILE_OFFSET_BITS

#include "CallWatch.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

// The C library's own names for open() checked by _FORTIFY_SOURCE, which the watch stands in for.
extern "C" int __open_2(const char* path, int flags);   // NOLINT(bugprone-reserved-identifier)
extern "C" int __open64_2(const char* path, int flags); // NOLINT(bugprone-reserved-identifier)

namespace plovari::footprint {

namespace {

std::atomic<bool> Watching{false};
/// Set while a note is being taken, so that what noting itself calls is not noted.
thread_local bool Noting = false;

std::mutex& NotesLock() {
    static std::mutex lock;
    return lock;
}

/// Never destroyed: libraries may still open files while the program exits.
std::vector<std::string>& Notes() {
    static auto* notes = new std::vector<std::string>;
    return *notes;
}

bool Wanted() {
    return Watching.load(std::memory_order_relaxed) && !Noting;
}

void Note(std::string call) {
    Noting = true;
    {
        const std::lock_guard guard(NotesLock());
        Notes().push_back(std::move(call));
    }
    Noting = false;
}

std::string Text(const char* text) {
    return text != nullptr ? std::string(text) : std::string("(null)");
}

std::string Octal(int flags) {
    char text[24];
    std::snprintf(text, sizeof text, "0%o", static_cast<unsigned>(flags));
    return text;
}

/// Opening with any of these may change or create a file.
bool Writes(int flags) {
    constexpr int changing = O_WRONLY | O_RDWR | O_CREAT | O_TRUNC | O_APPEND;
    return (flags & changing) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

bool TakesMode(int flags) {
    return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

void NoteOpen(const char* call, const char* path, int flags) {
    if (Wanted() && Writes(flags)) {
        Note(std::string(call) + " " + Text(path) + " (flags " + Octal(flags) + ")");
    }
}

void NotePath(const char* call, const char* path) {
    if (Wanted()) {
        Note(std::string(call) + " " + Text(path));
    }
}

std::string Address(const sockaddr* address, socklen_t length) {
    if (address == nullptr) {
        return "(null)";
    }
    if (address->sa_family == AF_UNIX) {
        const auto* local = reinterpret_cast<const sockaddr_un*>(address);
        const auto pathLength = length > offsetof(sockaddr_un, sun_path)
                                    ? length - offsetof(sockaddr_un, sun_path)
                                    : std::size_t{0};
        std::string path(local->sun_path, std::min(pathLength, sizeof local->sun_path));
        if (!path.empty() && path.front() == '\0') {
            path.front() = '@'; // an abstract name
        }
        return "unix:" + path.substr(0, path.find('\0'));
    }
    char text[INET6_ADDRSTRLEN] = "?";
    if (address->sa_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                  sizeof text);
    } else if (address->sa_family == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text,
                  sizeof text);
    }
    return "family " + std::to_string(address->sa_family) + " " + text;
}

template <class Function>
Function Real(const char* name) {
    void* found = dlsym(RTLD_NEXT, name);
    if (found == nullptr) {
        std::fprintf(stderr, "the C library has no %s\n", name);
        std::abort();
    }
    return reinterpret_cast<Function>(found);
}

int ModeOf(int flags, std::va_list& rest) {
    return TakesMode(flags) ? va_arg(rest, int) : 0;
}

} // namespace

void WatchCalls(bool on) {
    Watching.store(on);
}

std::vector<std::string> NotedCalls() {
    const std::lock_guard guard(NotesLock());
    return Notes();
}

void ForgetNotedCalls() {
    const std::lock_guard guard(NotesLock());
    Notes().clear();
}

} // namespace plovari::footprint

using namespace plovari::footprint;

extern "C" {

int open(const char* path, int flags, ...) {
    std::va_list rest;
    va_start(rest, flags);
    const int mode = ModeOf(flags, rest);
    va_end(rest);
    static const auto real = Real<int (*)(const char*, int, ...)>("open");
    NoteOpen("open", path, flags);
    return real(path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    std::va_list rest;
    va_start(rest, flags);
    const int mode = ModeOf(flags, rest);
    va_end(rest);
    static const auto real = Real<int (*)(const char*, int, ...)>("open64");
    NoteOpen("open64", path, flags);
    return real(path, flags, mode);
}

int __open_2(const char* path, int flags) {
    static const auto real = Real<int (*)(const char*, int)>("__open_2");
    NoteOpen("__open_2", path, flags);
    return real(path, flags);
}

int __open64_2(const char* path, int flags) {
    static const auto real = Real<int (*)(const char*, int)>("__open64_2");
    NoteOpen("__open64_2", path, flags);
    return real(path, flags);
}

int openat(int folder, const char* path, int flags, ...) {
    std::va_list rest;
    va_start(rest, flags);
    const int mode = ModeOf(flags, rest);
    va_end(rest);
    static const auto real = Real<int (*)(int, const char*, int, ...)>("openat");
    NoteOpen("openat", path, flags);
    return real(folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...) {
    std::va_list rest;
    va_start(rest, flags);
    const int mode = ModeOf(flags, rest);
    va_end(rest);
    static const auto real = Real<int (*)(int, const char*, int, ...)>("openat64");
    NoteOpen("openat64", path, flags);
    return real(folder, path, flags, mode);
}

int creat(const char* path, mode_t mode) {
    static const auto real = Real<int (*)(const char*, mode_t)>("creat");
    NotePath("creat", path);
    return real(path, mode);
}

int creat64(const char* path, mode_t mode) {
    static const auto real = Real<int (*)(const char*, mode_t)>("creat64");
    NotePath("creat64", path);
    return real(path, mode);
}

FILE* fopen(const char* path, const char* mode) {
    static const auto real = Real<FILE* (*)(const char*, const char*)>("fopen");
    if (mode != nullptr && std::string(mode).find_first_of("wa+") != std::string::npos) {
        NotePath((std::string("fopen ") + mode).c_str(), path);
    }
    return real(path, mode);
}

FILE* fopen64(const char* path, const char* mode) {
    static const auto real = Real<FILE* (*)(const char*, const char*)>("fopen64");
    if (mode != nullptr && std::string(mode).find_first_of("wa+") != std::string::npos) {
        NotePath((std::string("fopen64 ") + mode).c_str(), path);
    }
    return real(path, mode);
}

int mkstemp(char* pattern) {
    static const auto real = Real<int (*)(char*)>("mkstemp");
    NotePath("mkstemp", pattern);
    return real(pattern);
}

int mkostemp(char* pattern, int flags) {
    static const auto real = Real<int (*)(char*, int)>("mkostemp");
    NotePath("mkostemp", pattern);
    return real(pattern, flags);
}

int mkostemp64(char* pattern, int flags) {
    static const auto real = Real<int (*)(char*, int)>("mkostemp64");
    NotePath("mkostemp64", pattern);
    return real(pattern, flags);
}

int mkdir(const char* path, mode_t mode) noexcept {
    static const auto real = Real<int (*)(const char*, mode_t)>("mkdir");
    NotePath("mkdir", path);
    return real(path, mode);
}

int rename(const char* from, const char* to) noexcept {
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    NotePath("rename", (Text(from) + " " + Text(to)).c_str());
    return real(from, to);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
              unsigned flags) noexcept {
    static const auto real =
        Real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    NotePath("renameat2", (Text(from) + " " + Text(to)).c_str());
    return real(fromFolder, from, toFolder, to, flags);
}

int unlink(const char* path) noexcept {
    static const auto real = Real<int (*)(const char*)>("unlink");
    NotePath("unlink", path);
    return real(path);
}

int link(const char* from, const char* to) noexcept {
    static const auto real = Real<int (*)(const char*, const char*)>("link");
    NotePath("link", (Text(from) + " " + Text(to)).c_str());
    return real(from, to);
}

int symlink(const char* from, const char* to) noexcept {
    static const auto real = Real<int (*)(const char*, const char*)>("symlink");
    NotePath("symlink", (Text(from) + " " + Text(to)).c_str());
    return real(from, to);
}

int socket(int family, int type, int protocol) noexcept {
    static const auto real = Real<int (*)(int, int, int)>("socket");
    if (family != AF_UNIX && Wanted()) {
        Note("socket family " + std::to_string(family));
    }
    return real(family, type, protocol);
}

int connect(int socket, const sockaddr* address, socklen_t length) {
    static const auto real = Real<int (*)(int, const sockaddr*, socklen_t)>("connect");
    if (Wanted()) {
        Note("connect " + Address(address, length));
    }
    return real(socket, address, length);
}

} // extern "C"

namespace plovari::footprint {

namespace {

struct Watched {
    const char* Name;
    void* Definition;
};

template <class Function>
void* Pointer(Function* function) {
    return reinterpret_cast<void*>(function);
}

const Watched WatchedCalls[] = {
    {"open", Pointer(&open)},
    {"open64", Pointer(&open64)},
    {"__open_2", Pointer(&__open_2)},
    {"__open64_2", Pointer(&__open64_2)},
    {"openat", Pointer(&openat)},
    {"openat64", Pointer(&openat64)},
    {"creat", Pointer(&creat)},
    {"creat64", Pointer(&creat64)},
    {"fopen", Pointer(&fopen)},
    {"fopen64", Pointer(&fopen64)},
    {"mkstemp", Pointer(&mkstemp)},
    {"mkostemp", Pointer(&mkostemp)},
    {"mkostemp64", Pointer(&mkostemp64)},
    {"mkdir", Pointer(&mkdir)},
    {"rename", Pointer(&rename)},
    {"renameat2", Pointer(&renameat2)},
    {"unlink", Pointer(&unlink)},
    {"link", Pointer(&link)},
    {"symlink", Pointer(&symlink)},
    {"socket", Pointer(&socket)},
    {"connect", Pointer(&connect)},
};

} // namespace

std::vector<std::string> WatchedFunctions() {
    std::vector<std::string> names;
    for (const Watched& watched : WatchedCalls) {
        names.emplace_back(watched.Name);
    }
    return names;
}

bool EveryLibraryCallsTheWatch() {
    for (const Watched& watched : WatchedCalls) {
        if (dlsym(RTLD_DEFAULT, watched.Name) != watched.Definition) {
            std::fprintf(stderr, "%s does not reach the watch\n", watched.Name);
            return false;
        }
    }
    return true;
}

} // namespace plovari::footprint
