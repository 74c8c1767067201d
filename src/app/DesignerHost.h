#pragma once

#include "settings/ButtonLayoutFile.h"
#include "sound/SoundEffects.h"
#include "ui/LayoutDesignerHost.h"

namespace rukcon::app {

// What the layout designer needs from the program: the click and the layout file.
class DesignerHost : public ui::LayoutDesignerHost {
public:
    DesignerHost(sound::SoundEffects& sounds, settings::ButtonLayoutFile& layout) : m_sounds(sounds), m_layout(layout)
    {
    }
    void playClick() override { m_sounds.playClick(); }
    void saveLayout() override { m_layout.SaveButtonLayout(); }

private:
    sound::SoundEffects& m_sounds;
    settings::ButtonLayoutFile& m_layout;
};

} // namespace rukcon::app
