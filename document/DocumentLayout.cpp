#include "document/DocumentLayout.h"

#include "common/Settings.h"
#include "document/ElementTableModel.h"

#include <QMdiSubWindow>
#include <QScreen>
#include <QTableView>

#include <algorithm>
#include <cstdint>

namespace {

std::uint16_t ToWord(int value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}

} // namespace

void RestoreDocumentLayout(QMdiSubWindow &window, QTableView &grid, const TSettings &settings)
{
    const QSize screenSize = window.screen() != nullptr ? window.screen()->geometry().size() : QSize();
    QPoint position = window.pos();
    if (settings.WindowLeft() < screenSize.width())
        position.setX(settings.WindowLeft());
    if (settings.WindowTop() < screenSize.height())
        position.setY(settings.WindowTop());
    window.move(position);
    QSize size = window.size();
    if (settings.WindowWidth() > 1)
        size.setWidth(settings.WindowWidth());
    if (settings.WindowHeight() > 1)
        size.setHeight(settings.WindowHeight());
    window.resize(size);
    if (settings.WindowState() == 1)
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
    else if (settings.WindowState() == 2)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    for (int c = 1; c <= kElementGridColumns; ++c) {
        if (settings.ColumnWidth(c) > 1)
            grid.setColumnWidth(c - 1, settings.ColumnWidth(c));
    }
}

void SaveDocumentLayout(const QMdiSubWindow &window, const QTableView &grid, TSettings &settings)
{
    settings.SetWindowWidth(ToWord(window.width()));
    settings.SetWindowHeight(ToWord(window.height()));
    settings.SetWindowLeft(ToWord(window.x()));
    settings.SetWindowTop(ToWord(window.y()));
    settings.SetWindowState(window.isMinimized() ? 1 : window.isMaximized() ? 2 : 0);
    for (int c = 1; c <= kElementGridColumns; ++c)
        settings.SetColumnWidth(c, ToWord(grid.columnWidth(c - 1)));
}
