#include "RootContext.h"

QQmlContext *rootContext = nullptr;
