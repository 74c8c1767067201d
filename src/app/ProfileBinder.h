#pragma once

#include "settings/ProfileControls.h"

namespace rukcon::ui {
class Form1;
}

namespace rukcon::app {

class KeyListModels;
class TimingControls;

// The one place where a whole profile meets the widgets that show it: the 45 key boxes, the two
// scroll bars (through TimingControls, whose handlers follow every setting), the name box and
// the caption fragment box. Nothing is kept here: read() asks the widgets each time.
class ProfileBinder : public settings::ProfileControls {
public:
    ProfileBinder(ui::Form1& form, TimingControls& timing, KeyListModels& keyLists)
        : m_form(form), m_timing(timing), m_keyLists(keyLists)
    {
    }

    settings::Profile read() const override;
    bool apply(const settings::Profile& profile, settings::ApplyOrder order) override;

private:
    ui::Form1& m_form;
    TimingControls& m_timing;
    KeyListModels& m_keyLists;
};

} // namespace rukcon::app
