#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Quillmar Pro HTML Editor");
    w.showMaximized();
    return app.exec();
}
