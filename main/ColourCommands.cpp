#include "main/ColourCommands.h"

#include "common/ProgramState.h"
#include "main/CommandContext.h"
#include "platform/Colours.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>

const std::array<ColourCommand, 4> kColourCommands = {{
    {"Selektovani tekst", SettingsOffset::SelectedTextColour, ColourCommand::Refresh::Documents},
    {"Pozadina sel. teksta", SettingsOffset::SelectedBackColour, ColourCommand::Refresh::Documents},
    {"Pozadina kontrola", SettingsOffset::ControlColour, ColourCommand::Refresh::Documents},
    {"Pozadina glavnog prozora", SettingsOffset::MainColour, ColourCommand::Refresh::MainWindow},
}};

bool ChangeColour(const CommandContext &context, const ColourCommand &command)
{
    TSettings &settings = context.state.Settings;
    const std::optional<QColor> chosen =
        context.desktop.ColourDialog(ColourFromWindows(settings.get<std::uint32_t>(command.offset)));
    if (!chosen)
        return false;
    settings.set<std::uint32_t>(command.offset, ColourToWindows(*chosen));
    return true;
}
