#include "FakeMedia.h"
#include "HomeWindow.h"
#include "TestMain.h"

#include <QtTest>
#include <functional>

// The BROWSE page in the logged-in window, with the editing right granted
// and the example media played by the scripted recorder.
class TestBrowsePage : public QObject
{
    Q_OBJECT

    std::unique_ptr<HomeWindow> home;
    FakeMedia media = FakeMedia::example();
    // Listing requests held back while set, to look at the page mid-listing.
    bool holdListing = false;
    QList<QByteArray> held;

    HomeWindow &h() { return *home; }
    // What the page sent: the recorder's commands without the polls and the
    // editing right's own repeated request.
    QByteArray commands()
    {
        QByteArray kept;
        for (const QByteArray &line : h().commands().split('\n'))
            if (!line.trimmed().isEmpty() && line.trimmed() != "07F6A7E11")
                kept += line.trimmed() + "\r\n";
        return kept;
    }
    Browse &browse() { return h().window.backend().browse; }

    // An item of the pop-up a loader shows now (a closed pop-up's items may
    // linger until deleted), else of the window.
    QQuickItem *live(const char *name)
    {
        for (const char *loader : {"browseMenuLoader", "browseInputWindowLoader", "browseFolderBrowseLoader"}) {
            auto *shown = h().window.find(loader)->property("item").value<QQuickItem *>();
            if (!shown)
                continue;
            if (shown->objectName() == QLatin1String(name))
                return shown;
            if (auto *found = shown->findChild<QQuickItem *>(QLatin1String(name)))
                return found;
        }
        return h().item(name);
    }
    QQuickItem *page() { return live("browseScreen"); }
    QQuickItem *under(QQuickItem *parent, const char *name)
    {
        auto *found = parent ? parent->findChild<QQuickItem *>(QLatin1String(name)) : nullptr;
        if (!found)
            qWarning("no item %s", name);
        return found;
    }
    QQuickItem *pageList() { return live("browsePageList"); }
    QQuickItem *chooser()
    {
        return h().window.find("browseFolderBrowseLoader")->property("item").value<QQuickItem *>();
    }

    // The rows a list shows, top to bottom.
    QList<QQuickItem *> rowsOf(QQuickItem *list)
    {
        QList<QQuickItem *> rows;
        auto *view = qobject_cast<QQuickItem *>(under(list, "browseListView"));
        const auto content = view->property("contentItem").value<QQuickItem *>();
        for (QQuickItem *child : content->childItems())
            if (child->objectName() == QLatin1String("browseRow") && child->isVisible())
                rows.append(child);
        std::sort(rows.begin(), rows.end(), [](QQuickItem *a, QQuickItem *b) { return a->y() < b->y(); });
        return rows;
    }
    QStringList namesOf(QQuickItem *list)
    {
        QStringList names;
        for (QQuickItem *row : rowsOf(list))
            names.append(textOf(under(row, "rowName")));
        return names;
    }
    // Lets the window lay out and draw a frame: a list places its rows then.
    void drawn()
    {
        QSignalSpy swapped(h().window.window(), &QQuickWindow::frameSwapped);
        h().window.window()->update();
        swapped.wait(500);
    }
    void shot(const QString &name)
    {
        drawn();
        h().window.screenshot(name);
    }
    QQuickItem *rowNamed(QQuickItem *list, const QString &name)
    {
        drawn();
        for (QQuickItem *row : rowsOf(list))
            if (textOf(under(row, "rowName")) == name)
                return row;
        qWarning("no row %s", qPrintable(name));
        return nullptr;
    }
    QString titleOf(QQuickItem *list) { return textOf(under(list, "folderName")); }

    // Waits until the listing settled with these rows.
    bool listed(QQuickItem *list, const QStringList &names)
    {
        return QTest::qWaitFor([&] { return !browse().isListing() && namesOf(list) == names; }, 3000);
    }

    bool active(const char *loader) { return live(loader)->property("active").toBool(); }
    // An image button: lit and taking clicks.
    bool lit(const char *name)
    {
        QQuickItem *button = live(name);
        return button->isVisible() && button->opacity() == 1.0
               && under(button, QByteArray(name) + "Area")->isEnabled();
    }
    bool menuButtonOn(const char *name)
    {
        QQuickItem *button = live(name);
        return button->isEnabled() && button->opacity() == 1.0;
    }

