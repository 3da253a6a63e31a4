import QtQuick 2.8
import QtQuick.Controls 2.1

// A wheel of two-digit numbers; a wheel of 100 counts from 1.
Tumbler {
    id: tumbler
    width: ptSize * 52
    height: ptSize * 160

    function formatText(count, modelData) {
        const v = count === 100 ? modelData + 1 : modelData
        const text = String(v)
        if (text.length < 2)
            return "0" + text
        if (text.length === 3)
            return text + " "
        return text
    }

    delegate: Text {
        text: formatText(Tumbler.tumbler.count, modelData)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
        font.pixelSize: ptSize * 20
        opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
    }
}
