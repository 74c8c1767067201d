#pragma once

#include "platform/UserMessages.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace rukcon::app {

// Message boxes with an OK button. Tests switch them to recording, so nothing modal opens.
class QtUserMessages : public platform::UserMessages {
public:
    explicit QtUserMessages(QWidget* parent = nullptr) : m_parent(parent) {}

    // Run around every box, recorded ones included: a modal box lets timer ticks in, and a key
    // left down would repeat into whatever has the focus until the box closes.
    void setAroundBox(std::function<void()> before, std::function<void()> after)
    {
        m_before = std::move(before);
        m_after = std::move(after);
    }

    void information(const std::string& text) override;
    void warning(const std::string& text) override;

    // While recording, boxes are not shown; their texts are kept ("i:" or "w:" in front), and
    // onBox (when given) runs where a box would open, for a test to look at that moment.
    static void setRecording(bool on, std::function<void()> onBox = nullptr);
    static std::vector<std::string>& recorded();

private:
    void show(bool warning, const std::string& text);

    QWidget* m_parent;
    std::function<void()> m_before;
    std::function<void()> m_after;
};

} // namespace rukcon::app
