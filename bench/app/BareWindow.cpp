// A bare Qt window of a given size, the yardstick of the program's start-up and memory.
//
//   startup_bare_window WIDTH HEIGHT
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    // As the program itself starts.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QWidget window;
    const QStringList args = QCoreApplication::arguments();
    window.resize(args.size() > 2 ? args.at(1).toInt() : 640,
                  args.size() > 2 ? args.at(2).toInt() : 480);
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    return QApplication::exec();
}
