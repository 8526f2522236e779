#include "dialogs/DesktopPlatform.h"

#include "dialogs/LabelOptionsDialog.h"

#include <QApplication>

std::optional<LabelJobOptions> DesktopPlatform::LabelOptionsDialog(bool printerInstalled)
{
    return LabelOptionsDialog::Ask(printerInstalled, QApplication::activeWindow());
}
