// The subitems that other operations reach by name (the media rows, the
// input and phantom settings, the level lists, play area, record format and
// stereo/mono), recorded as their names arrive.
#include "Menu.h"

namespace {

enum class Match { NameBegins, ItemBegins, NameContains };

// The subitems other operations reach by name, in the order they are
// tested: the first rule that matches records the position.
struct PositionRule
{
    Match match;
    const char *text;
    const char *alternative;
    MenuPosition Menu::*position;
    const char *storedName;
};

const PositionRule positionRules[] = {
    {Match::NameBegins, "SD1", nullptr, &Menu::sd1Position, nullptr},
    {Match::NameBegins, "SD2", nullptr, &Menu::sd2Position, nullptr},
    {Match::NameBegins, "USB", nullptr, &Menu::usbPosition, nullptr},
    {Match::NameBegins, "CAPACITY", nullptr, &Menu::capacityPosition, nullptr},
    {Match::NameBegins, "AVAILABLE", nullptr, &Menu::availablePosition, nullptr},
    {Match::NameBegins, "FOLDER", nullptr, &Menu::folderPosition, nullptr},
    {Match::ItemBegins, "INPUT SELECT", nullptr, &Menu::inputSelectPosition, nullptr},
    {Match::NameBegins, "INPUT GAIN Lch", nullptr, &Menu::inputGainLchPosition, nullptr},
    {Match::NameBegins, "INPUT GAIN Rch", nullptr, &Menu::inputGainRchPosition, nullptr},
    {Match::NameBegins, "PHANTOM(+48V)Lch", nullptr, &Menu::phantomLchPosition, nullptr},
    {Match::NameBegins, "PHANTOM(+48V)Rch", nullptr, &Menu::phantomRchPosition, nullptr},
    {Match::NameContains, "LEVEL (L)", "LEVEL(L)", &Menu::levelLPosition, "LEVEL (L)"},
    {Match::NameContains, "LEVEL (R)", "LEVEL(R)", &Menu::levelRPosition, "LEVEL (R)"},
    {Match::ItemBegins, "PLAY AREA", nullptr, &Menu::playAreaPosition, nullptr},
    {Match::ItemBegins, "REC FORMAT", nullptr, &Menu::recFormatPosition, nullptr},
    {Match::ItemBegins, "STEREO/MONO", nullptr, &Menu::stereoMonoPosition, nullptr},
};

bool matches(const PositionRule &rule, const QString &name, const QString &itemName)
{
    switch (rule.match) {
    case Match::NameBegins: return name.startsWith(QLatin1String(rule.text));
    case Match::ItemBegins: return itemName.startsWith(QLatin1String(rule.text));
    case Match::NameContains:
        return name.contains(QLatin1String(rule.text)) || name.contains(QLatin1String(rule.alternative));
    }
    return false;
}

} // namespace

void Menu::recordPosition(int page, int item, int subitem, QString &name)
{
    const QString &itemName = pages.at(page).items.at(item).name;
    for (const PositionRule &rule : positionRules) {
        if (!matches(rule, name, itemName))
            continue;
        // Positions found by their item name stand for the item's one subitem.
        this->*rule.position = MenuPosition{page, item, rule.match == Match::ItemBegins ? 0 : subitem};
        if (rule.storedName)
            name = QLatin1String(rule.storedName);
        return;
    }
}
