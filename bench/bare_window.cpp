// The least a Qt Widgets program does to show a window: the yardstick for start-up time and
// resident memory in startup_bench.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Form1"));
    window.resize(350, 77);
    window.show();
    return app.exec();
}
