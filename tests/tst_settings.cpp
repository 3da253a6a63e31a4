#include "DataSettings.h"
#include "TestMain.h"
#include "Version.h"

#include <QSettings>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void storeLivesInTheTestFolder()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "QUOVAL", "HB740Control");
        QVERIFY2(store.fileName().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))),
                 qPrintable(store.fileName()));
    }

    void missingKeyReadsEmpty()
    {
        DataSettings settings;
        const QString value = settings.loadSettingString("Login", "Address");
        QVERIFY(!value.isNull());
        QCOMPARE(value, QString(""));
    }

    void valuesSurviveANewStoreObject_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("address") << "Login" << "Address" << "192.168.0.20";
        QTest::newRow("password") << "Login" << "ps" << "secret";
        QTest::newRow("non-ASCII password") << "Login" << "ps" << QString::fromUtf8("pässwört録");
        QTest::newRow("per-MAC password") << "IPPass" << "00:11:22:33:44:55" << "one";
        QTest::newRow("application password") << "AppPass" << "AppPass" << "app";
    }
    void valuesSurviveANewStoreObject()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QString, value);
        DataSettings(nullptr).saveSetting(group, key, value);
        DataSettings reader;
        QCOMPARE(reader.loadSettingString(group, key), value);
    }

    void storedAsUtf8Text()
    {
        DataSettings().saveSetting("Login", "ps", QString::fromUtf8("ä録"));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "QUOVAL", "HB740Control");
        QFile file(store.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("ps=\xc3\xa4\xe9\x8c\xb2"));
    }

    void groupsAndKeysAreIndependent()
    {
        DataSettings settings;
        settings.saveSetting("Login", "Address", "10.0.0.1");
        settings.saveSetting("Login", "ps", "login");
        settings.saveSetting("IPPass", "AA:AA", "first");
        settings.saveSetting("IPPass", "BB:BB", "second");
        settings.saveSetting("IPPass", "AA:AA", "changed");
        QCOMPARE(settings.loadSettingString("IPPass", "BB:BB"), QString("second"));
        QCOMPARE(settings.loadSettingString("IPPass", "AA:AA"), QString("changed"));
        QCOMPARE(settings.loadSettingString("AdminPass", "AA:AA"), QString(""));
        QCOMPARE(settings.loadSettingString("Login", "Address"), QString("10.0.0.1"));
        QCOMPARE(settings.loadSettingString("Login", "ps"), QString("login"));
    }

    void version()
    {
        Version version;
        QCOMPARE(version.getVersion(), QString("2.0.0"));
        QString viaMetaObject;
        QVERIFY(QMetaObject::invokeMethod(&version, "getVersion", Q_RETURN_ARG(QString, viaMetaObject)));
        QCOMPARE(viaMetaObject, QString("2.0.0"));
    }
};

HB740_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
