// The floor of the stack: a bare Qt 6 window with one Japanese label. With a period in ms as its
// argument it also runs an empty timer at that period: the cost of waking Qt that often.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("コントローラーでキーを打つ"));
    label.setWindowTitle(QStringLiteral("bare-qt-window"));
    label.show();
    QTimer tick;
    if (argc > 1) {
        QObject::connect(&tick, &QTimer::timeout, [] {});
        tick.start(QString::fromLocal8Bit(argv[1]).toInt());
    }
    return QApplication::exec();
}
