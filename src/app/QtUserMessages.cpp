#include "app/QtUserMessages.h"

#include <QMessageBox>

namespace rukcon::app {

namespace {
bool g_recording = false;
std::function<void()> g_onRecordedBox;
const QString kTitle = QStringLiteral("RUKコン");
} // namespace

void QtUserMessages::setRecording(bool on, std::function<void()> onBox)
{
    g_recording = on;
    g_onRecordedBox = std::move(onBox);
}

std::vector<std::string>& QtUserMessages::recorded()
{
    static std::vector<std::string> texts;
    return texts;
}

void QtUserMessages::information(const std::string& text)
{
    show(false, text);
}

void QtUserMessages::warning(const std::string& text)
{
    show(true, text);
}

void QtUserMessages::show(bool warning, const std::string& text)
{
    if (m_before)
        m_before();
    if (g_recording) {
        recorded().push_back((warning ? "w:" : "i:") + text);
        if (g_onRecordedBox)
            g_onRecordedBox();
    } else if (warning) {
        QMessageBox::warning(m_parent, kTitle, QString::fromStdString(text));
    } else {
        QMessageBox::information(m_parent, kTitle, QString::fromStdString(text));
    }
    if (m_after)
        m_after();
}

} // namespace rukcon::app
