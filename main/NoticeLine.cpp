#include "main/NoticeLine.h"

NoticeLine::NoticeLine(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("NoticeLine"));
    setTextInteractionFlags(Qt::TextSelectableByMouse); // a path can be copied
}

void NoticeLine::Tell(const QString &line)
{
    setText(line);
    m_toldSinceLastCommand = true;
}

void NoticeLine::CommandEnded()
{
    if (!m_toldSinceLastCommand)
        clear();
    m_toldSinceLastCommand = false;
}
