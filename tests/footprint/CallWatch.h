#pragma once

#include <string>
#include <vector>

namespace plovari::footprint {

/// Starts or stops noting the C library calls through which a program leaves a trace: opening a
/// file to write, creating, linking, renaming or removing a file, making a folder, opening a
/// socket other than a local one, and connecting any socket.
void WatchCalls(bool on);

/// The calls noted so far, each as "open64 /path (flags 0101)", "connect unix:/run/bus" or
/// "socket family 2", in the order they came.
std::vector<std::string> NotedCalls();
void ForgetNotedCalls();

/// The calls this watch takes over from the C library, and whether every library loaded with
/// the program reaches this program's definition of each.
std::vector<std::string> WatchedFunctions();
bool EveryLibraryCallsTheWatch();

} // namespace plovari::footprint
