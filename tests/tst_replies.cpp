#include "TestMain.h"

#include <QtTest>

class TestReplies : public QObject
{
    Q_OBJECT
};

HB740_TEST_MAIN(TestReplies)
#include "tst_replies.moc"
