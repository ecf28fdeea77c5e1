#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace zyt {

// A font as the font dialog returns it.
struct FontChoice {
    QString name;
    double size = 0.0; // points
    bool bold = false;
    bool italic = false;

    bool operator==(const FontChoice &) const = default;
};

class FontDialogs {
public:
    virtual ~FontDialogs() = default;
    // Shows the font dialog, which starts on no font of the program's
    // choosing; the chosen font, or nothing when the user cancels.
    virtual std::optional<FontChoice> showFontDialog() = 0;
    // The face of the windows' own font, for cells that were never given
    // one.
    virtual QString defaultFontName() = 0;
};

// Colours are held as the program has always held them: red + 256 green +
// 65536 blue.
class ColorDialogs {
public:
    virtual ~ColorDialogs() = default;
    // Shows the colour dialog opened on `initial`; the chosen colour, or
    // nothing when the user cancels.
    virtual std::optional<std::int32_t> showColorDialog(std::int32_t initial) = 0;
};

} // namespace zyt
