#pragma once

#include "settings/SessionState.h"
#include "target/TargetActivation.h"
#include "ui/MainWindow.h"

#include <QComboBox>

namespace rukcon::app {

// The caption fragment of the profile in force, and the list of running programs its box offers.
class MainWindowCaptionBox : public target::CaptionFragmentBox {
public:
    MainWindowCaptionBox(const settings::SessionState& state, ui::MainWindow& form) : m_state(state), m_form(form) {}

    std::string fragment() const override { return m_state.inForce.captionFragment; }
    // The box carries the text into the state as a user's edit.
    void setFragment(const std::string& text) override
    {
        m_form.captionFragmentBox()->setEditText(QString::fromStdString(text));
    }
    void clearList() override { m_form.captionFragmentBox()->clear(); }
    void appendListItem(const std::string& caption) override
    {
        m_form.captionFragmentBox()->addItem(QString::fromStdString(caption));
    }

private:
    const settings::SessionState& m_state;
    ui::MainWindow& m_form;
};

} // namespace rukcon::app
