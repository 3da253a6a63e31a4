#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <initializer_list>

class Telnet;

// Rows are owned by the menu screen, which destroys them at every rebuild:
// they are held as guarded pointers, so a destroyed row reads as not registered.
struct MenuSubitem
{
    QString name;
    QPointer<QObject> object;
    QStringList parameterNames;
    int number = 0;
    int parameterCount = 0;
    int type = 0;
    bool readOnly = false;
    bool visible = false;
    bool complete = false;
    bool named = false;
    // The parameter reply has been stored since the node was created or its
    // list was last emptied.
    bool parametersRead = false;
    // The option index whose name is expected next; replies for any other
    // index belong to a reading that is over.
    int nextOption = 0;
};

struct MenuItem
{
    QString name;
    QPointer<QObject> object;
    QList<MenuSubitem> subitems;
    int number = 0;
    bool visible = true;
    bool complete = false;
    bool named = false;
    bool counted = false;
};

struct MenuPage
{
    QString name;
    QPointer<QObject> object;
    QList<MenuItem> items;
    int number = 0;
    bool visible = false;
    bool complete = false;
    bool named = false;
    bool counted = false;
};

// The indices of one subitem; unset until a name recorded it.
struct MenuPosition
{
    int page = -1;
    int item = -1;
    int subitem = -1;

    bool isSet() const { return page >= 0; }
    bool is(int p, int j, int k) const { return isSet() && page == p && item == j && subitem == k; }
};

// Mirror of the recorder's menu tree: read after every login, drawn by the
// menu screen, kept in step with the recorder's values and edited from there.
class Menu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool drawingFinished READ getDrawingFinished WRITE setDrawingFinished NOTIFY drawingFinishedChanged)

public:
    explicit Menu(QObject *parent = nullptr);

    // Asks for the menu's page count, which starts a menu download.
    static constexpr const char *commandMenuList = "07F6A7A10\r\n";
    // Rounds of re-sent requests after which a silent download is given up.
    static constexpr int maxWatchdogRounds = 3;

    bool getDrawingFinished() const { return drawingFinished; }
    void setDrawingFinished(bool value);

    Q_INVOKABLE void changedCommandMenuData();
    Q_INVOKABLE QString getPageName(int i) const;
    Q_INVOKABLE void setPageObject(int i, QObject *obj);
    Q_INVOKABLE QObject *getPageObject(int i) const;
    Q_INVOKABLE int getMaxPageNumber() const;
    Q_INVOKABLE bool getPageVisible(int i) const;
    Q_INVOKABLE QString getItemName(int i, int j) const;
    Q_INVOKABLE void setItemObject(int i, int j, QObject *obj);
    Q_INVOKABLE QObject *getItemObject(int i, int j) const;
    Q_INVOKABLE int getMaxItemNumber(int i) const;
    Q_INVOKABLE bool getItemVisible(int i, int j) const;
    Q_INVOKABLE void setSubitemObject(int i, int j, int k, QObject *obj);
    Q_INVOKABLE QObject *getSubitemObject(int i, int j, int k) const;
    Q_INVOKABLE void changedSubitemObjectValue(int pageNum, int itemNum, int subitemNum, int value, int type);
    Q_INVOKABLE QString getSubitemName(int i, int j, int k) const;
    Q_INVOKABLE int getMaxSubitemNumber(int i, int j) const;
    Q_INVOKABLE int getVisibleSubitemNumber(int i, int j) const;
    Q_INVOKABLE int getSubitemType(int i, int j, int k) const;
    Q_INVOKABLE bool getSubitemReadOnly(int i, int j, int k) const;
    Q_INVOKABLE bool getSubitemVisible(int i, int j, int k) const;
    Q_INVOKABLE QString getSubitemParameterName(int i, int j, int k, int l) const;
    Q_INVOKABLE int getMaxSubitemParameterNumber(int i, int j, int k) const;
    Q_INVOKABLE void subitemValueRequest(int pageNum, int itemNum, int subitemNum);
    Q_INVOKABLE void rebuildParameterForCd();
    Q_INVOKABLE void rebuildParameterForStereoMono();

    void recievedCommandFF6AFA(QString data);
    bool checkMenuComplete(int page, int item);
    void querySubutemParameterNumberCommand(int page, int item, int subitem);
    void setMenuCurrentMedia(QString currentMedia);
    void setSubitemObjectValue(int page, int item, int subitem, int value);
    void rebuildInputLevelParameter();
    void resetMenuData();
    // Starts a download: asks for the page count, asked again by the
    // watchdog when its answer never comes.
    void requestMenuList();

    // Bounds-checked access: null when the indices name no node.
    MenuPage *pageAt(int i);
    MenuItem *itemAt(int i, int j);
    MenuSubitem *subitemAt(int i, int j, int k);
    MenuSubitem *subitemAt(const MenuPosition &position);
    const MenuPage *pageAt(int i) const;
    const MenuItem *itemAt(int i, int j) const;
    const MenuSubitem *subitemAt(int i, int j, int k) const;

    // The row that shows a subitem's value: the item's row when the item has
    // exactly one subitem, else the subitem's own; null when not registered.
    QObject *valueRow(int page, int item, int subitem) const;

    bool drawingFinished = false;
    bool inputLevelChangePending = false;
    bool inputLevelRebuilding = false;
    bool cdRebuilding = false;
    bool stereoMonoRebuilding = false;
    QList<MenuPage> pages;
    Telnet *telnet = nullptr;
    MenuPosition sd1Position;
    MenuPosition sd2Position;
    MenuPosition usbPosition;
    MenuPosition capacityPosition;
    MenuPosition availablePosition;
    MenuPosition folderPosition;
    MenuPosition inputSelectPosition;
    MenuPosition inputGainLchPosition;
    MenuPosition inputGainRchPosition;
    MenuPosition phantomLchPosition;
    MenuPosition phantomRchPosition;
    MenuPosition levelLPosition;
    MenuPosition levelRPosition;
    MenuPosition playAreaPosition;
    MenuPosition recFormatPosition;
    MenuPosition stereoMonoPosition;

    // The page count has been asked for and not answered yet.
    bool awaitingPageCount = false;
    // A download runs from the page count until menuCompleted.
    bool downloading = false;
    // A LEVEL re-read asked for while one runs: started once it ends.
    bool inputLevelRestartPending = false;
    // The tree was emptied or its nodes replaced since it was last complete:
    // rows built meanwhile stand for no tree, so the menu is not drawn.
    bool awaitingCompletion = false;
    // The medium last given, applied again whenever the menu is drawn.
    QString currentMedia;
    bool currentMediaKnown = false;

    // When no menu reply comes for this long while requests are outstanding,
    // they are sent once more.
    int watchdogMs = 3000;
    int watchdogRounds = 0;
    QTimer watchdog;