    void openFileMenu(const QString &name)
    {
        h().window.click(rowNamed(pageList(), name));
        QVERIFY(QTest::qWaitFor([&] { return active("browseMenuLoader"); }, 2000));
    }
    void openFolderMenu(const QString &name)
    {
        h().window.click(under(rowNamed(pageList(), name), "rowMenu"));
        QVERIFY(QTest::qWaitFor([&] { return active("browseMenuLoader"); }, 2000));
    }
    void closeAll()
    {
        for (const char *loader : {"browseMenuLoader", "browseInputWindowLoader", "browseFolderBrowseLoader"})
            live(loader)->setProperty("active", false);
        live("deleteCheck")->setVisible(false);
    }

    // Back to the start: stopped, SD1, ALL, CONTINUE, not read-only, the
    // recorder's current folder "Concert" listed.
    void settle()
    {
        closeAll();
        media.operationResult = "11";
        // Renames and deletions changed the tree.
        media.media = FakeMedia::example().media;
        QVERIFY(h().feed({"D010", "FF0100", "FF07CF00", "CE00", "FF6AFD00"}));
        browse().openFolder(1);
        QVERIFY(listed(pageList(), {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}));
        h().sent();
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<HomeWindow>();
        h().recorder.setReply("07F6A7E11", {"0FF6AFE11"});
        QVERIFY(h().start());
        media.attach(h().recorder);
        const auto previous = h().recorder.responder;
        h().recorder.responder = [this, previous](const QByteArray &line) {
            if (holdListing && line.startsWith("07F6B11")) {
                held.append(line);
                return QList<QByteArray>();
            }
            return previous(line);
        };
        QVERIFY(h().feed({"D010", "FF0100", "FF07CF00", "CE00", "FF6AFD00"}));
        h().window.click(live("tabBrowse"));
        QVERIFY(QTest::qWaitFor([&] { return page()->isVisible(); }, 3000));
        QVERIFY(listed(pageList(), {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}));
    }

    void init() { settle(); }
    void cleanupTestCase() { home.reset(); }

    void cleanup() { QVERIFY2(h().window.warnings().isEmpty(), qPrintable(h().window.warnings().join('\n'))); }

    // The recorder's current folder at first; into a sub-folder and out to
    // the root, and back to the current folder; each step's exact requests.
    void navigation()
    {
        QCOMPARE(titleOf(pageList()), QString("Concert"));
        QVERIFY(under(pageList(), "currentBadge")->isVisible());
        QCOMPARE(fileOf(under(rowNamed(pageList(), "Aria.wav"), "rowIcon")), QString("icon_52x44_FileCheck.svg"));
        QCOMPARE(fileOf(under(rowNamed(pageList(), "Finale.wav"), "rowIcon")), QString("icon_52x44_File.svg"));
        QVERIFY(under(rowNamed(pageList(), "Encore"), "rowMenu")->isVisible());
        shot("browse-listing");

        struct Row
        {
            const char *name;
            std::function<void()> act;
            QByteArray requests;
            QString title;
            QStringList rows;
            bool current;
            QString up;
        };
        const QList<Row> rows = {
            {"into Encore", [&] { h().window.click(rowNamed(pageList(), "Encore")); },
             "07F6B00\r\n07F6B05\r\n07F6B11000300\r\n07F6B10000300\r\n07F6B20000300\r\n07F6B21000100\r\n",
             "Encore", {"Encore.wav"}, false, "icon_44x44_up-B.svg"},
            {"up to Concert", [&] { h().window.click(under(pageList(), "upButton")); },
             "07F6B0200\\Concert\r\n07F6B00\r\n07F6B05\r\n07F6B11000100\r\n07F6B10000100\r\n07F6B11000300\r\n"
             "07F6B20000100\r\n07F6B21000100\r\n07F6B21000200\r\n07F6B21000300\r\n",
             "Concert", {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}, true, "icon_44x44_up-B.svg"},
            {"up to the root", [&] { h().window.click(under(pageList(), "upButton")); },
             "07F6B0200\\\r\n07F6B00\r\n07F6B05\r\n07F6B11000000\r\n07F6B10000000\r\n07F6B11000100\r\n"
             "07F6B11000200\r\n07F6B20000000\r\n07F6B21000100\r\n07F6B21000200\r\n",
             "ROOT", {"Concert", "Rehearsal", "TAKE_001.wav", "TAKE_002.mp3"}, false, "icon_44x44_up-G.svg"},
            // At the root the up button does not react.
            {"up at the root", [&] { h().window.click(under(pageList(), "upIcon")); }, "", "ROOT",
             {"Concert", "Rehearsal", "TAKE_001.wav", "TAKE_002.mp3"}, false, "icon_44x44_up-G.svg"},
            {"into the empty Rehearsal", [&] { h().window.click(rowNamed(pageList(), "Rehearsal")); },
             "07F6B00\r\n07F6B05\r\n07F6B11000200\r\n07F6B10000200\r\n07F6B20000200\r\n", "Rehearsal", {}, false,
             "icon_44x44_up-B.svg"},
            {"back to the current folder", [&] { h().window.click(live("footerGotoCurrent")); },
             "07F6B00\r\n07F6B05\r\n07F6B11000100\r\n07F6B10000100\r\n07F6B11000300\r\n07F6B20000100\r\n"
             "07F6B21000100\r\n07F6B21000200\r\n07F6B21000300\r\n",
             "Concert", {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}, true, "icon_44x44_up-B.svg"},
        };
        for (const Row &row : rows) {
            row.act();
            QVERIFY2(listed(pageList(), row.rows), row.name);
            QVERIFY2(commands() == row.requests, row.name);
            QVERIFY2(titleOf(pageList()) == row.title, row.name);
            QVERIFY2(under(pageList(), "currentBadge")->isVisible() == row.current, row.name);
            QVERIFY2(fileOf(under(pageList(), "upIcon")) == row.up, row.name);
            // The set-to-current button shows exactly off the current folder.
            QVERIFY2(live("setToCurrent")->isVisible() == !row.current, row.name);
            if (row.title == "ROOT")
                QCOMPARE(fileOf(under(rowNamed(pageList(), "Concert"), "rowIcon")),
                         QString("icon_52x44_CurrentFolder.svg"));
        }
    }

