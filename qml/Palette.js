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

// The MENU page.
// The thin line above each row of the menu.
var menuLine = "#5A5A5A"
// The dark field of a value: a list at rest, a read-only plate, a range's button.
var menuField = "#282828"
// Behind a row's name while its list has the focus.
var menuFocus = "#B0C2ED"
// Entries of an open list of options.
var menuEntry = "#8C8C8C"
var menuEntryHighlighted = "#B4B4B4"
