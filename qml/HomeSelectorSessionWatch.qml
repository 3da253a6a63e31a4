import QtQuick 2.8

// Tells a selector that the session its list belongs to has ended: the login
// is lost or the recorder's menu is being read anew. A list left open then
// would send to whatever recorder comes next.
Item {
    id: sessionWatch

    signal ended()

    Connections {
        target: comm
        function onLoginCompChanged() {
            if (!comm.loginComp)
                sessionWatch.ended()
        }
    }

    Connections {
        target: menu
        function onDrawingFinishedChanged() {
            if (!menu.drawingFinished)
                sessionWatch.ended()
        }
    }
}
