#include "document/EntryFieldValidator.h"

#include "common/Conversions.h"
#include "document/EntryValues.h"
#include "common/ProgramState.h"

EntryFieldValidator::EntryFieldValidator(Kind kind, const ProgramState &state, QObject *parent)
    : QValidator(parent), m_kind(kind), m_state(state)
{
}

QValidator::State EntryFieldValidator::validate(QString &input, int &) const
{
    bool acceptable = false;
    if (m_kind == Kind::Count) {
        acceptable = IsCountText(input.toStdString());
    } else {
        if (m_state.Settings.Unit() != UnitMm)
            input.replace(QLatin1Char(','), QLatin1Char('.'));
        acceptable = IsDimensionText(input.toStdString(), m_state.Settings.Unit());
    }
    const bool deleting = input.size() < m_previous.size();
    const State state = acceptable ? Acceptable : deleting ? Intermediate : Invalid;
    if (state != Invalid)
        m_previous = input;
    return state;
}
