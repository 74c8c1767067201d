// Starts copies of the real executable that share one settings folder.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "app/SingleInstance.h"
#include "fakes/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Every file below the folder with its size and modification time.
std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> snapshot(const fs::path& folder)
{
    std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> out;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const auto size = entry.is_regular_file() ? entry.file_size() : 0;
        out[entry.path().string()] = {size, entry.last_write_time()};
    }
    return out;
}

bool waitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 1000; ++i) { // up to about 20 s on a loaded machine
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

// Without onDisplay the copy runs offscreen: keys and windows are not needed there.
QProcess* startCopy(const fs::path& executable, const fs::path& runtimeDir, const fs::path& configHome,
                    bool onDisplay = false, const char* audioDriver = "dummy")
{
    auto* process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (onDisplay) {
        env.remove("QT_QPA_PLATFORM");
    } else {
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.remove("DISPLAY");
    }
    env.insert("SDL_AUDIODRIVER", audioDriver);
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtimeDir.string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(configHome.string()));
    process->setProcessEnvironment(env);
    process->setProgram(QString::fromStdString(executable.string()));
    process->start();
    return process;
}

// An installed copy: the executable in <prefix>/bin, its effects in <prefix>/share/rukcon/bgm,
// its backend module where the install puts it (without it the start would stop at a message).
fs::path installCopy(const fs::path& prefix)
{
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "rukcon" / "bgm");
    fs::create_directories(prefix / RUKCON_MODULE_INSTALL_DIR);
    fs::copy_file(RUKCON_EXECUTABLE, prefix / "bin" / "rukcon");
    fs::copy_file(RUKCON_SDL_MODULE, prefix / RUKCON_MODULE_INSTALL_DIR / fs::path(RUKCON_SDL_MODULE).filename());
    return prefix / "bin" / "rukcon";
}

TEST(SingleInstance, twoExecutablesSharingASettingsFolder_refuseEachOther_secondTouchesNoFile)
{
    rukcon::test::TempFolder prefixes, config, runtime;
    fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
    const fs::path copyA = installCopy(prefixes.path() / "a");
    const fs::path copyB = installCopy(prefixes.path() / "b");
    const fs::path settings = config.path() / "rukcon" / "設定";

    std::unique_ptr<QProcess> first(startCopy(copyA, runtime.path(), config.path()));
    ASSERT_TRUE(first->waitForStarted());
    // The first copy has made its settings by the time the layout file exists.
    ASSERT_TRUE(waitFor([&] { return fs::exists(settings / "ボタン設定.txt"); }));
    const auto before = snapshot(config.path());

    std::unique_ptr<QProcess> second(startCopy(copyB, runtime.path(), config.path()));
    ASSERT_TRUE(second->waitForFinished(20000)) << "the second copy must end by itself";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_TRUE(second->readAllStandardError().contains("rukcon: already running")) << "told in another language";
    EXPECT_EQ(snapshot(config.path()), before) << "the second copy touched a file";
    EXPECT_EQ(first->state(), QProcess::Running);

    first->terminate(); // SIGTERM: modifiers released, sound closed, a clean end
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);

    // The lock died with the first copy: the other executable runs now, and refuses the first.
    std::unique_ptr<QProcess> third(startCopy(copyB, runtime.path(), config.path()));
    ASSERT_TRUE(third->waitForStarted());
    EXPECT_TRUE(waitFor([&] {
        rukcon::app::SingleInstance probe;
        return !probe.acquire(settings);
    })) << "a copy started after the first ended must run and hold the lock";
    std::unique_ptr<QProcess> fourth(startCopy(copyA, runtime.path(), config.path()));
    ASSERT_TRUE(fourth->waitForFinished(20000));
    EXPECT_EQ(fourth->exitCode(), 1);
    EXPECT_EQ(third->state(), QProcess::Running);
    third->terminate();
    third->waitForFinished(20000);
}

// A termination signal while a start-up message box waits for the user still ends the program.
TEST(SingleInstance, terminatedDuringAStartUpBox_ends)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs the test display to see the box";
    rukcon::test::TempFolder prefix, config, runtime;
    fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
    // No sound device can open with a driver that does not exist: the start-up says so in a box.
    std::unique_ptr<QProcess> copy(
        startCopy(installCopy(prefix.path()), runtime.path(), config.path(), true, "no-such-driver"));
    ASSERT_TRUE(copy->waitForStarted());
    const QString pid = QString::number(copy->processId());
    ASSERT_TRUE(waitFor([&] {
        QProcess search;
        search.start("xdotool", {"search", "--pid", pid, "--name", "^RUKコン$"});
        return search.waitForFinished() && search.exitCode() == 0;
    })) << "the box did not appear";

    copy->terminate();
    ASSERT_TRUE(copy->waitForFinished(20000)) << "the program kept running behind its box";
    EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
}

} // namespace
