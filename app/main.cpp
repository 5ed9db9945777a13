#include <QApplication>
#include <QFont>
#include <QWidget>

int main(int argc, char *argv[])
{
    // The Japanese faces the window asks for, mapped to the IPA fonts.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("ぴむかろ Ver.2.00"));
    window.setFixedSize(742, 474);
    window.setStyleSheet(QStringLiteral("background-color: #9FFDA7;"));
    window.show();
    return app.exec();
}
