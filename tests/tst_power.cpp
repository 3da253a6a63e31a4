#include "TestMain.h"

#include <QtTest>

class TestPower : public QObject
{
    Q_OBJECT
};

HB740_TEST_MAIN(TestPower)
#include "tst_power.moc"
