#pragma once

#include <QUrl>
#include <functional>

class QQmlApplicationEngine;

// The whole run of the program: the application, the engine, the backend
// objects and the window document, until the window is closed. Returns the
// event loop's result, or 1 when the window document cannot be loaded.
// `started` runs once the window is loaded, before the event loop.
int runApplication(int &argc, char **argv, const QUrl &window,
                   const std::function<void(QQmlApplicationEngine &)> &started = {});
