// Where the session bus is looked for: libdbus is left to its own way unless it could only fork a
// dbus-launch that is not there.
#include "app/SessionBusAddress.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using rukcon::app::sessionBusAddressWithoutLaunch;
using rukcon::app::SessionBusEnvironment;

namespace {

// A session without a bus: an X display, a runtime folder, no bus socket, no dbus-launch.
SessionBusEnvironment busless()
{
    return {nullptr, "/run/user/1000", ":0", "/usr/local/bin:/usr/bin:/bin"};
}

std::optional<std::string> decide(const SessionBusEnvironment& environment, std::set<std::string> files = {})
{
    return sessionBusAddressWithoutLaunch(
        environment, [&files](const std::filesystem::path& file) { return files.contains(file.string()); });
}

} // namespace

TEST(SessionBusAddress, busSocketOfTheRuntimeFolderWhenNoLauncherCouldStartOne)
{
    EXPECT_EQ(decide(busless()), "unix:path=/run/user/1000/bus");
    SessionBusEnvironment spaced = busless();
    spaced.runtimeDir = "/tmp/run time,1";
    EXPECT_EQ(decide(spaced), "unix:path=/tmp/run%20time%2c1/bus");
}

TEST(SessionBusAddress, libdbusKeepsItsWayWhereItWouldConnectOrLaunch)
{
    SessionBusEnvironment given = busless();
    given.address = "unix:path=/run/user/1000/bus";
    EXPECT_EQ(decide(given), std::nullopt);

    SessionBusEnvironment noRuntime = busless();
    noRuntime.runtimeDir = "";
    EXPECT_EQ(decide(noRuntime), std::nullopt);
    EXPECT_EQ(decide(busless(), {"/run/user/1000/bus"}), std::nullopt);

    // Without a display libdbus forks nothing.
    SessionBusEnvironment noDisplay = busless();
    noDisplay.display = nullptr;
    EXPECT_EQ(decide(noDisplay), std::nullopt);

    // dbus-launch in libdbus's own folder, along PATH, or in the current folder (an empty PATH entry).
    EXPECT_EQ(decide(busless(), {"/usr/bin/dbus-launch"}), std::nullopt);
    EXPECT_EQ(decide(busless(), {"/usr/local/bin/dbus-launch"}), std::nullopt);
    SessionBusEnvironment emptyEntry = busless();
    emptyEntry.path = "/opt/bin::/bin";
    EXPECT_EQ(decide(emptyEntry, {"./dbus-launch"}), std::nullopt);
    EXPECT_EQ(decide(emptyEntry, {"/usr/local/bin/dbus-launch"}), "unix:path=/run/user/1000/bus");
}
