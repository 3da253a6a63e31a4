.pragma library

// The message the windows show for a pop-up code of the recorder.
function popupText(code) {
    if (code === 1)
        return "Change of settings not currently permitted."
    if (code === 2 || code === 3)
        return "Warning Detected. See Unit for details."
    if (code === 100)
        return "Invalid password."
    if (code === 200)
        return "Unable to complete this action."
    return "Unknown"
}
