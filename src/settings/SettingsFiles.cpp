#include "settings/SettingsFiles.h"

#include "settings/FieldReader.h"
#include "settings/FieldWriter.h"
#include "settings/SettingsTexts.h"

#include <system_error>

namespace rukcon::settings {

void SettingsFiles::readFixedFile(const char* fileName, std::span<std::string> buffer, StepRecorder& steps,
                                  size_t* fieldsRead) const
{
    if (fieldsRead)
        *fieldsRead = 0;
    const std::filesystem::path file = path(fileName);
    steps.note(m_folder.EnsureSettingsFolder());
    steps.note(TouchFile(file));
    steps.note(FieldReader::ReadFile(file, buffer, fieldsRead));
}

bool SettingsFiles::save(const std::filesystem::path& path, std::span<const std::string> fields) const
{
    // The folder may have been removed while the program ran; make it again rather than fail.
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    if (FieldWriter::WriteFile(path, fields, m_disk))
        return true;
    m_messages.showMessage(texts::kSaveFailedMessage);
    return false;
}

} // namespace rukcon::settings
