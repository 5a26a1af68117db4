// The desktop's single instance on Windows: a game holds its lock open for as long as it
// runs, letting others only read it, and listens on a pipe of the user's session.
#include <windows.h>

#include "platform/single_instance.h"

namespace zentar {

// Only a program that holds the file open for writing keeps it from being opened so; a
// file that is merely read-only is nobody's.
bool lockHeld(const QString& path) {
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

bool processRunning(qint64 pid) {
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

QString localSocketName(const QString& name) {
    return name;
}

}  // namespace zentar
