#pragma once

#include "target/TargetActivation.h"
#include "ui/Form1.h"

#include <QComboBox>

namespace rukcon::app {

// The caption fragment box and its list of running programs.
class FormCaptionBox : public target::CaptionFragmentBox {
public:
    explicit FormCaptionBox(ui::Form1& form) : m_form(form) {}

    std::string fragment() const override { return m_form.captionFragmentBox()->currentText().toStdString(); }
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
    ui::Form1& m_form;
};

} // namespace rukcon::app
