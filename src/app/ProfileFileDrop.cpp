#include "app/ProfileFileDrop.h"

#include "settings/SettingsHistory.h"
#include "sound/SoundEffects.h"

#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QWidget>

#include <exception>
#include <system_error>

namespace rukcon::app {

namespace {

bool carriesFiles(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return false;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return true;
    }
    return false;
}

} // namespace

ProfileFileDrop::ProfileFileDrop(settings::SettingsHistory& history, sound::SoundEffects& sounds, QObject* parent)
    : QObject(parent), m_history(history), m_sounds(sounds)
{
}

void ProfileFileDrop::watch(QWidget* target)
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
    for (QLineEdit* box : target->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

bool ProfileFileDrop::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!carriesFiles(drag->mimeData()))
            return false; // text dragged onto a text box stays the box's business
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!carriesFiles(drop->mimeData()))
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        LoadDroppedFiles(drop->mimeData()->urls());
        return true;
    }
    default:
        return false;
    }
}

int ProfileFileDrop::LoadDroppedFiles(const QList<QUrl>& urls)
{
    int loaded = 0;
    for (const QUrl& url : urls) {
        bool ok = false;
        try {
            ok = loadOne(url);
        } catch (const std::exception&) {
            // Out of memory or the like while reading one file: skip it, keep the program.
            m_sounds.playAlert();
        }
        loaded += ok ? 1 : 0;
    }
    return loaded;
}

bool ProfileFileDrop::loadOne(const QUrl& url)
{
    if (!url.isLocalFile()) {
        m_sounds.playAlert();
        return false;
    }
    m_droppedSettingsPath = std::filesystem::path(QFile::encodeName(url.toLocalFile()).toStdString());

    std::error_code error;
    const bool regular = std::filesystem::is_regular_file(m_droppedSettingsPath, error);
    const std::uintmax_t size = regular ? std::filesystem::file_size(m_droppedSettingsPath, error) : 0;
    if (!regular || error || size > kMaxProfileFileBytes) {
        m_sounds.playAlert();
        return false;
    }
    // Unreadable files are refused by the loader itself, with the same alert.
    return m_history.LoadProfileFile(m_droppedSettingsPath);
}

} // namespace rukcon::app
