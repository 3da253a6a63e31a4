#include "TestMain.h"

#include <QtTest>

class TestMark : public QObject
{
    Q_OBJECT
};

HB740_TEST_MAIN(TestMark)
#include "tst_mark.moc"
