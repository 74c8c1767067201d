#pragma once

#include "settings/ButtonLayoutFile.h"
#include "sound/SoundEffects.h"
#include "ui/LayoutDesignerHost.h"

#include <functional>

namespace rukcon::app {

// What the layout designer needs from the program: the click, the layout file and settings mode.
class DesignerHost : public ui::LayoutDesignerHost {
public:
    DesignerHost(sound::SoundEffects& sounds, settings::ButtonLayoutFile& layout,
                 std::function<void(bool)> setSettingsMode)
        : m_sounds(sounds), m_layout(layout), m_setSettingsMode(std::move(setSettingsMode))
    {
    }
    void playClick() override { m_sounds.playClick(); }
    void saveLayout() override { m_layout.SaveButtonLayout(); }
    void setSettingsMode(bool on) override { m_setSettingsMode(on); }

private:
    sound::SoundEffects& m_sounds;
    settings::ButtonLayoutFile& m_layout;
    std::function<void(bool)> m_setSettingsMode;
};

} // namespace rukcon::app
