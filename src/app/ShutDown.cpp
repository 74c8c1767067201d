#include "app/ShutDown.h"

#include "app/MainWindowSettingsView.h"
#include "input/KeyEmission.h"
#include "platform/UserMessages.h"
#include "settings/LastExitFile.h"
#include "settings/SettingsFolder.h"
#include "settings/SettingsTexts.h"
#include "sound/SoundService.h"
#include "ui/TrayWindow.h"

#include <QTimer>
#include <QWidget>

namespace rukcon::app {

void ShutDown::stopTimersAndReleaseKeys()
{
    m_deps.pollTimer.stop();
    m_deps.statusTimer.stop();
    m_deps.keys.ReleaseAllKeys();
}

void ShutDown::endAfterSaving(bool removeIcon)
{
    stopTimersAndReleaseKeys();
    m_deps.sound.playAlert();
    saveLastExitOrTell();
    m_deps.sound.ShutdownSound();
    if (removeIcon) {
        m_deps.tray.RemoveIcon();
        m_deps.mainWindow.hide();
    }
    m_deps.exit(0);
}

void ShutDown::endWithoutSaving()
{
    stopTimersAndReleaseKeys();
    m_deps.sound.ShutdownSound();
    m_deps.tray.RemoveIcon();
    m_deps.exit(0);
}

void ShutDown::saveLastExitOrTell()
{
    // The program is about to end, so the message line would never be seen: say it in a box.
    m_deps.settingsWindow.setEnding(true);
    const bool saved = m_deps.lastExit.SaveLastExit();
    m_deps.settingsWindow.setEnding(false);
    if (!saved) {
        m_deps.boxes.warning("終了時の設定を保存できませんでした。次回は前回の設定が使えません。\n" +
                             (m_deps.folder.path() / settings::texts::kLastExitFile).string());
        stopTimersAndReleaseKeys(); // the box gave the timers back; the program ends now
    }
}

} // namespace rukcon::app
