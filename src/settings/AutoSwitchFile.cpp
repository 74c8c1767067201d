#include "settings/AutoSwitchFile.h"

#include "settings/FieldConversion.h"
#include "settings/FieldReader.h"
#include "settings/SettingsTexts.h"

#include <array>

namespace rukcon::settings {

bool AutoSwitchFile::Load() const
{
    std::array<std::string, 1> field;
    if (!FieldReader::ReadFile(m_files.path(texts::kAutoSwitchFile), field))
        return false;
    return FieldConversion::ToBoolean(field[0]).value_or(false);
}

bool AutoSwitchFile::Save(bool on) const
{
    const std::array<std::string, 1> field{FieldConversion::FromBoolean(on)};
    return m_files.save(texts::kAutoSwitchFile, field);
}

} // namespace rukcon::settings
