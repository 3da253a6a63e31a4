#include "FakeMedia.h"
#include "FakePlaylists.h"
#include "HomeWindow.h"
#include "TestMain.h"

#include <QtTest>
#include <functional>

namespace {

// The lines of the playlist conversation and of the playlist file's deletion.
QByteArray playlistLines(const QByteArray &bytes)
{
    QByteArray kept;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray bare = line.trimmed();
        if (bare.startsWith("07F45") || bare.startsWith("07F314B") || bare.startsWith("07F310000")
            || bare.startsWith("07F6B26"))
            kept += bare + "\r\n";
    }
    return kept;
}

QByteArray linesOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

void collect(QQuickItem *item, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : item->childItems()) {
        if (child->objectName() == name && child->isVisible())
            found.append(child);
        collect(child, name, found);
    }
}

QQuickItem *descendant(QQuickItem *item, const char *name)
{
    QList<QQuickItem *> found;
    collect(item, QLatin1String(name), found);
    if (found.isEmpty()) {
        // Hidden ones too.
        for (QQuickItem *child : item->childItems()) {
            if (child->objectName() == QLatin1String(name))
                return child;
            if (QQuickItem *deeper = descendant(child, name))
                return deeper;
        }
        return nullptr;
    }
    return found.first();
}

} // namespace

class TestPlaylistPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<HomeWindow> home;
    FakeMedia media = FakeMedia::example();
    FakePlaylists playlists = FakePlaylists::example();

    HomeWindow &h() { return *home; }
    Playlist &pl() { return h().window.backend().pl; }
    QQuickItem *screen() { return h().item("playlistScreen"); }

    QList<QQuickItem *> visibleItems(const char *name)
    {
        QList<QQuickItem *> found;
        collect(screen(), QLatin1String(name), found);
        return found;
    }
    QQuickItem *row(const char *name, const char *numberProperty, int number)
    {
        for (QQuickItem *candidate : visibleItems(name))
            if (candidate->property(numberProperty).toInt() == number)
                return candidate;
        return nullptr;
    }
    QQuickItem *pplRow(int n) { return row("pplRow", "pplNumber", n); }
    QQuickItem *entryRow(int n) { return row("entryRow", "entryNumber", n); }
    QStringList pplNames()
    {
        QList<QQuickItem *> rows = visibleItems("pplRow");
        std::sort(rows.begin(), rows.end(), [](QQuickItem *a, QQuickItem *b) {
            return a->property("pplNumber").toInt() < b->property("pplNumber").toInt();
        });
        QStringList names;
        for (QQuickItem *r : rows)
            names.append(r->property("pplName").toString());
        return names;
    }
    QQuickItem *loader(const char *name) { return h().item(name); }
    bool loaderActive(const char *name) { return loader(name)->property("active").toBool(); }

    QByteArray sentPlaylistLines(int quietMs = 200) { return playlistLines(h().sent(quietMs)); }

    bool showList()
    {
        h().feed({"FF45800100"});
        return QTest::qWaitFor([&] { return pplNames().size() == playlists.media["A"].lists.size(); }, 3000);
    }
    bool showEntries()
    {
        if (!showList())
            return false;
        h().window.click(descendant(pplRow(pl().currentPlaylist), "pplSecondButton"));
        return QTest::qWaitFor([&] { return visibleItems("entryRow").size() == 100; }, 3000);
    }
    void shot(const char *name)
    {
        // Let the window paint what changed first.
        QTest::qWait(200);
        h().window.screenshot(name);
    }
    void hidePopup()
    {
        QQuickItem *popup = h().item("popup");
        if (popup->opacity() == 0)
            return;
        // Hidden only once it has faded in.
        QVERIFY(QTest::qWaitFor([&] { return popup->opacity() == 1; }, 1000));
        QMetaObject::invokeMethod(popup, "hide");
        QVERIFY(QTest::qWaitFor([&] { return popup->opacity() == 0; }, 2000));
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<HomeWindow>();
        QVERIFY(h().start());
        media.attach(h().recorder);
        playlists.takes[2] = "Aria.wav";
        playlists.attach(h().recorder);
        h().recorder.setReply("07F6A7E11", {"0FF6AFE11"});
        QVERIFY(h().feed({"D010", "FF0100", "FF07CF02", "CE00", "FF6AFD00"}));
        h().window.click(h().item("tabPlaylist"));
        QVERIFY(QTest::qWaitFor([&] { return pplNames().size() == 3; }, 5000));
        h().sent();
    }

    // Every test starts stopped, editable, on SD1 in the playlist area, with no pop-up open.
    void init()
    {
        QVERIFY(h().feed({"D010", "FF0100", "FF07CF02", "CE00", "FF6AFD00"}));
        pl().setExecCommand(false);
        for (const char *name : {"plInfoWindowLoader", "playlistBrowseLoader", "plInputWindowLoader", "plDeleteWindowLoader"})
            loader(name)->setProperty("active", false);
        playlists.editResult = "11";
        playlists.loadResult = "00";
        hidePopup();
    }

    void cleanup()
    {
        QVERIFY2(h().window.warnings().isEmpty(), qPrintable(h().window.warnings().join('\n')));
    }

    // The list of playlists after the grant: names, dates, the current row's look.
    void listView()
    {
        QVERIFY(showList());
        QCOMPARE(pplNames(), QStringList({"Morning", "Evening", "Archive"}));
        QCOMPARE(textOf(h().item("playlistTitle")), QString("PLAYLISTS"));
        QVERIFY(!h().item("headerEntryIcon")->isVisible());
        QCOMPARE(fileOf(h().item("footerButton")), QString("icon_56x40_AddPlaylist.svg"));
        QCOMPARE(h().item("footerButton")->opacity(), 1.0);
        QQuickItem *current = pplRow(0);
        QCOMPARE(current->property("color").value<QColor>(), QColor("#89A3D4"));
        QCOMPARE(textOf(descendant(current, "pplDateTimeText")), QString("2026/12/01 08:30"));
        QCOMPARE(fileOf(descendant(current, "pplFirstButton")), QString("icon_47x30_SaveAs.svg"));
        QCOMPARE(fileOf(descendant(current, "pplSecondButton")), QString("icon_47x30_Edit.svg"));
        QCOMPARE(fileOf(descendant(current, "pplThirdButton")), QString("icon_57x18_current.svg"));
        QVERIFY(descendant(current, "pplEntryIcon")->isVisible());
        QCOMPARE(textOf(descendant(current, "entryCountText")), QString("3"));
        QQuickItem *other = pplRow(1);
        QCOMPARE(other->property("color").value<QColor>(), QColor("black"));
        QCOMPARE(pplRow(2)->property("color").value<QColor>(), QColor("#272727"));
        QCOMPARE(fileOf(descendant(other, "pplFirstButton")), QString("icon_47x30_Load.svg"));
        QCOMPARE(fileOf(descendant(other, "pplSecondButton")), QString("icon_47x30_Delete.svg"));
        QCOMPARE(fileOf(descendant(other, "pplThirdButton")), QString("icon_47x30_Rename.svg"));
        QVERIFY(!descendant(other, "pplEntryIcon")->isVisible());
        QVERIFY(!h().item("plViewOnly")->isVisible());
        QVERIFY(!h().item("plNotice")->isVisible());
        shot("playlist-list");
    }

    // Which buttons act: by current row, transport, the busy flag and read-only.
    void enabling_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<bool>("busy");
        // save-as, edit, marker on the current row; load, delete, rename on another; footer
        QTest::addColumn<QList<qreal>>("opacities");
        QTest::newRow("stopped") << QList<QByteArray>{"D010"} << false
                                 << QList<qreal>{1, 1, 1, 1, 1, 1, 1};
        QTest::newRow("playing") << QList<QByteArray>{"D011"} << false
                                 << QList<qreal>{0.5, 1, 1, 0.5, 0.5, 0.5, 1};
        QTest::newRow("deleting") << QList<QByteArray>{"D010"} << true
                                  << QList<qreal>{0.5, 1, 1, 0.5, 0.5, 0.5, 0.3};
        QTest::newRow("read-only") << QList<QByteArray>{"D010", "FF6AFD01"} << false
                                   << QList<qreal>{0.5, 0.5, 1, 0.5, 0.5, 0.5, 0.3};
    }
    void enabling()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(bool, busy);
        QFETCH(QList<qreal>, opacities);
        QVERIFY(showList());
        QVERIFY(h().feed(lines));
        pl().setExecCommand(busy);
        h().sent();
        QQuickItem *current = pplRow(0);
        QQuickItem *other = pplRow(1);
        const QList<QQuickItem *> buttons = {
            descendant(current, "pplFirstButton"), descendant(current, "pplSecondButton"),
            descendant(current, "pplThirdButton"), descendant(other, "pplFirstButton"),
            descendant(other, "pplSecondButton"), descendant(other, "pplThirdButton"), h().item("footerButton")};
        for (int i = 0; i < buttons.size(); ++i)
            QVERIFY2(qFuzzyCompare(buttons.at(i)->opacity(), opacities.at(i)),
                     qPrintable(QString("button %1: %2").arg(i).arg(buttons.at(i)->opacity())));
        const QList<const char *> areas = {"pplFirstArea", "pplSecondArea", "pplThirdArea"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(descendant(other, areas.at(i))->property("enabled").toBool(), opacities.at(3 + i) == 1);
        QCOMPARE(descendant(current, "pplSecondArea")->property("enabled").toBool(), opacities.at(1) == 1);
        QCOMPARE(h().item("plViewOnly")->isVisible(), lines.contains("FF6AFD01"));
        // Inert rows send nothing when clicked.
        if (opacities.at(3) < 1) {
            h().window.click(descendant(other, "pplFirstButton"));
            QCOMPARE(sentPlaylistLines(), QByteArray());
        }
        pl().setExecCommand(false);
        QVERIFY(h().feed({"D010", "FF6AFD00"}));
    }

    // The current playlist's entries: 100 rows, 8 page bars, their looks.
    void entriesView()
    {
        QVERIFY(showList());
        h().sent();
        h().window.click(descendant(pplRow(0), "pplSecondButton"));
        QVERIFY(QTest::qWaitFor([&] { return visibleItems("entryRow").size() == 100; }, 3000));
        QCOMPARE(sentPlaylistLines(), linesOf({"07F4510", "07F4512", "07F451100000700", "07F451108001500"}));
        QCOMPARE(visibleItems("entryPageBar").size(), 8);
        QCOMPARE(textOf(h().item("playlistTitle")), QString("Entries in playlist"));
        QVERIFY(h().item("headerEntryIcon")->isVisible());
        QCOMPARE(textOf(h().item("headerDateTime")), QString("2026/12/01 08:30"));
        QCOMPARE(fileOf(h().item("footerButton")), QString("icon_56_return-PLAYLISTS.svg"));
        const qreal pt = h().pt();
        QVERIFY(qAbs(h().item("pplArea")->property("contentHeight").toReal() - (100 * 47 + 56) * pt) < 0.01);

        QQuickItem *first = entryRow(0);
        QCOMPARE(first->property("entryName").toString(), QString("TAKE_001.wav"));
        QCOMPARE(textOf(descendant(first, "indicatorText")), QString("1"));
        QCOMPARE(first->property("color").value<QColor>(), QColor("#272727"));
        QCOMPARE(fileOf(descendant(first, "entryButton")), QString("icon_70x20_clear.svg"));
        QVERIFY(descendant(first, "entryInfoButton")->isVisible());
        QQuickItem *empty = entryRow(2);
        QCOMPARE(empty->property("entryName").toString(), QString());
        QCOMPARE(fileOf(descendant(empty, "entryButton")), QString("icon_70x20_assign.svg"));
        QVERIFY(!descendant(empty, "entryInfoButton")->isVisible());
        // The segments walk round the frame: slot 4 upright right, 11 upright left, 96 none.
        // x as a share of the frame, less the segment's thickness for the right side.
        const struct { int slot; bool visible; qreal share; bool right; bool upright; } segments[] = {
            {0, true, 0, false, false}, {1, true, 0.25, false, false}, {4, true, 1, true, true},
            {7, true, 0.5, false, false}, {11, true, 0, false, true}, {96, false, 0, false, false}};
        for (const auto &s : segments) {
            QQuickItem *indicator = descendant(entryRow(s.slot), "entryIndicator");
            QQuickItem *segment = descendant(indicator, "indicatorSegment");
            QCOMPARE(segment->isVisible(), s.visible);
            if (!s.visible)
                continue;
            const qreal x = indicator->width() * s.share - (s.right ? indicator->property("indicatorWidth").toReal() : 0);
            QVERIFY2(qAbs(segment->x() - x) < 0.01, qPrintable(QString::number(s.slot)));
            QCOMPARE(segment->height() > segment->width(), s.upright);
        }
        QCOMPARE(textOf(descendant(entryRow(96), "indicatorText")), QString("97"));
        QCOMPARE(visibleItems("pageNumberText").size(), 8);
        shot("playlist-entries");

        // The back button works while busy or read-only.
        pl().setExecCommand(true);
        QCOMPARE(h().item("footerButton")->opacity(), 1.0);
        h().window.click(h().item("footerButton"));
        QVERIFY(QTest::qWaitFor([&] { return pplNames().size() == 3; }, 3000));
        pl().setExecCommand(false);
    }

    // An entry's details: asked when opened, shown as they come, closed by the same button.
    void infoWindow()
    {
        QVERIFY(showEntries());
        h().sent();
        QQuickItem *entry = entryRow(1);
        h().window.click(descendant(entry, "entryInfoImage"));
        QVERIFY(QTest::qWaitFor([&] { return pl().infoFolder == "/Concert"; }, 3000));
        QCOMPARE(sentPlaylistLines(), linesOf({"07F45130100"}));
        QVERIFY(loaderActive("plInfoWindowLoader"));
        QCOMPARE(textOf(h().item("infoFolderText")), QString("SD1 ROOT/Concert"));
        QCOMPARE(textOf(h().item("infoNumberText")), QString("2"));
        QCOMPARE(textOf(h().item("infoEntryName")), QString("Overture.wav"));
        QCOMPARE(textOf(h().item("infoDataAText")), QString("96kHz 24bit"));
        QCOMPARE(textOf(h().item("infoDataBText")), QString("Stereo"));
        QCOMPARE(textOf(h().item("infoDateTimeText")), QString("2026/12/01 08:10"));
        QCOMPARE(fileOf(descendant(entry, "entryInfoImage")), QString("icon_20x20_info_white.svg"));
        shot("playlist-info");

        // Another entry: emptied, moved, asked.
        h().window.click(descendant(entryRow(0), "entryInfoImage"));
        QCOMPARE(textOf(h().item("infoNumberText")), QString("1"));
        QVERIFY(QTest::qWaitFor([&] { return pl().infoFolder == "/"; }, 3000));
        QCOMPARE(sentPlaylistLines(), linesOf({"07F45130000"}));
        QCOMPARE(fileOf(descendant(entry, "entryInfoImage")), QString("icon_20x20_info_black.svg"));
        h().window.click(descendant(entryRow(0), "entryInfoImage"));
        QVERIFY(!loaderActive("plInfoWindowLoader"));
        QCOMPARE(sentPlaylistLines(), QByteArray());

        // The close area.
        h().window.click(descendant(entry, "entryInfoImage"));
        QVERIFY(loaderActive("plInfoWindowLoader"));
        h().window.click(h().item("infoCloseArea"));
        QVERIFY(!loaderActive("plInfoWindowLoader"));
    }

    // Clearing an entry; a refused edit brings the rows back as they were.
    void clearEntry()
    {
        QVERIFY(showEntries());
        h().sent();
        h().window.click(descendant(entryRow(9), "entryButton"));
        QVERIFY(QTest::qWaitFor([&] { return visibleItems("entryRow").size() == 100 && entryRow(9)
                                             && entryRow(9)->property("entryName").toString().isEmpty(); },
                                3000));
        QCOMPARE(sentPlaylistLines(), linesOf({"07F314B000900", "07F4510", "07F4512", "07F451100000700"}));

        playlists.editResult = "12";
        QSignalSpy failed(&pl(), &Playlist::execFailed);
        h().window.click(descendant(entryRow(1), "entryButton"));
        QVERIFY(QTest::qWaitFor([&] { return visibleItems("entryRow").size() == 100; }, 3000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(entryRow(1)->property("entryName").toString(), QString("Overture.wav"));
        QCOMPARE(textOf(descendant(h().item("popup"), "popupMessageText")), QString("Unable to complete this action."));
        playlists.editResult = "11";
        hidePopup();
        // Put slot 9 back for the tests that follow.
        playlists.media["A"].lists[0].entries[9] = {"Finale.wav", "96kHz/24bit\tStereo\t2026/12/01 08:20\t\\Concert"};
    }

    // An empty slot takes a file chosen in the folder chooser.
    void assignThroughTheChooser()
    {
        QVERIFY(showEntries());
        h().sent();
        h().window.click(descendant(entryRow(2), "entryButton"));
        QVERIFY(loaderActive("playlistBrowseLoader"));
        QCOMPARE(screen()->property("assignEntry").toInt(), 2);
        QQuickItem *chooser = h().item("browseWindow");
        QVERIFY(chooser);
        QQuickItem *aria = nullptr;
        QVERIFY(QTest::qWaitFor([&] {
            QList<QQuickItem *> rows;
            collect(chooser, "browseRow", rows);
            for (QQuickItem *r : rows)
                if (textOf(descendant(r, "rowName")) == "Aria.wav")
                    aria = r;
            return aria != nullptr;
        }, 3000));
        shot("playlist-chooser");
        h().window.click(descendant(aria, "rowArea"));
        QVERIFY(!loaderActive("playlistBrowseLoader"));
        QVERIFY(QTest::qWaitFor([&] { return visibleItems("entryRow").size() == 100 && entryRow(2)
                                             && entryRow(2)->property("entryName").toString() == "Aria.wav"; },
                                3000));
        QCOMPARE(sentPlaylistLines(), linesOf({"07F314B0102000200", "07F4510", "07F4512", "07F451100000700",
                                               "07F451108001500"}));

        // Cancel closes it and sends nothing.
        h().window.click(descendant(entryRow(3), "entryButton"));
        QVERIFY(loaderActive("playlistBrowseLoader"));
        h().window.click(h().item("chooserCancelArea"));
        QVERIFY(!loaderActive("playlistBrowseLoader"));
        QCOMPARE(sentPlaylistLines(), QByteArray());
        playlists.media["A"].lists[0].entries[2] = {};
    }

    // While the chooser's folder is being listed, a take it offers is from the
    // folder left: nothing is assigned.
    void chooserWaitsForTheListing()
    {
        QVERIFY(showEntries());
        h().window.click(descendant(entryRow(3), "entryButton"));
        QVERIFY(loaderActive("playlistBrowseLoader"));
        const auto responder = h().recorder.responder;
        h().recorder.responder = [responder](const QByteArray &line) {
            return line.startsWith("07F6B") ? QList<QByteArray>() : responder(line);
        };
        Browse &browse = h().window.backend().browse;
        browse.openFolder(3);
        QVERIFY(browse.isListing());
        h().sent();
        QMetaObject::invokeMethod(h().item("browseWindow"), "clicked", Q_ARG(int, 2), Q_ARG(QString, "Aria.wav"));
        QVERIFY(loaderActive("playlistBrowseLoader"));
        QCOMPARE(sentPlaylistLines(), QByteArray());
        QCOMPARE(visibleItems("entryRow").size(), 100);

        h().recorder.responder = responder;
        browse.openFolder(1);
        QVERIFY(QTest::qWaitFor([&] { return !browse.isListing(); }, 3000));
        h().window.click(h().item("chooserCancelArea"));
        QVERIFY(!loaderActive("playlistBrowseLoader"));
    }

    // Read-only turning on in the entries view closes the pop-ups and goes back to the list.
    void readOnlyClosesPopups()
    {
        QVERIFY(showEntries());
        h().window.click(descendant(entryRow(3), "entryButton"));
        QVERIFY(loaderActive("playlistBrowseLoader"));
        QVERIFY(h().feed({"FF6AFD01"}));
        QVERIFY(!loaderActive("playlistBrowseLoader"));
        QVERIFY(QTest::qWaitFor([&] { return pplNames().size() == 3; }, 3000));
        QVERIFY(h().feed({"FF6AFD00"}));
    }

    // The name input: create, save as, rename, each with its title and its line.
    void nameInput_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("create") << -1 << QByteArray() << "New playlist name" << "" << QByteArray("07F4540Night\r\n");
        QTest::newRow("save as") << 0 << QByteArray("pplFirstButton") << "Playlist name" << "" << QByteArray("07F4541Night\r\n");
        QTest::newRow("rename") << 1 << QByteArray("pplThirdButton") << "New playlist name" << "Evening"
                                << QByteArray("07F45430200Night\r\n");
    }
    void nameInput()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, button);
        QFETCH(QString, title);
        QFETCH(QString, field);
        QFETCH(QByteArray, sent);
        QVERIFY(showList());
        h().sent();
        h().window.click(row < 0 ? h().item("footerButton") : descendant(pplRow(row), button.constData()));
        QVERIFY(loaderActive("plInputWindowLoader"));
        QQuickItem *input = h().item("plInputWindow");
        QCOMPARE(input->property("title").toString(), title);
        QCOMPARE(input->property("field").toString(), field);
        QVERIFY(!descendant(input, "inputOk")->isVisible() || !field.isEmpty());
        if (row < 0)
            shot("playlist-input");
        input->setProperty("field", "Night");
        h().window.click(descendant(input, "inputOk"));
        QVERIFY(!loaderActive("plInputWindowLoader"));
        QCOMPARE(sentPlaylistLines().left(sent.size()), sent);
        // The recorder's playlists back as they were.
        playlists.media["A"] = FakePlaylists::example().media["A"];
        QVERIFY(showList());
        h().sent();
    }

    // Loading another playlist; a refused load reports and brings the list back.
    void load()
    {
        QVERIFY(showList());
        h().sent();
        h().window.click(descendant(pplRow(1), "pplFirstButton"));
        QVERIFY(QTest::qWaitFor([&] { return pl().currentPlaylist == 1 && pplNames().size() == 3; }, 3000));
        QVERIFY(sentPlaylistLines().startsWith(linesOf({"07F310000A:/_playlists/Evening", "07F4500"})));
        QCOMPARE(pplRow(1)->property("color").value<QColor>(), QColor("#89A3D4"));

        playlists.loadResult = "12";
        QSignalSpy failed(&pl(), &Playlist::execFailed);
        h().window.click(descendant(pplRow(0), "pplFirstButton"));
        QVERIFY(QTest::qWaitFor([&] { return pplNames().size() == 3; }, 3000));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(pl().currentPlaylist, 1);
        playlists.loadResult = "00";
        hidePopup();
        playlists.media["A"].current = 0;
        QVERIFY(showList());
    }

    // Deleting through the browser: the busy flag from OK until the browser's result.
    void deleteThroughTheBrowser()
    {
        QVERIFY(showList());
        h().sent();
        h().window.click(descendant(pplRow(2), "pplSecondButton"));
        QVERIFY(loaderActive("plDeleteWindowLoader"));
        QCOMPARE(textOf(h().item("plDeleteWindow")), QString("Delete selected playlist?\nArchive"));
        QCOMPARE(loader("plDeleteWindowLoader")->property("fullpath").toString(), QString("A:\\_playlists\\Archive"));
        shot("playlist-delete");
        QSignalSpy busy(&pl(), &Playlist::execCommandChanged);
        h().window.click(h().item("plDeleteOk"));
        QVERIFY(!loaderActive("plDeleteWindowLoader"));
        QVERIFY(QTest::qWaitFor([&] { return busy.count() == 2; }, 3000));
        QVERIFY(!pl().execCommand);
        QCOMPARE(sentPlaylistLines(), QByteArray("07F6B26A:\\_playlists\\Archive\r\n"));
        QVERIFY(showList() || pplNames().size() == 2);
        QCOMPARE(pplNames(), QStringList({"Morning", "Evening"}));
        playlists.media["A"] = FakePlaylists::example().media["A"];
        QVERIFY(showList());
    }

    // A confirmation closes when read-only changes or the list is read again,
    // and checks again at OK.
    void deleteConfirmationCloses()
    {
        QVERIFY(showList());
        h().window.click(descendant(pplRow(1), "pplSecondButton"));
        QVERIFY(loaderActive("plDeleteWindowLoader"));
        QVERIFY(h().feed({"FF6AFD01"}));
        QVERIFY(!loaderActive("plDeleteWindowLoader"));
        QVERIFY(h().feed({"FF6AFD00"}));

        h().window.click(descendant(pplRow(1), "pplSecondButton"));
        QVERIFY(loaderActive("plDeleteWindowLoader"));
        QVERIFY(showList());
        QVERIFY(!loaderActive("plDeleteWindowLoader"));

        // Playing started while it was open: OK deletes nothing.
        h().sent();
        h().window.click(descendant(pplRow(1), "pplSecondButton"));
        QVERIFY(h().feed({"D011"}));
        h().window.click(h().item("plDeleteOk"));
        QVERIFY(!loaderActive("plDeleteWindowLoader"));
        QVERIFY(!pl().execCommand);
        QCOMPARE(sentPlaylistLines(), QByteArray());
        QVERIFY(h().feed({"D010"}));
    }

    // The notice over the page: its text by the first condition that holds.
    void notice_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<QString>("text");
        QTest::newRow("CD while recording") << QList<QByteArray>{"FF0111", "D081"}
                                            << "Playlist screen is not available when current media is CD.";
        QTest::newRow("recording, area all") << QList<QByteArray>{"FF07CF00", "D081"}
                                             << "Playlist screen is not available while recordings.";
        QTest::newRow("area folder") << QList<QByteArray>{"FF07CF01"}
                                     << "Playlist screen is only available when PLAY AREA is PLAYLIST and PLAY MODE "
                                        "is CONTINUE or SINGLE.";
        QTest::newRow("mode program") << QList<QByteArray>{"CE04"}
                                      << "Playlist screen is only available when PLAY AREA is PLAYLIST and PLAY "
                                         "MODE is CONTINUE or SINGLE.";
        QTest::newRow("mode single") << QList<QByteArray>{"CE01"} << "";
    }
    void notice()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(QString, text);
        QVERIFY(h().feed(lines));
        QQuickItem *notice = h().item("plNotice");
        QCOMPARE(notice->isVisible(), !text.isEmpty());
        QCOMPARE(textOf(notice), text);
        if (QTest::currentDataTag() == QByteArray("area folder"))
            shot("playlist-notice");
        QVERIFY(h().feed({"D010", "FF0100", "FF07CF02", "CE00"}));
        QVERIFY(!notice->isVisible());
        QVERIFY(showList());
    }

    // Records that come out of order or after a gap show in their places;
    // a playlist whose record never came leaves its place empty.
    void recordsByNumber_data()
    {
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("reversed") << QList<int>{3, 2, 1} << QList<int>{0, 1, 2};
        QTest::newRow("second first") << QList<int>{2, 1, 3} << QList<int>{0, 1, 2};
        QTest::newRow("second missing") << QList<int>{1, 3} << QList<int>{0, 2};
        QTest::newRow("first missing") << QList<int>{3, 2} << QList<int>{1, 2};
    }
    void recordsByNumber()
    {
        QFETCH(QList<int>, order);
        QFETCH(QList<int>, shown);
        const QStringList all = {"Morning", "Evening", "Archive"};
        const QStringList dates = {"2026/12/01 08:30", "2026/12/02 19:00", "2026/11/20 12:00"};
        QStringList names;
        for (int row : shown)
            names.append(all.at(row));
        playlists.recordOrder = order;
        QVERIFY(h().feed({"FF45800100"}));
        QVERIFY(QTest::qWaitFor([&] { return pplNames() == names; }, 3000));
        const qreal lineHeight = screen()->property("lineHeight").toReal();
        for (int row = 0; row < all.size(); ++row) {
            QQuickItem *item = pplRow(row);
            QCOMPARE(item != nullptr, shown.contains(row));
            if (!item)
                continue;
            QCOMPARE(item->y(), row * lineHeight);
            QCOMPARE(textOf(descendant(item, "pplDateTimeText")), dates.at(row));
        }
        playlists.recordOrder.clear();
        QVERIFY(showList());
    }

    // Without a medium that has a drive, deletion is not offered and a load clears nothing.
    void deleteOnlyOnDrives()
    {
        QVERIFY(showList());
        QVERIFY(h().feed({"FF0199"}));
        QVERIFY(h().comm().property("currentMedia").toString().isEmpty());
        // The medium change has the list read again: wait until it stands.
        h().sent();
        QVERIFY(QTest::qWaitFor([&] { return pplNames().size() == 3; }, 3000));
        QQuickItem *other = pplRow(1);
        QVERIFY(other);
        QCOMPARE(descendant(other, "pplSecondButton")->opacity(), 0.5);
        QVERIFY(!descendant(other, "pplSecondArea")->property("enabled").toBool());
        // Nor a load: nothing goes out and the rows stay.
        h().window.click(descendant(other, "pplFirstButton"));
        QCOMPARE(sentPlaylistLines(), QByteArray());
        QCOMPARE(pplNames(), QStringList({"Morning", "Evening", "Archive"}));
        QVERIFY(h().feed({"FF0110"}));
        QVERIFY(showList());
        QCOMPARE(descendant(pplRow(1), "pplSecondButton")->opacity(), 1.0);
        QVERIFY(h().feed({"FF0100"}));
        QVERIFY(showList());
    }
};

HB740_TEST_MAIN(TestPlaylistPage)
#include "tst_playlistpage.moc"
