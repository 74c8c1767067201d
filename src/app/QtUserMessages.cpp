#include "app/QtUserMessages.h"

#include <QMessageBox>

namespace rukcon::app {

namespace {
bool g_recording = false;
const QString kTitle = QStringLiteral("RUKコン");
} // namespace

void QtUserMessages::setRecording(bool on)
{
    g_recording = on;
}

std::vector<std::string>& QtUserMessages::recorded()
{
    static std::vector<std::string> texts;
    return texts;
}

void QtUserMessages::information(const std::string& text)
{
    if (g_recording) {
        recorded().push_back("i:" + text);
        return;
    }
    QMessageBox::information(m_parent, kTitle, QString::fromStdString(text));
}

void QtUserMessages::warning(const std::string& text)
{
    if (g_recording) {
        recorded().push_back("w:" + text);
        return;
    }
    QMessageBox::warning(m_parent, kTitle, QString::fromStdString(text));
}

} // namespace rukcon::app
