#pragma once

#include "settings/FieldReader.h"
#include "settings/ProfileControls.h"
#include "settings/SettingsFiles.h"

namespace rukcon::settings {

// "前回.txt": the profile in force at the last exit, put back at every start and by the two
// "back to the last exit" commands. When it cannot be applied, the last-exit fallback profile is put in.
class LastExitFile {
public:
    LastExitFile(const SettingsFiles& files, ProfileControls& controls) : m_files(files), m_controls(controls) {}

    // Reads the file and applies it; when any part of it cannot be applied the window gets the
    // built-in defaults instead (the caption fragment read from the file is kept even then).
    // Returns false when the defaults were set.
    bool LoadLastExit();

    // Writes the current profile; false (and a message) when the file could not be written.
    bool SaveLastExit();

    // The buffer is kept for the whole run and never cleared: a file that has become shorter
    // leaves the later entries of the previous load.
    const FieldBuffer& buffer() const { return m_buffer; }

private:
    const SettingsFiles& m_files;
    ProfileControls& m_controls;
    FieldBuffer m_buffer;
};

} // namespace rukcon::settings
