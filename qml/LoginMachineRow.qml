import QtQuick 2.8
import QtQuick.Controls 2.1
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
        udpc.saveIPPass(machine.macaddr, loginpasswd.text)
        machine.ippass = loginpasswd.text
        udpc.checkAndLogin(machine.macaddr)
    }

    function saveAdminPassword() {
        udpc.saveAdminPass(machine.macaddr, adminpasswd.text)
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

        Rectangle {
            id: login_ippasswd
            objectName: "login_ippasswd"
            x: ptSize * 171
            y: ptSize * 76
            width: ptSize * 134
            height: ptSize * 34
            radius: ptSize * 5
            color: Palette.box
            visible: !adminMode

            TextField {
                id: loginpasswd
                objectName: "loginpasswd"
                anchors.fill: parent
                color: "black"
                font.pixelSize: ptSize * 18
                echoMode: TextInput.Password
                passwordMaskDelay: 5000
                visible: row.f_selected
                text: machine.ippass
                background: Rectangle {
                    anchors.fill: parent
                    color: Palette.field
                    radius: ptSize * 5
                }
                onAccepted: row.login()
            }
        }

        Rectangle {
            id: login_adminpasswd
            objectName: "login_adminpasswd"
            x: ptSize * 171
            y: ptSize * 76
            width: ptSize * 134
            height: ptSize * 34
            radius: ptSize * 5
            color: Palette.box
            visible: adminMode

            TextField {
                id: adminpasswd
                objectName: "adminpasswd"
                anchors.fill: parent
                color: "black"
                font.pixelSize: ptSize * 18
                echoMode: TextInput.Password
                passwordMaskDelay: 5000
                visible: row.f_selected_admin
                text: machine.adminpass
                background: Rectangle {
                    anchors.fill: parent
                    color: Palette.field
                    radius: ptSize * 5
                }
                onAccepted: row.saveAdminPassword()
            }
        }

        Rectangle {
            objectName: "loginBox"
            x: ptSize * 309
            y: ptSize * 76
            width: ptSize * 66
            height: ptSize * 35
            radius: ptSize * 5
            color: Palette.box
            visible: !adminMode

            Button {
                objectName: "rowLoginButton"
                anchors.fill: parent
                visible: row.f_selected
                background: Rectangle {
                    objectName: "rowLoginButtonPlate"
                    anchors.fill: parent
                    radius: ptSize * 5
                    color: comm.loginState === 0 ? Palette.accent : "#07606E"
                    border.color: Palette.accent
                    border.width: comm.loginState === 0 ? 0 : ptSize * 2

                    Text {
                        anchors.fill: parent
                        text: "Login"
                        textFormat: Text.PlainText
                        font.pixelSize: ptSize * 14
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                }
                onClicked: row.login()
            }
        }

        Rectangle {
            objectName: "saveBox"
            x: ptSize * 309
            y: ptSize * 76
            width: ptSize * 66
            height: ptSize * 35
            radius: ptSize * 5
            color: Palette.box
            visible: adminMode

            Button {
                objectName: "saveButton"
                anchors.fill: parent
                visible: row.f_selected_admin
                background: Rectangle {
                    anchors.fill: parent
                    radius: ptSize * 5
                    color: Palette.accent

                    Text {
                        anchors.fill: parent
                        text: "Save"
                        textFormat: Text.PlainText
                        font.pixelSize: ptSize * 14
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                }
                onClicked: row.saveAdminPassword()
            }
        }

        Rectangle {
            id: admin_power_onoff_button
            objectName: "admin_power_onoff_button"
            x: ptSize * 319
            y: ptSize * 12
            width: ptSize * 56
            height: ptSize * 28
            radius: ptSize * 3
            color: machine.powerstate === 1 ? Palette.accent : "#969696"
            visible: adminMode && machine.count <= noreactionLimit

            Text {
                anchors.fill: parent
                text: machine.powerstate === 1 ? "ON" : "OFF"
                textFormat: Text.PlainText
                color: "black"
                font.pixelSize: ptSize * 13
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }

            MouseArea {
                objectName: "powerButtonArea"
                anchors.fill: parent
                visible: row.f_selected_admin
                onClicked: row.powerAsked(machine.powerstate === 1 ? "turn off" : "turn on")
            }
        }

        Rectangle {
            id: admin_restart_button
            objectName: "admin_restart_button"
            x: ptSize * 239
            y: ptSize * 12
            width: ptSize * 74
            height: ptSize * 28
            radius: ptSize * 3
            color: isSelected ? "#5a5a5a" : "#333e49"
            visible: adminMode && row.f_communicatable

            Text {
                anchors.fill: parent
                text: "Restart"
                textFormat: Text.PlainText
                color: "white"
                font.pixelSize: ptSize * 13
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }

            MouseArea {
                objectName: "restartButtonArea"
                anchors.fill: parent
                visible: row.f_selected_admin
                onClicked: row.powerAsked("restart")
            }
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
