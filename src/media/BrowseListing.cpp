#include "Browse.h"

#include "LineProtocol.h"
#include "NumberFields.h"

// The listing: "80" (current folder) starts it, then the listed folder's own
// entry ("91"), its information ("90"), one "91" per sub-folder, the file
// range ("A0") and one "A1" per file. Each reply asks for the next; a reply
// that is not the next step of the running listing is ignored.

namespace {

// An entry's name: its text after the last backslash of its path.
QString entryName(QStringView text)
{
    const int cut = int(text.lastIndexOf(QLatin1Char('\\')));
    return (cut < 0 ? text : text.mid(cut + 1)).toString();
}

} // namespace

void Browse::recievedCommandFF6B(QString data)
{
    const QStringView reply(data);
    const QStringView subCode = LineProtocol::field(reply, 0, 2);
    if (subCode.size() < 2)
        return;
    const auto is = [&](const char *code) { return subCode == QLatin1String(code); };
    if (is("80"))
        recievedCurrentFolder(reply);
    else if (is("82"))
        openFolder(readNumberField(reply, 4));
    else if (is("83"))
        recievedOperation(reply, QStringLiteral("Sorting"));
    else if (is("84"))
        recievedOperation(reply, QStringLiteral("Copying"));
    else if (is("85"))
        setCurrentFileNumber(readNumberField(reply, 2));
    else if (is("90"))
        recievedFolderInfo(reply);
    else if (is("91"))
        recievedFolderEntry(reply);
    else if (is("93"))
        recievedOperation(reply, QStringLiteral("Renaming"));
    else if (is("94"))
        recievedOperation(reply, QStringLiteral("Deleting folder"));
    else if (is("95"))
        recievedOperation(reply, QStringLiteral("Creating folder"));
    else if (is("A0"))
        recievedFileRange(reply);
    else if (is("A1"))
        recievedFileEntry(reply);
    else if (is("A2"))
        recievedInfo(reply);
    else if (is("A3"))
        recievedOperation(reply, QStringLiteral("Renaming"));
    else if (is("A4"))
        recievedOperation(reply, QStringLiteral("Deleting file"));
    else if (is("A5"))
        recievedOperation(reply, QStringLiteral("Undo working"));
    else if (is("A6"))
        recievedOperation(reply, QStringLiteral("Deleting playlist"), true);
}

void Browse::recievedCurrentFolder(QStringView reply)
{
    const int folder = readNumberField(reply, 2);
    if (currentFolder.number() != folder) {
        currentFolder.setNumber(folder);
        // With no folder opened, the listed folder is the current one.
        if (nowFolder.number() == -1)
            nowFolder.setNumber(folder);
    }
    if (listing)
        return;
    listing = true;
    if (!hasMedium())
        return;
    step = Step::OwnEntry;
    expectedNumber = nowFolder.number();
    setListingShown(true);
    sendNumbered("11", expectedNumber);
}

void Browse::recievedFolderEntry(QStringView reply)
{
    const int folder = readNumberField(reply, 4);
    const QStringView text = LineProtocol::field(reply, 9);
    if (folder == currentFolder.number())
        currentFolder.setName(text.toString());
    if (!listing || folder != expectedNumber)
        return;
    if (step == Step::OwnEntry) {
        nowFolder.setName(text.toString());
        clearNowFolderList();
        step = Step::FolderInfo;
        sendNumbered("10", folder);
    } else if (step == Step::SubFolder) {
        browseModel.append(new BrowseObject(entryName(text), folder, BrowseObject::Folder));
        if (folder >= subFolderLast) {
            step = Step::FileRange;
            expectedNumber = nowFolder.number();
            sendNumbered("20", expectedNumber);
        } else {
            expectedNumber = folder + 1;
            sendNumbered("11", expectedNumber);
        }
    }
}

void Browse::recievedFolderInfo(QStringView reply)
{
    if (!listing || step != Step::FolderInfo || readNumberField(reply, 4) != nowFolder.number())
        return;
    subFolderFirst = 1;
    subFolderLast = 0;
    if (readNumberField(reply, 16) != 0) {
        subFolderFirst = readNumberField(reply, 8);
        subFolderLast = readNumberField(reply, 12);
    }
    if (subFolderFirst <= subFolderLast) {
        step = Step::SubFolder;
        expectedNumber = subFolderFirst;
        sendNumbered("11", expectedNumber);
    } else {
        step = Step::FileRange;
        sendNumbered("20", nowFolder.number());
    }
}

void Browse::recievedFileRange(QStringView reply)
{
    if (!listing || step != Step::FileRange || readNumberField(reply, 4) != nowFolder.number())
        return;
    fileFirst = 1;
    fileLast = 0;
    if (readNumberField(reply, 16) != 0) {
        fileFirst = readNumberField(reply, 8);
        fileLast = readNumberField(reply, 12);
    }
    if (fileFirst > fileLast) {
        // The list first, so that the end of the listing finds it shown.
        publishList();
        endListing();
        return;
    }
    step = Step::File;
    expectedNumber = fileFirst;
    sendNumbered("21", expectedNumber);
}

void Browse::recievedFileEntry(QStringView reply)
{
    const int file = readNumberField(reply, 4);
    if (!listing || step != Step::File || file != expectedNumber)
        return;
    browseModel.append(new BrowseObject(entryName(LineProtocol::field(reply, 9)), file, BrowseObject::File));
    if (file >= fileLast) {
        // The list first, so that the end of the listing finds it shown.
        publishList();
        endListing();
    } else {
        expectedNumber = file + 1;
        sendNumbered("21", expectedNumber);
    }
}
