// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The boundary between the core's single-byte texts and Qt's strings. File
// contents are Latin-1; paths use the file system's own encoding and cross with
// PathToQ and PathFromQ only (QFile's name encoding), so a name in UTF-8 shows
// as itself and comes back as the same bytes.
#include <QFile>
#include <QString>
#include <string>

namespace gw {

inline QString ToQ(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQ(const QString& text) { return text.toLatin1().toStdString(); }
inline QString PathToQ(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
inline std::string PathFromQ(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A message or status text from the core: paths in it are in the file system's
// encoding, and so it is shown, unless it holds bytes that do not decode that
// way (a Latin-1 line quoted from a file), which are shown as Latin-1.
inline QString MessageToQ(const std::string& text) {
    const QString decoded = PathToQ(text);
    return PathFromQ(decoded) == text ? decoded : ToQ(text);
}

}  // namespace gw
