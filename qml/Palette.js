.pragma library

// The colours the login page and the windows use in many places.

// Behind and around the pages.
var pageBack = "black"
// A layer that shows only what it holds.
var transparent = "#00000000"
// Text of a row that is not selected or a machine that does not answer.
var dimText = "#878787"
// The grey box behind a row's password field and button.
var box = "#4b4b4b"
// The row's password fields.
var field = "#dcdcdc"
// Buttons that act: Login, Save, a machine that is on.
var accent = "#0ec0dd"
// The boxes of the login page's dialogs.
var dialogBox = "#dbdbdb"
// The shade of "Searching..." and "Connecting...".
var busyShade = "#aa000000"
// The labels of the manual login page.
var label = "#A0A0A0"
