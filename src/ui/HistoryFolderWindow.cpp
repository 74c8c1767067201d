#include "ui/HistoryFolderWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMimeData>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace rukcon::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

// Files are dragged out as file URLs, as a file manager would offer them. Only copying is
// offered: a drop must never make the list remove the file.
class HistoryFileList : public QListWidget {
public:
    explicit HistoryFileList(QWidget* parent) : QListWidget(parent)
    {
        setObjectName("HistoryFileList");
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setDragEnabled(true);
        setDragDropMode(QAbstractItemView::DragOnly);
        setDefaultDropAction(Qt::CopyAction);
    }

protected:
    QStringList mimeTypes() const override { return {QStringLiteral("text/uri-list")}; }

    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override
    {
        QList<QUrl> urls;
        for (const QListWidgetItem* item : items)
            urls.append(QUrl::fromLocalFile(item->data(kPathRole).toString()));
        auto* data = new QMimeData;
        data->setUrls(urls);
        return data;
    }

    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
};

} // namespace

HistoryFolderWindow::HistoryFolderWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), m_folder(folder)
{
    setObjectName("HistoryFolderWindow");
    setWindowTitle(QString::fromUtf8(kCaption));
    // A window of its own: closing it never counts as closing the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_hint = new QLabel(QStringLiteral("ファイルをメインの画面へドラッグすると、その設定を読み込みます。"), this);
    m_hint->setObjectName("HistoryHint");
    m_hint->setWordWrap(true);
    m_list = new HistoryFileList(this);
    m_list->setToolTip(QDir::toNativeSeparators(m_folder));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_hint);
    layout->addWidget(m_list, 1);

    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(m_folder);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &HistoryFolderWindow::refresh);

    refresh();
}

QStringList HistoryFolderWindow::fileNames() const
{
    QStringList names;
    for (int row = 0; row < m_list->count(); ++row)
        names.append(m_list->item(row)->text());
    return names;
}

void HistoryFolderWindow::refresh()
{
    const QString selected = m_list->currentItem() ? m_list->currentItem()->text() : QString();
    m_list->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    const QLocale locale;
    const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files, QDir::Time); // newest first
    for (const QFileInfo& file : files) {
        auto* item = new QListWidgetItem(icon, file.fileName(), m_list);
        item->setData(kPathRole, file.absoluteFilePath());
        item->setToolTip(locale.toString(file.lastModified(), QLocale::ShortFormat));
        if (file.fileName() == selected)
            m_list->setCurrentItem(item);
    }
}

void HistoryFolderWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F5) {
        refresh();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace rukcon::ui
