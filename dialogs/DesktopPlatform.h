#pragma once
// The desktop behind the Platform interface as the program runs it: the Qt boxes
// and dialogs, with the label options dialog of this layer.

#include "platform/QtPlatform.h"

class DesktopPlatform final : public QtPlatform {
public:
    std::optional<LabelJobOptions> LabelOptionsDialog(bool printerInstalled) override;
};
