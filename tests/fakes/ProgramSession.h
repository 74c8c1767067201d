#pragma once

#include "app/Application.h"
#include "fakes/Eventually.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/TempFolder.h"
#include "fakes/VirtualPad.h"
#include "platform/sdl/SdlFactory.h"
#include "ui/MainWindow.h"
#include "ui/TrayWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rukcon::test {

// The whole program on a desktop's backends, with an SDL virtual joystick as its controller and
// its files in a folder of its own: what the session tests of each desktop share.
class ProgramSession : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<app::Application> app;
    std::optional<VirtualPad> pad;

    // Starts the program on those backends; the pad is its controller 0.
    void startProgram(platform::Backends backends)
    {
        app::PlatformParts parts;
        parts.controller = platform::sdl::createController();
        parts.windowing = std::move(backends);
        parts.sound = std::make_unique<FakeSoundDevice>();
        pad.emplace(2, 12, 1);
        app = std::make_unique<app::Application>(std::move(parts),
                                                 settings::ProgramFolders::BesideProgram(folder.path()));
        app->start();
        app->onStatusTick();
        ASSERT_EQ(app->controllerAccess().controllerId(), 0);
    }

    void TearDown() override
    {
        app.reset();
        pad.reset();
    }

    void holdFor(int b, int ticks)
    {
        pad->setButton(b, true);
        for (int tick = 0; tick < ticks; ++tick)
            app->onPollTick();
        pad->setButton(b, false);
        app->onPollTick(); // the release
    }
    // Inputs 0 to 2 type "a", Shift with "C", and Return into the window whose caption holds the
    // fragment; held as here they type kTestLine (a lower-case "a" after the capital unless a Shift
    // stayed down).
    static constexpr const char* kTestLine = "aaCa\n";
    void typeTheTestLineInto(const QString& fragment)
    {
        ui::MainWindow& form = app->form();
        form.captionFragmentBox()->setEditText(fragment);
        form.keyChoiceBox(0, 0)->setEditText("-A-");
        form.keyChoiceBox(1, 0)->setEditText("SHIFT");
        form.keyChoiceBox(1, 1)->setEditText("-C-");
        form.keyChoiceBox(2, 0)->setEditText("RETURN");
        holdFor(0, 2); // a, a
        holdFor(1, 1); // Shift held through the C: the capital
        holdFor(0, 1); // a again
        holdFor(2, 1); // the line goes to the file
    }
    // Front to back, after the empty entry the list starts with.
    std::vector<std::string> captions() { return app->targetActivation().ListTopLevelCaptions(); }
    bool listed(const std::string& caption)
    {
        const std::vector<std::string> all = captions();
        return std::find(all.begin(), all.end(), caption) != all.end();
    }

    // Puts a user-menu entry of each name with its caption fragment, then turns 自動切替 on with
    // the settings named "今の" in force.
    void turnOnAutoSwitchWith(const std::vector<std::pair<QString, QString>>& entries)
    {
        ui::MainWindow& form = app->form();
        form.settingsModeBox()->setChecked(false);
        for (const auto& [name, fragment] : entries) {
            form.profileNameBox()->setText(name);
            form.captionFragmentBox()->setEditText(fragment);
            ASSERT_TRUE(app->settingsStore().menu().AddCurrentToMenu());
        }
        form.profileNameBox()->setText("今の");
        app->tray().autoSwitchItem()->trigger();
    }
    // The user's own hand (backends of the desktop's own) moves to the window of that caption;
    // the entry naming it is to come into force.
    void moveToAndExpectInForce(platform::Backends& user, const std::string& caption, const QString& profile)
    {
        ASSERT_TRUE(
            user.windows->activate(user.windows->findByCaption(caption), platform::ActivationWait::UntilActive));
        ui::MainWindow& form = app->form();
        EXPECT_TRUE(eventually([&] { return form.profileNameBox()->text() == profile; },
                               [] { QCoreApplication::processEvents(); }))
            << "in force: " << form.profileNameBox()->text().toStdString();
    }
};

} // namespace rukcon::test
