// The recorder's login dialogue on a new connection: the password prompt,
// the login's outcome and the model query, recognised line by line whatever
// the reads cut them into.
#include "Telnet.h"

#include <QTcpSocket>
#include <cstring>

namespace {
const char modelQuery[] = "07F6A64\r\n";
const char modelAnswer[] = "0FF6AE4";
const char modelRefusal[] = "0F2\r\n";
} // namespace

void Telnet::loginToServer()
{
    connectTimer.stop();
    inDialogue = true;
    dialogueTimer.start(dialogueTimeoutMs);
    write("\r\n");
    sendCount = 0;
}

void Telnet::getData()
{
    receiveChunk(socket->readAll());
}

void Telnet::receiveChunk(QByteArray chunk)
{
    if (chunk.contains('\0'))
        chunk.replace('\0', QByteArray());
    sendCount = 0;
    received = true;

    if (inDialogue) {
        continueDialogue(chunk);
        return;
    }
    // Outside the dialogue a prompt or an answer is recognised only at the
    // start of a read, and the whole read is taken for it.
    const Dialogue step = recognise(chunk, false);
    if (step != Dialogue::None)
        answer(step);
    else
        splitLines(chunk);
}

Telnet::Dialogue Telnet::recognise(const QByteArray &text, bool more) const
{
    bool startOfOne = false;
    const auto startsWith = [&](const char *token) {
        if (text.startsWith(token))
            return true;
        const int length = int(qstrlen(token));
        if (more && text.size() < length && std::memcmp(token, text.constData(), size_t(text.size())) == 0)
            startOfOne = true;
        return false;
    };
    if (startsWith("Enter Password"))
        return Dialogue::PasswordPrompt;
    if (startsWith("Login Successful"))
        return Dialogue::LoginSuccessful;
    if (startsWith("Password Failed"))
        return Dialogue::PasswordFailed;
    if (awaitingModel) {
        if (startsWith(modelAnswer)) {
            // The two characters after the code tell the model; a line that
            // ends before them is no answer.
            const int digits = int(sizeof modelAnswer) - 1;
            if (more && text.size() < digits + 2 && text.indexOf('\n') < 0)
                return Dialogue::NeedMore;
            if (text.size() >= digits + 2 && text.at(digits) == '0') {
                if (text.at(digits + 1) == '1')
                    return Dialogue::Model1;
                if (text.at(digits + 1) == '0')
                    return Dialogue::Model0;
            }
            return Dialogue::ModelFailed;
        }
        if (startsWith(modelRefusal))
            return Dialogue::ModelFailed;
    }
    return startOfOne ? Dialogue::NeedMore : Dialogue::None;
}

void Telnet::answer(Dialogue step)
{
    switch (step) {
    case Dialogue::PasswordPrompt:
        // Answered once per connection: a recorder that prompts again after a
        // refused password would otherwise be fed the same password forever.
        if (!passwordSent) {
            passwordSent = true;
            write(passwordLine.constData());
        }
        return;
    case Dialogue::LoginSuccessful:
        if (skipModelQuery) {
            skipModelQuery = false;
            finishLogin(0);
        } else {
            write(modelQuery);
            awaitingModel = true;
        }
        return;
    case Dialogue::PasswordFailed:
        emit passwordFailed();
        return;
    case Dialogue::Model0:
    case Dialogue::Model1:
        awaitingModel = false;
        finishLogin(step == Dialogue::Model1 ? 1 : 0);
        return;
    case Dialogue::ModelFailed:
        awaitingModel = false;
        endConnection();
        reportFailure();
        return;
    case Dialogue::None:
    case Dialogue::NeedMore:
        return;
    }
}

void Telnet::continueDialogue(const QByteArray &chunk)
{
    const QByteArray text = dialogueText + chunk;
    dialogueText.clear();
    const quint64 serial = connectionSerial;
    int start = 0;
    while (start < text.size()) {
        const int lf = text.indexOf('\n', start);
        const int end = lf < 0 ? text.size() : lf + 1;
        if (!passingLineOn) {
            const Dialogue step = recognise(QByteArray::fromRawData(text.constData() + start, text.size() - start), true);
            if (step == Dialogue::NeedMore) {
                // Too short to tell yet: kept for the next read.
                dialogueText = text.mid(start);
                return;
            }
            if (step != Dialogue::None) {
                // Nothing after a prompt or an answer in the same read is used.
                answer(step);
                return;
            }
        }
        // Any other line is reply text, framed as once the link is up.
        passingLineOn = lf < 0;
        splitLines(QByteArray::fromRawData(text.constData() + start, end - start));
        if (serial != connectionSerial)
            return; // a receiver of the line ended the connection
        start = end;
    }
}

void Telnet::dialogueTimedOut()
{
    endConnection();
    reportFailure();
}

void Telnet::finishLogin(int model)
{
    dialogueTimer.stop();
    inDialogue = false;
    dialogueText.clear();
    linked = true;
    emit connectedToServer(model);
}