    // The scroll bar shows only when the rows are taller than the view; the
    // list's end leaves room for the footer drawn over it.
    void scrollBar()
    {
        QVERIFY(!under(pageList(), "browseScrollBar")->isVisible());
        QStringList names;
        for (int n = 1; n <= 20; ++n) {
            media.media["00"].folders[2].files.append({QString("Take %1.wav").arg(n), QString()});
            names.append(QString("Take %1.wav").arg(n));
        }
        browse().openFolder(2);
        QVERIFY(QTest::qWaitFor([&] { return !browse().isListing(); }, 3000));
        drawn();
        QVERIFY(under(pageList(), "browseScrollBar")->isVisible());
        auto *view = under(pageList(), "browseListView");
        // The footer item's height is whole pixels.
        QVERIFY(qAbs(view->property("contentHeight").toReal() - (20 * 44 * h().pt() + live("browseFooter")->height()))
                < 1.0);
        shot("browse-long-list");
    }

    // Each operation through its menu, input or confirmation, to the exact
    // bytes on the wire; the recorder's success lists the folder again.
    void operations()
    {
        struct Row
        {
            const char *name;
            std::function<void()> act;
            QByteArray command;
        };
        const auto typeAndOk = [&](const QString &text) {
            QVERIFY(QTest::qWaitFor([&] { return live("browseInputWindow"); }, 2000));
            live("inputField")->setProperty("text", text);
            h().window.click(live("inputOk"));
        };
        const QList<Row> rows = {
            {"select",
             [&] {
                 openFileMenu("Overture.wav");
                 h().window.click(live("fileMenuSelect"));
             },
             "07F6B22000100\r\n07F6B270100\r\n"},
            {"rename a file, keeping its extension",
             [&] {
                 openFileMenu("Aria.wav");
                 h().window.click(live("fileMenuRename"));
                 QCOMPARE(textOf(live("inputField")), QString("Aria.wav"));
                 typeAndOk("Song.mp3");
             },
             "07F6B22000200\r\n07F6B23000200Song.wav\r\n"},
            {"delete a file",
             [&] {
                 openFileMenu("Finale.wav");
                 h().window.click(live("fileMenuDelete"));
                 QCOMPARE(textOf(live("dialogText")), QString("Delete selected file?\nFinale.wav"));
                 h().window.click(live("deleteOk"));
             },
             "07F6B22000300\r\n07F6B24000300\r\n"},
            {"rename a folder",
             [&] {
                 openFolderMenu("Encore");
                 h().window.click(live("folderMenuRename"));
                 typeAndOk("Bis");
             },
             "07F6B13000300Bis\r\n"},
            {"delete a folder",
             [&] {
                 openFolderMenu("Encore");
                 h().window.click(live("folderMenuDelete"));
                 QCOMPARE(textOf(live("dialogText")), QString("Delete selected folder?\nEncore"));
                 h().window.click(live("deleteOk"));
             },
             "07F6B14000300\r\n"},
            {"new folder",
             [&] {
                 h().window.click(live("footerCreateFolder"));
                 typeAndOk("Take:s");
             },
             "07F6B15000100Takes\r\n"},
            {"sort by time", [&] { h().window.click(live("footerSortTime")); }, "07F6B03000100\r\n"},
            {"sort by name", [&] { h().window.click(live("footerSortName")); }, "07F6B03010100\r\n"},
            {"undo", [&] { h().window.click(live("footerUndo")); }, "07F6B25\r\n"},
        };
        for (const Row &row : rows) {
            settle();
            row.act();
            // The re-listing follows the operation's success.
            QVERIFY2(QTest::qWaitFor([&] { return !browse().isListing() && !rowsOf(pageList()).isEmpty(); }, 3000),
                     row.name);
            const QByteArray sent = commands();
            QVERIFY2(sent.startsWith(row.command), sent.constData());
            const bool relists = QByteArray(row.name) != "select";
            QVERIFY2(sent.contains("07F6B11000100\r\n") == relists, row.name);
            QVERIFY2(!active("browseMenuLoader") && !active("browseInputWindowLoader"), row.name);
            QVERIFY2(!live("deleteCheck")->isVisible(), row.name);
        }
        // Cancel and a click beside the input's panel send nothing.
        settle();
        h().window.click(live("footerCreateFolder"));
        QVERIFY(!live("inputOk")->isVisible());
        shot("browse-input");
        h().window.click(live("browseInputWindow"), QPointF(10, 10));
        QVERIFY(!active("browseInputWindowLoader"));
        openFileMenu("Aria.wav");
        h().window.click(live("fileMenuDelete"));
        shot("browse-confirmation");
        h().window.click(live("deleteCancel"));
        QVERIFY(!live("deleteCheck")->isVisible());
        QCOMPARE(commands(), QByteArray("07F6B22000200\r\n"));
    }

