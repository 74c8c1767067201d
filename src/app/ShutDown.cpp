#include "app/ShutDown.h"

#include "app/FormSettingsWindow.h"
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
    m_parts.pollTimer.stop();
    m_parts.statusTimer.stop();
    m_parts.keys.ReleaseAllKeys();
}

void ShutDown::endAfterSaving(bool removeIcon)
{
    stopTimersAndReleaseKeys();
    m_parts.sound.playAlert();
    saveLastExitOrTell();
    m_parts.sound.ShutdownSound();
    if (removeIcon) {
        m_parts.tray.RemoveIcon();
        m_parts.mainWindow.hide();
    }
    m_parts.exit(0);
}

void ShutDown::endWithoutSaving()
{
    stopTimersAndReleaseKeys();
    m_parts.sound.ShutdownSound();
    m_parts.tray.RemoveIcon();
    m_parts.exit(0);
}

void ShutDown::saveLastExitOrTell()
{
    // The program is about to end, so the message line would never be seen: say it in a box.
    m_parts.settingsWindow.setEnding(true);
    const bool saved = m_parts.lastExit.SaveLastExit();
    m_parts.settingsWindow.setEnding(false);
    if (!saved) {
        m_parts.boxes.warning("終了時の設定を保存できませんでした。次回は前回の設定が使えません。\n" +
                              (m_parts.folder.path() / settings::texts::kLastExitFile).string());
        stopTimersAndReleaseKeys(); // the box gave the timers back; the program ends now
    }
}

} // namespace rukcon::app
