// Another application for the end-to-end tests: one text field, whose text is written to the
// file named on the command line after every change.
#include <QApplication>
#include <QPlainTextEdit>
#include <QSaveFile>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString fileName = QString::fromLocal8Bit(argv[1]);
    QPlainTextEdit field;
    field.setWindowTitle(QStringLiteral("Text field"));
    field.setGeometry(0, 0, 320, 110);
    QObject::connect(&field, &QPlainTextEdit::textChanged, &field, [&field, fileName] {
        QSaveFile out(fileName);
        if (out.open(QIODevice::WriteOnly)) {
            out.write(field.toPlainText().toUtf8());
            out.commit();
        }
    });
    field.show();
    return QApplication::exec();
}
