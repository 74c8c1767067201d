#pragma once

#include "settings/FieldReader.h"
#include "settings/SettingsFiles.h"
#include "settings/WindowPlacement.h"

namespace rukcon::settings {

// "サイズ位置.txt": where the main window sits (twips) and where the history-folder window
// opens (pixels), 8 lines. Without eight usable numbers both get their default places.
class WindowGeometryFile {
public:
    static constexpr WindowRect kDefaultMainWindow{2805, 5370, 5325, 7500};
    static constexpr WindowRect kDefaultFolderWindow{3, 576, 601, 680};

    WindowGeometryFile(const SettingsFiles& files, WindowPlacement& window) : m_files(files), m_window(window) {}

    // Places the main window and sets folderWindow(); any line missing or not a number puts
    // both at their defaults. False when the defaults were used.
    bool LoadWindowGeometry();

    // Writes the main window's current rectangle and folderWindow(); false (and a message)
    // when the file could not be written.
    bool SaveWindowGeometry();

    // Where the history-folder window opens, in pixels. The window's command updates it from
    // an open folder window before saving.
    const WindowRect& folderWindow() const { return m_folderWindow; }
    void setFolderWindow(const WindowRect& rect) { m_folderWindow = rect; }

private:
    const SettingsFiles& m_files;
    WindowPlacement& m_window;
    FieldBuffer m_buffer;
    WindowRect m_folderWindow{};
};

} // namespace rukcon::settings
