import QtQuick 2.8
import "Palette.js" as Palette

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
        // Made before it shows, so that showing it publishes the list.
        if (click_times + 1 === click_limit)
            loginold.ready()
        click_times = click_times + 1
        if (click_times >= click_limit * 2)
            click_times = 0
    }

    // The admin switch's knob back at the right end of its track.
    function resetShuttle() {
        adminSwitch.resetKnob()
    }

    // The listed machine at a row of the list as last published, or null when
    // the list holds no such row (a machine found since the last publication).
    function listedMachine(row) {
        var machines = loginnew.machines
        if (!machines || row < 0 || row >= machines.length)
            return null
        return machines[row]
    }

    // A listed machine shows as not answering at once.
    function markUnknown(machine) {
        machine.count = machine.count + unkownPower_value
    }

    // A row's ON/OFF or Restart: the confirmation asks first.
    function askPower(action, nickname, row) {
        confirmPowerControl.ready()
        f_visibleCPC = true
        cpcAction = action
        cpcNickname = nickname
        cpcIndex = row
    }

    // OK in the confirmation. The list may have been published anew while
    // it was open: a machine no longer listed gets nothing.
    function runPowerCommand() {
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
        color: Palette.transparent

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

        LoginMachineList {
            id: loginnew
            x: 0
            y: ptSize * 80
            width: appWidth
            height: ptSize * 636
            visible: click_times < click_limit
            searching: !udpc.showRefresh && !loginConnectingOverlay.visible && !telnetConnectingOverlay.visible
            onDeselected: selected_index = -1
            rowDelegate: Component {
                LoginMachineRow {
                    width: ListView.view.width
                    machine: modelData
                    isSelected: selected_index === index
                    adminMode: admin_mode
                    noreactionLimit: noreaction_limit
                    powerIcons: powericons
                    transportIcons: transporticons
                    mediaIconsG: mediaiconsG
                    mediaIconsW: mediaiconsW
                    onPicked: selected_index = index
                    onLoginStarted: selected_index = -1
                    onPowerAsked: askPower(action, machine.nickname, index)
                }
            }
        }

        // ---- Login to a typed address ----

        LaterLoader {
            id: loginold
            x: 0
            y: ptSize * 80
            width: appWidth
            height: ptSize * 636
            visible: !(click_times < click_limit)
            sourceComponent: Component {
                LoginManualPage {}
            }
        }
    }

    // ---- The admin-mode switch ----

    LoginAdminSwitch {
        id: adminSwitch
        x: 0
        y: loginback.y + loginback.height - ptSize * 76
        width: parent.width
        height: parent.height - y
        visible: !(app_passwd.item && app_passwd.item.visible)
        adminMode: admin_mode
        onAdminModeClicked: app_passwd.ready().visible = true
        onLoginScreenClicked: {
            admin_mode = false
            selected_index = -1
        }
    }

    // ---- The app password that guards admin mode ----

    LaterLoader {
        id: app_passwd
        anchors.fill: parent
        sourceComponent: Component {
            AppPasswordDialog {
                onVisibleChanged: resetShuttle()
                onMessage: popup1.popupReceived(text)
                onGranted: admin_mode = true
            }
        }
    }

    // ---- Confirmation of a power command ----

    LaterLoader {
        id: confirmPowerControl
        anchors.fill: parent
        visible: f_visibleCPC
        sourceComponent: Component {
            PowerConfirmation {
                nickname: cpcNickname
                action: cpcAction
                onConfirmed: runPowerCommand()
                onCancelled: f_visibleCPC = false
            }
        }
    }

    // ---- "Connecting..." while the control link logs in ----

    BusyOverlay {
        id: loginConnectingOverlay
        objectName: "loginConnectingOverlay"
        text: "Connecting..."
        textY: loginnew.y + ptSize * 133
        visible: comm.loginState !== 0
    }

    // ---- "Connecting..." while a power command or the check before a login runs ----

    BusyOverlay {
        id: telnetConnectingOverlay
        objectName: "telnetConnectingOverlay"
        text: "Connecting..."
        textY: loginnew.y + ptSize * 133
        visible: udpc.telnetPhase !== 0 ? true : udpc.telnetConnecting < 2
        onVisibleChanged: {
            if (visible)
                udpc.refreshList()
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

    // ---- What discovery asks of the listed machines ----

    Connections {
        target: udpc
        function onChangeToUnknownPowerState(arg_index) {
            // A machine found after the last publication has no row yet; the
            // next publication shows its state.
            var machine = listedMachine(arg_index)
            if (machine)
                markUnknown(machine)
        }
        function onLoginRequest(arg_ipaddr, arg_ippass) {
            comm.loginRequest(arg_ipaddr, arg_ippass)
        }
    }
}
