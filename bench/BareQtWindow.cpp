// The floor of the stack: a bare Qt 6 window with one Japanese label.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("コントローラーでキーを打つ"));
    label.setWindowTitle(QStringLiteral("bare-qt-window"));
    label.show();
    return QApplication::exec();
}
