// The bare window that the session benchmark compares the application's first
// window with: started as the application starts (same attributes, engine and
// font), from a precompiled document holding one label.
#include <QFont>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    QGuiApplication::setFont(QFont(QStringLiteral("Arial")));
    engine.load(QUrl(QStringLiteral("qrc:/BareWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    return app.exec();
}
