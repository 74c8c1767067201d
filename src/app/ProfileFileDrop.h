#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

#include <cstdint>
#include <filesystem>

class QWidget;

namespace rukcon::settings {
class SettingsHistory;
}
namespace rukcon::sound {
class SoundEffects;
}

namespace rukcon::app {

// Profile files dropped on the main window: each one is loaded in the order of the drop, so
// the last one wins. A folder, a file that cannot be read or one far too large for a settings
// file is skipped with the alert sound; nothing a drop carries can end the program.
class ProfileFileDrop : public QObject {
    Q_OBJECT
public:
    // Settings files are a few kilobytes; anything above this is not one.
    static constexpr std::uintmax_t kMaxProfileFileBytes = 1u << 20;

    ProfileFileDrop(settings::SettingsHistory& history, sound::SoundEffects& sounds, QObject* parent = nullptr);

    // Takes file drops on the widget. Its text boxes are watched too, so a file dropped on
    // one of them loads instead of typing the file's path into the box.
    void watch(QWidget* target);

    // Loads the files in order; returns how many were loaded without a fault.
    int LoadDroppedFiles(const QList<QUrl>& urls);

    // The file being loaded, or last loaded, after a drop.
    const std::filesystem::path& DroppedSettingsPath() const { return m_droppedSettingsPath; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool loadOne(const QUrl& url);

    settings::SettingsHistory& m_history;
    sound::SoundEffects& m_sounds;
    std::filesystem::path m_droppedSettingsPath;
};

} // namespace rukcon::app
