#pragma once

#include "app/Application.h"
#include "app/QtUserMessages.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/RecordingKeyboard.h"
#include "fakes/ScriptedController.h"
#include "fakes/ScriptedWindows.h"
#include "fakes/TempFolder.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace rukcon::test {

// The whole program logic and window on fakes of every platform part, in a temporary
// application folder.
class AppFixture : public ::testing::Test {
protected:
    EventLog keyLog;
    ScriptedController* controller = nullptr;
    RecordingKeyboard* keyboard = nullptr;
    ScriptedWindows* windows = nullptr;
    FakeSoundDevice* sound = nullptr;
    std::unique_ptr<app::Application> app;
    TempFolder folder;

    void SetUp() override { makeApp(); }

    // A fresh program on the same application folder, as after a restart.
    void makeApp(std::unique_ptr<settings::Clock> clock = nullptr)
    {
        app.reset();
        app::QtUserMessages::setRecording(true);
        app::QtUserMessages::recorded().clear();
        app::PlatformParts parts;
        auto c = std::make_unique<ScriptedController>();
        auto k = std::make_unique<RecordingKeyboard>(keyLog);
        auto w = std::make_unique<ScriptedWindows>();
        auto s = std::make_unique<FakeSoundDevice>();
        controller = c.get();
        keyboard = k.get();
        windows = w.get();
        sound = s.get();
        parts.controller = std::move(c);
        parts.windowing.keys = std::move(k);
        parts.windowing.windows = std::move(w);
        parts.sound = std::move(s);
        app = std::make_unique<app::Application>(
            std::move(parts), settings::ProgramFolders::BesideProgram(folder.path()), std::move(clock));
    }

    ui::MainWindow& form() { return app->form(); }

    void plugController(uint32_t buttons = 0)
    {
        controller->count = 16;
        controller->ids[0].position = {32767, 32767, 0, buttons};
    }

    // Puts the click and alert effects into the application folder, so that they play.
    void writeEffects() const
    {
        folder.write("bgm/001.wav", "click");
        folder.write("bgm/002.wav", "alert");
    }

    // The effects played since the last call, by role: "click", "alert".
    std::vector<std::string> sounds()
    {
        const std::string click = "play " + std::to_string(app->sound().clickSound());
        const std::string alert = "play " + std::to_string(app->sound().alertSound());
        std::vector<std::string> played;
        for (const std::string& call : sound->calls) {
            if (call == click)
                played.push_back("click");
            else if (call == alert)
                played.push_back("alert");
        }
        sound->calls.clear();
        return played;
    }
};

} // namespace rukcon::test
