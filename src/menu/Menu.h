#pragma once

#include <QObject>
#include <QString>

class Telnet;

// Mirror of the recorder's menu tree. The tree itself, its download and its
// editing come with the device menu page; this class holds what the session
// and the windows already rely on.
class Menu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool drawingFinished READ getDrawingFinished WRITE setDrawingFinished NOTIFY drawingFinishedChanged)

public:
    explicit Menu(QObject *parent = nullptr);

    // Asks for the menu's page count, which starts a menu download.
    static constexpr const char *commandMenuList = "07F6A7A10\r\n";

    bool getDrawingFinished() const { return drawingFinished; }
    void setDrawingFinished(bool value);

    void recievedCommandFF6AFA(QString data);
    Q_INVOKABLE void changedCommandMenuData();
    void setMenuCurrentMedia(QString media);
    void rebuildParameterForCd();
    void rebuildParameterForStereoMono();
    void resetMenuData();
    Q_INVOKABLE void changedSubitemObjectValue(int page, int item, int subitem, int value, int confirmed);

    Telnet *telnet = nullptr;
    bool drawingFinished = false;

signals:
    void drawingFinishedChanged(bool drawingFinished);
    void menuStarted();
    void menuCompleted();
    void phantomOnPopup(int page, int item, int subitem, int value);
};
