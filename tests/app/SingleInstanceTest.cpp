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

QProcess* startCopy(const fs::path& executable, const fs::path& runtimeDir, const fs::path& configHome)
{
    auto* process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtimeDir.string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(configHome.string()));
    env.remove("DISPLAY"); // keys and windows are not needed here
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

} // namespace
