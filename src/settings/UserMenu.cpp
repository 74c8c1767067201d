#include "settings/UserMenu.h"

#include "settings/ProfileRecord.h"
#include "settings/SettingsTexts.h"

#include <vector>

namespace rukcon::settings {

namespace {

// Fields 50 … 60 belong to no entry; they are cleared with it so nothing stale lingers there.
constexpr size_t kClearedFields = 61;
constexpr size_t kCompactionCleared = 701;

// The record inside an entry starts after the marker.
constexpr size_t kRecordStart = 1;

} // namespace

void UserMenu::clearEntryFields(FieldBuffer& entry)
{
    for (size_t i = 0; i < kClearedFields; ++i)
        entry[i].clear();
}

bool UserMenu::SaveUserMenu()
{
    std::vector<std::string> fields;
    fields.reserve(kFileFields);
    for (size_t i = 0; i < kFileFields; ++i)
        fields.push_back(m_entries[i / kEntryFields][i % kEntryFields]);
    return m_files.save(texts::kUserMenuFile, fields);
}

void UserMenu::LoadUserMenu()
{
    StepRecorder steps;
    std::vector<std::string> fields(kReadLimit);
    size_t fieldsRead = 0;
    m_files.readFixedFile(texts::kUserMenuFile, fields, steps, &fieldsRead);

    for (size_t i = 0; i < kReadLimit; ++i) {
        std::string& target = m_entries[i / kEntryFields][i % kEntryFields];
        if (i < fieldsRead)
            target = std::move(fields[i]);
        else
            target.clear();
    }

    for (int k = 0; k < kBufferCount; ++k) {
        if (m_entries[static_cast<size_t>(k)][0] != texts::kMenuMarker) {
            m_menuCount = k;
            break;
        }
    }
}

void UserMenu::RefreshMenuLabels()
{
    for (int k = 0; k < MenuLabels::kCount; ++k)
        m_labels.setMenuLabel(k, "");
    for (int k = 0; k < m_menuCount && k < MenuLabels::kCount; ++k)
        m_labels.setMenuLabel(k, m_entries[static_cast<size_t>(k)][kRecordStart + field::kProfileName]);
}

bool UserMenu::AddCurrentToMenu()
{
    if (m_menuCount >= kEntryCount) {
        m_files.messages().showNotice(texts::kMenuFullMessage);
        m_sounds.systemBeep();
        return false;
    }

    const int e = m_menuCount;
    FieldBuffer& entry = m_entries[static_cast<size_t>(e)];
    entry[0] = texts::kMenuMarker;
    const ProfileRecord record = CaptureProfileRecord(m_controls);
    for (size_t i = 0; i < kProfileFieldCount; ++i)
        entry[kRecordStart + i] = record[i];
    m_labels.setMenuLabel(e, record[field::kProfileName]);
    m_menuCount = e + 1;

    const bool saved = SaveUserMenu();
    LoadUserMenu();
    if (!saved)
        RefreshMenuLabels(); // the file still holds the old menu, and so do the buffers now
    m_tray.SyncTrayUserMenu();
    return saved;
}

bool UserMenu::ApplyMenuEntry()
{
    const int e = m_selected;
    if (e < 0 || e >= m_menuCount || e >= kEntryCount)
        return false;
    const FieldBuffer& entry = m_entries[static_cast<size_t>(e)];
    if (!CanApplyProfileRecord(entry, kRecordStart)) {
        m_sounds.playAlert();
        return false;
    }
    StepRecorder steps;
    ApplyProfileRecord(m_controls, entry, kRecordStart, NameOrder::NameFirst, steps);
    return !steps.anyFailed();
}

const std::string& UserMenu::entryName(int index) const
{
    return entry(index)[kRecordStart + field::kProfileName];
}

const std::string& UserMenu::entryFragment(int index) const
{
    return entry(index)[kRecordStart + field::kCaptionFragment];
}

bool UserMenu::DeleteMenuEntry()
{
    const int e = m_selected;
    if (e < 0 || e >= kEntryCount)
        return false;
    FieldBuffer& deleted = m_entries[static_cast<size_t>(e)];

    for (size_t i = 0; i < kCompactionCleared; ++i)
        m_compaction[i].clear();

    for (size_t i = 0; i < kClearedFields; ++i)
        m_history.buffer()[i] = deleted[i];
    if (!m_history.ArchiveProfile()) {
        m_files.messages().showMessage(texts::kArchiveFailedMessage);
        return false;
    }
    clearEntryFields(deleted);

    // Gather the fields of the remaining entries in order, then lay them out again from the top.
    size_t j = 0;
    for (size_t k = 0; k < kFileFields; ++k) {
        const FieldBuffer& entry = m_entries[k / kEntryFields];
        if (!entry[0].empty())
            m_compaction[j++] = entry[k % kEntryFields];
    }
    for (FieldBuffer& entry : m_entries)
        clearEntryFields(entry);
    for (size_t m = 0; m < kFileFields; ++m) {
        const size_t b = m / kEntryFields;
        if (!m_compaction[kEntryFields * b].empty())
            m_entries[b][m % kEntryFields] = m_compaction[m];
    }

    const bool saved = SaveUserMenu();
    LoadUserMenu();
    RefreshMenuLabels();
    m_tray.SyncTrayUserMenu();
    return saved;
}

} // namespace rukcon::settings
