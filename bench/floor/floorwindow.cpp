// The start-up floor: a bare Qt Widgets window holding one line of Japanese text.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("平成13年度 3年2組 授業時数"));
    label.setWindowTitle(QStringLiteral("floor-window"));
    label.show();
    return QApplication::exec();
}