signals:
    void drawingFinishedChanged(bool drawingFinished);
    void menuStarted();
    void menuCompleted();
    void inputLevelParameterChanged(int page, int item, int subitem, QObject *obj);
    void itemParameterChanged(int page, int item, QObject *obj);
    void phantomOnPopup(int page, int item, int subitem, int value);

private:
    // Bumped whenever nodes are removed, so that a loop whose sends let a
    // reply replace the nodes it walks stops there.
    quint64 treeSerial = 0;
    QElapsedTimer sinceMenuReply;

    // The edit the phantom rule held back last, on the tree it was made on:
    // the operator's confirmation answers this one and no other.
    struct HeldEdit
    {
        int page = 0;
        int item = 0;
        int subitem = 0;
        int value = 0;
        quint64 tree = 0;
        bool waiting = false;
    };
    HeldEdit heldEdit;

    // MenuDownload.cpp
    bool decodeReply(QStringView data);
    bool receivedPageCount(int count);
    bool receivedPageName(int page, QStringView name);
    bool receivedItemCount(int page, int count);
    bool receivedItemName(int page, int item, QStringView name);
    bool receivedSubitemCount(int page, int item, int count);
    bool receivedSubitemName(int page, int item, int subitem, QStringView name);
    bool receivedParameters(int page, int item, int subitem, QStringView data);
    bool receivedOptionName(int page, int item, int subitem, int option, QStringView name);
    void staleOptionName(int page, int item, int subitem);
    void recordPosition(int page, int item, int subitem, QString &name);
    void reopenTree();
    bool treeComplete() const;
    void dispatchCompletion();
    void armWatchdog();
    void watchdogExpired();
    QList<QByteArray> outstandingRequests() const;

    // MenuEditing.cpp
    bool phantomHoldsBack(int page, int item, int subitem, int value) const;
    bool takeHeldEdit(int page, int item, int subitem, int value);
    void levelTest(int page, int item, int subitem, QObject *row, int value);
    void startListReread(const MenuPosition &position);
    bool listsComplete(std::initializer_list<const MenuPosition *> positions);
    void finishRereads();
    void finishInputLevelReread();
    void finishItemRereads(bool cd, bool stereoMono);
    void applyCurrentMedia();

    // Menu.cpp
    void send(const char *subCommand, std::initializer_list<int> numbers, int value = -1);
    static int formatRequest(char (&line)[32], const char *subCommand, std::initializer_list<int> numbers,
                             int value = -1);
    static void writeRow(QObject *row, const char *property, const QVariant &value);
    void resetPositions();
    void clearTree();
    void endRereads();
};
