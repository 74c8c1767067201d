#pragma once

#include "settings/ButtonLayoutControls.h"
#include "settings/FieldReader.h"
#include "settings/SettingsFiles.h"

namespace rukcon::settings {

// "ボタン設定.txt": the layout of the controller picture, 70 lines: top, left, height and
// width of each of the fourteen buttons in index order, then their visibility ("True" or
// "False"). Captions are fixed and not stored.
class ButtonLayoutFile {
public:
    static constexpr size_t kFieldCount = 70;

    ButtonLayoutFile(const SettingsFiles& files, ButtonLayoutControls& buttons) : m_files(files), m_buttons(buttons) {}

    // Applies what the file holds. An empty first line means "no layout saved": the buttons
    // keep their designed places. A value that cannot be converted leaves just that one
    // property as it was. False when nothing was applied.
    bool LoadButtonLayout();

    // Writes the current layout; false (and a message) when the file could not be written.
    bool SaveButtonLayout();

private:
    const SettingsFiles& m_files;
    ButtonLayoutControls& m_buttons;
    FieldBuffer m_buffer;
};

} // namespace rukcon::settings
