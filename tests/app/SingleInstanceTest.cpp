// Starts the real executable twice against one application folder.
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

QProcess* startCopy(const fs::path& executable, const fs::path& runtimeDir)
{
    auto* process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtimeDir.string()));
    env.remove("DISPLAY"); // keys and windows are not needed here
    process->setProcessEnvironment(env);
    process->setProgram(QString::fromStdString(executable.string()));
    process->start();
    return process;
}

TEST(SingleInstance, secondCopyBeepsEndsNonZeroAndTouchesNoFile_firstKeepsRunning)
{
    rukcon::test::TempFolder appFolder;
    rukcon::test::TempFolder runtime;
    fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
    const fs::path executable = appFolder.path() / "rukcon";
    fs::copy_file(RUKCON_EXECUTABLE, executable);

    std::unique_ptr<QProcess> first(startCopy(executable, runtime.path()));
    ASSERT_TRUE(first->waitForStarted());
    // The first copy has made its settings by the time the history folder exists.
    ASSERT_TRUE(waitFor([&] { return fs::is_directory(appFolder.path() / "設定" / "過去の設定"); }));
    ASSERT_TRUE(waitFor([&] { return fs::exists(appFolder.path() / "設定" / "ボタン設定.txt"); }));
    const auto before = snapshot(appFolder.path());

    std::unique_ptr<QProcess> second(startCopy(executable, runtime.path()));
    ASSERT_TRUE(second->waitForFinished(20000)) << "the second copy must end by itself";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_NE(second->exitCode(), 0);
    EXPECT_EQ(snapshot(appFolder.path()), before) << "the second copy touched a file";

    EXPECT_EQ(first->state(), QProcess::Running);
    first->terminate(); // SIGTERM: modifiers released, sound closed, a clean end
    ASSERT_TRUE(first->waitForFinished(20000));
    EXPECT_EQ(first->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->exitCode(), 0);

    // The lock died with the first copy: a new start runs again.
    std::unique_ptr<QProcess> third(startCopy(executable, runtime.path()));
    ASSERT_TRUE(third->waitForStarted());
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path().string()));
    EXPECT_TRUE(waitFor([&] {
        rukcon::app::SingleInstance probe;
        return !probe.acquire(executable);
    })) << "a copy started after the first ended must run and hold the lock";
    EXPECT_EQ(third->state(), QProcess::Running);
    third->terminate();
    third->waitForFinished(20000);
}

} // namespace