    // The file menu shows the information as soon as it arrives; a click
    // on its panel does nothing, a click beside it closes it.
    void fileMenu()
    {
        openFileMenu("Overture.wav");
        QVERIFY(QTest::qWaitFor([&] { return textOf(live("fileInfo")) == "96kHz\n24bit"; }, 2000));
        QCOMPARE(textOf(live("fileMenuName")), QString("Overture.wav"));
        shot("browse-file-menu");
        h().window.click(live("fileMenuPanel"), QPointF(150, 100));
        QVERIFY(active("browseMenuLoader"));
        h().window.click(live("fileMenuCover"), QPointF(10, 10));
        QVERIFY(!active("browseMenuLoader"));
        openFolderMenu("Encore");
        QCOMPARE(textOf(live("folderMenuName")), QString("Encore"));
        shot("browse-folder-menu");
        h().window.click(live("folderMenuClose"));
        QVERIFY(!active("browseMenuLoader"));
        QCOMPARE(commands(), QByteArray("07F6B22000100\r\n"));
    }

    // Copy: the chooser lists folders only; paste builds the recorder paths.
    void copy()
    {
        struct Row
        {
            const char *name;
            QByteArray mediumLine;
            std::function<void()> navigate;
            QByteArray command;
        };
        const QList<Row> rows = {
            {"to the root", "FF0100", [&] { h().window.click(under(chooser(), "upButton")); },
             "07F6B0400A:\\Concert\\Overture.wav\r\n07F6B0415A:\\Overture.wav\r\n"},
            {"into a sub-folder", "FF0100", [&] { h().window.click(rowNamed(live("chooserList"), "Encore")); },
             "07F6B0400A:\\Concert\\Overture.wav\r\n07F6B0415A:\\Concert\\Encore\\Overture.wav\r\n"},
            // A copy onto itself is refused: it would lose the file.
            {"onto itself", "FF0100", [] {}, ""},
        };
        for (const Row &row : rows) {
            settle();
            openFileMenu("Overture.wav");
            h().window.click(live("fileMenuCopy"));
            QVERIFY2(QTest::qWaitFor([&] { return chooser() != nullptr; }, 2000), row.name);
            QVERIFY2(!active("browseMenuLoader"), row.name);
            QVERIFY2(listed(live("chooserList"), {"Encore"}), row.name);
            QVERIFY2(live("chooserPaste")->isVisible() && !live("chooserInput")->isVisible(), row.name);
            commands();
            row.navigate();
            QVERIFY2(QTest::qWaitFor([&] { return !browse().isListing(); }, 3000), row.name);
            if (QByteArray(row.name) == "to the root") {
                // Folders only, the page's own list following.
                QVERIFY(listed(live("chooserList"), {"Concert", "Rehearsal"}));
                QCOMPARE(titleOf(pageList()), QString("ROOT"));
                shot("browse-chooser");
            }
            commands();
            QSignalSpy failed(&browse(), &Browse::execFailed);
            h().window.click(live("chooserPaste"));
            QVERIFY2(QTest::qWaitFor([&] { return !active("browseFolderBrowseLoader"); }, 2000), row.name);
            QVERIFY2(failed.count() == (row.command.isEmpty() ? 1 : 0), row.name);
            const QByteArray sent = commands();
            QVERIFY2(row.command.isEmpty() ? sent.isEmpty() : sent.startsWith(row.command),
                     (QByteArray(row.name) + ": " + sent).constData());
        }
        // Cancel, and a click on the footer beside its buttons, send nothing.
        for (const char *where : {"chooserCancel", "chooserFooter"}) {
            settle();
            openFileMenu("Overture.wav");
            h().window.click(live("fileMenuCopy"));
            QVERIFY(QTest::qWaitFor([&] { return chooser() != nullptr; }, 2000));
            if (QByteArray(where) == "chooserFooter")
                h().window.click(live(where), QPointF(live(where)->width() / 2, 5));
            else
                h().window.click(live(where));
            QVERIFY2(!active("browseFolderBrowseLoader"), where);
            QCOMPARE(commands(), QByteArray("07F6B22000100\r\n"));
        }
    }

