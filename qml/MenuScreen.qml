import QtQuick 2.8

// The page's frame only; its contents come with the page itself.
Item {
    BackScreen {
    }
}
