#include "common/ProcessIdentity.h"

#include <cctype>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>

#include <limits.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxHostName = 64;

bool FitsAFileName(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-';
}

} // namespace

std::string ThisHostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
        return "localhost";
    std::string host(name);
    if (host.size() > kMaxHostName)
        host.resize(kMaxHostName);
    for (char &c : host) {
        if (!FitsAFileName(c))
            c = '_';
    }
    return host;
}

std::string ThisUserName()
{
    const passwd *entry = ::getpwuid(::getuid());
    if (entry != nullptr && entry->pw_name != nullptr && entry->pw_name[0] != '\0')
        return entry->pw_name;
    return std::to_string(::getuid());
}

std::uint64_t ProcessStartTicks(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The command name in parentheses may hold blanks and ')'; the fields after
    // its last ')' start with the third, the start time being the 22nd.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22; ++i) {
        if (!(fields >> field))
            return 0;
    }
    try {
        return std::stoull(field);
    } catch (const std::exception &) {
        return 0;
    }
}

bool ProgramRuns(pid_t pid, std::uint64_t startTicks)
{
    if (pid <= 0)
        return false;
    // EPERM: it exists, it is only another user's.
    if (::kill(pid, 0) != 0 && errno != EPERM)
        return false;
    if (startTicks == 0)
        return true;
    const std::uint64_t started = ProcessStartTicks(pid);
    return started == 0 || started == startTicks;
}
