#pragma once

#include "Backend.h"

#include <QObject>
#include <cstdint>

// The world of one fuzz input: a fresh set of backend objects wired as at
// start-up, what the window does by itself (it draws the menu whenever a
// download completes and restarts the editing pages when the right
// arrives), and the operator's actions that start requests of their own.
// Nothing outlives it, so no input sees what an earlier one left behind.
class FuzzSession
{
public:
    FuzzSession();
    FuzzSession(const FuzzSession &) = delete;
    FuzzSession &operator=(const FuzzSession &) = delete;

    // Runs operator action `operation` (taken modulo their number) with
    // `argument` picking its row, value or variant.
    void run(std::uint8_t operation, std::uint8_t argument);

    // What the menu screen does with a completed tree: a row for every
    // node it shows, each choice showing no option until its value comes.
    void drawMenu();
    // The operator's answer to the phantom-power confirmation, when one waits.
    void answerPhantom(bool ok);

    Backend backend;

private:
    void drawRows();

    // Owns the menu rows; the menu holds them only by guarded pointers.
    QObject rows;
    // A completion inside a drawing (a value request lets replies in) draws
    // again once that drawing is over.
    bool drawing = false;
    bool drawAgain = false;
    // The edit the confirmation holds back.
    struct
    {
        int page = 0;
        int item = 0;
        int subitem = 0;
        int value = 0;
        bool waiting = false;
    } held;
};
