#pragma once

#include <QQmlIncubationController>

// Holds back what a window makes after its first frame (set on the engine
// before the window is loaded), so that a test acts before it is there.
class HeldIncubation : public QQmlIncubationController
{
};
