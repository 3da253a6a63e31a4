import QtQuick 2.8
import "Palette.js" as Palette

// One card of the login page's machine list: the machine's state, its IP
// password and Login; in admin mode its admin password and power buttons.
Rectangle {
    id: row
    objectName: "machineRow"
    height: ptSize * 140
    color: Palette.transparent

    // The listed machine this card shows (an element of the machine list).
    property QtObject machine
    property bool isSelected: false
    property bool adminMode: false
    // Cycles without an answer up to which a machine counts as answering.
    property int noreactionLimit: 3
    property var powerIcons: []
    property var transportIcons: []
    property var mediaIconsG: []
    property var mediaIconsW: []

    // A click on the card: the page selects this row.
    signal picked()
    // The login begins: the page clears its selection before anything else.
    signal loginStarted()
    // ON/OFF or Restart of the selected row: "turn on", "turn off" or "restart".
    signal powerAsked(string action)

    property bool f_communicatable: machine.count <= noreactionLimit && machine.powerstate === 1
    property bool f_selected: isSelected && f_communicatable
    property bool f_selected_admin: isSelected

    function login() {
        loginStarted()
        popup.hide()
        udpc.loginedNickname = machine.nickname
        udpc.saveIPPass(machine.macaddr, login_ippasswd.text)
        machine.ippass = login_ippasswd.text
        udpc.checkAndLogin(machine.macaddr)
    }

    function saveAdminPassword() {
        udpc.saveAdminPass(machine.macaddr, login_adminpasswd.text)
    }

    Rectangle {
        objectName: "machineCard"
        x: ptSize * 6
        y: 0
        width: ptSize * 402
        height: ptSize * 120
        radius: ptSize * 2
        color: isSelected ? (adminMode ? "#0b4789" : "#646464")
                          : (adminMode ? "#0b2138" : "#3c3c3c")

        MouseArea {
            objectName: "machineCardArea"
            anchors.fill: parent
            onClicked: row.picked()
        }

        Image {
            objectName: "powerIcon"
            x: ptSize * 9
            y: ptSize * 30 - height
            sourceSize.width: ptSize * 18
            smooth: false
            source: machine.count > noreactionLimit ? "Resource/login/icon_13x20_question.svg"
                                                    : powerIcons[machine.powerstate]
        }

        Text {
            objectName: "nicknameText"
            x: ptSize * 32
            y: ptSize * 10
            width: ptSize * 210
            height: ptSize * 22
            text: machine.nickname
            textFormat: Text.PlainText
            color: row.f_communicatable ? "white" : Palette.dimText
            font.pixelSize: ptSize * 20
        }

        Text {
            objectName: "modelText"
            x: ptSize * 9
            y: ptSize * 34
            width: ptSize * 180
            height: ptSize * 15
            text: "MODEL : " + machine.modelname
            textFormat: Text.PlainText
            color: row.f_selected ? "white" : Palette.dimText
            font.pixelSize: ptSize * 15
        }

        Rectangle {
            x: ptSize * 9
            y: ptSize * 64
            width: ptSize * 47
            height: ptSize * 47
            color: "black"

            Image {
                objectName: "transportIcon"
                x: 0
                y: 0
                sourceSize.width: ptSize * 47
                smooth: false
                source: transportIcons[machine.transporticon]
            }
        }

        Text {
            id: loginipaddr
            objectName: "loginipaddr"
            x: ptSize * 62
            y: ptSize * 64
            width: ptSize * 100
            height: ptSize * 15
            text: machine.ipaddr
            textFormat: Text.PlainText
            color: row.f_selected ? "white" : Palette.dimText
            font.pixelSize: ptSize * 12
        }

        Image {
            id: logincurrentmediaicon
            objectName: "logincurrentmediaicon"
            x: loginipaddr.x
            y: ptSize * 91
            sourceSize.height: ptSize * 20
            smooth: false
            source: row.f_selected ? mediaIconsW[machine.cmediaicon] : mediaIconsG[machine.cmediaicon]
        }

        Text {
            objectName: "mediaText"
            x: loginipaddr.x + logincurrentmediaicon.width + ptSize * 6
            y: ptSize * 91
            width: ptSize * 80
            height: ptSize * 15
            text: machine.cmedia
            textFormat: Text.PlainText
            color: row.f_selected ? "white" : Palette.dimText
            font.pixelSize: ptSize * 15
        }

        LoginRowPasswordBox {
            id: login_ippasswd
            objectName: "login_ippasswd"
            x: ptSize * 171
            y: ptSize * 76
            visible: !adminMode
            fieldName: "loginpasswd"
            fieldVisible: row.f_selected
            text: machine.ippass
            onAccepted: row.login()
        }

        LoginRowPasswordBox {
            id: login_adminpasswd
            objectName: "login_adminpasswd"
            x: ptSize * 171
            y: ptSize * 76
            visible: adminMode
            fieldName: "adminpasswd"
            fieldVisible: row.f_selected_admin
            text: machine.adminpass
            onAccepted: row.saveAdminPassword()
        }

        LoginRowButton {
            objectName: "loginBox"
            x: ptSize * 309
            y: ptSize * 76
            visible: !adminMode
            buttonName: "rowLoginButton"
            buttonVisible: row.f_selected
            plateName: "rowLoginButtonPlate"
            plateColor: comm.loginState === 0 ? Palette.accent : "#07606E"
            plateBorderWidth: comm.loginState === 0 ? 0 : ptSize * 2
            label: "Login"
            onClicked: row.login()
        }

        LoginRowButton {
            objectName: "saveBox"
            x: ptSize * 309
            y: ptSize * 76
            visible: adminMode
            buttonName: "saveButton"
            buttonVisible: row.f_selected_admin
            label: "Save"
            onClicked: row.saveAdminPassword()
        }

        LoginRowAdminButton {
            id: admin_power_onoff_button
            objectName: "admin_power_onoff_button"
            x: ptSize * 319
            y: ptSize * 12
            width: ptSize * 56
            color: machine.powerstate === 1 ? Palette.accent : "#969696"
            visible: adminMode && machine.count <= noreactionLimit
            label: machine.powerstate === 1 ? "ON" : "OFF"
            labelColor: "black"
            areaName: "powerButtonArea"
            clickable: row.f_selected_admin
            onClicked: row.powerAsked(machine.powerstate === 1 ? "turn off" : "turn on")
        }

        LoginRowAdminButton {
            id: admin_restart_button
            objectName: "admin_restart_button"
            x: ptSize * 239
            y: ptSize * 12
            width: ptSize * 74
            color: isSelected ? "#5a5a5a" : "#333e49"
            visible: adminMode && row.f_communicatable
            label: "Restart"
            labelColor: "white"
            areaName: "restartButtonArea"
            clickable: row.f_selected_admin
            onClicked: row.powerAsked("restart")
        }

        Text {
            objectName: "ipPasswordLabel"
            x: login_ippasswd.x
            y: ptSize * 59
            width: login_ippasswd.width
            height: ptSize * 15
            text: "IP password"
            textFormat: Text.PlainText
            color: row.f_selected && row.f_communicatable ? "white" : Palette.dimText
            font.pixelSize: ptSize * 13
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            visible: !adminMode
        }

        Text {
            objectName: "adminPasswordLabel"
            x: login_adminpasswd.x
            y: ptSize * 59
            width: login_adminpasswd.width
            height: ptSize * 15
            text: "Admin Password"
            textFormat: Text.PlainText
            color: row.f_selected ? "white" : Palette.dimText
            font.pixelSize: ptSize * 13
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            visible: adminMode
        }
    }
}
