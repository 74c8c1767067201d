#include "settings/WindowGeometryFile.h"

#include "settings/FieldConversion.h"
#include "settings/SettingsTexts.h"

#include <array>
#include <optional>
#include <vector>

namespace rukcon::settings {

namespace {

// Converts four entries from first on; each conversion is a step of its own.
WindowRect ReadRect(const FieldBuffer& buffer, size_t first, const WindowRect& current, StepRecorder& steps)
{
    WindowRect rect = current;
    int* parts[] = {&rect.top, &rect.left, &rect.height, &rect.width};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<int> value = FieldConversion::ToInteger(buffer[first + i]);
        if (steps.note(value.has_value()))
            *parts[i] = *value;
    }
    return rect;
}

std::array<std::string, 4> RectFields(const WindowRect& rect)
{
    return {std::to_string(rect.top), std::to_string(rect.left), std::to_string(rect.height),
            std::to_string(rect.width)};
}

} // namespace

bool WindowGeometryFile::LoadWindowGeometry()
{
    StepRecorder steps;
    m_files.readFixedFile(texts::kWindowGeometryFile, m_buffer, steps);
    steps.restart();

    const WindowRect mainWindow = ReadRect(m_buffer, 0, m_window.mainWindowRect(), steps);
    const WindowRect folderWindow = ReadRect(m_buffer, 4, m_folderWindow, steps);
    if (steps.anyFailed()) {
        m_window.setMainWindowRect(kDefaultMainWindow);
        m_folderWindow = kDefaultFolderWindow;
        return false;
    }
    m_window.setMainWindowRect(mainWindow);
    m_folderWindow = folderWindow;
    return true;
}

bool WindowGeometryFile::SaveWindowGeometry()
{
    std::vector<std::string> fields;
    for (const WindowRect& rect : {m_window.mainWindowRect(), m_folderWindow})
        for (std::string& text : RectFields(rect))
            fields.push_back(std::move(text));
    return m_files.save(texts::kWindowGeometryFile, fields);
}

} // namespace rukcon::settings
