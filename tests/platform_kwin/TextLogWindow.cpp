// A target program for the KWin tests: a Qt window with the title given that appends the text
// typed into it to FILE, and each key going down ("+" and the Qt key in hex) or up ("-") as a
// line to FILE.keys, so that a test sees both what was typed and that no key stays down.
// Usage: rukcon_text_log_window TITLE FILE
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>

namespace {

class TextLogWidget : public QWidget {
public:
    explicit TextLogWidget(const QString& file) : m_text(file), m_keys(file + QStringLiteral(".keys"))
    {
        m_text.open(QIODevice::Append);
        m_keys.open(QIODevice::Append);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override { log(event, true); }
    void keyReleaseEvent(QKeyEvent* event) override { log(event, false); }

private:
    void log(QKeyEvent* event, bool down)
    {
        if (event->isAutoRepeat())
            return;
        if (down && !event->text().isEmpty() && event->text().at(0).isPrint()) {
            m_text.write(event->text().toUtf8());
            m_text.flush();
        }
        m_keys.write(QStringLiteral("%1%2\n").arg(down ? '+' : '-').arg(event->key(), 0, 16).toUtf8());
        m_keys.flush();
    }

    QFile m_text;
    QFile m_keys;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    TextLogWidget window(QString::fromLocal8Bit(argv[2]));
    window.setWindowTitle(QString::fromUtf8(argv[1]));
    window.resize(300, 200);
    window.show();
    return app.exec();
}
