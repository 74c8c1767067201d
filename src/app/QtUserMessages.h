#pragma once

#include "sound/UserMessages.h"

#include <string>
#include <vector>

class QWidget;

namespace rukcon::app {

// Message boxes with an OK button. Tests switch them to recording, so nothing modal opens.
class QtUserMessages : public sound::UserMessages {
public:
    explicit QtUserMessages(QWidget* parent = nullptr) : m_parent(parent) {}

    void information(const std::string& text) override;
    void warning(const std::string& text) override;

    // While recording, boxes are not shown; their texts are kept ("i:" or "w:" in front).
    static void setRecording(bool on);
    static std::vector<std::string>& recorded();

private:
    QWidget* m_parent;
};

} // namespace rukcon::app
