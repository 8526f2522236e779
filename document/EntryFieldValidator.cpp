#include "document/EntryFieldValidator.h"

#include "common/Conversions.h"
#include "document/EntryValues.h"
#include "main/ProgramState.h"

EntryFieldValidator::EntryFieldValidator(Kind kind, const ProgramState &state, QObject *parent)
    : QValidator(parent), m_kind(kind), m_state(state)
{
}

QValidator::State EntryFieldValidator::validate(QString &input, int &) const
{
    if (m_kind == Kind::Count)
        return IsCountText(input.toStdString()) ? Acceptable : Invalid;
    if (m_state.Settings.Unit() != UnitMm)
        input.replace(QLatin1Char(','), QLatin1Char('.'));
    return IsDimensionText(input.toStdString(), m_state.Settings.Unit()) ? Acceptable : Invalid;
}
