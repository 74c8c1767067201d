#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QFileSystemWatcher;
class QLabel;
class QListWidget;

namespace rukcon::ui {

// A window on the settings-history folder: its files, newest first. A file dragged out of
// the list carries its path as a file URL, so dropping it on the main window loads it.
// The list follows the folder while the window is open.
class HistoryFolderWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kCaption = "過去の設定";

    explicit HistoryFolderWindow(const QString& folder, QWidget* parent = nullptr);

    const QString& folder() const { return m_folder; }
    QListWidget* fileList() const { return m_list; }
    // File names as listed, top first.
    QStringList fileNames() const;

    // Reads the folder again.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_folder;
    QLabel* m_hint = nullptr;
    QListWidget* m_list = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
};

} // namespace rukcon::ui
