#pragma once

#include "settings/SessionState.h"
#include "target/TargetActivation.h"
#include "ui/Form1.h"

#include <QComboBox>

namespace rukcon::app {

// The caption fragment of the profile in force, and the list of running programs its box offers.
class FormCaptionBox : public target::CaptionFragmentBox {
public:
    FormCaptionBox(const settings::SessionState& state, ui::Form1& form) : m_state(state), m_form(form) {}

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
    ui::Form1& m_form;
};

} // namespace rukcon::app
