#pragma once
// The two file encodings of the protocol.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// Cuts a text file into the "FilePart" values sent to the program: UTF-8
// bytes without CR and without a leading byte-order mark, every LF written
// as "<#10>", each part ending at a line boundary and holding about
// targetSize bytes or more. An empty file gives no parts.
QList<QByteArray> EncodeFileParts(const QByteArray& fileBytes, qsizetype targetSize = 1024);

// An audio block: two hexadecimal digits per byte (either letter case).
// Empty, odd-length or non-hexadecimal text gives nothing.
std::optional<QByteArray> DecodeHexBlock(QByteArrayView hex);
