#include "settings/SettingsHistory.h"

#include "settings/ProfileRecord.h"
#include "settings/SettingsTexts.h"

#include <cstdio>
#include <span>
#include <system_error>

namespace rukcon::settings {

namespace {

// Linux allows 255 bytes per name; the date parts take 50, ".txt" 4, a " (n)" suffix a few.
constexpr size_t kMaxNamePartBytes = 190;
constexpr int kMaxSameNameArchives = 10000;

// Characters Windows refuses in file names are refused here too, so a history folder can be
// copied between the two; "/" and control characters are the ones Linux itself cares about.
std::string FileNamePart(const std::string& profileName)
{
    std::string part;
    for (const char c : profileName) {
        const auto byte = static_cast<unsigned char>(c);
        const bool forbidden = byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' ||
                               c == '?' || c == '"' || c == '<' || c == '>' || c == '|';
        part += forbidden ? '_' : c;
    }
    if (part.size() > kMaxNamePartBytes) {
        size_t cut = kMaxNamePartBytes;
        while (cut > 0 && (static_cast<unsigned char>(part[cut]) & 0xC0) == 0x80)
            --cut; // never split a UTF-8 character
        part.resize(cut);
    }
    return part;
}

std::string DatePart(const LocalTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d%s%02d%s%02d%s", t.year, texts::kYear, t.month, texts::kMonth, t.day,
                  texts::kDay);
    return text;
}

std::string TimePart(const LocalTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%02d%s%02d%s%02d%s", t.hour, texts::kHour, t.minute, texts::kMinute, t.second,
                  texts::kSecond);
    return text;
}

// The first of name, "name (2)", "name (3)" … that no file in folder holds yet.
bool FreePath(const std::filesystem::path& folder, const std::string& fileName, std::filesystem::path& out)
{
    const std::string stem = fileName.substr(0, fileName.size() - 4); // without ".txt"
    for (int n = 1; n <= kMaxSameNameArchives; ++n) {
        out = folder / (n == 1 ? fileName : stem + " (" + std::to_string(n) + ").txt");
        std::error_code error;
        if (std::filesystem::symlink_status(out, error).type() == std::filesystem::file_type::not_found)
            return true;
    }
    return false;
}

} // namespace

std::string SettingsHistory::HistoryFileName(const std::string& profileName, const LocalTime& date,
                                             const LocalTime& dateTime)
{
    return FileNamePart(profileName) + DatePart(date) + DatePart(dateTime) + " " + TimePart(dateTime) + ".txt";
}

bool SettingsHistory::ArchiveProfile(std::filesystem::path* written)
{
    m_files.folder().EnsureHistoryFolder(); // a failure here shows when the file is written
    const LocalTime date = m_clock.now();   // read twice, the date part first
    const LocalTime dateTime = m_clock.now();
    const std::string name = HistoryFileName(m_buffer[1 + field::kProfileName], date, dateTime);

    std::filesystem::path path;
    if (!FreePath(m_files.folder().historyFolder(), name, path))
        return false;
    const std::span<const std::string> record(m_buffer.data() + 1, kProfileFieldCount);
    if (!m_files.save(path, record))
        return false;
    if (written)
        *written = path;
    return true;
}

bool SettingsHistory::LoadProfileFile(const std::filesystem::path& path)
{
    if (!FieldReader::ReadFile(path, m_buffer)) {
        m_sounds.playAlert();
        return false;
    }

    StepRecorder steps;
    m_sounds.playClick();
    ApplyProfileRecord(m_controls, m_buffer, 0, NameOrder::CaptionFirst, steps);
    if (steps.anyFailed()) {
        m_sounds.playAlert();
        return false;
    }
    return true;
}

} // namespace rukcon::settings
