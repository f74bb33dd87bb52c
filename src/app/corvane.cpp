#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvane"));
    window.resize(630, 450);
    window.show();
    return app.exec();
}
