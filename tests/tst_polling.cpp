#include "TestMain.h"

#include <QtTest>

class TestPolling : public QObject
{
    Q_OBJECT
};

HB740_TEST_MAIN(TestPolling)
#include "tst_polling.moc"