    // What can be used in which state of the recorder.
    void enablingMatrix()
    {
        struct Row
        {
            const char *name;
            QList<QByteArray> lines;
            bool viewOnly;
            bool editable;
            bool select;
        };
        const QList<Row> rows = {
            {"stopped, continue", {"D010", "CE00", "FF07CF00"}, false, true, true},
            {"playing, continue", {"D011", "CE00", "FF07CF00"}, false, false, true},
            {"paused", {"D012", "CE00", "FF07CF00"}, true, false, true},
            {"stopped, single", {"D010", "CE01", "FF07CF00"}, false, false, true},
            {"stopped, program", {"D010", "CE04", "FF07CF00"}, true, false, false},
            {"playing, random", {"D011", "CE06", "FF07CF00"}, true, false, false},
            {"playlist single", {"D010", "CE01", "FF07CF02"}, true, false, false},
            {"playlist continue", {"D010", "CE00", "FF07CF02"}, false, true, false},
            {"folder area, current folder", {"D010", "CE00", "FF07CF01"}, false, true, true},
            {"read-only", {"D010", "CE00", "FF07CF00", "FF6AFD01"}, true, false, false},
        };
        for (const Row &row : rows) {
            settle();
            QVERIFY2(h().feed(row.lines), row.name);
            QVERIFY2(live("viewOnlyBadge")->isVisible() == row.viewOnly, row.name);
            for (const char *button : {"footerCreateFolder", "footerSortTime", "footerSortName", "footerUndo"})
                QVERIFY2(lit(button) == row.editable, (QByteArray(row.name) + ' ' + button).constData());
            QVERIFY2(lit("footerGotoCurrent"), row.name);
            openFileMenu("Aria.wav");
            QVERIFY2(menuButtonOn("fileMenuSelect") == row.select, row.name);
            for (const char *button : {"fileMenuRename", "fileMenuCopy", "fileMenuDelete"})
                QVERIFY2(menuButtonOn(button) == row.editable, (QByteArray(row.name) + ' ' + button).constData());
            // The rule follows the recorder live, also with the menu open.
            if (!QByteArray(row.name).startsWith("read-only")) {
                QVERIFY(h().feed({"D012"}));
                QVERIFY2(!menuButtonOn("fileMenuRename") && live("viewOnlyBadge")->isVisible(), row.name);
            }
            h().window.click(live("fileMenuClose"));
            // A dimmed button sends nothing.
            h().window.click(live("footerSortTime"));
            const QByteArray sent = commands();
            QVERIFY2(sent.contains("07F6B0300") == (row.editable && QByteArray(row.name).startsWith("read-only")),
                     sent.constData());
        }
        // In the folder area, Select needs the listed folder to be the current one.
        settle();
        QVERIFY(h().feed({"FF07CF01"}));
        h().window.click(rowNamed(pageList(), "Encore"));
        QVERIFY(listed(pageList(), {"Encore.wav"}));
        openFileMenu("Encore.wav");
        QVERIFY(!menuButtonOn("fileMenuSelect"));
        QVERIFY(menuButtonOn("fileMenuRename"));
        h().window.click(live("fileMenuSelect"));
        QVERIFY(active("browseMenuLoader"));
        closeAll();
        // Off the current folder, read-only hides the set-to-current button.
        QVERIFY(live("setToCurrent")->isVisible());
        QVERIFY(h().feed({"FF6AFD01"}));
        QVERIFY(!live("setToCurrent")->isVisible());
        QVERIFY(h().feed({"FF6AFD00", "D011"}));
        QVERIFY(!live("setToCurrent")->isVisible());
        QVERIFY(h().feed({"D010"}));
        commands();
        h().window.click(live("setToCurrent"));
        QVERIFY(listed(pageList(), {"Encore.wav"}));
        QVERIFY(commands().startsWith("07F6B01\\Concert\\Encore\r\n07F6B00\r\n07F6B05\r\n"));
        QVERIFY(!live("setToCurrent")->isVisible());
        media.media["00"].currentFolder = 1;
    }

