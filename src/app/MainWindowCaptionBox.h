#pragma once

#include "settings/ProfileInForce.h"
#include "target/TargetActivation.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QObject>
#include <QSignalBlocker>
#include <QStringList>

namespace rukcon::app {

// The caption fragment of the profile in force, and the list of running programs its box offers
// (kept here while the name tab is not built, and given to the box when it is).
class MainWindowCaptionBox : public QObject, public target::CaptionFragmentBox {
public:
    MainWindowCaptionBox(settings::ProfileInForce& inForce, ui::MainWindow& form) : m_inForce(inForce), m_form(form)
    {
        connect(&m_form, &ui::MainWindow::pageBuilt, this, [this](int tab) {
            if (tab != ui::kNamingTab)
                return;
            QComboBox* box = m_form.captionFragmentBox();
            // The list fills without touching the fragment in force, which the box then shows.
            const QSignalBlocker block(box);
            box->addItems(m_captions);
            box->setEditText(QString::fromStdString(m_inForce.profile().captionFragment));
        });
    }

    std::string fragment() const override { return m_inForce.profile().captionFragment; }
    // As a user's edit of the box.
    void setFragment(const std::string& text) override { m_inForce.setCaptionFragment(text); }
    void clearList() override
    {
        m_captions.clear();
        if (m_form.isPageBuilt(ui::kNamingTab))
            m_form.captionFragmentBox()->clear();
    }
    void appendListItem(const std::string& caption) override
    {
        m_captions.append(QString::fromStdString(caption));
        if (m_form.isPageBuilt(ui::kNamingTab))
            m_form.captionFragmentBox()->addItem(m_captions.back());
    }

private:
    settings::ProfileInForce& m_inForce;
    ui::MainWindow& m_form;
    QStringList m_captions;
};

} // namespace rukcon::app
