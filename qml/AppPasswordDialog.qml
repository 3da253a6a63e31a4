import QtQuick 2.8

// The application password that guards admin mode: chosen twice when none is
// stored yet, otherwise typed once. Hidden at start; shown by "Admin mode".
Rectangle {
    id: appPasswordDialog
    objectName: "app_passwd"
    color: "#99000000"
    visible: false

    // A complaint about what was typed, for the page's banner.
    signal message(string text)
    // The password was set or entered: admin mode begins.
    signal granted()

    MouseArea {
        anchors.fill: parent
    }

    BackScreen {
        id: app_passwdback

        // No app password yet: choose one, twice.
        LoginDialogBox {
            id: requirenewpasswd
            objectName: "requirenewpasswd"
            height: ptSize * 378
            visible: udpc.appPassword == ""

            LoginDialogLabel {
                x: new_close.x
                y: ptSize * 36
                text: "Require App Password"
            }

            LoginDialogField {
                id: newpasswd1
                objectName: "newpasswd1"
                x: new_close.x
                y: ptSize * 67
            }

            LoginDialogLabel {
                x: new_close.x
                y: ptSize * 124
                text: "Confirm"
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
                        appPasswordDialog.message("Passwords mismatched")
                        return
                    }
                    if (newpasswd1.text === "" || newpasswd2.text === "") {
                        appPasswordDialog.message("Please enter a password")
                        return
                    }
                    udpc.saveAppPass(newpasswd1.text)
                    udpc.appPassword = newpasswd1.text
                    appPasswordDialog.granted()
                    appPasswordDialog.visible = false
                }
            }

            LoginDialogButton {
                id: new_close
                objectName: "new_close"
                x: (parent.width - width) / 2
                y: ptSize * 345 - height
                label: "Close"
                onClicked: appPasswordDialog.visible = false
            }
        }

        // The stored app password.
        LoginDialogBox {
            id: requireapppasswd
            objectName: "requireapppasswd"
            visible: !requirenewpasswd.visible

            LoginDialogLabel {
                x: app_close.x
                y: ptSize * 36
                text: "Require App Password"
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
                        appPasswordDialog.message("Passwords mismatched")
                        return
                    }
                    apppasswd1.text = ""
                    appPasswordDialog.granted()
                    appPasswordDialog.visible = false
                }
            }

            LoginDialogButton {
                id: app_close
                objectName: "app_close"
                x: (parent.width - width) / 2
                y: ptSize * 299 - height
                label: "Close"
                onClicked: appPasswordDialog.visible = false
            }
        }
    }
}