    // The not-available notice: CD before recording before the browser's text.
    void notices()
    {
        struct Row
        {
            const char *name;
            QList<QByteArray> lines;
            QString text;
        };
        const QList<Row> rows = {
            {"recording", {"D081"}, "BROWSE screen is not available while recordings."},
            {"CD while recording", {"FF0111"}, "BROWSE screen is not available when current media is CD."},
            {"CD, stopped", {"D010"}, "BROWSE screen is not available when current media is CD."},
            {"back on SD1", {"FF0100"}, ""},
            {"no status", {"D000"}, "SD1 is not available"},
            {"recording without status", {"D082"}, "BROWSE screen is not available while recordings."},
            {"stopped again", {"D010"}, ""},
        };
        for (const Row &row : rows) {
            QVERIFY2(h().feed(row.lines), row.name);
            QQuickItem *notice = live("browseNotice");
            QVERIFY2(notice->isVisible() == !row.text.isEmpty(), row.name);
            QVERIFY2(textOf(notice) == row.text, qPrintable(textOf(notice)));
        }
        // The browser's text clearing listed the folder again, once.
        QVERIFY(listed(pageList(), {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}));
        QVERIFY(h().feed({"D000"}));
        commands();
        QVERIFY(h().feed({"D011"}));
        QVERIFY(listed(pageList(), {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}));
        QCOMPARE(commands().count("07F6B00\r\n"), 1);
        // The notice takes every click.
        QVERIFY(h().feed({"D081"}));
        commands();
        h().window.click(live("footerGotoCurrent"));
        const QByteArray sent = commands();
        QVERIFY2(!sent.contains("07F6B"), sent.constData());
    }

