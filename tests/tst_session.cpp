#include "TestMain.h"

#include <QtTest>

class TestSession : public QObject
{
    Q_OBJECT
};

HB740_TEST_MAIN(TestSession)
#include "tst_session.moc"
