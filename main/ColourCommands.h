#pragma once
// The four colour commands of the grid menu's "PODESAVANJE BOJE": each puts one
// colour of the settings into the colour dialog and stores what the user picks.

#include <array>
#include <cstddef>

struct CommandContext;

struct ColourCommand {
    enum class Refresh { Documents, MainWindow };

    const char *caption;
    std::size_t offset; // of the colour in the settings record
    Refresh refresh;    // what shows the new colour
};

extern const std::array<ColourCommand, 4> kColourCommands;

// True when a colour was chosen and stored; false when the dialog was cancelled.
bool ChangeColour(const CommandContext &context, const ColourCommand &command);
