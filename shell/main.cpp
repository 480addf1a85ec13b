#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillform  2.0"));
    window.setGeometry(50, 50, 1089, 630);
    window.show();
    return app.exec();
}
