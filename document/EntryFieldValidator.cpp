#include "document/EntryFieldValidator.h"

#include "common/Conversions.h"
#include "common/Settings.h"
#include "common/EntryValues.h"

namespace {

// Whether `now` is `before` with one run of characters taken out and nothing
// typed in its place: a text typed over a selection is judged by what it reads.
bool IsDeletionOf(const QString &now, const QString &before)
{
    if (now.size() >= before.size())
        return false;
    qsizetype prefix = 0;
    while (prefix < now.size() && now.at(prefix) == before.at(prefix))
        ++prefix;
    return before.endsWith(now.mid(prefix));
}

} // namespace

EntryFieldValidator::EntryFieldValidator(Kind kind, const TSettings &settings, QObject *parent)
    : QValidator(parent), m_kind(kind), m_settings(settings)
{
}

QValidator::State EntryFieldValidator::validate(QString &input, int &) const
{
    bool acceptable = false;
    if (m_kind == Kind::Count) {
        acceptable = IsCountText(input.toStdString());
    } else {
        if (m_settings.Unit() != UnitMm)
            input.replace(QLatin1Char(','), QLatin1Char('.'));
        acceptable = IsDimensionText(input.toStdString(), m_settings.Unit());
    }
    const State state = acceptable ? Acceptable : IsDeletionOf(input, m_previous) ? Intermediate : Invalid;
    if (state != Invalid)
        m_previous = input;
    return state;
}
