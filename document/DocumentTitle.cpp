#include "document/DocumentTitle.h"

bool IsUntitledTitle(const QString &title)
{
    return title.left(8).toUpper() == QLatin1String("UNTITLED");
}

QString UntitledTitle(int number)
{
    return QStringLiteral("Untitled %1").arg(number);
}
