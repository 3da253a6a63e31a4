#include "TestMain.h"

#include <QtTest>

class TestDiscovery : public QObject
{
    Q_OBJECT
};

HB740_TEST_MAIN(TestDiscovery)
#include "tst_discovery.moc"
