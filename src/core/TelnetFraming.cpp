// The recorder's reply lines cut out of the byte stream: a line starts with
// "0" and ends with CR; it may arrive in any number of reads.
#include "Telnet.h"

void Telnet::splitLines(const QByteArray &chunk)
{
    int start = 0;
    for (;;) {
        const int lf = chunk.indexOf('\n', start);
        const int end = lf < 0 ? chunk.size() : lf;
        const int pieceLength = end - start;

        // A line is complete where a piece ends in CR, at an LF or at the end of a read.
        const bool lineEnds = pieceLength > 0 && chunk.at(end - 1) == '\r';

        if (skippingOverlongLine) {
            // The rest of a dropped line is no line of its own.
            skippingOverlongLine = !lineEnds;
        } else if (pieceLength > 0 && (!lineBuffer.isEmpty() || chunk.at(start) == '0')) {
            if (lineBuffer.size() + pieceLength > maxLineLength) {
                // Dropped whole, however the reads cut it: what is left of it
                // up to its end is skipped.
                lineBuffer.resize(0);
                skippingOverlongLine = !lineEnds;
            } else {
                lineBuffer.append(chunk.constData() + start, pieceLength);
                if (lineEnds)
                    emitLine(lineBuffer);
            }
        }

        if (lf < 0)
            break;
        start = lf + 1;
    }
}

void Telnet::emitLine(QByteArray &line)
{
    // Decoded only once whole, so that a character cut between two chunks
    // arrives intact. The leading "0" and every CR are not part of the reply.
    const char *bytes = line.constData() + 1;
    const int size = line.size() - 1;
    bool ascii = true;
    int length = 0;
    lineText.resize(size);
    QChar *out = lineText.data();
    for (int i = 0; i < size; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            ascii = false;
            break;
        }
        if (byte != '\r')
            out[length++] = QLatin1Char(char(byte));
    }
    if (ascii) {
        lineText.resize(length);
    } else {
        line.replace('\r', QByteArray());
        lineText = QString::fromUtf8(line.constData() + 1, line.size() - 1);
    }
    line.resize(0);
    emit readyRead(lineText);
}