    // The chooser's modes and signals, as the playlist and timer-event pages use it.
    void chooserModes()
    {
        struct Row
        {
            int mode;
            bool paste;
            bool input;
            qreal cancelOffset;
            bool files;
        };
        const QList<Row> rows = {{2, false, false, 0, true}, {3, true, false, 90, false}, {4, false, true, 90, true}};
        for (const Row &row : rows) {
            settle();
            QQuickItem *loader = live("browseFolderBrowseLoader");
            loader->setProperty("active", true);
            QVERIFY(QTest::qWaitFor([&] { return chooser() != nullptr; }, 2000));
            QQuickItem *window = chooser();
            window->setProperty("mode", row.mode);
            // The rows follow the mode once laid out again.
            QTest::qWait(50);
            const QByteArray name = "mode " + QByteArray::number(row.mode);
            QVERIFY2(live("chooserPaste")->isVisible() == row.paste, name);
            QVERIFY2(live("chooserInput")->isVisible() == row.input, name);
            QQuickItem *cancel = live("chooserCancel");
            QVERIFY2(qFuzzyCompare(1 + cancel->property("anchors").value<QObject *>()
                                               ->property("horizontalCenterOffset").toReal() / h().pt(),
                                   1 + row.cancelOffset),
                     name);
            QVERIFY2(namesOf(live("chooserList")).contains("Aria.wav") == row.files,
                     qPrintable(name + namesOf(live("chooserList")).join(',')));
            QVERIFY2(!under(rowNamed(live("chooserList"), "Encore"), "rowMenu")->isVisible(), name);
            if (row.files) {
                // A file is chosen with its number and name; no check mark here.
                QSignalSpy chosen(window, SIGNAL(clicked(int, QString)));
                QCOMPARE(fileOf(under(rowNamed(live("chooserList"), "Aria.wav"), "rowIcon")),
                         QString("icon_52x44_File.svg"));
                h().window.click(rowNamed(live("chooserList"), "Aria.wav"));
                QCOMPARE(chosen.count(), 1);
                QCOMPARE(chosen.at(0).at(0).toInt(), 2);
                QCOMPARE(chosen.at(0).at(1).toString(), QString("Aria.wav"));
            }
            QSignalSpy input(window, SIGNAL(clickedInput()));
            if (row.input) {
                h().window.click(live("chooserInput"));
                QCOMPARE(input.count(), 1);
            }
            // A click on the panel beside the list does nothing; beside the panel it cancels.
            QSignalSpy cancelled(window, SIGNAL(clickedCancel()));
            h().window.click(live("chooserPanel"), QPointF(5, 300));
            QCOMPARE(cancelled.count(), 0);
            h().window.click(window, QPointF(2, window->height() - 2));
            QVERIFY(cancelled.count() == 1 || !active("browseFolderBrowseLoader"));
            closeAll();
            QCOMPARE(commands(), QByteArray());
        }
    }

    // A confirmation, menu, input or chooser holds a number, name or path of
    // the list it was opened on: a read-only change, a medium change and a
    // new list close it; OK checks the rule again.
    void heldPopupsClose()
    {
        struct Row
        {
            const char *name;
            std::function<void()> open;
            const char *shown; // loader, or the confirmation
        };
        struct Event
        {
            const char *name;
            std::function<void()> fire;
        };
        const QList<Row> popups = {
            {"delete confirmation",
             [&] {
                 openFileMenu("Finale.wav");
                 h().window.click(live("fileMenuDelete"));
             },
             "deleteCheck"},
            {"file menu", [&] { openFileMenu("Finale.wav"); }, "browseMenuLoader"},
            {"folder menu", [&] { openFolderMenu("Encore"); }, "browseMenuLoader"},
            {"rename input",
             [&] {
                 openFileMenu("Finale.wav");
                 h().window.click(live("fileMenuRename"));
             },
             "browseInputWindowLoader"},
        };
        const QList<Event> events = {
            {"read-only", [&] { QVERIFY(h().feed({"FF6AFD01"})); }},
            {"medium change", [&] { QVERIFY(h().feed({"FF0101"})); }},
            {"a new list", [&] { browse().restartBrowse(); }},
        };
        for (const Row &popup : popups) {
            for (const Event &event : events) {
                const QByteArray name = QByteArray(popup.name) + " / " + event.name;
                settle();
                popup.open();
                const auto open = [&] {
                    QQuickItem *item = live(popup.shown);
                    return popup.shown == QByteArray("deleteCheck") ? item->isVisible()
                                                                    : item->property("active").toBool();
                };
                QVERIFY2(open(), name);
                event.fire();
                QVERIFY2(QTest::qWaitFor([&] { return !open(); }, 2000), name);
                QTest::qWait(100);
                QVERIFY2(!commands().contains("07F6B24"), name);
            }
        }
        // The chooser closes on read-only and on a medium change (but not
        // on its own navigation).
        for (const QByteArray &line : {QByteArray("FF6AFD01"), QByteArray("FF0101")}) {
            settle();
            openFileMenu("Overture.wav");
            h().window.click(live("fileMenuCopy"));
            QVERIFY(listed(live("chooserList"), {"Encore"}));
            h().window.click(rowNamed(live("chooserList"), "Encore"));
            QVERIFY(listed(live("chooserList"), {}));
            QVERIFY(active("browseFolderBrowseLoader"));
            QVERIFY(h().feed({line}));
            QVERIFY2(!active("browseFolderBrowseLoader"), line.constData());
            QVERIFY(!commands().contains("07F6B04"));
        }
        // A confirmation that is shown again while read-only sends nothing at OK.
        settle();
        openFileMenu("Finale.wav");
        h().window.click(live("fileMenuDelete"));
        QVERIFY(h().feed({"FF6AFD01"}));
        live("deleteCheck")->setVisible(true);
        h().window.click(live("deleteOk"));
        QVERIFY(!live("deleteCheck")->isVisible());
        QVERIFY(!commands().contains("07F6B24"));
    }

