// The plan file's code page, CP932, byte for byte in both directions. Qt's table of it takes the
// control bytes 0x1A, 0x1C and 0x7F for one another; here every byte below 0x80 is its ASCII code.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The text of CP932 bytes; nullopt when a byte sequence is no CP932 character.
std::optional<QString> decodeCodePage(QByteArrayView bytes);

// The CP932 bytes of a text; nullopt when a character has no CP932 form of its own (one that would
// only come back as a look-alike counts as none).
std::optional<QByteArray> encodeCodePage(QStringView text);
