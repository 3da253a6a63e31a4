#include "Menu.h"

#include "PropertyStore.h"
#include "Telnet.h"

// Until the menu tree is built there are no menu rows: the value requests,
// rebuilds and edits below have nothing to act on.

Menu::Menu(QObject *parent)
    : QObject(parent)
{
}

void Menu::setDrawingFinished(bool value)
{
    storeProperty(this, drawingFinished, value, &Menu::drawingFinishedChanged);
}

void Menu::recievedCommandFF6AFA(QString data)
{
    Q_UNUSED(data)
}

void Menu::changedCommandMenuData() {}

void Menu::setMenuCurrentMedia(QString media)
{
    Q_UNUSED(media)
}

void Menu::rebuildParameterForCd() {}

void Menu::rebuildParameterForStereoMono() {}

void Menu::resetMenuData()
{
    // Silently: the session is over and nothing is drawn from the menu now.
    drawingFinished = false;
}

void Menu::changedSubitemObjectValue(int page, int item, int subitem, int value, int confirmed)
{
    Q_UNUSED(page) Q_UNUSED(item) Q_UNUSED(subitem) Q_UNUSED(value) Q_UNUSED(confirmed)
}