    // While a folder is being listed, neither Paste nor a file row acts on
    // the folder left behind or on an unknown folder name.
    void listingBlocksActions()
    {
        settle();
        openFileMenu("Overture.wav");
        h().window.click(live("fileMenuCopy"));
        QVERIFY(QTest::qWaitFor([&] { return chooser() != nullptr; }, 2000));
        QVERIFY(listed(live("chooserList"), {"Encore"}));
        holdListing = true;
        held.clear();
        h().window.click(rowNamed(live("chooserList"), "Encore"));
        QVERIFY(QTest::qWaitFor([&] { return !held.isEmpty(); }, 2000));
        QVERIFY(browse().isListing());
        QCOMPARE(browse().getNowFolderName(), QString());
        QCOMPARE(live("chooserPaste")->opacity(), 0.5);
        commands();
        h().window.click(live("chooserPaste"));
        QVERIFY(active("browseFolderBrowseLoader"));
        QVERIFY(!commands().contains("07F6B04"));
        // The listing goes on: Paste is offered for the folder now known.
        holdListing = false;
        for (const QByteArray &line : qAsConst(held))
            for (const QByteArray &reply : media.answer(line))
                QVERIFY(h().feed({reply.mid(1)}));
        QVERIFY(QTest::qWaitFor([&] { return !browse().isListing(); }, 3000));
        QCOMPARE(live("chooserPaste")->opacity(), 1.0);
        commands();
        h().window.click(live("chooserPaste"));
        QVERIFY(commands().startsWith(
            "07F6B0400A:\\Concert\\Overture.wav\r\n07F6B0415A:\\Concert\\Encore\\Overture.wav\r\n"));

        // A file row during a listing opens no menu.
        settle();
        holdListing = true;
        held.clear();
        browse().restartBrowse();
        QVERIFY(QTest::qWaitFor([&] { return !held.isEmpty(); }, 2000));
        QVERIFY(!rowsOf(pageList()).isEmpty());
        h().window.click(rowNamed(pageList(), "Aria.wav"));
        QVERIFY(!active("browseMenuLoader"));
        QVERIFY(!commands().contains("07F6B22"));
        holdListing = false;
        for (const QByteArray &line : qAsConst(held))
            for (const QByteArray &reply : media.answer(line))
                QVERIFY(h().feed({reply.mid(1)}));
        QVERIFY(listed(pageList(), {"Encore", "Overture.wav", "Aria.wav", "Finale.wav"}));

        // Set-to-current while a folder opened from the current one is still
        // unnamed: dimmed, and a click does not make the root current.
        settle();
        holdListing = true;
        held.clear();
        h().window.click(rowNamed(pageList(), "Encore"));
        QVERIFY(QTest::qWaitFor([&] { return !held.isEmpty(); }, 2000));
        QCOMPARE(browse().getNowFolderName(), QString());
        QVERIFY(live("setToCurrent")->isVisible());
        QVERIFY(!lit("setToCurrent"));
        commands();
        h().window.click(live("setToCurrent"));
        QVERIFY(!commands().contains("07F6B01"));
        holdListing = false;
        for (const QByteArray &line : qAsConst(held))
            for (const QByteArray &reply : media.answer(line))
                QVERIFY(h().feed({reply.mid(1)}));
        QVERIFY(listed(pageList(), {"Encore.wav"}));
        QVERIFY(lit("setToCurrent"));
        commands();
        h().window.click(live("setToCurrent"));
        QVERIFY(commands().startsWith("07F6B01\\Concert\\Encore\r\n"));
    }
};

HB740_TEST_MAIN(TestBrowsePage)
#include "tst_browsepage.moc"
