#include "settings/ButtonLayoutFile.h"

#include "settings/FieldConversion.h"
#include "settings/SettingsTexts.h"

#include <optional>
#include <vector>

namespace rukcon::settings {

namespace {

constexpr size_t kVisibilityStart = 4 * ButtonLayoutControls::kButtonCount; // line 57

void SetIfNumber(const std::string& text, int& property)
{
    if (const std::optional<int> value = FieldConversion::ToInteger(text))
        property = *value;
}

} // namespace

bool ButtonLayoutFile::LoadButtonLayout()
{
    StepRecorder steps;
    m_files.readFixedFile(texts::kButtonLayoutFile, m_buffer, steps);
    steps.restart();

    if (m_buffer[0].empty())
        return false;
    for (int k = 0; k < ButtonLayoutControls::kButtonCount; ++k) {
        const size_t first = 4 * static_cast<size_t>(k);
        LayoutButton button = m_buttons.layoutButton(k);
        SetIfNumber(m_buffer[first], button.rect.top);
        SetIfNumber(m_buffer[first + 1], button.rect.left);
        SetIfNumber(m_buffer[first + 2], button.rect.height);
        SetIfNumber(m_buffer[first + 3], button.rect.width);
        if (const std::optional<bool> visible =
                FieldConversion::ToBoolean(m_buffer[kVisibilityStart + static_cast<size_t>(k)]))
            button.visible = *visible;
        m_buttons.setLayoutButton(k, button);
    }
    return true;
}

bool ButtonLayoutFile::SaveButtonLayout()
{
    std::vector<std::string> fields;
    fields.reserve(kFieldCount);
    for (int k = 0; k < ButtonLayoutControls::kButtonCount; ++k) {
        const WindowRect rect = m_buttons.layoutButton(k).rect;
        for (const int value : {rect.top, rect.left, rect.height, rect.width})
            fields.push_back(std::to_string(value));
    }
    for (int k = 0; k < ButtonLayoutControls::kButtonCount; ++k)
        fields.push_back(FieldConversion::FromBoolean(m_buttons.layoutButton(k).visible));
    return m_files.save(texts::kButtonLayoutFile, fields);
}

} // namespace rukcon::settings
