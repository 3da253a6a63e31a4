import QtQuick 2.8
import QtQuick.Controls 2.1

// The login page: the recorders that discovery finds, each with its IP
// password and Login; in admin mode their admin passwords and power buttons.
// Seven taps on the title or the logo switch to a page that logs in to a typed
// address. Every text here is plain text: nicknames come from the network.
Rectangle {
    id: loginscreenbase
    color: admin_mode ? "#1d3356" : "#000000"

    property int noreaction_limit: 3
    property int unkownPower_value: 5
    property int click_limit: 7
    property int click_times: 0
    property int selected_index: -1
    property bool admin_mode: false
    property var mediaiconsG: ["Resource/login/icon_19x19_none.svg",
                               "Resource/TimerEvent/icon_16x20_USB.svg",
                               "Resource/TimerEvent/icon_16x20_SD.svg",
                               "Resource/TimerEvent/icon_19x19_CD.svg"]
    property var mediaiconsW: ["Resource/login/icon_19x19_none.svg",
                               "Resource/login/icon_w_16x20_usb.svg",
                               "Resource/login/icon_w_16x20_sd.svg",
                               "Resource/login/icon_w_19x19_cd.svg"]
    property var transporticons: ["Resource/login/icon_47x47_Status_none.svg",
                                  "Resource/login/icon_47x47_Status_stop.svg",
                                  "Resource/login/icon_47x47_Status_play.svg",
                                  "Resource/login/icon_47x47_Status_rec.svg",
                                  "Resource/login/icon_47x47_Status_pause.svg"]
    property var powericons: ["Resource/login/icon_18x20_power_off.svg",
                              "Resource/login/icon_18x20_power_on.svg"]
    property int appState: Qt.application.state
    property string cpcNickname: ""
    property string cpcAction: ""
    property int cpcIndex: 0
    property bool f_visibleCPC: false

    // Title and logo share one counter: the 7th tap shows the manual login
    // page, the 14th brings the list back.
    function countTap() {
        click_times = click_times + 1
        if (click_times >= click_limit * 2)
            click_times = 0
    }

    // The admin switch's knob back at the right end of its track.
    function resetShuttle() {
        shuttle.x = Qt.binding(function() { return shuttle.parent.width - shuttle.width })
    }

    // The listed machine at a row of the list as last published, or null when
    // the list holds no such row (a machine found since the last publication).
    function listedMachine(row) {
        var machines = loginListView.model
        if (!machines || row < 0 || row >= machines.length)
            return null
        return machines[row]
    }

    // A listed machine shows as not answering at once.
    function markUnknown(machine) {
        machine.count = machine.count + unkownPower_value
    }

    onVisibleChanged: {
        resetShuttle()
        udpc.showRefresh = false
        udpc.visibleStateChanged(loginscreenbase.visible)
        popup1.hide()
    }

    onAppStateChanged: {
        if (appState === Qt.ApplicationActive)
            udpc.appStateChanged(true)
        else
            udpc.appStateChanged(false)
    }

    MouseArea {
        objectName: "loginBackground"
        anchors.fill: parent
        onClicked: selected_index = -1
    }

    BackScreen {
        id: loginback
        objectName: "loginback"
        color: "#00000000"

        Text {
            objectName: "loginTitle"
            x: ptSize * 15
            y: 0
            width: ptSize * 272
            height: ptSize * 30
            text: "HB740 CONTROL"
            textFormat: Text.PlainText
            color: "#66ffffff"
            font.pixelSize: ptSize * 30

            MouseArea {
                objectName: "loginTitleArea"
                anchors.fill: parent
                onClicked: countTap()
            }
        }

        Image {
            id: loginlogo
            objectName: "loginlogo"
            x: ptSize * 399 - width
            y: ptSize * 14
            sourceSize.width: ptSize * 95
            smooth: false
            source: "Resource/login/quoval_logo_95x16.svg"

            MouseArea {
                objectName: "loginLogoArea"
                anchors.fill: parent
                onClicked: countTap()
            }
        }

        // ---- The machines that discovery found ----

        Rectangle {
            id: loginnew
            objectName: "loginnew"
            x: 0
            y: ptSize * 80
            width: appWidth
            height: ptSize * 636
            color: "#00000000"
            visible: click_times < click_limit

            ListView {
                id: loginListView
                objectName: "loginListView"
                anchors.fill: parent
                clip: true
                // Not there until discovery first publishes it.
                model: typeof loginModel !== "undefined" ? loginModel : null
                delegate: machineRow

                ScrollBar.vertical: ScrollBar {
                    objectName: "loginScrollBar"
                    anchors.top: loginListView.top
                    anchors.bottom: loginListView.bottom
                    anchors.right: loginListView.right
                    visible: loginListView.contentHeight > loginListView.height
                    contentItem: CommonScrollBarItem {
                    }
                }

                footer: Rectangle {
                    objectName: "loginFooter"
                    width: loginListView.width
                    height: ptSize * 180
                    color: "#00000000"

                    MouseArea {
                        anchors.fill: parent
                        onClicked: selected_index = -1
                    }

                    Button {
                        id: loginrefresh
                        objectName: "loginrefresh"
                        x: (parent.width - width) * 0.5
                        y: ptSize * 20
                        width: ptSize * 125
                        height: ptSize * 45
                        visible: udpc.showRefresh
                        background: Image {
                            id: reload_image
                            sourceSize.width: ptSize * 125
                            smooth: false
                            source: "Resource/login/icon_125x45_reload.svg"
                        }
                        onClicked: {
                            selected_index = -1
                            udpc.refreshList()
                        }
                    }
                }

                Connections {
                    target: udpc
                    function onChangeToUnknownPowerState(arg_index) {
                        // A machine found after the last publication has no row yet;
                        // the next publication shows its state.
                        var machine = listedMachine(arg_index)
                        if (machine)
                            markUnknown(machine)
                    }
                    function onLoginRequest(arg_ipaddr, arg_ippass) {
                        comm.loginRequest(arg_ipaddr, arg_ippass)
                    }
                }
            }

            Rectangle {
                id: login_searching
                objectName: "login_searching"
                anchors.fill: parent
                color: "#aa000000"
                visible: !udpc.showRefresh && !loginConnectingOverlay.visible && !telnetConnectingOverlay.visible

                Text {
                    x: 0
                    y: ptSize * 133
                    width: parent.width
                    height: ptSize * 77
                    text: "Searching..."
                    textFormat: Text.PlainText
                    color: "white"
                    font.pixelSize: ptSize * 30
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }

                MouseArea {
                    anchors.fill: parent
                }
            }
        }

        // ---- Login to a typed address ----

        Rectangle {
            id: loginold
            objectName: "loginold"
            x: 0
            y: ptSize * 80
            width: appWidth
            height: ptSize * 636
            color: "black"
            visible: !(click_times < click_limit)

            // Every change of page publishes the list again; being hidden as
            // it is created is no change of page.
            Connections {
                id: pageChange
                target: loginold
                enabled: false
                function onVisibleChanged() {
                    udpc.refreshList()
                }
            }
            Component.onCompleted: pageChange.enabled = true

            Item {
                id: loginWindow
                y: 0
                width: appWidth
                height: appHeight
                anchors.horizontalCenter: parent.horizontalCenter

                Text {
                    y: ptSize * 145.5
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "IP Address"
                    textFormat: Text.PlainText
                    color: "#A0A0A0"
                    font.pixelSize: ptSize * 22
                    font.weight: Font.Light
                }

                TextField {
                    id: address
                    objectName: "address"
                    y: ptSize * 170
                    width: ptSize * 296
                    height: ptSize * 50
                    anchors.horizontalCenter: parent.horizontalCenter
                    font.pixelSize: ptSize * 25
                    selectByMouse: true
                    text: comm.address
                    background: Image {
                        anchors.fill: parent
                        smooth: false
                        source: address.focus ? "Resource/LogIn_add-pass_ON_296x50_3.png"
                                              : "Resource/LogIn_add-pass_OFF_296x50_3.png"
                    }
                    onAccepted: password.focus = true
                }

                Text {
                    y: ptSize * 235.5
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "IP Password"
                    textFormat: Text.PlainText
                    color: "#A0A0A0"
                    font.pixelSize: ptSize * 22
                    font.weight: Font.Light
                }

                TextField {
                    id: password
                    objectName: "password"
                    y: ptSize * 260
                    width: ptSize * 296
                    height: ptSize * 50
                    anchors.horizontalCenter: parent.horizontalCenter
                    font.pixelSize: ptSize * 25
                    echoMode: TextInput.Password
                    passwordMaskDelay: 5000
                    text: comm.password
                    background: Image {
                        anchors.fill: parent
                        smooth: false
                        source: password.focus ? "Resource/LogIn_add-pass_ON_296x50_3.png"
                                               : "Resource/LogIn_add-pass_OFF_296x50_3.png"
                    }
                    // Also while an attempt runs: the link drops that attempt and
                    // starts over with what is typed now.
                    onAccepted: {
                        comm.loginRequest(address.text, password.text)
                        udpc.loginedNickname = ""
                    }
                }

                Button {
                    id: loginButton
                    objectName: "loginButton"
                    y: ptSize * 343
                    width: ptSize * 296
                    height: ptSize * 50
                    anchors.horizontalCenter: parent.horizontalCenter
                    enabled: comm.loginState === 0
                    contentItem: Text {
                        objectName: "loginButtonText"
                        text: comm.loginState === 0 ? "Login" : "Connecting"
                        textFormat: Text.PlainText
                        color: comm.loginState === 0 ? "#2D52A8" : "#D14413"
                        font.pixelSize: ptSize * 25
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                    }
                    background: Image {
                        anchors.fill: parent
                        smooth: false
                        source: comm.loginState === 0 ? "Resource/LogIn_296x50_3.png"
                                                      : "Resource/LogIn_connect_296x50_3.png"
                    }
                    onClicked: {
                        popup.hide()
                        comm.loginRequest(address.text, password.text)
                        udpc.loginedNickname = ""
                    }
                }
            }
        }
    }

    // ---- One card per machine ----

    Component {
        id: machineRow

        Rectangle {
            id: row
            objectName: "machineRow"
            width: loginListView.width
            height: ptSize * 140
            color: "#00000000"

            property bool f_communicatable: model.count <= noreaction_limit && model.powerstate === 1
            property bool f_selected: selected_index === model.index && f_communicatable
            property bool f_selected_admin: selected_index === model.index

            function login() {
                selected_index = -1
                popup.hide()
                udpc.loginedNickname = model.nickname
                udpc.saveIPPass(model.macaddr, loginpasswd.text)
                model.ippass = loginpasswd.text
                udpc.checkAndLogin(model.macaddr)
            }

            function saveAdminPassword() {
                udpc.saveAdminPass(model.macaddr, adminpasswd.text)
            }

            function askPower(action) {
                f_visibleCPC = true
                cpcAction = action
                cpcNickname = model.nickname
                cpcIndex = index
            }

            Rectangle {
                objectName: "machineCard"
                x: ptSize * 6
                y: 0
                width: ptSize * 402
                height: ptSize * 120
                radius: ptSize * 2
                color: selected_index === model.index ? (admin_mode ? "#0b4789" : "#646464")
                                                      : (admin_mode ? "#0b2138" : "#3c3c3c")

                MouseArea {
                    objectName: "machineCardArea"
                    anchors.fill: parent
                    onClicked: selected_index = index
                }

                Image {
                    objectName: "powerIcon"
                    x: ptSize * 9
                    y: ptSize * 30 - height
                    sourceSize.width: ptSize * 18
                    smooth: false
                    source: model.count > noreaction_limit ? "Resource/login/icon_13x20_question.svg"
                                                           : powericons[model.powerstate]
                }

                Text {
                    objectName: "nicknameText"
                    x: ptSize * 32
                    y: ptSize * 10
                    width: ptSize * 210
                    height: ptSize * 22
                    text: model.nickname
                    textFormat: Text.PlainText
                    color: row.f_communicatable ? "white" : "#878787"
                    font.pixelSize: ptSize * 20
                }

                Text {
                    objectName: "modelText"
                    x: ptSize * 9
                    y: ptSize * 34
                    width: ptSize * 180
                    height: ptSize * 15
                    text: "MODEL : " + model.modelname
                    textFormat: Text.PlainText
                    color: row.f_selected ? "white" : "#878787"
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
                        source: transporticons[model.transporticon]
                    }
                }

                Text {
                    id: loginipaddr
                    objectName: "loginipaddr"
                    x: ptSize * 62
                    y: ptSize * 64
                    width: ptSize * 100
                    height: ptSize * 15
                    text: model.ipaddr
                    textFormat: Text.PlainText
                    color: row.f_selected ? "white" : "#878787"
                    font.pixelSize: ptSize * 12
                }

                Image {
                    id: logincurrentmediaicon
                    objectName: "logincurrentmediaicon"
                    x: loginipaddr.x
                    y: ptSize * 91
                    sourceSize.height: ptSize * 20
                    smooth: false
                    source: row.f_selected ? mediaiconsW[model.cmediaicon] : mediaiconsG[model.cmediaicon]
                }

                Text {
                    objectName: "mediaText"
                    x: loginipaddr.x + logincurrentmediaicon.width + ptSize * 6
                    y: ptSize * 91
                    width: ptSize * 80
                    height: ptSize * 15
                    text: model.cmedia
                    textFormat: Text.PlainText
                    color: row.f_selected ? "white" : "#878787"
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
                    color: "#4b4b4b"
                    visible: !admin_mode

                    TextField {
                        id: loginpasswd
                        objectName: "loginpasswd"
                        anchors.fill: parent
                        color: "black"
                        font.pixelSize: ptSize * 18
                        echoMode: TextInput.Password
                        passwordMaskDelay: 5000
                        visible: row.f_selected
                        text: model.ippass
                        background: Rectangle {
                            anchors.fill: parent
                            color: "#dcdcdc"
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
                    color: "#4b4b4b"
                    visible: admin_mode

                    TextField {
                        id: adminpasswd
                        objectName: "adminpasswd"
                        anchors.fill: parent
                        color: "black"
                        font.pixelSize: ptSize * 18
                        echoMode: TextInput.Password
                        passwordMaskDelay: 5000
                        visible: row.f_selected_admin
                        text: model.adminpass
                        background: Rectangle {
                            anchors.fill: parent
                            color: "#dcdcdc"
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
                    color: "#4b4b4b"
                    visible: !admin_mode

                    Button {
                        objectName: "rowLoginButton"
                        anchors.fill: parent
                        visible: row.f_selected
                        background: Rectangle {
                            objectName: "rowLoginButtonPlate"
                            anchors.fill: parent
                            radius: ptSize * 5
                            color: comm.loginState === 0 ? "#0ec0dd" : "#07606E"
                            border.color: "#0ec0dd"
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
                    color: "#4b4b4b"
                    visible: admin_mode

                    Button {
                        objectName: "saveButton"
                        anchors.fill: parent
                        visible: row.f_selected_admin
                        background: Rectangle {
                            anchors.fill: parent
                            radius: ptSize * 5
                            color: "#0ec0dd"

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
                    color: model.powerstate === 1 ? "#0ec0dd" : "#969696"
                    visible: admin_mode && model.count <= noreaction_limit

                    Text {
                        anchors.fill: parent
                        text: model.powerstate === 1 ? "ON" : "OFF"
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
                        onClicked: row.askPower(model.powerstate === 1 ? "turn off" : "turn on")
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
                    color: selected_index === model.index ? "#5a5a5a" : "#333e49"
                    visible: admin_mode && row.f_communicatable

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
                        onClicked: row.askPower("restart")
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
                    color: row.f_selected && row.f_communicatable ? "white" : "#878787"
                    font.pixelSize: ptSize * 13
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    visible: !admin_mode
                }

                Text {
                    objectName: "adminPasswordLabel"
                    x: login_adminpasswd.x
                    y: ptSize * 59
                    width: login_adminpasswd.width
                    height: ptSize * 15
                    text: "Admin Password"
                    textFormat: Text.PlainText
                    color: row.f_selected ? "white" : "#878787"
                    font.pixelSize: ptSize * 13
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    visible: admin_mode
                }
            }
        }
    }

    // ---- The admin-mode switch: slide the knob left to reach "Admin mode" ----

    Rectangle {
        id: grand_kirikae
        objectName: "grand_kirikae"
        x: 0
        y: loginback.y + loginback.height - ptSize * 76
        width: parent.width
        height: parent.height - y
        color: "#88000000"
        visible: !app_passwd.visible

        Rectangle {
            id: container
            objectName: "container"
            x: (parent.width - width) / 2
            y: ptSize * 12
            width: ptSize * 324
            height: shuttle.height
            color: "#00000000"
            visible: false

            Rectangle {
                id: modoru_groupe
                objectName: "modoru_groupe"
                anchors.fill: parent
                color: "#00000000"
                visible: admin_mode

                Button {
                    objectName: "loginScreenButton"
                    x: 3
                    y: x
                    width: parent.width - (x + 2)
                    height: parent.height - 2 * y
                    background: Rectangle {
                        anchors.fill: parent
                        color: "#878787"
                        radius: ptSize * 3
                        border.color: "black"
                        border.width: ptSize * 1
                    }
                    contentItem: Text {
                        text: "Login screen"
                        textFormat: Text.PlainText
                        color: "white"
                        font.pixelSize: ptSize * 18
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    onClicked: {
                        admin_mode = false
                        selected_index = -1
                    }
                }
            }

            Rectangle {
                id: nyokigroup
                objectName: "nyokigroup"
                anchors.fill: parent
                color: "#00000000"
                visible: !admin_mode

                Rectangle {
                    id: kazari
                    objectName: "kazari"
                    x: 3
                    y: x
                    width: parent.width - (x + 2)
                    height: parent.height - 2 * y
                    color: "#2f3e5b"
                    radius: 3
                    border.color: "black"
                    border.width: ptSize * 1

                    Button {
                        id: admin_button
                        objectName: "admin_button"
                        anchors.fill: parent
                        visible: shuttle.x < 2
                        background: Rectangle {
                            anchors.fill: parent
                            color: "#13337c"
                            radius: 3
                        }
                        contentItem: Text {
                            text: "Admin mode"
                            textFormat: Text.PlainText
                            color: "white"
                            font.pixelSize: ptSize * 18
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                        onClicked: app_passwd.visible = true
                    }
                }

                Image {
                    id: shuttle
                    objectName: "shuttle"
                    x: parent.width - shuttle.width
                    y: 0
                    sourceSize.width: ptSize * 80
                    smooth: false
                    source: admin_button.visible ? "Resource/login/icon_80x52_lock_on.svg"
                                                 : "Resource/login/icon_80x52_lock_off.svg"

                    MouseArea {
                        id: shuttle_drag
                        objectName: "shuttle_drag"
                        anchors.fill: parent
                        drag.target: shuttle
                        drag.axis: Drag.XAxis
                        drag.minimumX: 0
                        drag.maximumX: container.width - shuttle.width
                    }
                }
            }
        }
    }

    Connections {
        target: udpc
        function onInitCompleted() {
            container.visible = true
        }
    }

    // ---- The app password that guards admin mode ----

    Rectangle {
        id: app_passwd
        objectName: "app_passwd"
        anchors.fill: parent
        color: "#99000000"
        visible: false
        onVisibleChanged: resetShuttle()

        MouseArea {
            anchors.fill: parent
        }

        BackScreen {
            id: app_passwdback

            Rectangle {
                id: group_
                anchors.fill: parent
                color: "#00000000"

                // No app password yet: choose one, twice.
                Rectangle {
                    id: requirenewpasswd
                    objectName: "requirenewpasswd"
                    x: (parent.width - width) / 2
                    y: ptSize * 120
                    width: ptSize * 325
                    height: ptSize * 378
                    color: "#dbdbdb"
                    radius: ptSize * 10
                    border.color: "black"
                    border.width: ptSize * 3
                    visible: udpc.appPassword == ""

                    Text {
                        x: new_close.x
                        y: ptSize * 36
                        width: ptSize * 180
                        height: ptSize * 20
                        text: "Require App Password"
                        textFormat: Text.PlainText
                        color: "black"
                        font.pixelSize: ptSize * 18
                    }

                    LoginDialogField {
                        id: newpasswd1
                        objectName: "newpasswd1"
                        x: new_close.x
                        y: ptSize * 67
                    }

                    Text {
                        x: new_close.x
                        y: ptSize * 124
                        width: ptSize * 180
                        height: ptSize * 20
                        text: "Confirm"
                        textFormat: Text.PlainText
                        color: "black"
                        font.pixelSize: ptSize * 18
                    }

                    LoginDialogField {
                        id: newpasswd2
                        objectName: "newpasswd2"
                        x: new_close.x
                        y: ptSize * 155
                    }

                    LoginDialogButton {
                        objectName: "newEnter"
                        x: new_close.x
                        y: ptSize * 271 - height
                        label: "Enter"
                        onClicked: {
                            if (newpasswd2.text !== newpasswd1.text) {
                                popup1.popupReceived("Passwords mismatched")
                                return
                            }
                            if (newpasswd1.text === "" || newpasswd2.text === "") {
                                popup1.popupReceived("Please enter a password")
                                return
                            }
                            udpc.saveAppPass(newpasswd1.text)
                            udpc.appPassword = newpasswd1.text
                            admin_mode = true
                            app_passwd.visible = false
                        }
                    }

                    LoginDialogButton {
                        id: new_close
                        objectName: "new_close"
                        x: (parent.width - width) / 2
                        y: ptSize * 345 - height
                        label: "Close"
                        onClicked: app_passwd.visible = false
                    }
                }

                // The stored app password.
                Rectangle {
                    id: requireapppasswd
                    objectName: "requireapppasswd"
                    x: (parent.width - width) / 2
                    y: ptSize * 120
                    width: ptSize * 325
                    height: ptSize * 325
                    color: "#dbdbdb"
                    radius: ptSize * 10
                    border.color: "black"
                    border.width: ptSize * 3
                    visible: !requirenewpasswd.visible

                    Text {
                        x: app_close.x
                        y: ptSize * 36
                        width: ptSize * 180
                        height: ptSize * 20
                        text: "Require App Password"
                        textFormat: Text.PlainText
                        color: "black"
                        font.pixelSize: ptSize * 18
                    }

                    LoginDialogField {
                        id: apppasswd1
                        objectName: "apppasswd1"
                        x: app_close.x
                        y: ptSize * 67
                    }

                    LoginDialogButton {
                        objectName: "appEnter"
                        x: app_close.x
                        y: ptSize * 169 - height
                        label: "Enter"
                        onClicked: {
                            if (udpc.appPassword !== apppasswd1.text) {
                                popup1.popupReceived("Passwords mismatched")
                                return
                            }
                            apppasswd1.text = ""
                            admin_mode = true
                            app_passwd.visible = false
                        }
                    }

                    LoginDialogButton {
                        id: app_close
                        objectName: "app_close"
                        x: (parent.width - width) / 2
                        y: ptSize * 299 - height
                        label: "Close"
                        onClicked: app_passwd.visible = false
                    }
                }
            }
        }
    }

    // ---- Confirmation of a power command ----

    Rectangle {
        id: confirmPowerControl
        objectName: "confirmPowerControl"
        anchors.fill: parent
        color: "#80121212"
        visible: f_visibleCPC

        MouseArea {
            anchors.fill: parent
        }

        Rectangle {
            x: (parent.width - width) / 2
            y: ptSize * 120
            width: ptSize * 325
            height: ptSize * 325
            color: "#dbdbdb"
            radius: ptSize * 10
            border.color: "black"
            border.width: ptSize * 3

            MouseArea {
                anchors.fill: parent
            }

            Text {
                objectName: "cpcNicknameText"
                x: (parent.width - width) / 2
                y: ptSize * 35
                width: ptSize * 300
                height: ptSize * 35
                text: cpcNickname
                textFormat: Text.PlainText
                color: "black"
                font.pixelSize: ptSize * 24
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }

            Text {
                objectName: "cpcQuestion"
                x: (parent.width - width) / 2
                y: ptSize * 100
                width: ptSize * 240
                height: ptSize * 35
                text: "OK to " + cpcAction + "?"
                textFormat: Text.PlainText
                color: "black"
                font.pixelSize: ptSize * 20
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }

            LoginDialogButton {
                objectName: "cpcOk"
                x: (parent.width - width) / 2
                y: ptSize * 190
                label: "OK"
                onClicked: {
                    // The list may have been published anew while the dialog was open.
                    var machine = listedMachine(cpcIndex)
                    if (machine) {
                        markUnknown(machine)
                        if (cpcAction === "restart")
                            udpc.restartMachine(machine.macaddr)
                        else if (cpcAction === "turn off")
                            udpc.turnOffMachine(machine.macaddr)
                        else if (cpcAction === "turn on")
                            udpc.turnOnMachine(machine.macaddr)
                    }
                    f_visibleCPC = false
                }
            }

            LoginDialogButton {
                objectName: "cpcCancel"
                x: (parent.width - width) / 2
                y: ptSize * 260
                label: "Cancel"
                onClicked: f_visibleCPC = false
            }
        }
    }

    // ---- "Connecting..." while the control link logs in ----

    Rectangle {
        id: loginConnectingOverlay
        objectName: "loginConnectingOverlay"
        anchors.fill: parent
        color: "#aa000000"
        visible: comm.loginState !== 0

        Text {
            x: 0
            y: loginnew.y + ptSize * 133
            width: parent.width
            height: ptSize * 77
            text: "Connecting..."
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: ptSize * 30
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        MouseArea {
            anchors.fill: parent
        }
    }

    // ---- "Connecting..." while a power command or the check before a login runs ----

    Rectangle {
        id: telnetConnectingOverlay
        objectName: "telnetConnectingOverlay"
        anchors.fill: parent
        color: "#aa000000"
        visible: udpc.telnetPhase !== 0 ? true : udpc.telnetConnecting < 2
        onVisibleChanged: {
            if (visible)
                udpc.refreshList()
        }

        Text {
            x: 0
            y: loginnew.y + ptSize * 133
            width: parent.width
            height: ptSize * 77
            text: "Connecting..."
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: ptSize * 30
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        MouseArea {
            anchors.fill: parent
        }
    }

    // ---- The page's own banner: the dialogs' messages and those of udpc ----

    PopupMessage {
        id: popup1
        objectName: "popup1"
        y: ptSize * 10
        anchors.horizontalCenter: parent.horizontalCenter

        signal popupReceived(string arg)
        onPopupReceived: popup1.show(arg)
    }

    Connections {
        target: udpc
        function onPopupMessage(arg) {
            popup1.show(arg)
        }
    }
}
