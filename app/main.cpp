#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("DotSign LED 显示屏编辑系统"));
    window.show();
    return app.exec();
}
