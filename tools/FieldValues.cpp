#include "tools/FieldValues.h"

#include "common/Encoding.h"
#include "common/NumberText.h"

namespace {

std::string About(std::string_view subject, const std::string &text)
{
    return subject.empty() ? text : std::string(subject) + " " + text;
}

} // namespace

std::optional<std::int64_t> ReadInteger(std::string_view text, std::int64_t minimum, std::int64_t maximum,
                                        std::string_view subject, std::string &problem)
{
    const std::optional<std::int64_t> value = ParseInteger(text, PlusSign::Refused);
    if (!value) {
        problem = About(subject, "\"" + std::string(text) + "\" is not a whole number");
        return std::nullopt;
    }
    if (*value < minimum || *value > maximum) {
        problem = About(subject, std::to_string(*value) + " is out of range " + std::to_string(minimum) + ".."
                                     + std::to_string(maximum));
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> ReadWin1250Text(std::string_view utf8, std::size_t capacity, std::string_view subject,
                                           std::string &problem)
{
    std::string bytes;
    if (!Utf8ToWin1250(utf8, bytes)) {
        problem = About(subject, "holds a character that Windows-1250 cannot store");
        return std::nullopt;
    }
    if (bytes.size() > capacity) {
        problem = About(subject, "has " + std::to_string(bytes.size()) + " characters, at most "
                                     + std::to_string(capacity) + " fit");
        return std::nullopt;
    }
    return bytes;
}
