#include "platform/Win1250Validator.h"

#include "common/Encoding.h"

QValidator::State Win1250Validator::validate(QString &input, int &) const
{
    return FitsWin1250(input.toStdString()) ? Acceptable : Invalid;
}
