#include "Application.h"

int main(int argc, char **argv)
{
    return runApplication(argc, argv, QUrl(QStringLiteral("qrc:/mainDesktop.qml"), QUrl::TolerantMode));
}
