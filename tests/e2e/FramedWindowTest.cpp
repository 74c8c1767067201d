// The main window's place and size on a real X display with a window manager, whose frame is
// not the one the program guesses before the window is framed. Skipped without DISPLAY.
#include "app/Application.h"
#include "app/QtUserMessages.h"
#include "fakes/FakeSoundDevice.h"
#include "fakes/RecordingKeyboard.h"
#include "fakes/ScriptedController.h"
#include "fakes/ScriptedWindows.h"
#include "fakes/TempFolder.h"
#include "settings/FieldReader.h"
#include "settings/FieldWriter.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace rukcon;

namespace {

std::unique_ptr<app::Application> MakeApp(const std::filesystem::path& folder, test::EventLog& keys)
{
    app::PlatformParts parts;
    parts.controller = std::make_unique<test::ScriptedController>();
    parts.windowing.keys = std::make_unique<test::RecordingKeyboard>(keys);
    parts.windowing.windows = std::make_unique<test::ScriptedWindows>();
    parts.sound = std::make_unique<test::FakeSoundDevice>();
    return std::make_unique<app::Application>(std::move(parts), settings::ProgramFolders::BesideProgram(folder));
}

TEST(FramedWindowTest, saveAndRestartFiveTimes_geometryUnchanged)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X display with a window manager";
    app::QtUserMessages::setRecording(true);
    test::TempFolder folder;
    // Top, left, height, width of the window in twips (100, 80, 355, 500 pixels), then the
    // folder window's place.
    const std::vector<std::string> stored{"1500", "1200", "5325", "7500", "3", "576", "601", "680"};
    const QRect outer(80, 100, 500, 355);
    folder.write("設定/サイズ位置.txt", settings::FieldWriter::Format(stored));
    const std::filesystem::path file = folder.path() / "設定" / "サイズ位置.txt";

    test::EventLog keys;
    for (int cycle = 0; cycle < 5; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        std::unique_ptr<app::Application> app = MakeApp(folder.path(), keys);
        app->setExitFunction([](int) {});
        app->start();
        // Until the window manager has framed the window and the program has put its size right.
        QElapsedTimer waited;
        waited.start();
        while (app->form().frameGeometry() != outer && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);

        ASSERT_TRUE(app->settingsStore().geometry().SaveWindowGeometry());
        std::vector<std::string> saved(8);
        ASSERT_TRUE(settings::FieldReader::ReadFile(file, saved));
        ASSERT_EQ(saved, stored) << "window at " << app->form().frameGeometry().x() << ","
                                 << app->form().frameGeometry().y() << " size " << app->form().frameGeometry().width()
                                 << "x" << app->form().frameGeometry().height();
    }
}

} // namespace

// The window must be a real X window: the xcb platform whenever a display is there.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    QApplication qapp(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
