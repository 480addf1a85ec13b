// The floor of the toolkit: the least a Qt 6 Widgets program does to put a
// main window on screen. The start-up benchmark compares quillform with this.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare-qt-window"));
    window.show();
    return app.exec();
}
