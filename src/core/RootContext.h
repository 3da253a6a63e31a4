#pragma once

class QQmlContext;

// The QML engine's root context. Start-up sets it before any backend object
// exists, because some constructors publish their list models through it.
extern QQmlContext *rootContext;
